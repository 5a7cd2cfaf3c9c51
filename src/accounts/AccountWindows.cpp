#include "accounts/AccountWindows.h"

#include "accounts/AccountInfo.h"
#include "accounts/DeleteAccount.h"
#include "accounts/FirstAccountInfo.h"
#include "accounts/ModifyMenu.h"
#include "accounts/ValidUser.h"
#include "accounts/ValidUser2.h"
#include "app/Forms.h"

void registerAccountWindows(Forms& forms)
{
    forms.registerWindow(QStringLiteral("FirstAccountInfo"), Forms::factory<FirstAccountInfo>());
    forms.registerWindow(QStringLiteral("AccountInfo"), Forms::factory<AccountInfo>());
    forms.registerWindow(QStringLiteral("ModifyMenu"), Forms::factory<ModifyMenu>());
    forms.registerWindow(QStringLiteral("ValidUser"), Forms::factory<ValidUser>());
    forms.registerWindow(QStringLiteral("DeleteAccount"), Forms::factory<DeleteAccount>());
    forms.registerWindow(QStringLiteral("ValidUser2"), Forms::factory<ValidUser2>());
}
