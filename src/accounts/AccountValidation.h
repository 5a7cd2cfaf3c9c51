#pragma once

#include "accounts/AccountForm.h"

#include <QString>

#include <functional>
#include <optional>

// The first check an account form fails: the box (its objectName), the message
// (shown with the exclamation icon), whether the box is emptied, and whether it
// takes the focus.
struct Failure {
    QString box;
    QString message;
    bool clear = true;
    bool focus = true;

    friend bool operator==(const Failure&, const Failure&) = default;
};

// Answers whether another account already holds a log-in name.
using NameTaken = std::function<bool(const QString& username)>;

namespace validation {

// The message for a log-in name another account holds.
QString nameTakenMessage();

// The checks of the first-account window, in its order.
std::optional<Failure> checkFirstAccount(const AccountForm& form, const NameTaken& nameTaken);

// How the account window treats the two password boxes.
enum class PasswordRule {
    Required,         // a new account: the password is checked
    KeepWhenBothEmpty // a change: both boxes empty keep the stored password
};

// The checks of the account window, in its order: fewer and other words, then
// the limit checks of the first-account window, then the sex-specific checks.
std::optional<Failure> checkAccount(const AccountForm& form, const NameTaken& nameTaken,
                                    PasswordRule rule = PasswordRule::Required);

// Which of the boxes a change shows read-only may be locked: a stored value
// the checks would refuse stays editable, or the account could never be saved.
struct IdentityLocks {
    bool fname = true;
    bool lname = true;
    bool age = true;
    bool sex = true;
};
IdentityLocks identityLocks(const AccountForm& form);

// True when a change keeps the stored password (both boxes left empty).
bool keepsPassword(const AccountForm& form, PasswordRule rule);

} // namespace validation
