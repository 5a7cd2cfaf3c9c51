#include "data/AccountStore.h"
#include "support/TestApp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString window = QStringLiteral("heartcalc");

qint64 addAccount(TestApp& app, const QString& username, const QString& age)
{
    UserProfile p;
    p.fname = QStringLiteral("Ann");
    p.lname = QStringLiteral("Smith");
    p.username = username;
    p.passwordHash = QStringLiteral("$argon2id$stub");
    p.age = age;
    p.sex = QStringLiteral("Female");
    p.weight = QStringLiteral("150");
    return AccountStore(app.database()).add(p).value();
}

QString box(TestApp& app, const QString& name)
{
    auto* edit = app.control<QLineEdit>(window, name);
    return edit ? edit->text() : QStringLiteral("<missing>");
}

QStringList advanced(TestApp& app)
{
    return {box(app, QStringLiteral("txtmax2")), box(app, QStringLiteral("txtminhr2")),
            box(app, QStringLiteral("txtmaxhr2"))};
}

void calculate(TestApp& app, const QString& rest)
{
    app.control<QLineEdit>(window, QStringLiteral("txtresthr"))->setText(rest);
    QTest::mouseClick(app.control<QPushButton>(window, QStringLiteral("btncalc")), Qt::LeftButton);
}

} // namespace

class HeartCalcWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void loadFillsBeginners_data();
    void loadFillsBeginners();
    void calculateAdvanced_data();
    void calculateAdvanced();
    void keepsTheAgeReadAtLoad();
    void missingProfile_data();
    void missingProfile();
    void closeUnloads();
};

void HeartCalcWindowTest::loadFillsBeginners_data()
{
    QTest::addColumn<QString>("profileAge");
    QTest::addColumn<QStringList>("boxes"); // age, max, min training, max training

    QTest::newRow("30") << "30" << QStringList{"30", "190", "114", "152"};
    QTest::newRow("45") << "45" << QStringList{"45", "175", "105", "140"};
    QTest::newRow("41") << "41" << QStringList{"41", "179", "107", "143"};
    QTest::newRow("120.5 kept as 120") << "120.5" << QStringList{"120", "100", "60", "80"};
}

void HeartCalcWindowTest::loadFillsBeginners()
{
    QFETCH(QString, profileAge);
    QFETCH(QStringList, boxes);

    TestApp app;
    addAccount(app, QStringLiteral("bob"), QStringLiteral("55"));
    addAccount(app, QStringLiteral("ann"), profileAge);
    app.session().setCurrentUser(QStringLiteral("ann"));
    app.forms().show(window);
    QVERIFY(app.forms().isLoaded(window));
    QCOMPARE(app.forms().find(window)->windowTitle(),
             QStringLiteral(" Nutrova Heart Rate Calculator"));
    QCOMPARE(
        (QStringList{box(app, QStringLiteral("txtage")), box(app, QStringLiteral("txtmax")),
                     box(app, QStringLiteral("txtminhr")), box(app, QStringLiteral("txtmaxhr"))}),
        boxes);
    QCOMPARE(advanced(app), (QStringList{"", "", ""}));
    QVERIFY(app.messages().shown().isEmpty());
}

void HeartCalcWindowTest::calculateAdvanced_data()
{
    QTest::addColumn<QString>("profileAge");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QStringList>("results");

    const QString range = QStringLiteral("Plese enter a valid number");
    const QString number = QStringLiteral("Please enter a valid number");
    // Refused rates leave what the first calculation (rest 60) showed.
    const QStringList before{"190", "138", "164"};
    QTest::newRow("30, rest 60") << "30"
                                 << "60"
                                 << "" << before;
    QTest::newRow("45, rest 72") << "45"
                                 << "72"
                                 << "" << QStringList{"175", "134", "154"};
    QTest::newRow("rest 51") << "30"
                             << "51"
                             << "" << QStringList{"190", "134", "162"};
    QTest::newRow("rest 249") << "30"
                              << "249"
                              << "" << QStringList{"190", "214", "202"};
    QTest::newRow("rest 50") << "30"
                             << "50" << range << before;
    QTest::newRow("rest 250") << "30"
                              << "250" << range << before;
    QTest::newRow("rest abc") << "30"
                              << "abc" << number << before;
    QTest::newRow("rest empty") << "30"
                                << "" << number << before;
}

