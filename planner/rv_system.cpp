#include "planner/rv_system.h"

#include "planner/output_options_dialog.h"
#include "planner/rave_painter.h"
#include "planner/rave_project.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

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

}  // namespace

RvSystem::RvSystem()
    : printerNames([] { return QPrinterInfo::availablePrinterNames(); })
{
}

void RvSystem::PrintPages(QPrinter& printer, const std::vector<const RavePage*>& pages)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (printer.outputFormat() == QPrinter::PdfFormat)
            throw std::runtime_error("Cannot create file \"" + printer.outputFileName().toStdString() + "\"");
        throw std::runtime_error("The printer \"" + printer.printerName().toStdString() + "\" cannot print");
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        DrawRavePage(painter, *pages[i]);
    }
    painter.end();
}

void RvSystem::Execute(const std::vector<const RavePage*>& pages, QWidget* parent) const
{
    if (pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer, *pages.front());
    OutputOptionsDialog options(printer, printerNames(), parent);
    if (options.exec() != QDialog::Accepted)
        return;
    const OutputChoice choice = options.choice();
    applyChoice(printer, choice);
    setUpPaper(printer, *pages.front());

    const int pageCount = static_cast<int>(pages.size());
    if (choice.destination == ReportDestination::Preview) {
        {
            ReportStatus status(pageCount, parent);
            if (!status.reached(0) || !status.reached(pageCount))
                return;
        }
        QPrintPreviewDialog preview(&printer, parent);
        preview.setObjectName(QStringLiteral("ReportPreview"));
        preview.setWindowTitle(QStringLiteral("Report Preview"));
        preview.resize(previewSize(parent));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&pages](QPrinter* target) { PrintPages(*target, pages); });
        preview.exec();
        return;
    }

    ReportStatus status(pageCount, parent);
    if (!status.reached(0))
        return;
    PrintPages(printer, pages);
    status.reached(pageCount);
}

}  // namespace korvex
