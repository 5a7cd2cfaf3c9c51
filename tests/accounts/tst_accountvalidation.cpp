#include "accounts/AccountValidation.h"

#include <QtTest>

namespace {

// A man's form that passes every check of both orders.
AccountForm man()
{
    AccountForm f;
    f.fname = QStringLiteral("John");
    f.lname = QStringLiteral("Smith");
    f.age = QStringLiteral("40");
    f.sex = QStringLiteral("Male");
    f.username = QStringLiteral("jsmith");
    f.password1 = QStringLiteral("secret123");
    f.password2 = QStringLiteral("secret123");
    f.weight = QStringLiteral("180");
    f.height1 = QStringLiteral("5");
    f.height2 = QStringLiteral("10");
    f.waist = QStringLiteral("34");
    f.bodyTypeMen = QStringLiteral("Average Build");
    f.desiredBodyTypeMen = QStringLiteral("Built");
    f.goalMen = QStringLiteral("Build Bulk");
    f.stomachMen = QStringLiteral("Small Belly");
    f.armsMen = QStringLiteral("Average");
    return f;
}

// A woman's form that passes every check of both orders.
AccountForm woman()
{
    AccountForm f = man();
    f.fname = QStringLiteral("Mary");
    f.username = QStringLiteral("msmith");
    f.sex = QStringLiteral("Female");
    f.bodyTypeWomen = QStringLiteral("Pear Shape");
    f.desiredBodyTypeWomen = QStringLiteral("Hour Glass");
    f.goalWomen = QStringLiteral("Tone");
    f.stomachWomen = QStringLiteral("Flat Stomach");
    f.armsWomen = QStringLiteral("Small");
    f.chestWomen = QStringLiteral("B");
    f.hipWomen = QStringLiteral("38");
    f.thighWomen = QStringLiteral("22");
    return f;
}

void setBox(AccountForm& f, const QString& box, const QString& value)
{
    const QHash<QString, QString AccountForm::*> boxes{
        {QStringLiteral("txtFname"), &AccountForm::fname},
        {QStringLiteral("txtLname"), &AccountForm::lname},
        {QStringLiteral("txtAge"), &AccountForm::age},
        {QStringLiteral("CmbSex"), &AccountForm::sex},
        {QStringLiteral("txtUsername"), &AccountForm::username},
        {QStringLiteral("txtPassword1"), &AccountForm::password1},
        {QStringLiteral("txtPassword2"), &AccountForm::password2},
        {QStringLiteral("txtWeight"), &AccountForm::weight},
        {QStringLiteral("txtHeight1"), &AccountForm::height1},
        {QStringLiteral("txtHeight2"), &AccountForm::height2},
        {QStringLiteral("txtWstSize"), &AccountForm::waist},
        {QStringLiteral("txtCal"), &AccountForm::calorieLimit},
        {QStringLiteral("txtFat"), &AccountForm::fatLimit},
        {QStringLiteral("txtProtein"), &AccountForm::proteinLimit},
        {QStringLiteral("txtCarb"), &AccountForm::carbsLimit},
        {QStringLiteral("CmbBodyType_m"), &AccountForm::bodyTypeMen},
        {QStringLiteral("CmbBodyType2_m"), &AccountForm::desiredBodyTypeMen},
        {QStringLiteral("CmbGoal_m"), &AccountForm::goalMen},
        {QStringLiteral("CmbStomach_m"), &AccountForm::stomachMen},
        {QStringLiteral("CmbArms_m"), &AccountForm::armsMen},
        {QStringLiteral("CmbBodyType_f"), &AccountForm::bodyTypeWomen},
        {QStringLiteral("CmbBodyType2_f"), &AccountForm::desiredBodyTypeWomen},
        {QStringLiteral("CmbGoal_f"), &AccountForm::goalWomen},
        {QStringLiteral("CmbStomach_f"), &AccountForm::stomachWomen},
        {QStringLiteral("CmbArms_f"), &AccountForm::armsWomen},
        {QStringLiteral("CmbChest_f"), &AccountForm::chestWomen},
        {QStringLiteral("txtHip_f"), &AccountForm::hipWomen},
        {QStringLiteral("txtThigh_f"), &AccountForm::thighWomen},
    };
    QVERIFY2(boxes.contains(box), qPrintable(box));
    f.*boxes.value(box) = value;
}

// "Anna" is held by another account; the lookup ignores letter case, as the database does.
bool annaTaken(const QString& name)
{
    return name.compare(QLatin1String("Anna"), Qt::CaseInsensitive) == 0;
}

enum class Order { FirstAccount, Account };

void addColumns()
{
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("failBox"); // empty: the form passes
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("clear");
}

void row(const char* name, bool female, const char* box, const QString& value,
         const char* failBox = "", const char* message = "", bool clear = true)
{
    QTest::newRow(name) << female << QString::fromLatin1(box) << value
                        << QString::fromLatin1(failBox) << QString::fromUtf8(message) << clear;
}

void pass(const char* name, bool female, const char* box, const QString& value)
{
    row(name, female, box, value);
}

// Rows that read the same in both orders: the limits and the body-shape checks.
void sharedRows()
{
    const char* cal = "You must enter a valid numeric value for your calorie limit";
    row("cal -5", false, "txtCal", "-5", "txtCal", cal);
    row("cal +5", false, "txtCal", "+5", "txtCal", cal);
    row("cal letters", false, "txtCal", "abc", "txtCal", cal);
    row("cal blank", false, "txtCal", " ", "txtCal", cal);
    pass("cal empty", false, "txtCal", "");
    pass("cal 2000", false, "txtCal", "2000");
    row("fat letters", false, "txtFat", "abc", "txtFat",
        "You must enter a valid numeric value for your fat limit");
    row("fat -5", false, "txtFat", "-5", "txtFat",
        "Please enter a valid numeric value for your fat limit");
    row("protein letters", false, "txtProtein", "abc", "txtProtein",
        "Please enter a valid numeric value for your protein limit");
    row("protein +5", false, "txtProtein", "+5", "txtProtein",
        "Please enter a valid numeric value for your protein limit");
    row("carbs letters", false, "txtCarb", "abc", "txtCarb",
        "Please enter a valid numeric value for your carbohydrate value");
    row("carbs -5", false, "txtCarb", "-5", "txtCarb",
        "Please enter a valid numeric value for your carbohydrate limit");
    pass("limits empty", false, "txtFat", "");

    row("m body type empty", false, "CmbBodyType_m", "", "CmbBodyType_m",
        "Please select a body type");
    row("m body type woman's", false, "CmbBodyType_m", "Pear Shape", "CmbBodyType_m",
        "Invalid body type. Please choose from the list", false);
    row("m desired empty", false, "CmbBodyType2_m", "", "CmbBodyType2_m",
        "Please select a desired body type");
    row("m desired over-weight", false, "CmbBodyType2_m", "Over-Weight", "CmbBodyType2_m",
        "Invalid desired body type. Please choose from the list", false);
    row("m goal empty", false, "CmbGoal_m", "", "CmbGoal_m", "Please select a goal");
    row("m goal other", false, "CmbGoal_m", "Run fast", "CmbGoal_m",
        "Invalid goal. Please choose from the list", false);
    pass("m goal general health", false, "CmbGoal_m", "General Health");
    row("m stomach empty", false, "CmbStomach_m", "", "CmbStomach_m",
        "Please select stomach shape");
    row("m stomach other", false, "CmbStomach_m", "flat stomach", "CmbStomach_m",
        "Invalid stomach shape. Please choose from the list", false);
    row("m arms empty", false, "CmbArms_m", "", "CmbArms_m", "Please select an arm size");
    row("m arms other", false, "CmbArms_m", "Huge", "CmbArms_m",
        "Invalid arm size. Please choose from the list", false);
    pass("m item with blanks", false, "CmbArms_m", "  Large ");
    pass("m women's boxes ignored", false, "CmbChest_f", "Z");

    row("f body type empty", true, "CmbBodyType_f", "", "CmbBodyType_f",
        "Please select a body type");
    row("f body type man's", true, "CmbBodyType_f", "Slim", "CmbBodyType_f",
        "Invalid body type. Please choose from the list", false);
    row("f desired empty", true, "CmbBodyType2_f", "", "CmbBodyType2_f",
        "Please select a desired body type");
    row("f desired pear", true, "CmbBodyType2_f", "Pear Shape", "CmbBodyType2_f",
        "Invalid desired body type. Please choose from the list", false);
    row("f goal empty", true, "CmbGoal_f", "", "CmbGoal_f", "Please select a goal");
    row("f goal other", true, "CmbGoal_f", "Slim", "CmbGoal_f",
        "Invalid goal. Please choose from the list", false);
    pass("f goal general health", true, "CmbGoal_f", "General Health");
    row("f stomach empty", true, "CmbStomach_f", "", "CmbStomach_f", "Please select stomach shape");
    row("f stomach other", true, "CmbStomach_f", "Tiny", "CmbStomach_f",
        "Invalid stomach shape. Please choose from the list", false);
    row("f arms empty", true, "CmbArms_f", "", "CmbArms_f", "Please select an arm size");
    row("f arms other", true, "CmbArms_f", "XL", "CmbArms_f",
        "Invalid arm size. Please choose from the list", false);
    row("f chest empty", true, "CmbChest_f", "", "CmbChest_f", "Please select a chest size");
    row("f chest other", true, "CmbChest_f", "E", "CmbChest_f",
        "Invalid chest size. Please choose from the list", false);
    row("f hip empty", true, "txtHip_f", "", "txtHip_f",
        "Please enter a numeric value for the hip value");
    row("f hip letters", true, "txtHip_f", "abc", "txtHip_f",
        "Please enter a numeric value for the hip value");
    pass("f hip no range", true, "txtHip_f", "999");
    row("f thigh empty", true, "txtThigh_f", "", "txtThigh_f",
        "Please enter a numeric value for the thigh value");
    row("f thigh letters", true, "txtThigh_f", "x1", "txtThigh_f",
        "Please enter a numeric value for the thigh value");
    pass("f men's boxes ignored", true, "CmbBodyType_m", "");
}

void verify(Order order)
{
    QFETCH(bool, female);
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, failBox);
    QFETCH(QString, message);
    QFETCH(bool, clear);

