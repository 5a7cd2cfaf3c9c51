#include "accounts/AccountValidation.h"

#include "accounts/AccountVocabulary.h"
#include "core/TextRules.h"

namespace validation {

namespace {

Failure fail(const char* box, const char* message, bool clear = true)
{
    return Failure{QString::fromLatin1(box), QString::fromLatin1(message), clear, true};
}

bool outside(const QString& value, qint64 low, qint64 high)
{
    const auto whole = text::wholePart(value);
    return !whole || *whole < low || *whole > high;
}

bool hasSign(const QString& value)
{
    return value.contains(u'-') || value.contains(u'+');
}

bool notEmptyNorNumeric(const QString& value)
{
    return !text::isEmpty(value) && !text::isNumeric(value);
}

bool isSex(const QString& value)
{
    return vocabulary::inList(vocabulary::sexes(), value);
}

// The four optional limits: empty, or a number without sign characters.
std::optional<Failure> checkLimits(const AccountForm& f)
{
    if (notEmptyNorNumeric(f.calorieLimit) || hasSign(f.calorieLimit))
        return fail("txtCal", "You must enter a valid numeric value for your calorie limit");
    if (notEmptyNorNumeric(f.fatLimit))
        return fail("txtFat", "You must enter a valid numeric value for your fat limit");
    if (hasSign(f.fatLimit))
        return fail("txtFat", "Please enter a valid numeric value for your fat limit");
    if (notEmptyNorNumeric(f.proteinLimit) || hasSign(f.proteinLimit))
        return fail("txtProtein", "Please enter a valid numeric value for your protein limit");
    if (notEmptyNorNumeric(f.carbsLimit))
        return fail("txtCarb", "Please enter a valid numeric value for your carbohydrate value");
    if (hasSign(f.carbsLimit))
        return fail("txtCarb", "Please enter a valid numeric value for your carbohydrate limit");
    return std::nullopt;
}

struct ShapeBoxes {
    const char* bodyType;
    const char* desired;
    const char* goal;
    const char* stomach;
    const char* arms;
};

// A drop-down left empty is emptied and focused; a text not in its list is
// only focused, and stays as typed.
std::optional<Failure> checkPick(const QString& value, const QStringList& items, const char* box,
                                 const char* selectMessage, const char* invalidMessage)
{
    if (text::isEmpty(value))
        return fail(box, selectMessage);
    if (!vocabulary::inList(items, value))
        return fail(box, invalidMessage, false);
    return std::nullopt;
}

std::optional<Failure> checkBodyShape(const AccountForm& f)
{
    const bool male = f.sex.trimmed() == QLatin1String("Male");
    const ShapeBoxes boxes = male ? ShapeBoxes{"CmbBodyType_m", "CmbBodyType2_m", "CmbGoal_m",
                                               "CmbStomach_m", "CmbArms_m"}
                                  : ShapeBoxes{"CmbBodyType_f", "CmbBodyType2_f", "CmbGoal_f",
                                               "CmbStomach_f", "CmbArms_f"};
    const QString& bodyType = male ? f.bodyTypeMen : f.bodyTypeWomen;
    const QString& desired = male ? f.desiredBodyTypeMen : f.desiredBodyTypeWomen;
    const QString& goal = male ? f.goalMen : f.goalWomen;
    const QString& stomach = male ? f.stomachMen : f.stomachWomen;
    const QString& arms = male ? f.armsMen : f.armsWomen;

    if (auto failure =
            checkPick(bodyType, male ? vocabulary::bodyTypesMen() : vocabulary::bodyTypesWomen(),
                      boxes.bodyType, "Please select a body type",
                      "Invalid body type. Please choose from the list"))
        return failure;
    if (auto failure = checkPick(
            desired, male ? vocabulary::desiredBodyTypesMen() : vocabulary::desiredBodyTypesWomen(),
            boxes.desired, "Please select a desired body type",
            "Invalid desired body type. Please choose from the list"))
        return failure;
    if (auto failure = checkPick(goal, vocabulary::goals(), boxes.goal, "Please select a goal",
                                 "Invalid goal. Please choose from the list"))
        return failure;
    if (auto failure =
            checkPick(stomach, vocabulary::stomachs(), boxes.stomach, "Please select stomach shape",
                      "Invalid stomach shape. Please choose from the list"))
        return failure;
    if (auto failure = checkPick(arms, vocabulary::arms(), boxes.arms, "Please select an arm size",
                                 "Invalid arm size. Please choose from the list"))
        return failure;
    if (male)
        return std::nullopt;
    if (auto failure = checkPick(f.chestWomen, vocabulary::chests(), "CmbChest_f",
                                 "Please select a chest size",
                                 "Invalid chest size. Please choose from the list"))
        return failure;
    if (!text::isNumeric(f.hipWomen))
        return fail("txtHip_f", "Please enter a numeric value for the hip value");
    if (!text::isNumeric(f.thighWomen))
        return fail("txtThigh_f", "Please enter a numeric value for the thigh value");
    return std::nullopt;
}

std::optional<Failure> checkNameFree(const AccountForm& f, const NameTaken& nameTaken)
{
    if (nameTaken && nameTaken(f.username))
        return Failure{QStringLiteral("txtUsername"), nameTakenMessage(), true, true};
    return std::nullopt;
}

} // namespace

QString nameTakenMessage()
{
    return QStringLiteral("This username is already taken. Please choose another one");
}

std::optional<Failure> checkFirstAccount(const AccountForm& f, const NameTaken& nameTaken)
{
    using text::isBadName;
    using text::isEmpty;
    using text::isNumeric;

    if (isEmpty(f.fname))
        return fail("txtFname", "You must enter your First Name");
    if (isBadName(f.fname))
        return fail("txtFname", "You must Enter a valid First Name");
    if (isEmpty(f.lname))
        return fail("txtLname", "You must enter your Last Name");
    if (isBadName(f.lname))
        return fail("txtLname", "You must enter valid last name");
    if (isEmpty(f.age))
        return fail("txtAge", "You must enter your age");
    if (!isNumeric(f.age))
        return fail("txtAge", "Please enter an age value");
    if (outside(f.age, 1, 120))
        return fail("txtAge", "Age value must be between 1 and 120 years old");
    if (isEmpty(f.sex))
        return fail("CmbSex", "Please select gender");
    if (!isSex(f.sex))
        return fail("CmbSex", "Invalid Gender Selection. Please choose from the list", false);
    if (isEmpty(f.weight))
        return fail("txtWeight", "You must enter a weight value");
    if (!isNumeric(f.weight))
        return fail("txtWeight", "You must enter a valid weight value");
    if (outside(f.weight, 1, 500))
        return fail("txtWeight", "Weight value must be between 1 and 500 lbs");
    if (isEmpty(f.height1))
        return fail("txtHeight1", "You must enter a height foot value");
    if (!isNumeric(f.height1))
        return fail("txtHeight1", "You must enter a valid height foot value");
    if (outside(f.height1, 1, 15))
        return fail("txtHeight1", "Height feet value must be between 1 and 15 feet");
    if (!isNumeric(f.height2))
        return fail("txtHeight2", "You must enter a valid numeric value for height inches");
    if (outside(f.height2, 0, 12))
        return fail("txtHeight2", "Height inch value must be between 0 and 12 inches");
    if (isEmpty(f.username) || isBadName(f.username))
        return fail("txtUsername", "You must enter a valid username");
    if (auto failure = checkNameFree(f, nameTaken))
        return failure;
    if (isEmpty(f.password1))
        return fail("txtPassword1",
                    "You must entered a valid password, it needs to be 8-10 characters/numbers");
    if (isBadName(f.password1) || f.password1.size() < 8)
        return fail("txtPassword1",
                    "You must enter a valid password, it needs to be 8-10 characters/numbers");
    if (text::compareText(f.password2, f.password1) != 0)
        return fail("txtPassword2", "Please type in the same password that you initialy typed");
    if (isEmpty(f.waist))
        return fail("txtWstSize", "You must enter a valid waist size");
    if (!isNumeric(f.waist))
        return fail("txtWstSize", "Please enter an waist size");
    if (outside(f.waist, 1, 150))
        return fail("txtWstSize", "Waist size must be between 1 and 150 inches");
    if (auto failure = checkLimits(f))
        return failure;
    return checkBodyShape(f);
}

IdentityLocks identityLocks(const AccountForm& f)
{
    const auto goodName = [](const QString& name) {
        return !text::isEmpty(name) && !text::isBadName(name);
    };
    return IdentityLocks{goodName(f.fname), goodName(f.lname),
                         text::isNumeric(f.age) && !outside(f.age, 1, 120), isSex(f.sex)};
}

bool keepsPassword(const AccountForm& form, PasswordRule rule)
{
    return rule == PasswordRule::KeepWhenBothEmpty && form.password1.isEmpty() &&
           form.password2.isEmpty();
}

std::optional<Failure> checkAccount(const AccountForm& f, const NameTaken& nameTaken,
                                    PasswordRule rule)
{
    using text::isBadName;
    using text::isEmpty;
    using text::isNumeric;

    if (isEmpty(f.fname) || isBadName(f.fname))
        return fail("txtFname", "You have entered an invalid first name");
    if (isEmpty(f.lname) || isBadName(f.lname))
        return fail("txtLname", "You have entered an invalid last name");
    if (!isNumeric(f.age))
        return fail("txtAge", "Please enter an age value");
    if (outside(f.age, 1, 120))
        return fail("txtAge", "Age value must be between 1 and 120 years old");
    if (isEmpty(f.sex))
        return fail("CmbSex", "Please select your gender");
    if (!isSex(f.sex))
        return fail("CmbSex", "Invalid Gender Selection. Please choose from the list", false);
    if (!isNumeric(f.weight))
        return fail("txtWeight", "Please enter a weight value");
    if (outside(f.weight, 1, 500))
        return fail("txtWeight", "Weight value must be between 1 and 500 lbs");
    if (!isNumeric(f.height1))
        return fail("txtHeight1", "Please enter a height foot value");
    if (outside(f.height1, 1, 15))
        return fail("txtHeight1", "Height feet value must be between 1 and 15 feet");
    if (!isNumeric(f.height2))
        return fail("txtHeight2", "Please enter a numeric value for height inches");
    if (outside(f.height2, 0, 12))
        return fail("txtHeight2", "Height inch value must be between 0 and 12 inches");
    if (isEmpty(f.username) || isBadName(f.username))
        return fail("txtUsername", "You have entered an invalid username");
    if (auto failure = checkNameFree(f, nameTaken))
        return failure;
    if (!keepsPassword(f, rule)) {
        if (isEmpty(f.password1) || isBadName(f.password1) || f.password1.size() < 8)
            return fail(
                "txtPassword1",
                "You have entered an invalid password, it need to be 8-10 characters/numbers");
        if (text::compareText(f.password2, f.password1) != 0)
            return fail("txtPassword2", "Please type in the same password that you initialy typed");
    }
    if (!isNumeric(f.waist))
        return fail("txtWstSize", "Please enter an waist size");
    if (outside(f.waist, 1, 150))
        return fail("txtWstSize", "Waist size must be between 1 and 150 inches");
    if (auto failure = checkLimits(f))
        return failure;
    return checkBodyShape(f);
}

} // namespace validation
