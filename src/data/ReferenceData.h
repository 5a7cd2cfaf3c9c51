#pragma once

#include "core/Result.h"

#include <QSqlDatabase>

// Writes the foods, exercise categories, exercises and tips compiled into the
// program into a new database file.
namespace referencedata {

Status seed(QSqlDatabase& db);

} // namespace referencedata
