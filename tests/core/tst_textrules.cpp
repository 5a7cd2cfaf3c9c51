#include "core/TextRules.h"

#include <QtTest>

class TextRulesTest final : public QObject {
    Q_OBJECT

private slots:
    void numeric_data();
    void numeric();
    void wholePart_data();
    void wholePart();
    void badName_data();
    void badName();
    void roundHalfEven_data();
    void roundHalfEven();
    void formatNumber_data();
    void formatNumber();
    void fixStringAndMarks();
};

void TextRulesTest::numeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("blanks around") << " 5 " << true;
    QTest::newRow("minus") << "-5" << true;
    QTest::newRow("plus") << "+5" << true;
    QTest::newRow("decimal") << "2.5" << true;
    QTest::newRow("leading point") << ".5" << true;
    QTest::newRow("trailing point") << "5." << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("sign only -") << "-" << false;
    QTest::newRow("sign only +") << "+" << false;
    QTest::newRow("point only") << "." << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("trailing letter") << "5a" << false;
    QTest::newRow("exponent") << "1e3" << false;
    QTest::newRow("grouping") << "1,000" << false;
    QTest::newRow("currency") << "$5" << false;
    QTest::newRow("inner blank") << "1 0" << false;
}

void TextRulesTest::numeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(text::isNumeric(text), numeric);
    QCOMPARE(text::toNumber(text).has_value(), numeric);
}

void TextRulesTest::wholePart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("whole");
    QTest::newRow("0.9") << "0.9" << qint64(0);
    QTest::newRow("120.9") << "120.9" << qint64(120);
    QTest::newRow("0.5") << "0.5" << qint64(0);
    QTest::newRow("negative rounds down") << "-0.5" << qint64(-1);
    QTest::newRow("trailing point") << "7." << qint64(7);
    QTest::newRow("huge") << "99999999999" << qint64(99999999999);
}

void TextRulesTest::wholePart()
{
    QFETCH(QString, text);
    QFETCH(qint64, whole);
    QCOMPARE(text::wholePart(text), std::optional<qint64>(whole));
}

void TextRulesTest::badName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bad");
    QTest::newRow("plain") << "Mary" << false;
    QTest::newRow("comma and digits") << "Smith,Jr2" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "Mary Ann" << true;
    QTest::newRow("apostrophe") << "O'Brien" << true;
    QTest::newRow("hyphen") << "Anne-Marie" << true;
    QTest::newRow("accent") << QString::fromUtf8("Jos\xc3\xa9") << true;
    QTest::newRow("underscore") << "a_b" << true;
}

void TextRulesTest::badName()
{
    QFETCH(QString, text);
    QFETCH(bool, bad);
    QCOMPARE(text::isBadName(text), bad);
}

void TextRulesTest::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("3.5") << 3.5 << qint64(4);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("2.6") << 2.6 << qint64(3);
    QTest::newRow("beyond 16 bits") << 40000.5 << qint64(40000);
    QTest::newRow("beyond 32 bits") << 5e9 << qint64(5000000000);
}

void TextRulesTest::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(text::roundHalfEven(value), rounded);
}

void TextRulesTest::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tenth times three") << 0.1 * 3 << "0.3";
    QTest::newRow("one and a half servings") << 1.5 * 95 << "142.5";
    QTest::newRow("whole") << 310.0 << "310";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("large, no exponent") << 1500000.0 << "1500000";
    QTest::newRow("small, no exponent") << 0.0005 << "0.0005";
    QTest::newRow("negative") << -2.25 << "-2.25";
    QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
}

void TextRulesTest::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(text::formatNumber(value), shown);
}

void TextRulesTest::fixStringAndMarks()
{
    QCOMPARE(text::fixString(QStringLiteral("O'Neil's")), QStringLiteral("O''Neil''s"));
    QCOMPARE(text::fixString(QStringLiteral("Apple")), QStringLiteral("Apple"));
    QCOMPARE(text::checkConvert(QStringLiteral("True")), 1);
    QCOMPARE(text::checkConvert(QStringLiteral("true")), 0);
    QCOMPARE(text::checkConvert(QString()), 0);
    QCOMPARE(text::checkConvertBack(1), QStringLiteral("True"));
    QCOMPARE(text::checkConvertBack(0), QStringLiteral("False"));
    QCOMPARE(text::checkConvertBack(-1), QStringLiteral("False"));
    QVERIFY(text::containsDigit(QStringLiteral("ab1")));
    QVERIFY(!text::containsDigit(QStringLiteral("abc")));
}

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_textrules.moc"
