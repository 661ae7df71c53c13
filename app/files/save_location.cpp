#include "app/files/save_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvex {

QString SaveLocation::pathFor(const QString& fileName) const
{
    QString folder = folder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

void SaveLocation::remember(const QString& path)
{
    if (!path.isEmpty())
        folder_ = QFileInfo(path).absolutePath();
}

QString DatedFileName(const QString& stem, QDate date, const QString& suffix)
{
    return stem + QLatin1Char(' ') + date.toString(Qt::ISODate) + suffix;
}

}  // namespace korvex
