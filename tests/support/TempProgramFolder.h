#pragma once

#include "data/Database.h"

#include <QTemporaryDir>

#include <memory>

// A fresh program folder in the temporary folder, with a new database holding
// the reference data; removed with the object.
class TempProgramFolder final {
public:
    TempProgramFolder();
    Q_DISABLE_COPY_MOVE(TempProgramFolder)

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    Database& database() { return *m_database; }
    bool ok() const { return m_database != nullptr; }
    const QString& error() const { return m_error; }

    // Closes and reopens the database file, as a new run of the program would.
    bool reopen();
    void close() { m_database.reset(); }

    // Runs a statement straight on the file for fixtures; fails the test on error.
    bool exec(const QString& statement);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_database;
    QString m_error;
};
