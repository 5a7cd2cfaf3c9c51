#include "reminders/ReminderWindows.h"

#include "app/Forms.h"

void registerReminderWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
