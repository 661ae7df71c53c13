#include "projections/profit_projections_page.h"

#include "app/documents/host_document_file.h"
#include "app/widgets/web_page_button.h"
#include "projections/compound_savings.h"
#include "projections/nbr.h"
#include "projections/panel_frame.h"
#include "projections/panel_parameters.h"
#include "projections/report_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>

namespace korvex {

namespace {

// Where the host document puts things, in pixels.
struct Layout {
    QRect browser { 8, 8, 694, 545 };
    int pageMargin = 8;
    QSize panel { 565, 400 };
    int framePadding = 20;
    int frameBorder = 2;
    QColor frameColour { 0x7f, 0x7f, 0xff };
    int buttonGap = 8;
    QSize button { 90, 25 };
    int buttonSpacing = 6;
};
const Layout kLayout;

} // namespace

ProfitProjectionsPage::ProfitProjectionsPage(QWidget* parent)
    : QWidget(parent)
    , wbSavingsCalculator(new QWidget(this))
{
    setObjectName(QStringLiteral("ts_SavingsCalculator"));
    wbSavingsCalculator->setObjectName(QStringLiteral("wbSavingsCalculator"));
    wbSavingsCalculator->setGeometry(kLayout.browser);
    wbSavingsCalculator->setAutoFillBackground(true);
    QPalette white = wbSavingsCalculator->palette();
    white.setColor(QPalette::Window, Qt::white);
    wbSavingsCalculator->setPalette(white);
}

ProfitProjectionsPage::~ProfitProjectionsPage()
{
    delete report_;
}

ReportWindow* ProfitProjectionsPage::reportWindow() const
{
    return report_;
}

void ProfitProjectionsPage::clear()
{
    delete content_;
    content_ = nullptr;
    panel_ = nullptr;
}

void ProfitProjectionsPage::navigate(const QString& hostDocumentPath)
{
    clear();
    const auto loaded = LoadHostDocument(hostDocumentPath);
    if (!loaded || !loaded->hasPanel)
        return;
    const HostDocument& document = *loaded;
    folder_ = QFileInfo(hostDocumentPath).absolutePath();

    PanelParameters parameters(document.parameters);
    // The picture is looked up next to the document, never elsewhere.
    const QString picture = QFileInfo(QString::fromStdString(parameters.text("BACKGROUND", ""))).fileName();
    const QImage background = picture.isEmpty() ? QImage() : LoadPicture(folder_ + QLatin1Char('/') + picture);

    content_ = new QWidget(wbSavingsCalculator);
    content_->setObjectName(QStringLiteral("document"));
    const int frameSide = kLayout.frameBorder + kLayout.framePadding;
    const QSize frameSize = kLayout.panel + QSize(2 * frameSide, 2 * frameSide);
    auto* frame = new PanelFrame(kLayout.frameBorder, kLayout.frameColour, content_);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setGeometry(
        QRect(QPoint((kLayout.browser.width() - frameSize.width()) / 2, kLayout.pageMargin), frameSize));

    panel_ = new CompoundSavings(std::move(parameters), background, frame);
    panel_->setGeometry(QRect(QPoint(frameSide, frameSide), kLayout.panel));

    auto* calculate = new WebPageButton(QStringLiteral("Calculate"), content_);
    calculate->setObjectName(QStringLiteral("btn_ProjectionsCalculate"));
    auto* report = new WebPageButton(QStringLiteral("View Report"), content_);
    report->setObjectName(QStringLiteral("btn_ViewReport"));
    const int buttonsWidth = 2 * kLayout.button.width() + kLayout.buttonSpacing;
    const int buttonsLeft = (kLayout.browser.width() - buttonsWidth) / 2;
    const int buttonsTop = frame->geometry().bottom() + 1 + kLayout.buttonGap;
    calculate->setGeometry(QRect(QPoint(buttonsLeft, buttonsTop), kLayout.button));
    report->setGeometry(QRect(
        QPoint(buttonsLeft + kLayout.button.width() + kLayout.buttonSpacing, buttonsTop), kLayout.button));
    connect(calculate, &QPushButton::clicked, panel_, &CompoundSavings::calculate);
    connect(report, &QPushButton::clicked, this, &ProfitProjectionsPage::viewReport);

    QWidget::setTabOrder(panel_->startingAmountField(), panel_->monthsField());
    QWidget::setTabOrder(panel_->monthsField(), panel_->contributionsField());
    QWidget::setTabOrder(panel_->contributionsField(), panel_->rateField());
    QWidget::setTabOrder(panel_->rateField(), calculate);
    QWidget::setTabOrder(calculate, report);

    content_->setGeometry(QRect(QPoint(0, 0), kLayout.browser.size()));
    content_->show();
}

void ProfitProjectionsPage::viewReport()
{
    if (!panel_)
        return;
    const CompoundSavings::Report report = panel_->report();
    if (!report_) {
        report_ = new ReportWindow(folder_, saves_);
        report_->setAttribute(Qt::WA_DeleteOnClose);
        const QScreen* screen = window()->screen() ? window()->screen() : QGuiApplication::primaryScreen();
        const QRect place = ReportWindow::placeOnScreen(screen ? screen->geometry() : QRect());
        report_->resize(place.size());
        report_->move(place.topLeft());
    }
    report_->setReport(QString::fromStdString(report.html), QByteArray::fromStdString(report.csv),
        QString::fromStdString(report.error));
    report_->show();
    report_->raise();
    report_->activateWindow();
}

} // namespace korvex
