#pragma once
// Printing to a PDF file. Qt's PDF engine ignores failed writes, so a full
// disk would leave a cut file that looks printed; the PDF is made in memory
// instead and saved like any other file.

#include <functional>

class QPagedPaintDevice;
class QPrinter;

namespace korvex {

// Whether output on this printer would go straight to its PDF file (not
// while a preview borrows it).
bool PrintsToPdfFile(QPrinter& printer);

// Draws the pages on a PDF laid out as the printer's (resolution, paper,
// page range, title) and saves it as the printer's output file.
void SavePdf(const QPrinter& printer, const std::function<void(QPagedPaintDevice&)>& draw);

}  // namespace korvex
