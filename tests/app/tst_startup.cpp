#include "AccountFixture.h"

#include "app/Intro.h"
#include "app/ProgramExit.h"
#include "support/TestApp.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

class TestStartup final : public QObject {
    Q_OBJECT

private slots:
    void introPicksTheRoad_data();
    void introPicksTheRoad();
    void introTimerIsSevenSeconds();
    void disagreeEndsWithNothingWritten();
    void agreeOpensTheFirstAccountWindow();
};

void TestStartup::introPicksTheRoad_data()
{
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("notLoaded");
    QTest::newRow("no account: the agreement") << QStringList() << "disclaimer"
                                               << "Login";
    QTest::newRow("one account: the login") << QStringList{"amy"} << "Login"
                                            << "disclaimer";
    QTest::newRow("two accounts: the login") << QStringList{"amy", "bob"} << "Login"
                                             << "disclaimer";
}

void TestStartup::introPicksTheRoad()
{
    QFETCH(QStringList, accounts);
    QFETCH(QString, shown);
    QFETCH(QString, notLoaded);
    TestApp app;
    for (const QString& name : accounts)
        addAccount(app.database(), name, QStringLiteral("Secret12"));

    app.forms().load(QStringLiteral("Intro"));
    auto* intro = app.forms().find<Intro>(QStringLiteral("Intro"));
    QVERIFY(intro);
    QVERIFY(intro->isVisible());
    QVERIFY(!app.forms().isLoaded(shown));

    intro->Timer1_Timer();
    TestApp::settle();

    QVERIFY(!app.forms().isLoaded(QStringLiteral("Intro")));
    QWidget* next = app.forms().find(shown);
    QVERIFY(next);
    QVERIFY(next->isVisible());
    QVERIFY(!app.forms().isLoaded(notLoaded));
    QVERIFY(app.messages().shown().isEmpty());
    QVERIFY(!app.context().programExit().hasEnded());
}

void TestStartup::introTimerIsSevenSeconds()
{
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"));
    app.forms().load(QStringLiteral("Intro"));
    auto* intro = app.forms().find<Intro>(QStringLiteral("Intro"));
    QVERIFY(intro);
    QTimer* timer = intro->timer();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 7000);
    QVERIFY(timer->isSingleShot());
    // Nothing moves on before the seven seconds are up; then the timer's own
    // firing takes the road the tick takes.
    QTest::qWait(6000);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("Login")));
    QTRY_VERIFY_WITH_TIMEOUT(app.forms().isLoaded(QStringLiteral("Login")), 3000);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("Intro")));
}

void TestStartup::disagreeEndsWithNothingWritten()
{
    TestApp app;
    QSignalSpy ended(&app.context().programExit(), &ProgramExit::ended);
    QSqlQuery changes(app.database().connection());
    QVERIFY(changes.exec(QStringLiteral("SELECT total_changes()")) && changes.next());
    const qint64 before = changes.value(0).toLongLong();

    app.forms().load(QStringLiteral("Intro"));
    app.forms().find<Intro>(QStringLiteral("Intro"))->Timer1_Timer();
    TestApp::settle();
    auto* disagree =
        app.control<QPushButton>(QStringLiteral("disclaimer"), QStringLiteral("btnDisagree"));
    QVERIFY(disagree);
    QCOMPARE(disagree->text(), QStringLiteral("I &Disagree"));
    QCOMPARE(ended.count(), 0);
    disagree->click();
    TestApp::settle();

    QCOMPARE(ended.count(), 1);
    QVERIFY(app.forms().loadedNames().isEmpty());
    QVERIFY(changes.exec(QStringLiteral("SELECT total_changes()")) && changes.next());
    QCOMPARE(changes.value(0).toLongLong(), before);
    QVERIFY(app.messages().shown().isEmpty());
}

void TestStartup::agreeOpensTheFirstAccountWindow()
{
    TestApp app;
    QSignalSpy ended(&app.context().programExit(), &ProgramExit::ended);
    app.forms().show(QStringLiteral("disclaimer"));
    QWidget* agreement = app.forms().find(QStringLiteral("disclaimer"));
    QCOMPARE(agreement->windowTitle(), QStringLiteral("Calvessa Corp License Agreement"));
    app.control<QPushButton>(QStringLiteral("disclaimer"), QStringLiteral("btnAgree"))->click();
    TestApp::settle();

    QVERIFY(!app.forms().isLoaded(QStringLiteral("disclaimer")));
    if (app.forms().isRegistered(QStringLiteral("FirstAccountInfo"))) {
        QWidget* first = app.forms().find(QStringLiteral("FirstAccountInfo"));
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(ended.count(), 0);
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
