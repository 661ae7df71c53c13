#pragma once

#include "app/host_document.h"

#include <QString>

#include <optional>

namespace korvex {

// Reads and parses the host document at a path. Nothing when the file cannot
// be read or is larger than any host document of ours (4 MB): the page that
// asked then stays blank, as a browser's would.
std::optional<HostDocument> LoadHostDocument(const QString& path);

}  // namespace korvex