    AccountForm form = female ? woman() : man();
    setBox(form, box, value);
    const std::optional<Failure> failure = order == Order::FirstAccount
                                               ? validation::checkFirstAccount(form, annaTaken)
                                               : validation::checkAccount(form, annaTaken);
    if (failBox.isEmpty()) {
        QVERIFY2(!failure, failure ? qPrintable(failure->message) : "");
        return;
    }
    QVERIFY(failure.has_value());
    QCOMPARE(failure->box, failBox);
    QCOMPARE(failure->message, message);
    QCOMPARE(failure->clear, clear);
    QVERIFY(failure->focus);
}

} // namespace

class AccountValidationTest final : public QObject {
    Q_OBJECT

private slots:
    void firstAccountOrder_data();
    void firstAccountOrder() { verify(Order::FirstAccount); }
    void accountOrder_data();
    void accountOrder() { verify(Order::Account); }
    void firstFailureWins();
    void changeKeepsPasswordWhenBothEmpty_data();
    void changeKeepsPasswordWhenBothEmpty();
    void storedValuesTheChecksRefuseStayEditable_data();
    void storedValuesTheChecksRefuseStayEditable();
};

void AccountValidationTest::firstAccountOrder_data()
{
    addColumns();
    pass("valid man", false, "txtFname", "John");
    pass("valid woman", true, "txtFname", "Mary");

    row("fname empty", false, "txtFname", "", "txtFname", "You must enter your First Name");
    row("fname blank inside", false, "txtFname", "Mary Ann", "txtFname",
        "You must Enter a valid First Name");
    row("fname apostrophe", false, "txtFname", "O'Brien", "txtFname",
        "You must Enter a valid First Name");
    row("fname hyphen", false, "txtFname", "Anne-Marie", "txtFname",
        "You must Enter a valid First Name");
    row("fname accent", false, "txtFname", QStringLiteral("Ren\u00e9"), "txtFname",
        "You must Enter a valid First Name");
    row("fname only blanks", false, "txtFname", " ", "txtFname",
        "You must Enter a valid First Name");
    pass("fname comma", false, "txtFname", "Smith,Jr");
    row("lname empty", false, "txtLname", "", "txtLname", "You must enter your Last Name");
    row("lname blank inside", false, "txtLname", "Mary Ann", "txtLname",
        "You must enter valid last name");
    row("lname apostrophe", false, "txtLname", "O'Brien", "txtLname",
        "You must enter valid last name");
    row("lname hyphen", false, "txtLname", "Anne-Marie", "txtLname",
        "You must enter valid last name");
    pass("lname comma", false, "txtLname", "Smith,Jr");

    row("age empty", false, "txtAge", "", "txtAge", "You must enter your age");
    row("age letters", false, "txtAge", "forty", "txtAge", "Please enter an age value");
    row("age 0.9", false, "txtAge", "0.9", "txtAge",
        "Age value must be between 1 and 120 years old");
    row("age 121", false, "txtAge", "121", "txtAge",
        "Age value must be between 1 and 120 years old");
    pass("age 120.5", false, "txtAge", "120.5");
    pass("age 1", false, "txtAge", "1");

    row("sex empty", false, "CmbSex", "", "CmbSex", "Please select gender");
    row("sex lower case", false, "CmbSex", "male", "CmbSex",
        "Invalid Gender Selection. Please choose from the list", false);
    row("sex only blanks", false, "CmbSex", "  ", "CmbSex",
        "Invalid Gender Selection. Please choose from the list", false);

    row("weight empty", false, "txtWeight", "", "txtWeight", "You must enter a weight value");
    row("weight letters", false, "txtWeight", "heavy", "txtWeight",
        "You must enter a valid weight value");
    row("weight 0.5", false, "txtWeight", "0.5", "txtWeight",
        "Weight value must be between 1 and 500 lbs");
    row("weight 501", false, "txtWeight", "501", "txtWeight",
        "Weight value must be between 1 and 500 lbs");
    pass("weight 500.9", false, "txtWeight", "500.9");

    row("feet empty", false, "txtHeight1", "", "txtHeight1", "You must enter a height foot value");
    row("feet letters", false, "txtHeight1", "5ft", "txtHeight1",
        "You must enter a valid height foot value");
    row("feet 0", false, "txtHeight1", "0", "txtHeight1",
        "Height feet value must be between 1 and 15 feet");
    row("feet 16", false, "txtHeight1", "16", "txtHeight1",
        "Height feet value must be between 1 and 15 feet");
    row("inches empty", false, "txtHeight2", "", "txtHeight2",
        "You must enter a valid numeric value for height inches");
    row("inches -0.5", false, "txtHeight2", "-0.5", "txtHeight2",
        "Height inch value must be between 0 and 12 inches");
    row("inches 13", false, "txtHeight2", "13", "txtHeight2",
        "Height inch value must be between 0 and 12 inches");
    pass("inches 0", false, "txtHeight2", "0");

    row("username empty", false, "txtUsername", "", "txtUsername",
        "You must enter a valid username");
    row("username blank inside", false, "txtUsername", "j smith", "txtUsername",
        "You must enter a valid username");
    row("username taken", false, "txtUsername", "Anna", "txtUsername",
        "This username is already taken. Please choose another one");
    row("username taken other case", false, "txtUsername", "aNNA", "txtUsername",
        "This username is already taken. Please choose another one");

    row("password empty", false, "txtPassword1", "", "txtPassword1",
        "You must entered a valid password, it needs to be 8-10 characters/numbers");
    row("password 7 characters", false, "txtPassword1", "secre12", "txtPassword1",
        "You must enter a valid password, it needs to be 8-10 characters/numbers");
    row("password bad character", false, "txtPassword1", "secret-123", "txtPassword1",
        "You must enter a valid password, it needs to be 8-10 characters/numbers");
    row("retyped other case", false, "txtPassword2", "Secret123", "txtPassword2",
        "Please type in the same password that you initialy typed");
    row("retyped empty", false, "txtPassword2", "", "txtPassword2",
        "Please type in the same password that you initialy typed");

    row("waist empty", false, "txtWstSize", "", "txtWstSize", "You must enter a valid waist size");
    row("waist letters", false, "txtWstSize", "big", "txtWstSize", "Please enter an waist size");
    row("waist 0", false, "txtWstSize", "0", "txtWstSize",
        "Waist size must be between 1 and 150 inches");
    row("waist 151", false, "txtWstSize", "151", "txtWstSize",
        "Waist size must be between 1 and 150 inches");
    sharedRows();
}

