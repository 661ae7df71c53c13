#pragma once
// The files of a host document's folder, read as a browser would find them.

#include "app/documents/host_document.h"

#include <QImage>
#include <QString>

#include <optional>

namespace korvex {

// Reads and parses the host document at a path. Nothing when it is not a
// regular file, cannot be read or is larger than any host document of ours
// (4 MB): the page that asked then stays blank, as a browser's would.
std::optional<HostDocument> LoadHostDocument(const QString& path);

// A picture next to a host document, decoded from the file's bytes; a null
// image when there is no regular file of at most 4 MB or it is no picture.
QImage LoadPicture(const QString& path);

}  // namespace korvex
