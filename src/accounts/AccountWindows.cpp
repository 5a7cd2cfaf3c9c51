#include "accounts/AccountWindows.h"

#include "accounts/AccountInfo.h"
#include "accounts/DeleteAccount.h"
#include "accounts/FirstAccountInfo.h"
#include "accounts/ModifyMenu.h"
#include "accounts/ValidUser.h"
#include "accounts/ValidUser2.h"
#include "app/Forms.h"

namespace {

template <class Window> Forms::Factory factory()
{
    return [](AppContext& context) -> QWidget* {
        return new Window(context);
    };
}

} // namespace

void registerAccountWindows(Forms& forms)
{
    forms.registerWindow(QStringLiteral("FirstAccountInfo"), factory<FirstAccountInfo>());
    forms.registerWindow(QStringLiteral("AccountInfo"), factory<AccountInfo>());
    forms.registerWindow(QStringLiteral("ModifyMenu"), factory<ModifyMenu>());
    forms.registerWindow(QStringLiteral("ValidUser"), factory<ValidUser>());
    forms.registerWindow(QStringLiteral("DeleteAccount"), factory<DeleteAccount>());
    forms.registerWindow(QStringLiteral("ValidUser2"), factory<ValidUser2>());
}