void AccountValidationTest::accountOrder_data()
{
    addColumns();
    pass("valid man", false, "txtFname", "John");
    pass("valid woman", true, "txtFname", "Mary");

    row("fname empty", false, "txtFname", "", "txtFname", "You have entered an invalid first name");
    row("fname blank inside", false, "txtFname", "Mary Ann", "txtFname",
        "You have entered an invalid first name");
    row("fname apostrophe", false, "txtFname", "O'Brien", "txtFname",
        "You have entered an invalid first name");
    row("fname hyphen", false, "txtFname", "Anne-Marie", "txtFname",
        "You have entered an invalid first name");
    pass("fname comma", false, "txtFname", "Smith,Jr");
    row("lname empty", false, "txtLname", "", "txtLname", "You have entered an invalid last name");
    row("lname hyphen", false, "txtLname", "Anne-Marie", "txtLname",
        "You have entered an invalid last name");

    row("age empty", false, "txtAge", "", "txtAge", "Please enter an age value");
    row("age letters", false, "txtAge", "x", "txtAge", "Please enter an age value");
    row("age 0.9", false, "txtAge", "0.9", "txtAge",
        "Age value must be between 1 and 120 years old");
    pass("age 120.5", false, "txtAge", "120.5");

    row("sex empty", false, "CmbSex", "", "CmbSex", "Please select your gender");
    row("sex lower case", false, "CmbSex", "male", "CmbSex",
        "Invalid Gender Selection. Please choose from the list", false);
    pass("sex with blanks", false, "CmbSex", " Male ");

    row("weight empty", false, "txtWeight", "", "txtWeight", "Please enter a weight value");
    row("weight letters", false, "txtWeight", "a lot", "txtWeight", "Please enter a weight value");
    row("weight 501", false, "txtWeight", "501", "txtWeight",
        "Weight value must be between 1 and 500 lbs");
    row("feet empty", false, "txtHeight1", "", "txtHeight1", "Please enter a height foot value");
    row("feet 16", false, "txtHeight1", "16", "txtHeight1",
        "Height feet value must be between 1 and 15 feet");
    row("inches empty", false, "txtHeight2", "", "txtHeight2",
        "Please enter a numeric value for height inches");
    row("inches 13", false, "txtHeight2", "13", "txtHeight2",
        "Height inch value must be between 0 and 12 inches");

    row("username empty", false, "txtUsername", "", "txtUsername",
        "You have entered an invalid username");
    row("username dot", false, "txtUsername", "j.smith", "txtUsername",
        "You have entered an invalid username");
    row("username taken other case", false, "txtUsername", "ANNA", "txtUsername",
        "This username is already taken. Please choose another one");

    const char* badPassword =
        "You have entered an invalid password, it need to be 8-10 characters/numbers";
    row("password empty", false, "txtPassword1", "", "txtPassword1", badPassword);
    row("password 7 characters", false, "txtPassword1", "secre12", "txtPassword1", badPassword);
    row("password bad character", false, "txtPassword1", "secret 12", "txtPassword1", badPassword);
    row("retyped other case", false, "txtPassword2", "secreT123", "txtPassword2",
        "Please type in the same password that you initialy typed");

    row("waist empty", false, "txtWstSize", "", "txtWstSize", "Please enter an waist size");
    row("waist letters", false, "txtWstSize", "x", "txtWstSize", "Please enter an waist size");
    row("waist 151", false, "txtWstSize", "151", "txtWstSize",
        "Waist size must be between 1 and 150 inches");
    pass("waist 150.9", false, "txtWstSize", "150.9");
    sharedRows();
}

