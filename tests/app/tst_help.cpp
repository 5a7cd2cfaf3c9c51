#include "app/HelpViewer.h"
#include "app/Login.h"
#include "app/MainProgram.h"
#include "support/TestApp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

namespace {

MainProgram* openMainWindow(TestApp& app)
{
    app.forms().load(QStringLiteral("Login"));
    app.forms().find<Login>(QStringLiteral("Login"))->Command1_Click();
    return app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
}

} // namespace

class TestHelp final : public QObject {
    Q_OBJECT

private slots:
    void helpOpensTheContentsPage_data();
    void helpOpensTheContentsPage();
    void missingPageIsSaidPlainly();
    void loginHelpSaysWhatToDo();
    void aboutBoxNamesTheVersion();
    void shippedContentsLinkToPagesThatExist();
};

void TestHelp::helpOpensTheContentsPage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("menu Help Topics") << "menu";
    QTest::newRow("toolbar Help Library") << "toolbar";
}

void TestHelp::helpOpensTheContentsPage()
{
    QFETCH(QString, how);
    TestApp app;
    QVERIFY(QDir(app.folder().path()).mkpath(QStringLiteral("help")));
    const QString index = app.folder().filePath(QStringLiteral("help/index.html"));
    QFile page(index);
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Contents of this folder</h1></body></html>");
    page.close();

    MainProgram* main = openMainWindow(app);
    QVERIFY(main);
    if (how == QLatin1String("menu")) {
        main->findChild<QAction*>(QStringLiteral("helpTopic"))->trigger();
    } else {
        auto* bar = main->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        for (QAction* button : bar->actions()) {
            if (button->toolTip() == QLatin1String("Help Library"))
                emit bar->actionTriggered(button);
        }
    }
    auto* viewer = app.forms().find<HelpViewer>(HelpViewer::windowName());
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(QFileInfo(viewer->currentPage()).canonicalFilePath(),
             QFileInfo(index).canonicalFilePath());
    QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().contains(
        QStringLiteral("Contents of this folder")));
}

void TestHelp::missingPageIsSaidPlainly()
{
    TestApp app;
    MainProgram* main = openMainWindow(app);
    main->helpTopic_Click();
    auto* viewer = app.forms().find<HelpViewer>(HelpViewer::windowName());
    QVERIFY(viewer);
    QVERIFY(viewer->currentPage().isEmpty());
    QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().startsWith(
        QStringLiteral("The help page is missing")));
}

void TestHelp::loginHelpSaysWhatToDo()
{
    TestApp app;
    app.forms().show(QStringLiteral("Login"));
    app.control<QPushButton>(QStringLiteral("Login"), QStringLiteral("cmdHelp"))->click();
    QWidget* help = app.forms().find(QStringLiteral("frmloginHelp"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Nutrova Login Help"));
    QCOMPARE(
        app.control<QLabel>(QStringLiteral("frmloginHelp"), QStringLiteral("lblloginHelp"))->text(),
        QStringLiteral("Select your username from the list and enter your password. "
                       "However, if you do not have an account, close this window and "
                       "click on the Manage Accounts button to create a new account."));
    app.control<QPushButton>(QStringLiteral("frmloginHelp"), QStringLiteral("Command1"))->click();
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmloginHelp")));
}

void TestHelp::aboutBoxNamesTheVersion()
{
    TestApp app;
    MainProgram* main = openMainWindow(app);
    main->findChild<QAction*>(QStringLiteral("about"))->trigger();
    QWidget* about = app.forms().find(QStringLiteral("frmAbout"));
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Nutrova"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("frmAbout"), QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.6.0"));
    app.control<QPushButton>(QStringLiteral("frmAbout"), QStringLiteral("cmdOK"))->click();
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmAbout")));
}

void TestHelp::shippedContentsLinkToPagesThatExist()
{
    const QString source = qEnvironmentVariable("NUTROVA_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("NUTROVA_SOURCE_DIR is not set");
    const QDir help(source + QStringLiteral("/resources/help"));
    QFile index(help.filePath(QStringLiteral("index.html")));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        QVERIFY2(QFileInfo::exists(help.filePath(target)), qPrintable(target));
    }
    QVERIFY(links > 0);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
