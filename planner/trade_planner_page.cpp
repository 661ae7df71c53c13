#include "planner/trade_planner_page.h"

#include "app/widgets/accessible_caption.h"
#include "app/widgets/caption_size.h"
#include "app/files/file_names.h"
#include "app/widgets/labelled_edit.h"
#include "app/widgets/message_box.h"
#include "app/files/save_location.h"
#include "planner/notes_memo.h"
#include "planner/trade_plan.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace korvex {

namespace {

enum class Kind { Banner, BannerText, Label, Input, Result, Combo, Memo, Button };

struct Placement {
    const char* name;
    Kind kind;
    const char* caption;
    QRect rect;  // a zero width or height: sized to its caption
};

// The page as drawn, in tab order for the controls that take the focus.
// Every field is 21 high, every button 75 x 25.
const Placement kLayout[] = {
    {"Image16", Kind::Banner, ":/pictures/banner.jpg", {8, 8, 697, 73}},
    {"Label6", Kind::BannerText, "Use this trade planner to document each of your trades.", {24, 21, 0, 0}},
    {"Label27", Kind::BannerText, "You may print each plan to paper or to PDF file for future reference.",
     {24, 37, 0, 0}},
    {"Label28", Kind::BannerText,
     "Keeping a record of trades helps ensure consistency and also prevents emotions from effecting your "
     "trading plans.",
     {24, 53, 0, 0}},
    {"lbl_edt_AccountBalance", Kind::Input, "Account Balance $:", {224, 96, 121, 21}},
    {"lbl_edt_Ticker", Kind::Input, "Ticker :", {224, 120, 121, 21}},
    {"Label24", Kind::Label, "Position :", {171, 147, 0, 0}},
    {"cbo_Position", Kind::Combo, "", {224, 144, 121, 21}},
    {"lbl_edt_EntryPrice", Kind::Input, "Entry Price $:", {224, 168, 121, 21}},
    {"lbl_edt_TargetPrice", Kind::Input, "Target Price $:", {224, 192, 121, 21}},
    {"lbl_edt_StopLoss", Kind::Input, "Stop Loss $:", {224, 216, 121, 21}},
    {"lbl_edt_NumberOfShares", Kind::Input, "Number of Shares :", {224, 240, 121, 21}},
    {"lbl_edt_RiskRewardRatio", Kind::Result, "Risk / Reward Ratio :", {488, 96, 121, 21}},
    {"lbl_edt_PotentialProfit", Kind::Result, "Potential Profit $:", {488, 120, 121, 21}},
    {"lbl_edt_PotentialProfitPercent", Kind::Result, "Potential Profit %:", {488, 144, 121, 21}},
    {"lbl_edt_PotentialLoss", Kind::Result, "Equity At Risk $:", {488, 168, 121, 21}},
    {"lbl_edt_EquityAtRisk", Kind::Result, "Equity At Risk % :", {488, 192, 122, 21}},
    {"Label26", Kind::Label, "Notes :", {8, 280, 0, 0}},
    {"mem_Note", Kind::Memo, "", {8, 296, 694, 193}},
    {"btn_TradePlannerCalculate", Kind::Button, "&Calculate", {264, 512, 75, 25}},
    {"btn_TradePlannerPrint", Kind::Button, "&Print", {344, 512, 75, 25}},
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* plainLabel(const Placement& place, QWidget* parent)
{
    auto* label = new QLabel(text(place.caption), parent);
    label->setObjectName(text(place.name));
    label->move(place.rect.topLeft());
    fitToCaption(label);
    return label;
}

}  // namespace

TradePlannerPage::TradePlannerPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_TradePlanner"));
    buildControls();
    chainTabOrder();
}

void TradePlannerPage::setReportProjectFile(const QString& path) { projectFile_ = path; }

