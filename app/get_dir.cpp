#include "app/get_dir.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>

namespace korvex {
namespace {

TempDirSource& tempDirSource()
{
    static TempDirSource source;
    return source;
}

QString platformTempDir()
{
#ifdef Q_OS_WIN
    return QDir::tempPath();  // already per user there
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

}  // namespace

QString GetTempDir()
{
    QString folder = tempDirSource() ? tempDirSource()() : platformTempDir();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void setTempDirSource(TempDirSource source) { tempDirSource() = std::move(source); }

}  // namespace korvex
