#include "data/AccountStore.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace {

UserProfile readProfile(const QSqlQuery& q)
{
    UserProfile p;
    p.userId = q.value(QStringLiteral("UserID")).toLongLong();
    p.fname = sql::text(q, "fname");
    p.lname = sql::text(q, "lname");
    p.username = sql::text(q, "username");
    p.passwordHash = sql::text(q, "password");
    p.age = sql::text(q, "age");
    p.sex = sql::text(q, "sex");
    p.heightFeet = sql::text(q, "height_feet");
    p.heightInch = sql::text(q, "height_inch");
    p.weight = sql::text(q, "weight");
    p.waist = sql::text(q, "waist");
    p.bodytype = sql::text(q, "bodytype");
    p.bodytypeDesired = sql::text(q, "bodytype_desired");
    p.stomach = sql::text(q, "Stomach");
    p.arms = sql::text(q, "Arms");
    p.goal = sql::text(q, "Goal");
    p.chest = sql::text(q, "Chest");
    p.hip = sql::text(q, "hip");
    p.thigh = sql::text(q, "thigh");
    p.calorieLimit = sql::text(q, "calorie_limit");
    p.fatLimit = sql::text(q, "fat_limit");
    p.proteinLimit = sql::text(q, "protein_limit");
    p.carbsLimit = sql::text(q, "carbs_limit");
    p.popstatus = q.value(QStringLiteral("popstatus")).toInt();
    p.musstatus = q.value(QStringLiteral("musstatus")).toInt();
    p.tipstatus = q.value(QStringLiteral("tipstatus")).toInt();
    p.lastlogin = q.value(QStringLiteral("lastlogin")).toInt();
    p.loginstatus = sql::text(q, "loginstatus");
    return p;
}

void bindProfile(QSqlQuery& q, const UserProfile& p)
{
    q.bindValue(QStringLiteral(":fname"), p.fname);
    q.bindValue(QStringLiteral(":lname"), p.lname);
    q.bindValue(QStringLiteral(":username"), p.username);
    q.bindValue(QStringLiteral(":password"), p.passwordHash);
    q.bindValue(QStringLiteral(":age"), p.age);
    q.bindValue(QStringLiteral(":sex"), p.sex);
    q.bindValue(QStringLiteral(":height_feet"), p.heightFeet);
    q.bindValue(QStringLiteral(":height_inch"), p.heightInch);
    q.bindValue(QStringLiteral(":weight"), p.weight);
    q.bindValue(QStringLiteral(":waist"), p.waist);
    q.bindValue(QStringLiteral(":bodytype"), p.bodytype);
    q.bindValue(QStringLiteral(":bodytype_desired"), p.bodytypeDesired);
    q.bindValue(QStringLiteral(":Stomach"), p.stomach);
    q.bindValue(QStringLiteral(":Arms"), p.arms);
    q.bindValue(QStringLiteral(":Goal"), p.goal);
    q.bindValue(QStringLiteral(":Chest"), p.chest);
    q.bindValue(QStringLiteral(":hip"), p.hip);
    q.bindValue(QStringLiteral(":thigh"), p.thigh);
    q.bindValue(QStringLiteral(":calorie_limit"), p.calorieLimit);
    q.bindValue(QStringLiteral(":fat_limit"), p.fatLimit);
    q.bindValue(QStringLiteral(":protein_limit"), p.proteinLimit);
    q.bindValue(QStringLiteral(":carbs_limit"), p.carbsLimit);
    q.bindValue(QStringLiteral(":popstatus"), p.popstatus);
    q.bindValue(QStringLiteral(":musstatus"), p.musstatus);
    q.bindValue(QStringLiteral(":tipstatus"), p.tipstatus);
    q.bindValue(QStringLiteral(":lastlogin"), p.lastlogin);
    q.bindValue(QStringLiteral(":loginstatus"), p.loginstatus);
}

// Runs one of the fixed look-ups below with its bound value and reads the first row.
Result<std::optional<UserProfile>> findOne(Database& database, const QString& statement,
                                           const QVariant& value)
{
    QSqlQuery q(database.connection());
    if (auto s = sql::prepare(q, statement); !s)
        return Error{s.error()};
    q.bindValue(0, value);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    if (!q.next())
        return std::optional<UserProfile>();
    return std::optional<UserProfile>(readProfile(q));
}

