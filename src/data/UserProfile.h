#pragma once

#include <QString>

// One row of UserInfo. Numbers the user typed stay texts, as typed.
struct UserProfile {
    qint64 userId = 0;
    QString fname;
    QString lname;
    QString username;
    QString passwordHash;
    QString age;
    QString sex;
    QString heightFeet;
    QString heightInch;
    QString weight;
    QString waist;
    QString bodytype;
    QString bodytypeDesired;
    QString stomach;
    QString arms;
    QString goal;
    QString chest;
    QString hip;
    QString thigh;
    QString calorieLimit;
    QString fatLimit;
    QString proteinLimit;
    QString carbsLimit;
    int popstatus = 1;
    int musstatus = 1;
    int tipstatus = 1;
    int lastlogin = 0;
    QString loginstatus = QStringLiteral("Y");
};

// The three switches of an account.
struct UserSwitches {
    int popstatus = 1;
    int musstatus = 1;
    int tipstatus = 1;
};

// What the account lists show of an account.
struct AccountEntry {
    qint64 userId = 0;
    QString username;
    QString fname;
    QString lname;
    int lastlogin = 0;
};
