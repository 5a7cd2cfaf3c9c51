#include "calculators/CalculatorWindows.h"

#include "app/Forms.h"
#include "calculators/frmBMI.h"
#include "calculators/heartcalc.h"

void registerCalculatorWindows(Forms& forms)
{
    forms.registerWindow(
        QStringLiteral("frmBMI"), [](AppContext& context) { return new frmBMI(context); },
        Forms::Placement::TopLevel);
    forms.registerWindow(
        QStringLiteral("heartcalc"), [](AppContext& context) { return new heartcalc(context); },
        Forms::Placement::TopLevel);
}
