#pragma once

#include <QString>

// Who is logged in, which account the account window saved last (the fallback
// user name) and the main window's mode flag for the account window.
class Session final {
public:
    static QString modifyMode() { return QStringLiteral("MainModify"); }
    static QString deleteMode() { return QStringLiteral("MainModify2"); }

    const QString& currentUser() const { return m_currentUser; }
    void setCurrentUser(const QString& user) { m_currentUser = user; }
    bool isLoggedIn() const { return !m_currentUser.isEmpty(); }

    const QString& lastSavedUser() const { return m_lastSavedUser; }
    void setLastSavedUser(const QString& user) { m_lastSavedUser = user; }

    // The current user, or the account saved last when nobody is logged in.
    QString userOrFallback() const
    {
        return m_currentUser.isEmpty() ? m_lastSavedUser : m_currentUser;
    }

    const QString& modFlag() const { return m_modFlag; }
    void setModFlag(const QString& flag) { m_modFlag = flag; }

    // Follows an account's new log-in name wherever the session holds the old one.
    void renameAccount(const QString& from, const QString& to);
    // Forgets an account that no longer exists.
    void forgetAccount(const QString& user);

private:
    QString m_currentUser;
    QString m_lastSavedUser;
    QString m_modFlag;
};
