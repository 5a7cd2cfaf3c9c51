#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString window = QStringLiteral("frmBMI");

} // namespace

class BmiWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void opensEmpty();
    void showsResult_data();
    void showsResult();
    void refusesEntry_data();
    void refusesEntry();
    void enterKey_data();
    void enterKey();
    void closeUnloads();

private:
    struct Boxes {
        QLineEdit* weight;
        QLineEdit* feet;
        QLineEdit* inches;
    };
    static Boxes boxes(TestApp& app)
    {
        return {app.control<QLineEdit>(window, QStringLiteral("txtweight")),
                app.control<QLineEdit>(window, QStringLiteral("txtfeet")),
                app.control<QLineEdit>(window, QStringLiteral("txtinches"))};
    }
    static void type(TestApp& app, const QString& weight, const QString& feet,
                     const QString& inches)
    {
        const Boxes b = boxes(app);
        b.weight->setText(weight);
        b.feet->setText(feet);
        b.inches->setText(inches);
    }
    static void go(TestApp& app)
    {
        QTest::mouseClick(app.control<QPushButton>(window, QStringLiteral("cmdCalcBMI")),
                          Qt::LeftButton);
    }
};

void BmiWindowTest::opensEmpty()
{
    TestApp app;
    app.forms().show(window);
    QWidget* w = app.forms().find(window);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Nutrova BMI Calculation"));
    QVERIFY(app.control<QLabel>(window, QStringLiteral("Label3"))->isHidden());
    QVERIFY(app.control<QLabel>(window, QStringLiteral("lblBMI"))->text().isEmpty());
    QVERIFY(app.control<QLabel>(window, QStringLiteral("BMI_Advice"))->text().isEmpty());
    QVERIFY(app.messages().shown().isEmpty());
}

void BmiWindowTest::showsResult_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("bmi");
    QTest::addColumn<QString>("adviceStart");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("inchesAfter");

    const QColor light(192, 255, 255);
    const QColor warm(255, 128, 128);
    QTest::newRow("normal") << "170"
                            << "5"
                            << "10"
                            << "24"
                            << "Your BMI is normal." << light << "10";
    QTest::newRow("higher than normal")
        << "155"
        << "5"
        << "4"
        << "27"
        << "Your BMI is higher than normal. Remember," << warm << "4";
    QTest::newRow("empty inches shown as 0") << "250"
                                             << "6"
                                             << ""
                                             << "34"
                                             << "Your BMI is higher than normal." << warm << "0";
    QTest::newRow("weight 0 normal") << "0"
                                     << "5"
                                     << "10"
                                     << "0"
                                     << "Your BMI is normal." << light << "10";
}

void BmiWindowTest::showsResult()
{
    QFETCH(QString, weight);
    QFETCH(QString, feet);
    QFETCH(QString, inches);
    QFETCH(QString, bmi);
    QFETCH(QString, adviceStart);
    QFETCH(QColor, colour);
    QFETCH(QString, inchesAfter);

    TestApp app;
    app.forms().show(window);
    type(app, weight, feet, inches);
    go(app);
    QVERIFY2(app.messages().shown().isEmpty(), qPrintable(app.messages().last().text));
    auto* advice = app.control<QLabel>(window, QStringLiteral("BMI_Advice"));
    QCOMPARE(app.control<QLabel>(window, QStringLiteral("lblBMI"))->text(), bmi);
    QVERIFY(advice->text().startsWith(adviceStart));
    QCOMPARE(advice->palette().color(QPalette::WindowText), colour);
    QVERIFY(!app.control<QLabel>(window, QStringLiteral("Label3"))->isHidden());
    QCOMPARE(boxes(app).inches->text(), inchesAfter);
    QCOMPARE(boxes(app).weight->text(), weight);
}

