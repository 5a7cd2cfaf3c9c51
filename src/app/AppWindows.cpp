#include "app/AppWindows.h"

#include "app/Forms.h"

void registerAppWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
