#include "app/files/pdf_file.h"

#include "app/files/saved_file.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrinter>

namespace korvex {

bool PrintsToPdfFile(QPrinter& printer)
{
    // A preview puts an engine of its own in place of the PDF engine.
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
        && printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Pdf;
}

void SavePdf(const QPrinter& printer, const std::function<void(QPagedPaintDevice&)>& draw)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setPageRanges(printer.pageRanges());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        draw(writer);
    }
    SaveFile(printer.outputFileName(), pdf);
}

}  // namespace korvex
