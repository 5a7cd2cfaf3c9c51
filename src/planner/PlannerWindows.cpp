#include "planner/PlannerWindows.h"

#include "app/Forms.h"
#include "planner/Mor_Edit_Qty.h"
#include "planner/frmAllShed.h"
#include "planner/frmFoodProperties.h"
#include "planner/introhealth.h"

void registerPlannerWindows(Forms& forms)
{
    using Placement = Forms::Placement;
    forms.registerWindow(
        QStringLiteral("introhealth"), [](AppContext& c) { return new introhealth(c); },
        Placement::Child);
    forms.registerWindow(
        QStringLiteral("frmAllShed"), [](AppContext& c) { return new frmAllShed(c); },
        Placement::Child);
    forms.registerWindow(
        QStringLiteral("frmFoodProperties"), [](AppContext& c) { return new frmFoodProperties(c); },
        Placement::TopLevel);
    forms.registerWindow(
        QStringLiteral("Mor_Edit_Qty"), [](AppContext& c) { return new Mor_Edit_Qty(c); },
        Placement::TopLevel);
}
