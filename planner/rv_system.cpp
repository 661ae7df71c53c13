#include "planner/rv_system.h"

#include "app/files/pdf_file.h"
#include "planner/output_options_dialog.h"
#include "planner/rave_painter.h"
#include "planner/rave_project.h"
#include "planner/report_preview.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace korvex {

namespace {

void setUpPaper(QPrinter& printer, const RavePage& page)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QSizeF(page.paperWidth, page.paperHeight), QPageSize::Inch,
                                  QString::fromStdString(page.paperName)));
    if (page.orientation == RaveOrientation::Portrait)
        printer.setPageOrientation(QPageLayout::Portrait);
    else if (page.orientation == RaveOrientation::Landscape)
        printer.setPageOrientation(QPageLayout::Landscape);
}

void applyChoice(QPrinter& printer, const OutputChoice& choice)
{
    switch (choice.destination) {
    case ReportDestination::Printer:
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(choice.printerName);
        printer.setCopyCount(choice.copies);
        printer.setCollateCopies(choice.collate);
        printer.setDuplex(choice.duplex ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
        break;
    case ReportDestination::File:
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.fileName);
        break;
    case ReportDestination::Preview:
        break;
    }
}

// "Report Status": progress over the pages, with Cancel.
class ReportStatus {
public:
    ReportStatus(int pageCount, QWidget* parent)
        : dialog_(QStringLiteral("Producing the report..."), QStringLiteral("Cancel"), 0, pageCount, parent)
    {
        dialog_.setObjectName(QStringLiteral("ReportStatus"));
        dialog_.setWindowTitle(QStringLiteral("Report Status"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.show();
    }

    // Shows the progress and lets a Cancel click arrive; false once cancelled.
    bool reached(int pagesDone)
    {
        dialog_.setValue(pagesDone);
        dialog_.setLabelText(QStringLiteral("Page %1 of %2").arg(pagesDone).arg(dialog_.maximum()));
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
};

// Large enough to read the page, within the screen.
QSize previewSize(const QWidget* parent)
{
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize wanted(800, 760);
    return screen ? wanted.boundedTo(screen->availableSize()) : wanted;
}

// False when the device cannot be painted on.
bool drawSheets(QPagedPaintDevice& device, const RavePrintout& printout, int fromPage, int toPage)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int sheet = std::max(fromPage, 1); sheet <= std::min(toPage, printout.sheetCount()); ++sheet) {
        if (sheet > fromPage)
            device.newPage();
        printout.drawSheet(painter, sheet - 1);
    }
    painter.end();
    return true;
}

}  // namespace

RvSystem::RvSystem()
    : printerNames([] { return QPrinterInfo::availablePrinterNames(); })
{
}

void RvSystem::SetUpPdfFile(QPrinter& printer, const RavePage& page, const QString& fileName)
{
    OutputChoice file;
    file.destination = ReportDestination::File;
    file.fileName = fileName;
    applyChoice(printer, file);
    setUpPaper(printer, page);
}

void RvSystem::PrintPages(QPrinter& printer, const RavePrintout& printout, int fromPage, int toPage)
{
    if (PrintsToPdfFile(printer)) {
        SavePdf(printer, [&](QPagedPaintDevice& pdf) { drawSheets(pdf, printout, fromPage, toPage); });
        return;
    }
    if (!drawSheets(printer, printout, fromPage, toPage)) {
        if (printer.outputFormat() == QPrinter::PdfFormat)
            throw std::runtime_error("Cannot create file \"" + printer.outputFileName().toStdString() + "\"");
        throw std::runtime_error("The printer \"" + printer.printerName().toStdString() + "\" cannot print");
    }
}

void RvSystem::Execute(const std::vector<const RavePage*>& pages, QWidget* parent)
{
    if (pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer, *pages.front());
    const std::optional<OutputChoice> choice = choose(printer, 0, parent);
    if (!choice)
        return;
    applyChoice(printer, *choice);
    setUpPaper(printer, *pages.front());
    if (choice->destination == ReportDestination::Preview)
        preview(printer, pages, parent);
    else
        output(printer, pages, 1, std::numeric_limits<int>::max(), parent);
}

std::optional<OutputChoice> RvSystem::choose(QPrinter& printer, int pageCount, QWidget* parent) const
{
    const QString suggestion = outputFileName.isEmpty() ? QString() : saves_.pathFor(outputFileName);
    OutputOptionsDialog options(printer, {printerNames(), suggestion, pageCount}, parent);
    if (options.exec() != QDialog::Accepted)
        return std::nullopt;
    return options.choice();
}

void RvSystem::preview(QPrinter& printer, const std::vector<const RavePage*>& pages, QWidget* parent)
{
    {
        const int sheets = RavePrintout(pages, &printer).sheetCount();
        ReportStatus status(sheets, parent);
        if (!status.reached(0) || !status.reached(sheets))
            return;
    }
    ReportPreview preview(printer, parent);
    preview.resize(previewSize(parent));
    QObject::connect(&preview, &ReportPreview::paintRequested, &preview, [&pages](QPrinter* target) {
        const RavePrintout printout(pages, target);
        PrintPages(*target, printout, 1, printout.sheetCount());
    });
    // Printed from here, the operation is done.
    QObject::connect(&preview, &ReportPreview::printRequested, &preview, [this, &pages, &preview] {
        if (printFromPreview(pages, &preview))
            preview.accept();
    });
    preview.exec();
}

bool RvSystem::printFromPreview(const std::vector<const RavePage*>& pages, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer, *pages.front());
    const int sheets = RavePrintout(pages, &printer).sheetCount();
    const std::optional<OutputChoice> choice = choose(printer, sheets, parent);
    if (!choice)
        return false;
    applyChoice(printer, *choice);
    setUpPaper(printer, *pages.front());
    return output(printer, pages, choice->fromPage, choice->toPage, parent);
}

bool RvSystem::output(QPrinter& printer, const std::vector<const RavePage*>& pages, int fromPage, int toPage,
                      QWidget* parent)
{
    const RavePrintout printout(pages, &printer);
    toPage = std::min(toPage, printout.sheetCount());
    const int count = std::max(toPage - fromPage + 1, 0);
    ReportStatus status(count, parent);
    if (!status.reached(0))
        return false;
    PrintPages(printer, printout, fromPage, toPage);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        saves_.remember(printer.outputFileName());
    status.reached(count);
    return true;
}

}  // namespace korvex
