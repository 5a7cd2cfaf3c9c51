#include "app/frmTip.h"
#include "support/TestApp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

class TestTips final : public QObject {
    Q_OBJECT

private slots:
    void onlyTipsOneToTwentyEightAreShown();
    void missingNumberLeavesTheText();
    void drawComesFromTheGeneratorHandedIn();
};

void TestTips::onlyTipsOneToTwentyEightAreShown()
{
    TestApp app;
    QVERIFY(app.folder().exec(QStringLiteral("DELETE FROM tips")));
    for (int i = 1; i <= 30; ++i)
        QVERIFY(app.folder().exec(
            QStringLiteral("INSERT INTO tips (tID, tName) VALUES (%1, 'Tip %1')").arg(i)));
    app.forms().show(QStringLiteral("frmTip"));
    auto* text = app.control<QPlainTextEdit>(QStringLiteral("frmTip"), QStringLiteral("TipText"));
    auto* next = app.control<QPushButton>(QStringLiteral("frmTip"), QStringLiteral("cmdNextTip"));
    QSet<QString> seen{text->toPlainText()};
    for (int draw = 0; draw < 600; ++draw) {
        next->click();
        seen.insert(text->toPlainText());
    }
    QSet<QString> expected;
    for (int i = 1; i <= 28; ++i)
        expected.insert(QStringLiteral("Tip %1").arg(i));
    // Every tip of 1 to 28 comes up, and nothing else ever does.
    QCOMPARE(seen, expected);
}

void TestTips::missingNumberLeavesTheText()
{
    TestApp app;
    QVERIFY(app.folder().exec(QStringLiteral("DELETE FROM tips")));
    app.forms().show(QStringLiteral("frmTip"));
    auto* text = app.control<QPlainTextEdit>(QStringLiteral("frmTip"), QStringLiteral("TipText"));
    QCOMPARE(text->toPlainText(), QString());
    text->setPlainText(QStringLiteral("Drink water."));
    app.control<QPushButton>(QStringLiteral("frmTip"), QStringLiteral("cmdNextTip"))->click();
    QCOMPARE(text->toPlainText(), QStringLiteral("Drink water."));
    QVERIFY(app.messages().shown().isEmpty());
}

void TestTips::drawComesFromTheGeneratorHandedIn()
{
    // Two runs with the same seeded generator show the same tips.
    QStringList runs[2];
    for (QStringList& run : runs) {
        TestApp app;
        QRandomGenerator seeded(4242);
        app.context().setRandom(&seeded);
        app.forms().show(QStringLiteral("frmTip"));
        auto* text =
            app.control<QPlainTextEdit>(QStringLiteral("frmTip"), QStringLiteral("TipText"));
        run << text->toPlainText();
        for (int i = 0; i < 5; ++i) {
            app.control<QPushButton>(QStringLiteral("frmTip"), QStringLiteral("cmdNextTip"))
                ->click();
            run << text->toPlainText();
        }
        app.forms().unloadAll();
        TestApp::settle();
    }
    QVERIFY(!runs[0].first().isEmpty());
    QCOMPARE(runs[0], runs[1]);
}

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
