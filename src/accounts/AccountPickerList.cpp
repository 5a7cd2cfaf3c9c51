#include "accounts/AccountPickerList.h"

#include "accounts/AccountProfile.h"
#include "app/AppContext.h"
#include "core/Messages.h"
#include "data/AccountStore.h"

#include <QListWidget>

namespace picker {

void fill(QListWidget* list, AppContext& context)
{
    list->clear();
    AccountStore accounts(context.database());
    auto entries = accounts.list();
    if (!entries) {
        context.messages().inform(entries.error(), MessageIcon::Critical);
        return;
    }
    for (const AccountEntry& entry : entries.value())
        list->addItem(account::pickerEntry(entry.lname, entry.fname));
}

QString selectedEntry(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

} // namespace picker
