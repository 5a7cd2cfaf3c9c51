#include "data/Database.h"
#include "support/TempProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

QStringList columnsOf(Database& db, const QString& table)
{
    QStringList names;
    const QSqlRecord record = db.connection().record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i).toLower();
    return names;
}

QVariant scalar(Database& db, const QString& statement)
{
    QSqlQuery q(db.connection());
    if (!q.exec(statement) || !q.next())
        return QVariant();
    return q.value(0);
}

QByteArray digestOfFolder(const QString& path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        hash.addData(name.toUtf8());
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            hash.addData(f.readAll());
    }
    return hash.result();
}

} // namespace

class DatabaseTest final : public QObject {
    Q_OBJECT

private slots:
    void newFileHoldsTheDataModel_data();
    void newFileHoldsTheDataModel();
    void referenceData();
    void columnNamesIgnoreCase();
    void comparisonsIgnoreCase();
    void valueForms();
    void newDatesRowNumberIsKnown();
    void reopenKeepsRows();
    void olderVersionIsMigrated();
    void foreignFilesAreRefusedUntouched_data();
    void foreignFilesAreRefusedUntouched();
    void zeroByteFileBecomesFresh();
    void killedWriterLosesNoCommittedRow();
    void failedTransactionWritesNothing();
};

void DatabaseTest::newFileHoldsTheDataModel_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("UserInfo") << "UserInfo"
                              << QStringList{"UserID",
                                             "fname",
                                             "lname",
                                             "username",
                                             "password",
                                             "age",
                                             "sex",
                                             "height_feet",
                                             "height_inch",
                                             "weight",
                                             "waist",
                                             "bodytype",
                                             "bodytype_desired",
                                             "Stomach",
                                             "Arms",
                                             "Goal",
                                             "Chest",
                                             "hip",
                                             "thigh",
                                             "calorie_limit",
                                             "fat_limit",
                                             "protein_limit",
                                             "carbs_limit",
                                             "popstatus",
                                             "musstatus",
                                             "tipstatus",
                                             "lastlogin",
                                             "loginstatus"};
    QTest::newRow("schedule") << "schedule"
                              << QStringList{
                                     "schedule_number",    "username",      "date",
                                     "dRepDate",           "morning_food",  "midday_food",
                                     "evening_food",       "amount",        "total_fat",
                                     "total_calories",     "total_protein", "total_fibre",
                                     "total_carbohydrate", "total_sodium",  "total_cholestorol"};
    QTest::newRow("food_Dictionary") << "food_Dictionary"
                                     << QStringList{"name",
                                                    "food_type",
                                                    "fat",
                                                    "protein",
                                                    "Dietary_Fibre",
                                                    "Carbohydrate",
                                                    "calories",
                                                    "sodium",
                                                    "cholestorol",
                                                    "amnt_per_serving",
                                                    "Scale",
                                                    "amount_flag",
                                                    "Description",
                                                    "breakfast_category",
                                                    "lunch_category",
                                                    "Dinner_category",
                                                    "healthy"};
    QTest::newRow("recipes") << "recipes"
                             << QStringList{"name",        "ingredients", "Directions",
                                            "Description", "serving",     "calories",
                                            "protein",     "fat",         "Carbohydrate",
                                            "fibre",       "cholesterol", "sodium",
                                            "potasium"};
    QTest::newRow("calender_info")
        << "calender_info"
        << QStringList{"UserName", "date", "weight", "waist", "hip", "thigh", "notes"};
    QTest::newRow("Category") << "Category" << QStringList{"catID", "cName"};
    QTest::newRow("choices") << "choices"
                             << QStringList{"cID", "catID", "cName", "cTitle", "cDesc", "cPic"};
    QTest::newRow("Dates") << "Dates"
                           << QStringList{"dID", "dDate", "dRepDate", "cID", "uID", "username"};
    QTest::newRow("tTime") << "tTime" << QStringList{"tID", "tTime", "tRepTime", "cID", "dID"};
    QTest::newRow("tips") << "tips" << QStringList{"tID", "tName"};
    QTest::newRow("ExerciseSchd view")
        << "ExerciseSchd"
        << QStringList{"dRepDate", "username", "tTime", "tRepTime", "cID", "cName"};
}

