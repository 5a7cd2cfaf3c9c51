#include "support/TempProgramFolder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

TempProgramFolder::TempProgramFolder()
{
    reopen();
}

bool TempProgramFolder::reopen()
{
    m_database.reset();
    auto opened = Database::open(m_dir.path());
    if (!opened) {
        m_error = opened.error();
        qWarning("%s", qPrintable(m_error));
        return false;
    }
    m_database = std::move(opened.value());
    return true;
}

bool TempProgramFolder::exec(const QString& statement)
{
    QSqlQuery query(m_database->connection());
    if (!query.exec(statement)) {
        qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}
