#include "planner/report_preview.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace korvex {

ReportPreview::ReportPreview(QPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , view_(new QPrintPreviewWidget(&printer, this))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    setModal(true);
    view_->setObjectName(QStringLiteral("previewView"));
    view_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintRequested);
    connect(view_, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageCommands);
    buildCommands();
}

// Worded commands, as in the report window: the same on every desktop,
// whatever icon theme it has.
void ReportPreview::buildCommands()
{
    auto* tools = new QToolBar(tr("Preview"), this);
    tools->setObjectName(QStringLiteral("previewTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto command = [&](const char* name, const QString& text, QKeySequence keys, auto run) {
        auto* action = tools->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    command("fitWidthAction", tr("Fit Width"), {}, [this] { view_->fitToWidth(); });
    command("fitPageAction", tr("Fit Page"), {}, [this] { view_->fitInView(); });
    command("zoomInAction", tr("Zoom In"), QKeySequence::ZoomIn, [this] { view_->zoomIn(); });
    command("zoomOutAction", tr("Zoom Out"), QKeySequence::ZoomOut, [this] { view_->zoomOut(); });
    tools->addSeparator();
    firstAction_ = command("firstPageAction", tr("First"), {}, [this] { showPage(1); });
    previousAction_ = command("previousPageAction", tr("Previous"), {},
                              [this] { showPage(view_->currentPage() - 1); });
    pageLabel_ = new QLabel(tools);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    pageLabel_->setContentsMargins(6, 0, 6, 0);
    tools->addWidget(pageLabel_);
    nextAction_ = command("nextPageAction", tr("Next"), {}, [this] { showPage(view_->currentPage() + 1); });
    lastAction_ = command("lastPageAction", tr("Last"), {}, [this] { showPage(view_->pageCount()); });
    tools->addSeparator();
    command("printAction", tr("Print..."), QKeySequence::Print, [this] { Q_EMIT printRequested(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(view_, 1);
}

void ReportPreview::showPage(int page)
{
    view_->setCurrentPage(page);
    updatePageCommands();
}

void ReportPreview::updatePageCommands()
{
    const int page = view_->currentPage();
    const int count = view_->pageCount();
    pageLabel_->setText(tr("Page %1 of %2").arg(page).arg(count));
    firstAction_->setEnabled(page > 1);
    previousAction_->setEnabled(page > 1);
    nextAction_->setEnabled(page < count);
    lastAction_->setEnabled(page < count);
}

}  // namespace korvex
