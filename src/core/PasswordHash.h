#pragma once

#include <QString>

// Passwords are kept only as Argon2id hashes (libsodium, interactive limits).
namespace password {

// The hash to store; empty when libsodium could not make one.
QString hash(const QString& plain);

// True when the typed password matches the stored hash (letter case counts).
bool verify(const QString& plain, const QString& storedHash);

} // namespace password