Status runBound(Database& database, const QString& statement, const QVariantList& values)
{
    QSqlQuery q(database.connection());
    if (auto s = sql::prepare(q, statement); !s)
        return s;
    for (qsizetype i = 0; i < values.size(); ++i)
        q.bindValue(static_cast<int>(i), values[i]);
    return sql::run(q);
}

} // namespace

Result<int> AccountStore::count() const
{
    QSqlQuery q(m_database.connection());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM UserInfo")) || !q.next())
        return sql::errorOf(q);
    return q.value(0).toInt();
}

Result<QList<AccountEntry>> AccountStore::list() const
{
    QSqlQuery q(m_database.connection());
    if (!q.exec(QStringLiteral(
            "SELECT UserID, username, fname, lname, lastlogin FROM UserInfo ORDER BY UserID")))
        return sql::errorOf(q);
    QList<AccountEntry> entries;
    while (q.next()) {
        entries.append(AccountEntry{q.value(0).toLongLong(), sql::text(q, "username"),
                                    sql::text(q, "fname"), sql::text(q, "lname"),
                                    q.value(4).toInt()});
    }
    return entries;
}

Result<std::optional<UserProfile>> AccountStore::find(const QString& username) const
{
    return findOne(m_database,
                   QStringLiteral("SELECT * FROM UserInfo WHERE username = ? ORDER BY UserID"),
                   username);
}

Result<std::optional<UserProfile>> AccountStore::findById(qint64 userId) const
{
    return findOne(m_database, QStringLiteral("SELECT * FROM UserInfo WHERE UserID = ?"), userId);
}

Result<bool> AccountStore::nameTaken(const QString& username, qint64 exceptUserId) const
{
    QSqlQuery q(m_database.connection());
    if (auto s = sql::prepare(
            q, QStringLiteral("SELECT COUNT(*) FROM UserInfo WHERE username = ? AND UserID <> ?"));
        !s)
        return Error{s.error()};
    q.bindValue(0, username);
    q.bindValue(1, exceptUserId);
    if (auto s = sql::run(q); !s || !q.next())
        return s ? Error{QStringLiteral("No answer from the database.")} : Error{s.error()};
    return q.value(0).toInt() > 0;
}

Result<std::optional<UserProfile>> AccountStore::findByPickerEntry(const QString& entry) const
{
    return findOne(m_database,
                   QStringLiteral("SELECT * FROM UserInfo WHERE (lname || ', ' || fname) = ? "
                                  "COLLATE NOCASE ORDER BY UserID"),
                   entry);
}

Result<qint64> AccountStore::add(const UserProfile& profile)
{
    return insertRow(profile);
}

Result<qint64> AccountStore::addAsLastLogin(UserProfile profile)
{
    profile.lastlogin = 1;
    qint64 id = 0;
    const Status s = m_database.transaction([&]() -> Status {
        if (auto cleared = clearLastLogin(); !cleared)
            return cleared;
        auto added = insertRow(profile);
        if (!added)
            return Error{added.error()};
        id = added.value();
        return {};
    });
    if (!s)
        return Error{s.error()};
    return id;
}

Status AccountStore::updateAsLastLogin(UserProfile profile)
{
    profile.lastlogin = 1;
    return m_database.transaction([&]() -> Status {
        if (auto cleared = clearLastLogin(); !cleared)
            return cleared;
        return updateRow(profile);
    });
}

Status AccountStore::clearLastLogin()
{
    return runBound(m_database,
                    QStringLiteral("UPDATE UserInfo SET lastlogin = 0 WHERE lastlogin = 1"), {});
}

Result<qint64> AccountStore::insertRow(const UserProfile& profile)
{
    QSqlQuery q(m_database.connection());
    if (auto s = sql::prepare(
            q, QStringLiteral(
                   "INSERT INTO UserInfo (fname, lname, username, password, age, sex, height_feet, "
                   "height_inch, weight, waist, bodytype, bodytype_desired, Stomach, Arms, Goal, "
                   "Chest, hip, thigh, calorie_limit, fat_limit, protein_limit, carbs_limit, "
                   "popstatus, musstatus, tipstatus, lastlogin, loginstatus) VALUES (:fname, "
                   ":lname, :username, :password, :age, :sex, :height_feet, :height_inch, "
                   ":weight, :waist, :bodytype, :bodytype_desired, :Stomach, :Arms, :Goal, "
                   ":Chest, :hip, :thigh, :calorie_limit, :fat_limit, :protein_limit, "
                   ":carbs_limit, :popstatus, :musstatus, :tipstatus, :lastlogin, :loginstatus)"));
        !s)
        return Error{s.error()};
    bindProfile(q, profile);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    return q.lastInsertId().toLongLong();
}

