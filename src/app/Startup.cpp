#include "app/Startup.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/ProgramExit.h"

#include <QCoreApplication>

void startNutrova(AppContext& context)
{
    // The program ends once its last window has been unloaded.
    QObject::connect(&context.programExit(), &ProgramExit::ended, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    context.forms().load(QStringLiteral("Intro"));
}
