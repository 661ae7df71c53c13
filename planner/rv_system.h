#pragma once

#include <QStringList>

#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace korvex {

struct RavePage;

// The output system of a report: the "Output Options" dialog, the
// "Report Status" window while pages are produced, then the modal
// "Report Preview", the printer or a PDF file.
class RvSystem {
public:
    RvSystem();

    // The installed printers; replaceable so that tests fix the list.
    std::function<QStringList()> printerNames;

    // Returns when the output is finished or cancelled.
    void Execute(const std::vector<const RavePage*>& pages, QWidget* parent) const;

    // Draws the pages on a printer that is ready to print (or writes its file).
    static void PrintPages(QPrinter& printer, const std::vector<const RavePage*>& pages);
};

}  // namespace korvex
