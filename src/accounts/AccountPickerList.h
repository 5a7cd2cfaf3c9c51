#pragma once

#include <QString>

class AppContext;
class QListWidget;

// What the two account pickers share: the list of every account, as last name,
// a comma and a blank, and first name, in the order the accounts were made.
namespace picker {

// Fills the list; a database that cannot be read leaves it empty and says why.
void fill(QListWidget* list, AppContext& context);

// The selected entry's text; empty when no entry is selected.
QString selectedEntry(const QListWidget* list);

} // namespace picker
