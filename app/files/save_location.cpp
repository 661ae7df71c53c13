#include "app/files/save_location.h"

#include <QDir>
#include <QFileDialog>
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

void SaveLocation::saveThroughDialog(QWidget* parent, const QString& title, const QString& fileName,
    const QString& filter, const std::function<void(const QString&)>& write)
{
    QFileDialog dialog(parent, title, pathFor(fileName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    write(path);
    remember(path);
}

QString DatedFileName(const QString& stem, QDate date, const QString& suffix)
{
    return stem + QLatin1Char(' ') + date.toString(Qt::ISODate) + suffix;
}

}  // namespace korvex
