// Writes committed rows into a program folder's database until it is killed,
// printing the number of each row once its transaction has committed.
#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    auto database = Database::open(QString::fromLocal8Bit(argv[1]));
    if (!database)
        return 3;
    for (int i = 1;; ++i) {
        auto s = database.value()->transaction([&]() -> Status {
            QSqlQuery q(database.value()->connection());
            q.prepare(QStringLiteral("INSERT INTO calender_info (UserName, date, notes) VALUES "
                                     "('writer', ?, ?)"));
            q.addBindValue(QString::number(i));
            q.addBindValue(QString(200, u'x'));
            if (!q.exec())
                return Error{QStringLiteral("insert")};
            return {};
        });
        if (!s)
            return 4;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}
