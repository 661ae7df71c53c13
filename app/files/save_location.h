#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QWidget;

namespace korvex {

// Where a save dialog starts: the folder the user last saved into during
// this run, the documents folder before that. Nothing outlives the run.
class SaveLocation {
public:
    // A file of this name in that folder.
    QString pathFor(const QString& fileName) const;
    // The folder of a path the user chose.
    void remember(const QString& path);

    // Asks where to save a file suggested as fileName (its suffix is added to
    // a name typed without one) and writes it with `write`, which throws on
    // failure; only a folder that took the file is offered again.
    void saveThroughDialog(QWidget* parent, const QString& title, const QString& fileName, const QString& filter,
        const std::function<void(const QString&)>& write);

private:
    QString folder_;
};

// "<stem> <yyyy-mm-dd><suffix>"
QString DatedFileName(const QString& stem, QDate date, const QString& suffix);

}  // namespace korvex