void AccountValidationTest::firstFailureWins()
{
    // A taken name with a bad password: the name is checked first; a bad name
    // is never looked up.
    AccountForm form = man();
    form.username = QStringLiteral("anna");
    form.password1 = QStringLiteral("x");
    QCOMPARE(validation::checkAccount(form, annaTaken)->box, QStringLiteral("txtUsername"));
    int lookups = 0;
    form.username = QStringLiteral("bad name");
    const auto counting = [&lookups](const QString&) {
        ++lookups;
        return false;
    };
    QVERIFY(validation::checkFirstAccount(form, counting).has_value());
    QCOMPARE(lookups, 0);

    // A bad waist is reported before a bad limit, a bad limit before the body shape.
    form = man();
    form.waist = QString();
    form.calorieLimit = QStringLiteral("-5");
    form.bodyTypeMen = QString();
    QCOMPARE(validation::checkAccount(form, annaTaken)->box, QStringLiteral("txtWstSize"));
    form.waist = QStringLiteral("34");
    QCOMPARE(validation::checkAccount(form, annaTaken)->box, QStringLiteral("txtCal"));
}

void AccountValidationTest::changeKeepsPasswordWhenBothEmpty_data()
{
    QTest::addColumn<QString>("password1");
    QTest::addColumn<QString>("password2");
    QTest::addColumn<QString>("failBox");
    QTest::addColumn<bool>("keeps");

    QTest::newRow("both empty keep") << QString() << QString() << QString() << true;
    QTest::newRow("new password") << "newpass99"
                                  << "newpass99" << QString() << false;
    QTest::newRow("retype missing") << "newpass99" << QString() << "txtPassword2" << false;
    QTest::newRow("only retyped") << QString() << "newpass99"
                                  << "txtPassword1" << false;
    QTest::newRow("new too short") << "short"
                                   << "short"
                                   << "txtPassword1" << false;
}

