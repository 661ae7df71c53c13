#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// Writes a file the user asked for, all of it or nothing: the bytes go to a
// temporary name beside it, which is renamed into place. A failure shows
// the "Error" box with the system's reason and gives false.
bool saveUserFile(const QString& path, const QByteArray& bytes);

}  // namespace korvex
