#include "core/PasswordHash.h"

#include <QByteArray>

#include <sodium.h>

namespace {

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

namespace password {

QString hash(const QString& plain)
{
    if (!sodiumReady())
        return QString();
    const QByteArray utf8 = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return QString();
    return QString::fromLatin1(out);
}

bool verify(const QString& plain, const QString& storedHash)
{
    if (!sodiumReady() || storedHash.isEmpty())
        return false;
    const QByteArray stored = storedHash.toLatin1();
    if (stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray utf8 = plain.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

} // namespace password
