#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// What `pdftotext -bbox` makes of a PDF file: every word with its box, page
// by page, as XHTML; nothing when the tool fails.
QByteArray pdfTextBoxes(const QString& path);

}  // namespace korvex
