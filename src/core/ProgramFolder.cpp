#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace programfolder {

namespace {

bool writable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".nutrova-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString dataFolder(const QString& executableFolder)
{
    if (writable(executableFolder))
        return executableFolder;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return perUser;
}

} // namespace programfolder
