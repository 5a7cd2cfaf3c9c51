#pragma once

#include "data/UserProfile.h"

#include <QString>

#include <optional>

class AppContext;

// What the two confirmation windows share: the picked account found again by
// its picker entry (the first account of that name counts), and its password
// checked against the stored hash, letter case counting.
namespace confirmation {

// The account when the password is right; otherwise nothing, after the
// message that says why.
std::optional<UserProfile> confirm(AppContext& context, const QString& entry,
                                   const QString& typedPassword);

} // namespace confirmation
