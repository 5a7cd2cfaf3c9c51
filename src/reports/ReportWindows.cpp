#include "reports/ReportWindows.h"

#include "app/Forms.h"

void registerReportWindows(Forms& forms)
{
    Q_UNUSED(forms);
}
