#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/QtMessages.h"
#include "app/Startup.h"
#include "app/WindowCatalog.h"
#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/Session.h"
#include "data/Database.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nutrova"));
    QApplication::setOrganizationName(QStringLiteral("Nutrova"));
    QApplication::setApplicationVersion(QStringLiteral("1.6.0"));
    QGuiApplication::setQuitOnLastWindowClosed(true);

    QtMessages messages;
    const QString programFolder = QApplication::applicationDirPath();
    const QString dataFolder = programfolder::dataFolder(programFolder);
    auto database = Database::open(dataFolder);
    if (!database) {
        messages.inform(database.error(), MessageIcon::Critical);
        return 1;
    }

    SystemClock clock;
    Session session;
    AppContext context(*database.value(), messages, clock, session, programFolder);
    registerAllWindows(context.forms());
    startNutrova(context);
    return QApplication::exec();
}
