#include "app/WindowCatalog.h"

#include "accounts/AccountWindows.h"
#include "app/AppWindows.h"
#include "calculators/CalculatorWindows.h"
#include "fitness/FitnessWindows.h"
#include "planner/PlannerWindows.h"
#include "reminders/ReminderWindows.h"
#include "reports/ReportWindows.h"

void registerAllWindows(Forms& forms)
{
    registerAppWindows(forms);
    registerAccountWindows(forms);
    registerPlannerWindows(forms);
    registerFitnessWindows(forms);
    registerReminderWindows(forms);
    registerCalculatorWindows(forms);
    registerReportWindows(forms);
}
