#include "fitness/FitnessWindows.h"

#include "app/Forms.h"

void registerFitnessWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