void HeartCalcWindowTest::calculateAdvanced()
{
    QFETCH(QString, profileAge);
    QFETCH(QString, rest);
    QFETCH(QString, message);
    QFETCH(QStringList, results);

    TestApp app;
    addAccount(app, QStringLiteral("ann"), profileAge);
    app.session().setCurrentUser(QStringLiteral("ann"));
    app.forms().show(window);
    calculate(app, QStringLiteral("60"));
    app.messages().clear();

    calculate(app, rest);
    if (message.isEmpty()) {
        QVERIFY2(app.messages().shown().isEmpty(), qPrintable(app.messages().last().text));
        QCOMPARE(box(app, QStringLiteral("txtresthr")), rest);
    } else {
        QCOMPARE(app.messages().texts(), QStringList{message});
        QCOMPARE(app.messages().last().icon, MessageIcon::Exclamation);
        QVERIFY(box(app, QStringLiteral("txtresthr")).isEmpty());
    }
    QCOMPARE(advanced(app), results);
}

void HeartCalcWindowTest::keepsTheAgeReadAtLoad()
{
    TestApp app;
    const qint64 id = addAccount(app, QStringLiteral("ann"), QStringLiteral("30"));
    app.session().setCurrentUser(QStringLiteral("ann"));
    app.forms().show(window);

    // Neither the age box nor a later change of the profile moves the figures.
    app.control<QLineEdit>(window, QStringLiteral("txtage"))->setText(QStringLiteral("45"));
    AccountStore store(app.database());
    UserProfile changed = *store.findById(id).value();
    changed.age = QStringLiteral("45");
    QVERIFY(store.update(changed).ok());

    calculate(app, QStringLiteral("60"));
    QCOMPARE(advanced(app), (QStringList{"190", "138", "164"}));

    // Opened afresh, it reads the profile again.
    app.forms().unload(window);
    TestApp::settle();
    app.forms().show(window);
    QCOMPARE(box(app, QStringLiteral("txtmax")), QStringLiteral("175"));
}

void HeartCalcWindowTest::missingProfile_data()
{
    QTest::addColumn<QString>("currentUser");
    QTest::addColumn<QString>("lastSaved");
    QTest::addColumn<bool>("found");

    QTest::newRow("no such account") << "ghost"
                                     << "" << false;
    QTest::newRow("nobody logged in") << ""
                                      << "" << false;
    QTest::newRow("letter case ignored") << "ANN"
                                         << "" << true;
    QTest::newRow("account saved last") << ""
                                        << "ann" << true;
}

void HeartCalcWindowTest::missingProfile()
{
    QFETCH(QString, currentUser);
    QFETCH(QString, lastSaved);
    QFETCH(bool, found);

    TestApp app;
    addAccount(app, QStringLiteral("ann"), QStringLiteral("30"));
    app.session().setCurrentUser(currentUser);
    app.session().setLastSavedUser(lastSaved);
    app.forms().show(window);
    TestApp::settle();
    QCOMPARE(app.forms().isLoaded(window), found);
    if (found) {
        QCOMPARE(box(app, QStringLiteral("txtmax")), QStringLiteral("190"));
        QVERIFY(app.messages().shown().isEmpty());
    } else {
        QCOMPARE(app.messages().texts(),
                 QStringList{"Your profile could not be found. Please log in again."});
        QCOMPARE(app.messages().last().icon, MessageIcon::Exclamation);
    }
}

void HeartCalcWindowTest::closeUnloads()
{
    TestApp app;
    addAccount(app, QStringLiteral("ann"), QStringLiteral("30"));
    app.session().setCurrentUser(QStringLiteral("ann"));
    app.forms().show(window);
    QTest::keyClick(app.forms().find(window), Qt::Key_Escape);
    QVERIFY(app.forms().isLoaded(window));
    QTest::mouseClick(app.control<QPushButton>(window, QStringLiteral("btnClose")), Qt::LeftButton);
    TestApp::settle();
    QVERIFY(!app.forms().isLoaded(window));
}

QTEST_MAIN(HeartCalcWindowTest)
#include "tst_heartcalcwindow.moc"