void AccountValidationTest::changeKeepsPasswordWhenBothEmpty()
{
    QFETCH(QString, password1);
    QFETCH(QString, password2);
    QFETCH(QString, failBox);
    QFETCH(bool, keeps);

    AccountForm form = woman();
    form.password1 = password1;
    form.password2 = password2;
    const auto rule = validation::PasswordRule::KeepWhenBothEmpty;
    const auto failure = validation::checkAccount(form, annaTaken, rule);
    QCOMPARE(failure ? failure->box : QString(), failBox);
    QCOMPARE(validation::keepsPassword(form, rule), keeps);
    // A new account always needs its password.
    if (keeps)
        QVERIFY(validation::checkAccount(form, annaTaken).has_value());
}

void AccountValidationTest::storedValuesTheChecksRefuseStayEditable_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("editable"); // the one box left editable, or none

    QTest::newRow("all valid") << "txtFname"
                               << "John"
                               << "";
    QTest::newRow("name with a blank") << "txtFname"
                                       << "Mary Ann"
                                       << "txtFname";
    QTest::newRow("last name empty") << "txtLname"
                                     << ""
                                     << "txtLname";
    QTest::newRow("age 0.5") << "txtAge"
                             << "0.5"
                             << "txtAge";
    QTest::newRow("sex in lower case") << "CmbSex"
                                       << "male"
                                       << "CmbSex";
}

void AccountValidationTest::storedValuesTheChecksRefuseStayEditable()
{
    QFETCH(QString, box);
    QFETCH(QString, stored);
    QFETCH(QString, editable);

    AccountForm form = man();
    setBox(form, box, stored);
    const validation::IdentityLocks locks = validation::identityLocks(form);
    QCOMPARE(!locks.fname, editable == QLatin1String("txtFname"));
    QCOMPARE(!locks.lname, editable == QLatin1String("txtLname"));
    QCOMPARE(!locks.age, editable == QLatin1String("txtAge"));
    QCOMPARE(!locks.sex, editable == QLatin1String("CmbSex"));
}

QTEST_GUILESS_MAIN(AccountValidationTest)
#include "tst_accountvalidation.moc"
