#include "core/Session.h"

void Session::renameAccount(const QString& from, const QString& to)
{
    if (QString::compare(m_currentUser, from, Qt::CaseInsensitive) == 0 && !from.isEmpty())
        m_currentUser = to;
    if (QString::compare(m_lastSavedUser, from, Qt::CaseInsensitive) == 0 && !from.isEmpty())
        m_lastSavedUser = to;
}

void Session::forgetAccount(const QString& user)
{
    if (user.isEmpty())
        return;
    if (QString::compare(m_currentUser, user, Qt::CaseInsensitive) == 0)
        m_currentUser.clear();
    if (QString::compare(m_lastSavedUser, user, Qt::CaseInsensitive) == 0)
        m_lastSavedUser.clear();
}
