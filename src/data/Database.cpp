#include "data/Database.h"

#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "data/Sql.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QtEndian>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("nutrova-%1").arg(counter.fetchAndAddRelaxed(1));
}

Error notNutrova(const QString& path)
{
    return Error{QStringLiteral("The file \"%1\" is not a Nutrova database, so Nutrova cannot use "
                                "it. The file has been left as it is; move it away or rename it, "
                                "and Nutrova will create a new database in its place.")
                     .arg(QDir::toNativeSeparators(path))};
}

// Reads the SQLite header straight from the file, before SQLite (and any
// journal) touches it: a foreign file must stay byte for byte as it was.
Status checkHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("The database \"%1\" cannot be opened: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString())};
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return notNutrova(path);
    const auto id = qFromBigEndian<qint32>(header.constData() + 68);
    if (id != Database::applicationId)
        return notNutrova(path);
    return {};
}

Status exec(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        return sql::errorOf(query);
    return {};
}

} // namespace

Database::Database(QString connectionName, QString filePath)
    : m_connectionName(std::move(connectionName)), m_filePath(std::move(filePath))
{}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

Result<std::unique_ptr<Database>> Database::open(const QString& folder)
{
    const QString path = QDir(folder).filePath(fileName());
    const QFileInfo info(path);
    const bool fresh = !info.exists() || info.size() == 0;
    if (!fresh) {
        if (auto s = checkHeader(path); !s)
            return Error{s.error()};
    }

    const QString name = nextConnectionName();
    std::unique_ptr<Database> database(new Database(name, path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            return Error{QStringLiteral("The database \"%1\" cannot be opened: %2")
                             .arg(QDir::toNativeSeparators(path), db.lastError().text())};
    }
    if (auto s = database->prepare(fresh); !s)
        return Error{QStringLiteral("The database \"%1\" cannot be used: %2")
                         .arg(QDir::toNativeSeparators(path), s.error())};
    return database;
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

int Database::userVersion() const
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

Status Database::prepare(bool fresh)
{
    QSqlDatabase db = connection();
    if (fresh) {
        // The mark goes into page 1 before the file turns to WAL, so the header
        // of the main file always carries it.
        if (auto s = exec(db, QStringLiteral("PRAGMA application_id = %1").arg(applicationId)); !s)
            return s;
    }
    const int version = userVersion();
    if (version < 0)
        return Error{QStringLiteral("The schema version cannot be read.")};
    if (version > schemaVersion)
        return Error{QStringLiteral("It was written by a newer Nutrova (schema %1; this one knows "
                                    "%2). It has been left as it is.")
                         .arg(version)
                         .arg(schemaVersion)};
    if (version < schemaVersion) {
        if (auto s = migrate(version, fresh || version == 0); !s)
            return s;
    }
    for (const char* pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = OFF"}) {
        if (auto s = exec(db, QString::fromLatin1(pragma)); !s)
            return s;
    }
    return {};
}

Status Database::migrate(int fromVersion, bool seed)
{
    return transaction([&]() -> Status {
        QSqlDatabase db = connection();
        for (int to = fromVersion + 1; to <= schemaVersion; ++to) {
            for (const QString& statement : schema::step(to)) {
                if (auto s = exec(db, statement); !s)
                    return s;
            }
        }
        if (seed) {
            if (auto s = referencedata::seed(db); !s)
                return s;
        }
        return exec(db, QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion));
    });
}

Status Database::transaction(const std::function<Status()>& work)
{
    QSqlDatabase db = connection();
    if (!db.transaction())
        return Error{db.lastError().text()};
    Status result = work();
    if (!result) {
        db.rollback();
        return result;
    }
    if (!db.commit()) {
        const QString text = db.lastError().text();
        db.rollback();
        return Error{text};
    }
    return {};
}