void TradePlannerPage::buildControls()
{
    for (const Placement& place : kLayout) {
        const QString name = text(place.name);
        switch (place.kind) {
        case Kind::Banner: {
            // Unscaled from its top-left corner, cut to the frame.
            auto* banner = new QLabel(this);
            banner->setObjectName(name);
            banner->setGeometry(place.rect);
            banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            banner->setPixmap(QPixmap(text(place.caption)));
            break;
        }
        case Kind::BannerText: {
            QLabel* label = plainLabel(place, this);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(palette);
            break;
        }
        case Kind::Label:
            plainLabel(place, this);
            break;
        case Kind::Input:
        case Kind::Result: {
            auto* edit = new LabelledEdit(name, text(place.caption), place.rect, this);
            if (place.kind == Kind::Result) {
                // Clickable and writable, but skipped by Tab, on the button face.
                edit->setFocusPolicy(Qt::ClickFocus);
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Base, palette.color(QPalette::Button));
                edit->setPalette(palette);
            }
            break;
        }
        case Kind::Combo:
            cbo_Position = new QComboBox(this);
            cbo_Position->setObjectName(name);
            cbo_Position->setGeometry(place.rect);
            cbo_Position->addItems({QStringLiteral("Long"), QStringLiteral("Short")});
            cbo_Position->setCurrentIndex(0);
            break;
        case Kind::Memo:
            mem_Note = new NotesMemo(kNotesLength, this);
            mem_Note->setObjectName(name);
            mem_Note->setGeometry(place.rect);
            mem_Note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            mem_Note->setTabChangesFocus(true);
            break;
        case Kind::Button: {
            auto* button = new QPushButton(text(place.caption), this);
            button->setObjectName(name);
            button->setGeometry(place.rect);
            // Enter on a focused button presses that button.
            button->setAutoDefault(true);
            break;
        }
        }
    }
    lbl_edt_AccountBalance = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_AccountBalance"));
    lbl_edt_Ticker = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_Ticker"));
    lbl_edt_EntryPrice = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_EntryPrice"));
    lbl_edt_TargetPrice = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_TargetPrice"));
    lbl_edt_StopLoss = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_StopLoss"));
    lbl_edt_NumberOfShares = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_NumberOfShares"));
    lbl_edt_RiskRewardRatio = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_RiskRewardRatio"));
    lbl_edt_PotentialProfit = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_PotentialProfit"));
    lbl_edt_PotentialProfitPercent = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_PotentialProfitPercent"));
    lbl_edt_PotentialLoss = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_PotentialLoss"));
    lbl_edt_EquityAtRisk = findChild<LabelledEdit*>(QStringLiteral("lbl_edt_EquityAtRisk"));
    btn_TradePlannerCalculate = findChild<QPushButton*>(QStringLiteral("btn_TradePlannerCalculate"));
    btn_TradePlannerPrint = findChild<QPushButton*>(QStringLiteral("btn_TradePlannerPrint"));

    // The two plain captions name their controls for screen readers.
    for (auto [label, control] : {std::pair<const char*, QWidget*>{"Label24", cbo_Position}, {"Label26", mem_Note}})
        nameAfterCaption(findChild<QLabel*>(text(label)), control);
    btn_TradePlannerCalculate->setDefault(true);

    connect(btn_TradePlannerCalculate, &QPushButton::clicked, this,
            &TradePlannerPage::btn_TradePlannerCalculateClick);
    connect(btn_TradePlannerPrint, &QPushButton::clicked, this, &TradePlannerPage::btn_TradePlannerPrintClick);
}

