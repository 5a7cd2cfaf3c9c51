#include "AccountFixture.h"

#include "app/Intro.h"
#include "app/MainProgram.h"
#include "app/ProgramExit.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>

namespace {

void fill(TestApp& app, const QString& box, const QString& value)
{
    const QString window = QStringLiteral("FirstAccountInfo");
    if (auto* edit = app.control<QLineEdit>(window, box)) {
        edit->setText(value);
    } else if (auto* combo = app.control<QComboBox>(window, box)) {
        combo->setCurrentIndex(combo->findText(value));
    } else {
        QFAIL(qPrintable(box));
    }
}

// Notes whether a window of that name was ever shown.
class ShowWatcher final : public QObject {
public:
    explicit ShowWatcher(QString name) : m_name(std::move(name)) {}
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == m_name)
            seen = true;
        return false;
    }

private:
    QString m_name;
};

} // namespace

class TestFirstRun final : public QObject {
    Q_OBJECT

private slots:
    void agreeCreateAndLandLoggedIn();
};

void TestFirstRun::agreeCreateAndLandLoggedIn()
{
    TestApp app;
    if (!app.forms().isRegistered(QStringLiteral("FirstAccountInfo")))
        QSKIP("the first-account window is not registered");
    QSignalSpy ended(&app.context().programExit(), &ProgramExit::ended);
    // The login window must never show on this road.
    ShowWatcher loginShown(QStringLiteral("Login"));
    qApp->installEventFilter(&loginShown);

    app.forms().load(QStringLiteral("Intro"));
    app.forms().find<Intro>(QStringLiteral("Intro"))->Timer1_Timer();
    TestApp::settle();
    app.control<QPushButton>(QStringLiteral("disclaimer"), QStringLiteral("btnAgree"))->click();
    TestApp::settle();
    QWidget* first = app.forms().find(QStringLiteral("FirstAccountInfo"));
    QVERIFY(first && first->isVisible());

    const QList<std::pair<const char*, const char*>> boxes{{"txtFname", "John"},
                                                           {"txtLname", "Doe"},
                                                           {"txtAge", "40"},
                                                           {"CmbSex", "Male"},
                                                           {"txtWeight", "180"},
                                                           {"txtHeight1", "5"},
                                                           {"txtHeight2", "10"},
                                                           {"txtWstSize", "34"},
                                                           {"CmbBodyType_m", "Built"},
                                                           {"CmbBodyType2_m", "Built"},
                                                           {"CmbGoal_m", "General Health"},
                                                           {"CmbStomach_m", "Small Belly"},
                                                           {"CmbArms_m", "Large"},
                                                           {"txtUsername", "john"},
                                                           {"txtPassword1", "secret123"},
                                                           {"txtPassword2", "secret123"}};
    for (const auto& [box, value] : boxes)
        fill(app, QString::fromLatin1(box), QString::fromLatin1(value));
    app.control<QPushButton>(QStringLiteral("FirstAccountInfo"), QStringLiteral("btnCrtAccnt"))
        ->click();
    TestApp::settle();

    QCOMPARE(app.messages().texts(), QStringList{"Account Information has been saved !"});
    auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(main->statusText(), QStringLiteral("john is Logged On"));
    QVERIFY(main->findChild<QToolBar*>(QStringLiteral("Toolbar2"))->isVisible());
    QVERIFY(!main->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    QWidget* menu = app.forms().find(QStringLiteral("bgForm"));
    QVERIFY(menu && menu->isVisible());
    QWidget* login = app.forms().find(QStringLiteral("Login"));
    QVERIFY(login);
    QVERIFY(!login->isVisible());
    QVERIFY(!loginShown.seen);
    QCOMPARE(app.session().currentUser(), QStringLiteral("john"));

    AccountStore store(app.database());
    auto row = store.find(QStringLiteral("john"));
    QVERIFY(row && row.value());
    const UserProfile& john = *row.value();
    QVERIFY(john.passwordHash != QLatin1String("secret123"));
    QVERIFY(password::verify(QStringLiteral("secret123"), john.passwordHash));
    QCOMPARE(john.popstatus, 1);
    QCOMPARE(john.musstatus, 1);
    QCOMPARE(john.tipstatus, 1);
    QCOMPARE(john.lastlogin, 1);
    // The new account is the only entry of the login list, and selected.
    QCOMPARE(app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"))->count(),
             1);
    QCOMPARE(ended.count(), 0);
}

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
