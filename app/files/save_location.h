#pragma once

#include <QDate>
#include <QString>

namespace korvex {

// Where a save dialog starts: the folder the user last saved into during
// this run, the documents folder before that. Nothing outlives the run.
class SaveLocation {
public:
    // A file of this name in that folder.
    QString pathFor(const QString& fileName) const;
    // The folder of a path the user chose.
    void remember(const QString& path);

private:
    QString folder_;
};

// "<stem> <yyyy-mm-dd><suffix>"
QString DatedFileName(const QString& stem, QDate date, const QString& suffix);

}  // namespace korvex
