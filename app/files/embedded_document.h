#pragma once
// The documents the program carries as Qt resources under ":/documents/".

#include <QByteArray>
#include <QString>

#include <string>

namespace korvex {

// The bytes stored under a resource name such as "myHelp".
QByteArray EmbeddedDocument(const QString& resourceName);

// Writes the resource byte for byte to the file (see WriteDocument).
void WriteEmbeddedDocument(const QString& resourceName, const QString& path);

// A path in the form the file routines take: UTF-8 text.
std::string LocalPath(const QString& path);

}  // namespace korvex
