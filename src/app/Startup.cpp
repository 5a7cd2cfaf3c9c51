#include "app/Startup.h"

#include "app/AppContext.h"
#include "app/Forms.h"

#include <QMainWindow>

void startNutrova(AppContext& context)
{
    // Until the start-up windows exist: an empty frame window.
    auto* frame = new QMainWindow;
    frame->setObjectName(QStringLiteral("MainProgram"));
    frame->setWindowTitle(QStringLiteral("Nutrova"));
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->resize(1024, 700);
    frame->show();
    Q_UNUSED(context);
}
