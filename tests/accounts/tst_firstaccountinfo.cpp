#include "AccountFixture.h"
#include "app/MainProgram.h"

#include <QPushButton>
#include <QtTest>

using namespace fixture;

namespace {

const QString window = QStringLiteral("FirstAccountInfo");

void save(TestApp& app)
{
    app.control<QPushButton>(window, QStringLiteral("btnCrtAccnt"))->click();
}

} // namespace

class FirstAccountInfoTest final : public QObject {
    Q_OBJECT

private slots:
    void dropDownsTakePicksOnly();
    void saveStoresTheHashAndLogsIn();
    void womanStoresHerColumns();
    void failedCheckWritesNothing();
    void closeWritesNothing();
};

void FirstAccountInfoTest::dropDownsTakePicksOnly()
{
    TestApp app;
    app.forms().show(window);
    auto* body = app.control<QComboBox>(window, QStringLiteral("CmbBodyType_m"));
    QTest::keyClicks(body->lineEdit(), QStringLiteral("Slim"));
    QCOMPARE(body->currentText(), QString());
    body->setCurrentIndex(1);
    QCOMPARE(body->currentText(), QStringLiteral("Average Build"));
    auto* sex = app.control<QComboBox>(window, QStringLiteral("CmbSex"));
    QCOMPARE(sex->currentText(), QStringLiteral("Male"));
    QTest::keyClicks(sex->lineEdit(), QStringLiteral("x"));
    QCOMPARE(sex->currentText(), QString());
    // With the sex emptied, "Create Account" meets the select message.
    fillMan(app, window, QStringLiteral("john"));
    sex->setCurrentIndex(-1);
    save(app);
    QCOMPARE(app.messages().last().text, QStringLiteral("Please select gender"));
}

void FirstAccountInfoTest::saveStoresTheHashAndLogsIn()
{
    TestApp app;
    app.forms().show(window);
    fillMan(app, window, QStringLiteral("john"));
    save(app);
    TestApp::settle();

    QVERIFY(
        app.messages().texts().contains(QStringLiteral("Account Information has been saved !")));
    const auto john = find(app, QStringLiteral("john"));
    QVERIFY(john);
    QVERIFY(!john->passwordHash.contains(QStringLiteral("secret123")));
    QVERIFY(password::verify(QStringLiteral("secret123"), john->passwordHash));
    QCOMPARE(john->popstatus, 1);
    QCOMPARE(john->musstatus, 1);
    QCOMPARE(john->tipstatus, 1);
    QCOMPARE(john->age, QStringLiteral("40"));
    QCOMPARE(john->chest, QString());
    QCOMPARE(john->hip, QString());
    QCOMPARE(john->calorieLimit, QString());
    QVERIFY(!app.forms().find(window)->isVisible());

    // Logged in through the login window, which never showed.
    if (!app.forms().isRegistered(QStringLiteral("Login")))
        QSKIP("no login window registered");
    QCOMPARE(app.session().currentUser(), QStringLiteral("john"));
    QCOMPARE(john->lastlogin, 1);
    QWidget* login = app.forms().find(QStringLiteral("Login"));
    QVERIFY(login && !login->isVisible());
    auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(main);
    QCOMPARE(main->statusText(), QStringLiteral("john is Logged On"));
}

void FirstAccountInfoTest::womanStoresHerColumns()
{
    TestApp app;
    app.forms().show(window);
    fillMan(app, window, QStringLiteral("mary"));
    const QList<std::pair<const char*, const char*>> boxes{{"CmbSex", "Female"},
                                                           {"CmbBodyType_f", "Pear Shape"},
                                                           {"CmbBodyType2_f", "Hour Glass"},
                                                           {"CmbGoal_f", "General Health"},
                                                           {"CmbStomach_f", "Small Belly"},
                                                           {"CmbArms_f", "Average"},
                                                           {"CmbChest_f", "DD"},
                                                           {"txtHip_f", "40"},
                                                           {"txtThigh_f", "24"},
                                                           {"txtCal", "2000"}};
    for (const auto& [box, value] : boxes)
        setText(app, window, QString::fromLatin1(box), QString::fromLatin1(value));
    save(app);

    const auto mary = find(app, QStringLiteral("mary"));
    QVERIFY(mary);
    QCOMPARE(mary->sex, QStringLiteral("Female"));
    QCOMPARE(mary->bodytype, QStringLiteral("Pear Shape"));
    QCOMPARE(mary->chest, QStringLiteral("DD"));
    QCOMPARE(mary->hip, QStringLiteral("40"));
    QCOMPARE(mary->thigh, QStringLiteral("24"));
    QCOMPARE(mary->calorieLimit, QStringLiteral("2000"));
    QCOMPARE(mary->fatLimit, QString());
}

void FirstAccountInfoTest::failedCheckWritesNothing()
{
    TestApp app;
    app.forms().show(window);
    fillMan(app, window, QStringLiteral("john"));
    setText(app, window, QStringLiteral("txtCal"), QStringLiteral("+5"));
    save(app);

    QCOMPARE(app.messages().last().text,
             QStringLiteral("You must enter a valid numeric value for your calorie limit"));
    QCOMPARE(app.messages().last().icon, MessageIcon::Exclamation);
    QCOMPARE(text(app, window, QStringLiteral("txtCal")), QString());
    QCOMPARE(text(app, window, QStringLiteral("txtUsername")), QStringLiteral("john"));
    QCOMPARE(count(app, QStringLiteral("SELECT COUNT(*) FROM UserInfo")), 0);
}

void FirstAccountInfoTest::closeWritesNothing()
{
    TestApp app;
    app.forms().show(window);
    fillMan(app, window, QStringLiteral("john"));
    app.control<QPushButton>(window, QStringLiteral("CmdClose"))->click();
    TestApp::settle();
    QVERIFY(!app.forms().isLoaded(window));
    QCOMPARE(count(app, QStringLiteral("SELECT COUNT(*) FROM UserInfo")), 0);
}

QTEST_MAIN(FirstAccountInfoTest)
#include "tst_firstaccountinfo.moc"
