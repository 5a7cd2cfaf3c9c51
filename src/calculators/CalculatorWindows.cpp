#include "calculators/CalculatorWindows.h"

#include "app/Forms.h"
#include "calculators/frmBMI.h"
#include "calculators/heartcalc.h"

void registerCalculatorWindows(Forms& forms)
{
    forms.registerWindow(QStringLiteral("frmBMI"), Forms::factory<frmBMI>(),
                         Forms::Placement::TopLevel);
    forms.registerWindow(QStringLiteral("heartcalc"), Forms::factory<heartcalc>(),
                         Forms::Placement::TopLevel);
}
