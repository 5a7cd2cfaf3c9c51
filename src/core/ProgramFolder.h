#pragma once

#include <QString>

// Where Nutrova keeps its database: the executable's folder, or the per-user
// data folder when the executable's folder cannot be written (an installed copy).
namespace programfolder {

QString dataFolder(const QString& executableFolder);

} // namespace programfolder
