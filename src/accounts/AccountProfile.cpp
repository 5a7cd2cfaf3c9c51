#include "accounts/AccountProfile.h"

namespace account {

QString sexOf(const AccountForm& form)
{
    return form.sex.trimmed();
}

QString sexAsShown(const QString& stored)
{
    return stored == QLatin1String("MaleMale") ? QStringLiteral("Male") : stored;
}

void applyForm(const AccountForm& form, UserProfile& profile)
{
    profile.fname = form.fname;
    profile.lname = form.lname;
    profile.heightFeet = form.height1;
    profile.heightInch = form.height2;
    profile.weight = form.weight;
    profile.waist = form.waist;
    profile.age = form.age;
    profile.sex = sexOf(form);
    if (profile.sex == QLatin1String("Male")) {
        profile.bodytype = form.bodyTypeMen;
        profile.bodytypeDesired = form.desiredBodyTypeMen;
        profile.stomach = form.stomachMen;
        profile.arms = form.armsMen;
        profile.goal = form.goalMen;
    } else {
        profile.bodytype = form.bodyTypeWomen;
        profile.bodytypeDesired = form.desiredBodyTypeWomen;
        profile.stomach = form.stomachWomen;
        profile.arms = form.armsWomen;
        profile.goal = form.goalWomen;
        profile.chest = form.chestWomen;
        profile.hip = form.hipWomen;
        profile.thigh = form.thighWomen;
    }
    if (!form.calorieLimit.isEmpty())
        profile.calorieLimit = form.calorieLimit;
    if (!form.fatLimit.isEmpty())
        profile.fatLimit = form.fatLimit;
    if (!form.proteinLimit.isEmpty())
        profile.proteinLimit = form.proteinLimit;
    if (!form.carbsLimit.isEmpty())
        profile.carbsLimit = form.carbsLimit;
    profile.username = form.username;
}

AccountForm formOf(const UserProfile& p)
{
    AccountForm form;
    form.fname = p.fname;
    form.lname = p.lname;
    form.height1 = p.heightFeet;
    form.height2 = p.heightInch;
    form.weight = p.weight;
    form.age = p.age;
    form.sex = sexAsShown(p.sex);
    form.waist = p.waist;
    if (form.sex.trimmed() == QLatin1String("Male")) {
        form.bodyTypeMen = p.bodytype;
        form.desiredBodyTypeMen = p.bodytypeDesired;
        form.stomachMen = p.stomach;
        form.armsMen = p.arms;
        form.goalMen = p.goal;
    } else {
        form.bodyTypeWomen = p.bodytype;
        form.desiredBodyTypeWomen = p.bodytypeDesired;
        form.stomachWomen = p.stomach;
        form.armsWomen = p.arms;
        form.chestWomen = p.chest;
        form.goalWomen = p.goal;
        form.hipWomen = p.hip;
        form.thighWomen = p.thigh;
    }
    form.calorieLimit = p.calorieLimit;
    form.fatLimit = p.fatLimit;
    form.proteinLimit = p.proteinLimit;
    form.carbsLimit = p.carbsLimit;
    form.username = p.username;
    return form;
}

QString pickerEntry(const QString& lname, const QString& fname)
{
    return lname + QStringLiteral(", ") + fname;
}

} // namespace account
