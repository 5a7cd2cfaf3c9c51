#pragma once

#include <QStringList>

// The fixed lists of the account form's drop-downs, in the order they are filled.
namespace vocabulary {

const QStringList& sexes();
const QStringList& bodyTypesMen();
const QStringList& desiredBodyTypesMen();
const QStringList& bodyTypesWomen();
const QStringList& desiredBodyTypesWomen();
const QStringList& stomachs();
const QStringList& arms();
const QStringList& chests();
const QStringList& goals();

// True when the text, blanks around it aside, is one of the items (letter case counts).
bool inList(const QStringList& items, const QString& text);

} // namespace vocabulary
