#pragma once

#include "core/PasswordHash.h"
#include "data/AccountStore.h"
#include "data/Database.h"

#include <QTest>

// Adds an account with a hashed password and the given switches.
inline qint64 addAccount(Database& database, const QString& username, const QString& plain,
                         UserSwitches switches = {}, int lastlogin = 0)
{
    UserProfile p;
    p.fname = QStringLiteral("Ann");
    p.lname = username + QStringLiteral("son");
    p.username = username;
    p.passwordHash = password::hash(plain);
    p.age = QStringLiteral("30");
    p.sex = QStringLiteral("Female");
    p.heightFeet = QStringLiteral("5");
    p.heightInch = QStringLiteral("6");
    p.weight = QStringLiteral("140");
    p.waist = QStringLiteral("30");
    p.popstatus = switches.popstatus;
    p.musstatus = switches.musstatus;
    p.tipstatus = switches.tipstatus;
    p.lastlogin = lastlogin;
    AccountStore store(database);
    auto id = store.add(p);
    if (!id)
        qFatal("fixture account not added: %s", qPrintable(id.error()));
    return id.value();
}

inline int lastLoginOf(Database& database, const QString& username)
{
    AccountStore store(database);
    auto p = store.find(username);
    return p && p.value() ? p.value()->lastlogin : -1;
}

inline UserSwitches switchesOf(Database& database, const QString& username)
{
    AccountStore store(database);
    auto s = store.switches(username);
    return s && s.value() ? *s.value() : UserSwitches{-1, -1, -1};
}
