#include "planner/PlannerWindows.h"

#include "app/Forms.h"

void registerPlannerWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