void TradePlannerPage::chainTabOrder()
{
    QWidget* previous = nullptr;
    for (const Placement& place : kLayout) {
        if (place.kind == Kind::Banner || place.kind == Kind::BannerText || place.kind == Kind::Label)
            continue;
        auto* control = findChild<QWidget*>(text(place.name));
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// Enter anywhere on the page presses Calculate; the memo takes Enter for a
// new line and a focused button presses itself, so neither gets here.
void TradePlannerPage::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        btn_TradePlannerCalculate->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TradePlannerPage::btn_TradePlannerCalculateClick()
{
    const TradePlanOutcome outcome = CalculateTradePlan({
        lbl_edt_AccountBalance->text().toStdString(),
        lbl_edt_EntryPrice->text().toStdString(),
        lbl_edt_TargetPrice->text().toStdString(),
        lbl_edt_StopLoss->text().toStdString(),
        lbl_edt_NumberOfShares->text().toStdString(),
    });
    if (const auto* refusal = std::get_if<TradePlanRefusal>(&outcome)) {
        showMessageBox({QStringLiteral("Error"), QString::fromStdString(refusal->message()), QMessageBox::Critical});
        lbl_edt_NumberOfShares->setFocus(Qt::OtherFocusReason);
        lbl_edt_NumberOfShares->selectAll();
        return;
    }
    const auto& results = std::get<TradePlanResults>(outcome);
    lbl_edt_RiskRewardRatio->setText(QString::fromStdString(results.riskRewardRatio));
    lbl_edt_PotentialProfit->setText(QString::fromStdString(results.potentialProfit));
    lbl_edt_PotentialLoss->setText(QString::fromStdString(results.potentialLoss));
    lbl_edt_PotentialProfitPercent->setText(QString::fromStdString(results.potentialProfitPercent));
    lbl_edt_EquityAtRisk->setText(QString::fromStdString(results.equityAtRisk));
}

void TradePlannerPage::btn_TradePlannerPrintClick() { PrintTradePlan(); }

// Reads the page as it stands (results included, even if stale) and never
// writes to it.
void TradePlannerPage::PrintTradePlan()
{
    RvProject_.setProjectFile(projectFile_);
    const OpenRvProject open(RvProject_);
    RavePage& page = RvProject_.ProjectManager().FindPage(kTradePlanPage);
    const TradePlanSheet sheet = readSheet();
    const QDateTime now = clock_();
    FillTradePlanPage(page, TradePlanFill(sheet, planDate(now)));
    const std::string stem = SafeFileStem(sheet.ticker, "Trade plan");
    RvProject_.system().outputFileName
        = DatedFileName(QString::fromStdString(stem), now.date(), QStringLiteral(".pdf"));
    RvProject_.ExecuteReport("Report1", window());
}

TradePlanSheet TradePlannerPage::readSheet() const
{
    return {
        lbl_edt_AccountBalance->text().toStdString(),
        lbl_edt_Ticker->text().toStdString(),
        cbo_Position->currentText().toStdString(),
        lbl_edt_EntryPrice->text().toStdString(),
        lbl_edt_TargetPrice->text().toStdString(),
        lbl_edt_StopLoss->text().toStdString(),
        lbl_edt_NumberOfShares->text().toStdString(),
        lbl_edt_RiskRewardRatio->text().toStdString(),
        lbl_edt_PotentialProfit->text().toStdString(),
        lbl_edt_PotentialProfitPercent->text().toStdString(),
        lbl_edt_PotentialLoss->text().toStdString(),
        lbl_edt_EquityAtRisk->text().toStdString(),
        mem_Note->toPlainText().toStdString(),
    };
}

std::string TradePlannerPage::planDate(const QDateTime& now)
{
    const QLocale locale;
    DateNames names;
    for (int day = 1; day <= 7; ++day)
        names.days[static_cast<std::size_t>(day - 1)] = locale.dayName(day, QLocale::LongFormat).toStdString();
    for (int month = 1; month <= 12; ++month)
        names.months[static_cast<std::size_t>(month - 1)] =
            locale.monthName(month, QLocale::LongFormat).toStdString();
    const QDate date = now.date();
    const QTime time = now.time();
    return FormatPlanDate({date.year(), date.month(), date.day(), date.dayOfWeek(), time.hour(), time.minute()},
                          names);
}

}  // namespace korvex
