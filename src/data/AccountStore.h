#pragma once

#include "core/Result.h"
#include "data/UserProfile.h"

#include <QList>

#include <optional>

class Database;

// The statements of UserInfo, and of an account's rows in every other table
// when the account is renamed or deleted.
class AccountStore final {
public:
    explicit AccountStore(Database& database) : m_database(database) {}

    Result<int> count() const;

    // Every account in the order they were made (UserID).
    Result<QList<AccountEntry>> list() const;

    // The account of a log-in name, letter case ignored as the database compares.
    Result<std::optional<UserProfile>> find(const QString& username) const;
    Result<std::optional<UserProfile>> findById(qint64 userId) const;

    // True when another account than `exceptUserId` holds the name (case ignored).
    Result<bool> nameTaken(const QString& username, qint64 exceptUserId = 0) const;

    // Adds the account and gives back its UserID.
    Result<qint64> add(const UserProfile& profile);

    // The first account a picker entry (last name, ", ", first name) names,
    // letter case ignored.
    Result<std::optional<UserProfile>> findByPickerEntry(const QString& entry) const;

    // Writes every column of the profile to the row of profile.userId. A changed
    // log-in name follows into schedule, calender_info and Dates, in one transaction.
    Status update(const UserProfile& profile);

    // An account saved by the account window carries the last-login mark: in one
    // transaction the mark leaves every other row and the account is added or
    // updated (with the rename cascade) with lastlogin 1.
    Result<qint64> addAsLastLogin(UserProfile profile);
    Status updateAsLastLogin(UserProfile profile);

    // Removes the account and all of its rows in every table, in one transaction.
    Status remove(qint64 userId);

    // lastlogin 1 on this account, 0 on every other, in one transaction.
    Status markLastLogin(const QString& username);

    Result<std::optional<UserSwitches>> switches(const QString& username) const;
    Status setSwitches(const QString& username, const UserSwitches& switches);
    Status setLoginStatus(const QString& username, const QString& status);

private:
    Result<qint64> insertRow(const UserProfile& profile);
    Status updateRow(const UserProfile& profile);
    Status clearLastLogin();

    Database& m_database;
};
