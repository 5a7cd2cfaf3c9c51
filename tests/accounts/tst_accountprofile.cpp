#include "accounts/AccountProfile.h"

#include <QtTest>

class AccountProfileTest final : public QObject {
    Q_OBJECT

private slots:
    void manKeepsWomensColumns();
    void womanWritesHerColumns();
    void emptyLimitKeepsStoredLimit();
    void storedMaleMaleReadsAsMale();
    void changeFormLeavesPasswordsEmpty();
};

namespace {

UserProfile storedWoman()
{
    UserProfile p;
    p.userId = 7;
    p.fname = QStringLiteral("Mary");
    p.lname = QStringLiteral("Smith");
    p.username = QStringLiteral("mary");
    p.passwordHash = QStringLiteral("$argon2id$stub");
    p.sex = QStringLiteral("Female");
    p.bodytype = QStringLiteral("Pear Shape");
    p.chest = QStringLiteral("B");
    p.hip = QStringLiteral("38");
    p.thigh = QStringLiteral("22");
    p.calorieLimit = QStringLiteral("2000");
    p.fatLimit = QStringLiteral("60");
    return p;
}

} // namespace

void AccountProfileTest::manKeepsWomensColumns()
{
    UserProfile p = storedWoman();
    AccountForm form = account::formOf(p);
    form.sex = QStringLiteral(" Male ");
    form.bodyTypeMen = QStringLiteral("Built");
    form.chestWomen = QStringLiteral("DD");
    account::applyForm(form, p);
    QCOMPARE(p.sex, QStringLiteral("Male"));
    QCOMPARE(p.bodytype, QStringLiteral("Built"));
    QCOMPARE(p.chest, QStringLiteral("B"));
    QCOMPARE(p.hip, QStringLiteral("38"));
    QCOMPARE(p.passwordHash, QStringLiteral("$argon2id$stub"));
}

void AccountProfileTest::womanWritesHerColumns()
{
    UserProfile p;
    AccountForm form;
    form.sex = QStringLiteral("Female");
    form.chestWomen = QStringLiteral("C");
    form.hipWomen = QStringLiteral("40");
    form.thighWomen = QStringLiteral("25");
    form.goalWomen = QStringLiteral("Tone");
    form.goalMen = QStringLiteral("Build Bulk");
    form.age = QStringLiteral("120.5");
    account::applyForm(form, p);
    QCOMPARE(p.chest, QStringLiteral("C"));
    QCOMPARE(p.hip, QStringLiteral("40"));
    QCOMPARE(p.thigh, QStringLiteral("25"));
    QCOMPARE(p.goal, QStringLiteral("Tone"));
    QCOMPARE(p.age, QStringLiteral("120.5"));
}

void AccountProfileTest::emptyLimitKeepsStoredLimit()
{
    UserProfile p = storedWoman();
    AccountForm form = account::formOf(p);
    form.calorieLimit.clear();
    form.fatLimit = QStringLiteral("70");
    form.proteinLimit = QStringLiteral("50");
    account::applyForm(form, p);
    QCOMPARE(p.calorieLimit, QStringLiteral("2000"));
    QCOMPARE(p.fatLimit, QStringLiteral("70"));
    QCOMPARE(p.proteinLimit, QStringLiteral("50"));
    QCOMPARE(p.carbsLimit, QString());
}

void AccountProfileTest::storedMaleMaleReadsAsMale()
{
    UserProfile p = storedWoman();
    p.sex = QStringLiteral("MaleMale");
    p.bodytype = QStringLiteral("Slim");
    const AccountForm form = account::formOf(p);
    QCOMPARE(form.sex, QStringLiteral("Male"));
    QCOMPARE(form.bodyTypeMen, QStringLiteral("Slim"));
    QCOMPARE(form.bodyTypeWomen, QString());
    QCOMPARE(form.chestWomen, QString());
}

void AccountProfileTest::changeFormLeavesPasswordsEmpty()
{
    const AccountForm form = account::formOf(storedWoman());
    QVERIFY(form.password1.isEmpty());
    QVERIFY(form.password2.isEmpty());
    QCOMPARE(form.chestWomen, QStringLiteral("B"));
    QCOMPARE(account::pickerEntry(QStringLiteral("Smith"), QStringLiteral("Mary")),
             QStringLiteral("Smith, Mary"));
}

QTEST_GUILESS_MAIN(AccountProfileTest)
#include "tst_accountprofile.moc"
