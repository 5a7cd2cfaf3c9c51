#include "planner/PlannerWindows.h"

#include "app/Forms.h"
#include "planner/Mor_Edit_Qty.h"
#include "planner/frmAllShed.h"
#include "planner/frmFoodProperties.h"
#include "planner/introhealth.h"

void registerPlannerWindows(Forms& forms)
{
    using Placement = Forms::Placement;
    forms.registerWindow(QStringLiteral("introhealth"), Forms::factory<introhealth>(),
                         Placement::Child);
    forms.registerWindow(QStringLiteral("frmAllShed"), Forms::factory<frmAllShed>(),
                         Placement::Child);
    forms.registerWindow(QStringLiteral("frmFoodProperties"), Forms::factory<frmFoodProperties>(),
                         Placement::TopLevel);
    forms.registerWindow(QStringLiteral("Mor_Edit_Qty"), Forms::factory<Mor_Edit_Qty>(),
                         Placement::TopLevel);
}
