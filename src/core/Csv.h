#pragma once

#include <QList>
#include <QStringList>

// Reads comma-separated text with double-quoted fields (quotes doubled inside).
namespace csv {

QList<QStringList> parse(const QString& text);

} // namespace csv
