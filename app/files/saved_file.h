#pragma once
// Saving a file the user chose, from Qt's types.

#include <QByteArray>
#include <QString>

namespace korvex {

// Writes the bytes as the file, complete or not at all (see SaveFile in
// document_writer.h): throws "Cannot create file "<path>". <reason>".
void SaveFile(const QString& path, const QByteArray& bytes);

}  // namespace korvex