void DatabaseTest::newFileHoldsTheDataModel()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    TempProgramFolder folder;
    QVERIFY2(folder.ok(), qPrintable(folder.error()));
    const QStringList present = columnsOf(folder.database(), table);
    for (const QString& column : columns)
        QVERIFY2(present.contains(column.toLower()), qPrintable(table + u'.' + column));
}

void DatabaseTest::referenceData()
{
    TempProgramFolder folder;
    QVERIFY(folder.ok());
    Database& db = folder.database();
    QCOMPARE(scalar(db, "SELECT COUNT(*) FROM tips").toInt(), 28);
    QCOMPARE(scalar(db, "SELECT MIN(tID) || '-' || MAX(tID) FROM tips").toString(),
             QStringLiteral("1-28"));
    QVERIFY(scalar(db, "SELECT COUNT(*) FROM food_Dictionary").toInt() >= 200);
    QCOMPARE(scalar(db, "SELECT COUNT(DISTINCT food_type) FROM food_Dictionary").toInt(), 7);
    QVERIFY(scalar(db, "SELECT MIN(n) FROM (SELECT COUNT(*) AS n FROM food_Dictionary GROUP BY "
                       "food_type)")
                .toInt() >= 15);
    QCOMPARE(scalar(db, "SELECT COUNT(*) FROM food_Dictionary WHERE name LIKE '%*%' OR "
                        "length(name) > 49")
                 .toInt(),
             0);
    QCOMPARE(scalar(db, "SELECT COUNT(*) - COUNT(DISTINCT name) FROM food_Dictionary").toInt(), 0);
    QVERIFY(scalar(db, "SELECT COUNT(*) FROM Category").toInt() >= 4);
    QVERIFY(scalar(db, "SELECT COUNT(*) FROM choices").toInt() >= 45);
    const QStringList pictures{"ARM_BEHIND_HEAD",
                               "ARM_CHEST1A",
                               "ARM_CHEST1B",
                               "ARM_CHEST2A",
                               "ARM_CHEST2B",
                               "BACK_STRETCH",
                               "CRUNCH1A",
                               "CRUNCH1B",
                               "CRUNCH1C",
                               "FOOT_STRETCH1",
                               "FOOT_STRETCH2",
                               "HIPBACK1",
                               "HIPS1",
                               "HIPS1B",
                               "HIPS2A",
                               "HIPS2B",
                               "INNER_THIGHSTRETCH",
                               "KNEELING",
                               "LOWERBACK_1",
                               "NECKLEFTRIGHT",
                               "NECK_FORWARD",
                               "PULSENECK",
                               "PULSEWRIST",
                               "QUADRICEPS",
                               "SITUP1A",
                               "SITUP1B",
                               "STAND_LEGSTRETCH",
                               "STRETCH_LIEBENTLEGS",
                               "STRETCH_LIEGRABKNEE",
                               "STRETCH_LIEONBACK",
                               "STRETCH_TWISTTORSO",
                               "THIGH_STRETCH",
                               "TRICEPS_SHOULDER",
                               "WEIGHT_LIFT1",
                               "WEIGHT_LIFT1B",
                               "WEIGHT_LIFT2",
                               "WEIGHT_LIFT2B",
                               "WEIGHT_TRICEPS"};
    for (const QString& picture : pictures) {
        QSqlQuery q(db.connection());
        q.prepare(QStringLiteral("SELECT COUNT(*) FROM choices WHERE cPic = ?"));
        q.addBindValue(picture);
        QVERIFY(q.exec() && q.next());
        QVERIFY2(q.value(0).toInt() > 0, qPrintable(picture));
    }
    QVERIFY(scalar(db, "SELECT COUNT(*) FROM choices WHERE cPic IS NULL OR cPic = ''").toInt() > 0);
}

void DatabaseTest::columnNamesIgnoreCase()
{
    TempProgramFolder folder;
    QVERIFY(folder.exec("INSERT INTO schedule (username, Date) VALUES ('amy', '1/05/2006')"));
    QCOMPARE(scalar(folder.database(), "SELECT date FROM schedule").toString(),
             QStringLiteral("1/05/2006"));
    QCOMPARE(
        scalar(folder.database(), "SELECT DATE FROM SCHEDULE WHERE UserName = 'amy'").toString(),
        QStringLiteral("1/05/2006"));
}

