#pragma once

#include "core/PasswordHash.h"
#include "data/AccountStore.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>

// Small helpers the account window tests share: accounts stored as the
// windows store them, the form filled as a person would fill it, and counts
// read straight from the tables.
namespace fixture {

inline UserProfile woman(const QString& username, const QString& fname = QStringLiteral("Ann"),
                         const QString& lname = QStringLiteral("Lee"))
{
    UserProfile p;
    p.fname = fname;
    p.lname = lname;
    p.username = username;
    p.passwordHash = password::hash(QStringLiteral("secret123"));
    p.age = QStringLiteral("35");
    p.sex = QStringLiteral("Female");
    p.heightFeet = QStringLiteral("5");
    p.heightInch = QStringLiteral("6");
    p.weight = QStringLiteral("140");
    p.waist = QStringLiteral("30");
    p.bodytype = QStringLiteral("Hour Glass");
    p.bodytypeDesired = QStringLiteral("Hour Glass");
    p.stomach = QStringLiteral("Flat Stomach");
    p.arms = QStringLiteral("Small");
    p.goal = QStringLiteral("Tone");
    p.chest = QStringLiteral("B");
    p.hip = QStringLiteral("38");
    p.thigh = QStringLiteral("22");
    return p;
}

inline qint64 add(TestApp& app, const UserProfile& profile)
{
    AccountStore store(app.database());
    auto id = store.add(profile);
    return id.valueOr(0);
}

inline std::optional<UserProfile> find(TestApp& app, const QString& username)
{
    AccountStore store(app.database());
    return store.find(username).valueOr(std::nullopt);
}

inline int count(TestApp& app, const QString& statement)
{
    QSqlQuery q(app.database().connection());
    if (!q.exec(statement) || !q.next())
        return -1;
    return q.value(0).toInt();
}

inline void setText(TestApp& app, const QString& window, const QString& box, const QString& text)
{
    if (auto* edit = app.control<QLineEdit>(window, box)) {
        edit->setText(text);
        return;
    }
    if (auto* combo = app.control<QComboBox>(window, box)) {
        const int index = combo->findText(text);
        combo->setCurrentIndex(index);
        if (index < 0)
            combo->setEditText(text);
    }
}

inline QString text(TestApp& app, const QString& window, const QString& box)
{
    if (auto* edit = app.control<QLineEdit>(window, box))
        return edit->text();
    if (auto* combo = app.control<QComboBox>(window, box))
        return combo->currentText();
    return QStringLiteral("<no such box>");
}

// A man's complete entry in the window's form.
inline void fillMan(TestApp& app, const QString& window, const QString& username)
{
    const QList<std::pair<const char*, const char*>> boxes{{"txtFname", "John"},
                                                           {"txtLname", "Doe"},
                                                           {"txtAge", "40"},
                                                           {"CmbSex", "Male"},
                                                           {"txtWeight", "180"},
                                                           {"txtHeight1", "5"},
                                                           {"txtHeight2", "10"},
                                                           {"txtPassword1", "secret123"},
                                                           {"txtPassword2", "secret123"},
                                                           {"txtWstSize", "34"},
                                                           {"CmbBodyType_m", "Built"},
                                                           {"CmbBodyType2_m", "Built"},
                                                           {"CmbGoal_m", "General Health"},
                                                           {"CmbStomach_m", "Small Belly"},
                                                           {"CmbArms_m", "Large"}};
    for (const auto& [box, value] : boxes)
        setText(app, window, QString::fromLatin1(box), QString::fromLatin1(value));
    setText(app, window, QStringLiteral("txtUsername"), username);
}

} // namespace fixture
