#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>

// The one connection to the program folder's "Nutrova.mdb". It creates a missing
// file with the schema and the reference data, migrates an older file forward,
// and refuses, without writing a byte, a file that is not a Nutrova database.
class Database final {
public:
    static QString fileName() { return QStringLiteral("Nutrova.mdb"); }
    // "Nutr" in ASCII: marks a Nutrova file in the SQLite header.
    static constexpr qint32 applicationId = 0x4E757472;
    static constexpr int schemaVersion = 2;

    static Result<std::unique_ptr<Database>> open(const QString& folder);

    ~Database();
    Q_DISABLE_COPY_MOVE(Database)

    QSqlDatabase connection() const;
    const QString& filePath() const { return m_filePath; }

    // Runs the work in one transaction: committed when it succeeds, rolled back
    // (and its error handed on) when it fails.
    Status transaction(const std::function<Status()>& work);

    int userVersion() const;

private:
    Database(QString connectionName, QString filePath);

    Status prepare(bool fresh);
    Status migrate(int fromVersion, bool seed);

    QString m_connectionName;
    QString m_filePath;
};