Status AccountStore::update(const UserProfile& profile)
{
    return m_database.transaction([&]() -> Status { return updateRow(profile); });
}

Status AccountStore::updateRow(const UserProfile& profile)
{
    auto old = findById(profile.userId);
    if (!old)
        return Error{old.error()};
    if (!old.value())
        return Error{QStringLiteral("The account no longer exists.")};
    const QString oldName = old.value()->username;
    QSqlQuery q(m_database.connection());
    if (auto s = sql::prepare(
            q, QStringLiteral(
                   "UPDATE UserInfo SET fname = :fname, lname = :lname, username = :username, "
                   "password = :password, age = :age, sex = :sex, height_feet = :height_feet, "
                   "height_inch = :height_inch, weight = :weight, waist = :waist, bodytype = "
                   ":bodytype, bodytype_desired = :bodytype_desired, Stomach = :Stomach, Arms "
                   "= :Arms, Goal = :Goal, Chest = :Chest, hip = :hip, thigh = :thigh, "
                   "calorie_limit = :calorie_limit, fat_limit = :fat_limit, protein_limit = "
                   ":protein_limit, carbs_limit = :carbs_limit, popstatus = :popstatus, "
                   "musstatus = :musstatus, tipstatus = :tipstatus, lastlogin = :lastlogin, "
                   "loginstatus = :loginstatus WHERE UserID = :id"));
        !s)
        return s;
    bindProfile(q, profile);
    q.bindValue(QStringLiteral(":id"), profile.userId);
    if (auto s = sql::run(q); !s)
        return s;
    if (oldName == profile.username)
        return {};
    // The account's rows elsewhere follow its new name.
    for (const char* statement : {"UPDATE schedule SET username = ? WHERE username = ?",
                                  "UPDATE calender_info SET UserName = ? WHERE UserName = ?",
                                  "UPDATE Dates SET username = ? WHERE username = ?"}) {
        if (auto s =
                runBound(m_database, QString::fromLatin1(statement), {profile.username, oldName});
            !s)
            return s;
    }
    return {};
}

Status AccountStore::remove(qint64 userId)
{
    return m_database.transaction([&]() -> Status {
        auto old = findById(userId);
        if (!old)
            return Error{old.error()};
        if (!old.value())
            return {};
        const QString name = old.value()->username;
        const char* statements[] = {
            "DELETE FROM tTime WHERE dID IN (SELECT dID FROM Dates WHERE username = ?)",
            "DELETE FROM Dates WHERE username = ?",
            "DELETE FROM schedule WHERE username = ?",
            "DELETE FROM calender_info WHERE UserName = ?",
        };
        for (const char* statement : statements) {
            if (auto s = runBound(m_database, QString::fromLatin1(statement), {name}); !s)
                return s;
        }
        return runBound(m_database, QStringLiteral("DELETE FROM UserInfo WHERE UserID = ?"),
                        {userId});
    });
}

Status AccountStore::markLastLogin(const QString& username)
{
    return m_database.transaction([&]() -> Status {
        return runBound(m_database,
                        QStringLiteral("UPDATE UserInfo SET lastlogin = CASE WHEN username = ? "
                                       "THEN 1 ELSE 0 END"),
                        {username});
    });
}

Result<std::optional<UserSwitches>> AccountStore::switches(const QString& username) const
{
    auto profile = find(username);
    if (!profile)
        return Error{profile.error()};
    if (!profile.value())
        return std::optional<UserSwitches>();
    const UserProfile& p = *profile.value();
    return std::optional<UserSwitches>(UserSwitches{p.popstatus, p.musstatus, p.tipstatus});
}

Status AccountStore::setSwitches(const QString& username, const UserSwitches& switches)
{
    return runBound(m_database,
                    QStringLiteral("UPDATE UserInfo SET popstatus = ?, musstatus = ?, tipstatus = "
                                   "? WHERE username = ?"),
                    {switches.popstatus, switches.musstatus, switches.tipstatus, username});
}

Status AccountStore::setLoginStatus(const QString& username, const QString& status)
{
    return runBound(m_database,
                    QStringLiteral("UPDATE UserInfo SET loginstatus = ? WHERE username = ?"),
                    {status, username});
}
