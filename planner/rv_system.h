#pragma once

#include "app/files/save_location.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace korvex {

struct OutputChoice;
struct RavePage;
class RavePrintout;

// The output system of a report: the "Output Options" dialog, the
// "Report Status" window while pages are produced, then the modal
// "Report Preview", the printer or a PDF file.
class RvSystem {
public:
    RvSystem();

    // The installed printers; replaceable so that tests fix the list.
    std::function<QStringList()> printerNames;
    // The name offered for a file, in the folder the last file of the run
    // went to; nothing is offered while it is empty.
    QString outputFileName;

    // Returns when the output is finished or cancelled.
    void Execute(const std::vector<const RavePage*>& pages, QWidget* parent);

    // Draws sheets fromPage to toPage (counted from 1) on a printer that is
    // ready to print (or writes its file).
    static void PrintPages(QPrinter& printer, const RavePrintout& printout, int fromPage, int toPage);
    // The printer as the "File" choice sets it up, for the page's paper.
    static void SetUpPdfFile(QPrinter& printer, const RavePage& page, const QString& fileName);

private:
    // The user's choice in "Output Options"; with a page count, the form
    // that prints from the preview.
    std::optional<OutputChoice> choose(QPrinter& printer, int pageCount, QWidget* parent) const;
    void preview(QPrinter& printer, const std::vector<const RavePage*>& pages, QWidget* parent);
    bool printFromPreview(const std::vector<const RavePage*>& pages, QWidget* parent);
    // False when cancelled in "Report Status".
    bool output(QPrinter& printer, const std::vector<const RavePage*>& pages, int fromPage, int toPage,
                QWidget* parent);

    SaveLocation saves_;
};

}  // namespace korvex
