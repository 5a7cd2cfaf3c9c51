#pragma once

#include <QStringList>

// The statements that bring a file from one schema version to the next.
namespace schema {

// Statements of step `toVersion` (1 = the tables, 2 = indexes and the
// ExerciseSchd view).
QStringList step(int toVersion);

} // namespace schema