void DatabaseTest::comparisonsIgnoreCase()
{
    TempProgramFolder folder;
    Database& db = folder.database();
    QCOMPARE(scalar(db, "SELECT COUNT(*) FROM food_Dictionary WHERE name = 'APPLE'").toInt(), 1);
    QCOMPARE(scalar(db, "SELECT COUNT(*) FROM food_Dictionary WHERE name LIKE 'aPpLe'").toInt(), 1);
    QVERIFY(scalar(db, "SELECT COUNT(*) FROM food_Dictionary WHERE name LIKE 'app%'").toInt() >= 2);
}

void DatabaseTest::valueForms()
{
    TempProgramFolder folder;
    QSqlQuery q(folder.database().connection());
    QVERIFY(
        q.prepare("INSERT INTO calender_info (UserName, date, weight, waist) VALUES (?,?,?,?)"));
    q.addBindValue(QStringLiteral("amy"));
    q.addBindValue(QStringLiteral("1/05/2006"));
    q.addBindValue(QStringLiteral("150.5")); // number text
    q.addBindValue(QStringLiteral(".5"));    // typed text
    QVERIFY(q.exec());
    QVERIFY(q.exec("SELECT weight, waist, typeof(weight) FROM calender_info"));
    QVERIFY(q.next());
    QCOMPARE(q.value(2).toString(), QStringLiteral("real"));
    QCOMPARE(q.value(0).toDouble(), 150.5);
    QCOMPARE(q.value(1).toString(), QStringLiteral(".5"));

    QVERIFY(q.prepare("INSERT INTO UserInfo (username, age) VALUES (?, ?)"));
    q.addBindValue(QStringLiteral("bob"));
    q.addBindValue(QStringLiteral("120.50"));
    QVERIFY(q.exec());
    QCOMPARE(scalar(folder.database(), "SELECT age FROM UserInfo").toString(),
             QStringLiteral("120.50"));
}

void DatabaseTest::newDatesRowNumberIsKnown()
{
    TempProgramFolder folder;
    QSqlQuery q(folder.database().connection());
    QVERIFY(q.exec("INSERT INTO Dates (dDate, dRepDate, cID, uID, username) VALUES "
                   "('2006-01-05', '2006-01-05', 1, 1, 'amy')"));
    const qint64 dID = q.lastInsertId().toLongLong();
    QVERIFY(dID > 0);
    QVERIFY(q.prepare("INSERT INTO tTime (tTime, tRepTime, cID, dID) VALUES ('8:05 PM', "
                      "'20:05:00', 1, ?)"));
    q.addBindValue(dID);
    QVERIFY(q.exec());
    QCOMPARE(scalar(folder.database(),
                    "SELECT COUNT(*) FROM ExerciseSchd WHERE username = 'AMY' AND "
                    "dRepDate = '2006-01-05'")
                 .toInt(),
             1);
}

void DatabaseTest::reopenKeepsRows()
{
    TempProgramFolder folder;
    QVERIFY(folder.exec("INSERT INTO UserInfo (username) VALUES ('amy')"));
    QVERIFY(folder.reopen());
    QCOMPARE(scalar(folder.database(), "SELECT username FROM UserInfo").toString(),
             QStringLiteral("amy"));
    QCOMPARE(scalar(folder.database(), "SELECT COUNT(*) FROM tips").toInt(), 28);
}

