#pragma once

#include "core/Result.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// Small helpers the stores share: every statement is prepared and its values
// bound; a failure carries the database's own text.
namespace sql {

inline Error errorOf(const QSqlQuery& query)
{
    const QSqlError e = query.lastError();
    QString text = e.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("The database did not carry out the statement.");
    return Error{text};
}

inline Status run(QSqlQuery& query)
{
    if (!query.exec())
        return errorOf(query);
    return {};
}

inline Status prepare(QSqlQuery& query, const QString& statement)
{
    if (!query.prepare(statement))
        return errorOf(query);
    return {};
}

// Escapes a text for "LIKE ? ESCAPE '\'" so it matches only as typed.
inline QString likePrefix(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return escaped + u'%';
}

// A column read as text, Null as "".
inline QString text(const QSqlQuery& query, const char* column)
{
    const QVariant v = query.value(QString::fromLatin1(column));
    return v.isNull() ? QString() : v.toString();
}

inline double number(const QSqlQuery& query, const char* column)
{
    return query.value(QString::fromLatin1(column)).toDouble();
}

} // namespace sql
