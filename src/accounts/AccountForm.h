#pragma once

#include <QString>

// The texts of the entry form both account windows carry, as they stand in the
// boxes. The men's and women's body-shape boxes are both kept; the sex decides
// which of them counts.
struct AccountForm {
    QString fname;
    QString lname;
    QString age;
    QString sex;
    QString username;
    QString password1;
    QString password2;

    QString weight;
    QString height1;
    QString height2;
    QString waist;

    QString calorieLimit;
    QString fatLimit;
    QString proteinLimit;
    QString carbsLimit;

    QString bodyTypeMen;
    QString desiredBodyTypeMen;
    QString goalMen;
    QString stomachMen;
    QString armsMen;

    QString bodyTypeWomen;
    QString desiredBodyTypeWomen;
    QString goalWomen;
    QString stomachWomen;
    QString armsWomen;
    QString chestWomen;
    QString hipWomen;
    QString thighWomen;
};
