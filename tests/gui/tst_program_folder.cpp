// The executable copied alone into an empty folder makes its database there.
#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

class ProgramFolderTest final : public QObject {
    Q_OBJECT

private slots:
    void copiedExecutableCreatesItsDatabase();
};

void ProgramFolderTest::copiedExecutableCreatesItsDatabase()
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("nutrova"));
    QVERIFY(QFile::copy(QStringLiteral(NUTROVA_EXECUTABLE), exe));
    QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    program.setProcessEnvironment(env);
    program.start(exe, {});
    QVERIFY(program.waitForStarted());
    const QString dbPath = dir.filePath(Database::fileName());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dbPath), 20000);
    // Give the first run time to finish writing the reference data, then stop it.
    QTest::qWait(1500);
    program.kill();
    program.waitForFinished();

    auto opened = Database::open(dir.path());
    QVERIFY2(opened.ok(), opened.ok() ? "" : qPrintable(opened.error()));
    QSqlQuery q(opened.value()->connection());
    QVERIFY(q.exec(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM tips), (SELECT COUNT(*) FROM food_Dictionary), "
        "(SELECT COUNT(DISTINCT cPic) FROM choices WHERE cPic <> ''), "
        "(SELECT COUNT(*) FROM sqlite_master WHERE name = 'ExerciseSchd')")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 28);
    QVERIFY(q.value(1).toInt() >= 200);
    QCOMPARE(q.value(2).toInt(), 38);
    QCOMPARE(q.value(3).toInt(), 1);
}

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_program_folder.moc"