void DatabaseTest::olderVersionIsMigrated()
{
    TempProgramFolder folder;
    QVERIFY(folder.exec("INSERT INTO UserInfo (username) VALUES ('amy')"));
    // Take the file back to version 1: tables only.
    for (const char* drop :
         {"DROP VIEW ExerciseSchd", "DROP INDEX UserInfo_username", "DROP INDEX schedule_user_date",
          "DROP INDEX schedule_user_repdate", "DROP INDEX food_name", "DROP INDEX food_type_name",
          "DROP INDEX recipes_name", "DROP INDEX calender_user_date", "DROP INDEX choices_cat_name",
          "DROP INDEX Dates_user_date", "DROP INDEX Dates_user_repdate", "DROP INDEX tTime_dID",
          "PRAGMA user_version = 1"})
        QVERIFY(folder.exec(QString::fromLatin1(drop)));
    QVERIFY(folder.reopen());
    QCOMPARE(folder.database().userVersion(), Database::schemaVersion);
    QCOMPARE(scalar(folder.database(), "SELECT username FROM UserInfo").toString(),
             QStringLiteral("amy"));
    QCOMPARE(scalar(folder.database(), "SELECT COUNT(*) FROM tips").toInt(), 28);
    QVERIFY(!folder.exec("INSERT INTO UserInfo (username) VALUES ('AMY')")); // unique again
    QCOMPARE(scalar(folder.database(), "SELECT COUNT(*) FROM ExerciseSchd").toInt(), 0);
}

void DatabaseTest::foreignFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << "random";
    QTest::newRow("foreign SQLite") << "sqlite";
    QTest::newRow("newer Nutrova") << "newer";
}

void DatabaseTest::foreignFilesAreRefusedUntouched()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(Database::fileName());
    if (kind == QLatin1String("random")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(char((i * 7919 + 13) & 0xff));
        f.write(bytes);
    } else {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "foreign");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE t (x)"));
            QVERIFY(q.exec("INSERT INTO t VALUES (1)"));
            if (kind == QLatin1String("newer")) {
                QVERIFY(q.exec(
                    QStringLiteral("PRAGMA application_id = %1").arg(Database::applicationId)));
                QVERIFY(q.exec("PRAGMA user_version = 99"));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase("foreign");
    }
    const QByteArray before = digestOfFolder(dir.path());
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    auto opened = Database::open(dir.path());
    QVERIFY(!opened.ok());
    if (kind != QLatin1String("newer"))
        QVERIFY2(opened.error().contains(QDir::toNativeSeparators(path)),
                 qPrintable(opened.error()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    QCOMPARE(digestOfFolder(dir.path()), before);
}

void DatabaseTest::zeroByteFileBecomesFresh()
{
    QTemporaryDir dir;
    QFile f(dir.filePath(Database::fileName()));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    auto opened = Database::open(dir.path());
    QVERIFY2(opened.ok(), opened.ok() ? "" : qPrintable(opened.error()));
    QCOMPARE(scalar(*opened.value(), "SELECT COUNT(*) FROM tips").toInt(), 28);
}

void DatabaseTest::killedWriterLosesNoCommittedRow()
{
    TempProgramFolder folder;
    folder.close();
    QProcess writer;
    writer.start(QStringLiteral(NUTROVA_DB_WRITER), {folder.path()});
    QVERIFY(writer.waitForStarted());
    int lastCommitted = 0;
    QElapsedTimer timer;
    timer.start();
    while (lastCommitted < 40 && timer.elapsed() < 60000) {
        if (!writer.waitForReadyRead(10000))
            break;
        const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            if (!line.trimmed().isEmpty())
                lastCommitted = line.trimmed().toInt();
        }
    }
    writer.kill();
    writer.waitForFinished();
    QVERIFY(lastCommitted >= 40);
    QVERIFY(folder.reopen());
    QVERIFY(scalar(folder.database(), "SELECT COUNT(*) FROM calender_info").toInt() >=
            lastCommitted);
    QCOMPARE(scalar(folder.database(), "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
}

void DatabaseTest::failedTransactionWritesNothing()
{
    TempProgramFolder folder;
    Database& db = folder.database();
    const Status s = db.transaction([&]() -> Status {
        QSqlQuery q(db.connection());
        q.exec("INSERT INTO UserInfo (username) VALUES ('amy')");
        if (!q.exec("INSERT INTO nosuchtable VALUES (1)"))
            return Error{q.lastError().text()};
        return {};
    });
    QVERIFY(!s.ok());
    QVERIFY(s.error().contains(QStringLiteral("nosuchtable")));
    QCOMPARE(scalar(db, "SELECT COUNT(*) FROM UserInfo").toInt(), 0);
}

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
