#include "accounts/AccountWindows.h"

#include "app/Forms.h"

void registerAccountWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
