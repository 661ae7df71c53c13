#include "app/tf_main.h"

#include "app/about_page.h"
#include "app/app_info.h"
#include "app/files/document_reader.h"
#include "app/files/embedded_document.h"
#include "app/fonts.h"
#include "app/widgets/caption_size.h"
#include "app/widgets/link_label.h"
#include "app/widgets/message_box.h"
#include "app/page_switch_keys.h"
#include "app/documents/rtf_text_document.h"
#include "app/widgets/url_opener.h"
#include "app/files/work_folder.h"
#include "planner/trade_planner_page.h"
#include "projections/profit_projections_page.h"
#include "simulator/simulator_page.h"
#include "sizing/position_sizing_page.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>

#include <exception>
#include <stdexcept>

namespace korvex {

namespace {
// Ours is 16 KB; one sixty times as long is not ours.
constexpr std::size_t kLargestHelpDocument = 1024 * 1024;
}  // namespace

TfMain::TfMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QString::fromUtf8(ApplicationTitle));
    setFixedSize(735, 630);
    buildControls();
    FormCreate();
    centreOnScreen();
}

TfMain::~TfMain() = default;

void TfMain::buildControls()
{
    pgctrl_ZADuraulator = new QTabWidget(this);
    pgctrl_ZADuraulator->setObjectName(QStringLiteral("pgctrl_ZADuraulator"));
    pgctrl_ZADuraulator->setGeometry(8, 8, 718, 593);
    ts_TradePlanner = new TradePlannerPage(pgctrl_ZADuraulator);
    ts_PositionSizing = new PositionSizingPage(pgctrl_ZADuraulator, PositionSizingPage::Build::Later);
    ts_Simulator = new SimulatorPage(pgctrl_ZADuraulator);
    ts_SavingsCalculator = new ProfitProjectionsPage(pgctrl_ZADuraulator);
    ts_About = new AboutPage(pgctrl_ZADuraulator);
    pgctrl_ZADuraulator->addTab(ts_TradePlanner, QStringLiteral("Trade Planner"));
    pgctrl_ZADuraulator->addTab(ts_PositionSizing, QStringLiteral("Position Sizing"));
    pgctrl_ZADuraulator->addTab(ts_Simulator, QStringLiteral("Simulator"));
    pgctrl_ZADuraulator->addTab(ts_SavingsCalculator, QStringLiteral("Profit Projections"));
    pgctrl_ZADuraulator->addTab(ts_About, QString::fromUtf8(SiteAddressShown));

    lbl_Version = new QLabel(QString::fromUtf8(VersionLabel), this);
    lbl_Version->setObjectName(QStringLiteral("lbl_Version"));
    lbl_Version->move(664, 608);
    fitToCaption(lbl_Version);  // sized to its text, as the other captions are

    lbl_Url3 = new LinkLabel(QStringLiteral("lbl_Url3"), QString::fromUtf8(SiteAddressShown), this);
    lbl_Url3->setFont(arialFont(13));
    QPalette blue = lbl_Url3->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbl_Url3->setPalette(blue);
    lbl_Url3->setGeometry(8, 608, 165, 16);

    new PageSwitchKeys(pgctrl_ZADuraulator, this);

    connect(lbl_Url3, &LinkLabel::clicked, this, &TfMain::lbl_UrlClick);
    connect(ts_About, &AboutPage::urlClicked, this, &TfMain::lbl_UrlClick);
    connect(ts_PositionSizing, &PositionSizingPage::closeRequested, this, &TfMain::btn_CloseClick);
}

// The start-up steps in their order. Those the first page does not need run
// once the window has painted itself, so that it appears at once. An error in
// one is shown in the error box and skips the steps after it; the window
// opens all the same.
void TfMain::FormCreate()
{
    startUpSteps_ = {
        [this] { pgctrl_ZADuraulator->setCurrentIndex(0); },
        [this] { ts_PositionSizing->build(); },
        [this] { ts_PositionSizing->setDisabledColor(DisabledColor()); },
        [this] { ts_PositionSizing->clearResult(); },
        [this] { ts_PositionSizing->DisablePositionInputs(); },
        [this] { ts_About->build(); },
        [this] { CreateWorkFolders(); },
        [this] { LoadHelpDocument(); },
        [this] { LoadSimulatorPage(); },
        [this] { LoadProfitProjectionsPage(); },
        [this] { LoadReportTemplate(); },
    };
    constexpr std::size_t firstLaterStep = 1;
    laterSteps_.setSingleShot(true);
    laterSteps_.setInterval(0);  // a timer, not a posted call: the picture reaches the screen first
    connect(&laterSteps_, &QTimer::timeout, this, [this] { runStartUpSteps(startUpSteps_.size()); });
    runStartUpSteps(firstLaterStep);
}

void TfMain::runStartUpSteps(std::size_t end)
{
    while (nextStep_ < end) {
        try {
            startUpSteps_[nextStep_++]();
        } catch (const std::exception& error) {
            nextStep_ = startUpSteps_.size();
            showErrorBox(error.what());
        }
    }
    if (isStartedUp())
        putAddressLastInTabOrder();
}

void TfMain::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!isStartedUp() && !laterSteps_.isActive())
        laterSteps_.start();
}

// Each folder only if it is missing; one that exists must be our own and private.
void TfMain::CreateWorkFolders()
{
    const WorkFolders folders = PrepareWorkFolders();
    WorkFolder = QString::fromStdString(folders.documents);
    ProjectionsFolder = QString::fromStdString(folders.projections);
}

void TfMain::LoadHelpDocument()
{
    const QString path = WorkFolder + QStringLiteral("Help.rtf");
    WriteEmbeddedDocument(QStringLiteral("myHelp"), path);
    QTextEdit* pane = ts_PositionSizing->helpPane();
    LoadRtf(ReadDocument(LocalPath(path), kLargestHelpDocument), *pane->document());
    pane->moveCursor(QTextCursor::Start);
}

void TfMain::LoadSimulatorPage()
{
    WriteEmbeddedDocument(QStringLiteral("myHTML"), WorkFolder + QStringLiteral("Home.htm"));
    ts_Simulator->navigate(WorkFolder + QStringLiteral("Home.htm"));
}

void TfMain::LoadProfitProjectionsPage()
{
    // The resource numbers of the data files; the panel's code is built in.
    const struct {
        int resource;
        const char* name;
    } files[] = {{0, "background.jpg"}, {1, "Calculators.css"}, {3, "CompoundSavings.html"}};
    for (const auto& file : files)
        WriteEmbeddedDocument(QStringLiteral("rcSavCalc%1").arg(file.resource),
                              ProjectionsFolder + QString::fromLatin1(file.name));
    ts_SavingsCalculator->navigate(ProjectionsFolder + QStringLiteral("CompoundSavings.html"));
}

void TfMain::LoadReportTemplate()
{
    WriteEmbeddedDocument(QStringLiteral("myReport"), WorkFolder + QStringLiteral("rvReport.rav"));
    ts_TradePlanner->setReportProjectFile(WorkFolder + QStringLiteral("rvReport.rav"));
}

// Pages built by the later start-up steps come after the address label in
// the focus chain; Tab still comes to the label after the controls of the page.
void TfMain::putAddressLastInTabOrder()
{
    if (QWidget* last = previousInFocusChain(); last != lbl_Url3)
        setTabOrder(last, lbl_Url3);
}

void TfMain::btn_CloseClick() { close(); }

void TfMain::lbl_UrlClick() { openUrl(QUrl(QString::fromUtf8(SiteAddress))); }

void TfMain::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace korvex
