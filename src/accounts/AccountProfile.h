#pragma once

#include "accounts/AccountForm.h"
#include "data/UserProfile.h"

#include <QString>

// How the account windows read an account into the form and write the form
// back into the account's row.
namespace account {

// The sex as validation and saving read it: blanks around it removed.
QString sexOf(const AccountForm& form);

// A stored sex as the windows show it: "MaleMale" reads as "Male".
QString sexAsShown(const QString& stored);

// Writes the names, age, body figures, sex, the sex's body-shape columns (the
// women's also chest, hip and thigh; a man's row keeps those as they were),
// the limits whose boxes are filled (an empty box keeps the stored limit) and
// the log-in name. The password, switches and last-login mark are the caller's.
void applyForm(const AccountForm& form, UserProfile& profile);

// The account as the change modes show it: the password boxes stay empty.
AccountForm formOf(const UserProfile& profile);

// An account as the pickers list it: last name, a comma and a blank, first name.
QString pickerEntry(const QString& lname, const QString& fname);

} // namespace account
