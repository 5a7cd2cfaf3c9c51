#include "calculators/CalculatorWindows.h"

#include "app/Forms.h"

void registerCalculatorWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
