#include "data/ReferenceData.h"

#include "core/Csv.h"
#include "data/Sql.h"

#include <QFile>
#include <QRegularExpression>

namespace referencedata {

namespace {

struct SeedFile {
    const char* resource;
    const char* table;
};

// Column names come from our own compiled files; still, only plain identifiers
// are ever put into the statement text.
bool plainIdentifier(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

Status seedTable(QSqlDatabase& db, const SeedFile& file)
{
    QFile in(QString::fromLatin1(file.resource));
    if (!in.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("The reference data %1 is missing from the program.")
                         .arg(QString::fromLatin1(file.resource))};
    const QList<QStringList> rows = csv::parse(QString::fromUtf8(in.readAll()));
    if (rows.isEmpty())
        return {};
    const QStringList header = rows.first();
    for (const QString& column : header) {
        if (!plainIdentifier(column))
            return Error{
                QStringLiteral("Bad column name in %1").arg(QString::fromLatin1(file.resource))};
    }
    QStringList marks;
    for (qsizetype i = 0; i < header.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(db);
    if (auto s = sql::prepare(
            query, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(QString::fromLatin1(file.table), header.join(u','), marks.join(u',')));
        !s)
        return s;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        for (qsizetype c = 0; c < header.size(); ++c)
            query.bindValue(static_cast<int>(c), c < row.size() ? row[c] : QString());
        if (auto s = sql::run(query); !s)
            return s;
    }
    return {};
}

} // namespace

Status seed(QSqlDatabase& db)
{
    static const SeedFile files[] = {
        {":/data/foods.csv", "food_Dictionary"},
        {":/data/categories.csv", "Category"},
        {":/data/exercises.csv", "choices"},
        {":/data/tips.csv", "tips"},
    };
    for (const SeedFile& file : files) {
        if (auto s = seedTable(db, file); !s)
            return s;
    }
    return {};
}

} // namespace referencedata