void BmiWindowTest::refusesEntry_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("cleared"); // the box emptied and focused, or ""

    const QString weightMessage =
        QStringLiteral("You must enter a number for your weight. Example 10, 241, etc");
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "You cannot leave all fields empty"
                               << "";
    QTest::newRow("weight 150kg") << "150kg"
                                  << "5"
                                  << "10" << weightMessage << "txtweight";
    QTest::newRow("weight -150") << "-150"
                                 << "5"
                                 << "10" << weightMessage << "txtweight";
    QTest::newRow("feet five") << "150"
                               << "five"
                               << "10"
                               << "You must enter a number for the feet portion of your Height."
                               << "";
    QTest::newRow("feet 16") << "150"
                             << "16"
                             << "0"
                             << "Feet value must be between 1 and 15 feet"
                             << "txtfeet";
    QTest::newRow("inches 13") << "150"
                               << "5"
                               << "13"
                               << "Inch value must be between 0 and 12 inches"
                               << "txtinches";
    QTest::newRow("weight beyond 16 bits") << "40000"
                                           << "5"
                                           << "10" << weightMessage << "txtweight";
    QTest::newRow("BMI beyond 16 bits") << "30000"
                                        << "1"
                                        << "0" << weightMessage << "txtweight";
}

void BmiWindowTest::refusesEntry()
{
    QFETCH(QString, weight);
    QFETCH(QString, feet);
    QFETCH(QString, inches);
    QFETCH(QString, message);
    QFETCH(QString, cleared);

    TestApp app;
    app.forms().show(window);
    QWidget* w = app.forms().find(window);
    // An earlier result stays on show when a later entry is refused.
    type(app, QStringLiteral("170"), QStringLiteral("5"), QStringLiteral("10"));
    go(app);
    QCOMPARE(app.control<QLabel>(window, QStringLiteral("lblBMI"))->text(), QStringLiteral("24"));
    boxes(app).weight->setFocus(); // focus somewhere the check would have to move it from

    type(app, weight, feet, inches);
    go(app);
    QCOMPARE(app.messages().texts(), QStringList{message});
    QCOMPARE(app.messages().last().icon, MessageIcon::Exclamation);
    QCOMPARE(app.messages().last().buttons, MessageButtons::Ok);
    QCOMPARE(app.control<QLabel>(window, QStringLiteral("lblBMI"))->text(), QStringLiteral("24"));

    const Boxes b = boxes(app);
    const QList<QPair<QLineEdit*, QString>> typed = {
        {b.weight, weight}, {b.feet, feet}, {b.inches, inches}};
    for (const auto& [box, text] : typed) {
        if (box->objectName() == cleared)
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        else
            QCOMPARE(box->text(), text);
    }
    if (!cleared.isEmpty())
        QCOMPARE(w->focusWidget()->objectName(), cleared);
}

void BmiWindowTest::enterKey_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("calculates");

    QTest::newRow("inches box") << "txtinches" << true;
    QTest::newRow("Go!") << "cmdCalcBMI" << true;
    QTest::newRow("weight box") << "txtweight" << false;
    QTest::newRow("feet box") << "txtfeet" << false;
    QTest::newRow("Close") << "Command1" << false;
}

void BmiWindowTest::enterKey()
{
    QFETCH(QString, control);
    QFETCH(bool, calculates);

    TestApp app;
    app.forms().show(window);
    type(app, QStringLiteral("170"), QStringLiteral("5"), QStringLiteral("10"));
    auto* target = app.control<QWidget>(window, control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    TestApp::settle();
    QVERIFY(app.forms().isLoaded(window));
    QCOMPARE(app.control<QLabel>(window, QStringLiteral("lblBMI"))->text(),
             calculates ? QStringLiteral("24") : QString());
    QVERIFY(app.messages().shown().isEmpty());
}

void BmiWindowTest::closeUnloads()
{
    TestApp app;
    app.forms().show(window);
    type(app, QStringLiteral("170"), QStringLiteral("5"), QStringLiteral("10"));
    go(app);
    QTest::mouseClick(app.control<QPushButton>(window, QStringLiteral("Command1")), Qt::LeftButton);
    TestApp::settle();
    QVERIFY(!app.forms().isLoaded(window));

    // Opened again, it starts afresh.
    app.forms().show(window);
    QVERIFY(app.control<QLabel>(window, QStringLiteral("lblBMI"))->text().isEmpty());
    QVERIFY(boxes(app).weight->text().isEmpty());

    // Closed from its frame, it is unloaded too.
    app.forms().find(window)->close();
    TestApp::settle();
    QVERIFY(!app.forms().isLoaded(window));
}

QTEST_MAIN(BmiWindowTest)
#include "tst_bmiwindow.moc"
