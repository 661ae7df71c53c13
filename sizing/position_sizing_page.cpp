#include "sizing/position_sizing_page.h"

#include "app/widgets/accessible_caption.h"
#include "app/widgets/caption_size.h"
#include "app/fonts.h"
#include "app/widgets/labelled_edit.h"
#include "sizing/flat_face_style.h"
#include "sizing/groove_group_box.h"
#include "sizing/money_management.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <type_traits>

namespace korvex {

namespace {

struct Place {
    std::string_view name;
    QRect rect;
};

// Pixels at 96 dpi, relative to the page; the controls from Label3 to
// lbl_edt_Float lie inside the group box and are relative to it. A width of
// 0 means a label sized to its caption.
constexpr Place kLayout[] = {
    {"Image2",                   {8, 8, 377, 73}},
    {"Label1",                   {23, 29, 344, 26}},
    {"Label2",                   {8, 96, 0, 0}},
    {"cbo_MoneyManagementModel", {176, 92, 209, 21}},
    {"grp_CalculatePosition",    {8, 128, 377, 145}},
    {"Label3",                   {24, 32, 0, 0}},
    {"cbo_Instrument",           {96, 29, 90, 21}},
    {"lbl_edt_Quantity",         {96, 56, 73, 21}},
    {"lbl_edt_Price",            {96, 80, 73, 21}},
    {"lbl_edt_Stop",             {96, 104, 73, 21}},
    {"lbl_edt_Leverage",         {280, 24, 73, 21}},
    {"lbl_edt_TotalFunds",       {280, 48, 73, 21}},
    {"lbl_edt_Risk",             {280, 72, 73, 21}},
    {"lbl_edt_Float",            {280, 96, 73, 21}},
    {"btn_Close",                {16, 288, 75, 25}},
    {"btn_Reset",                {232, 288, 75, 25}},
    {"btn_Calculate",            {312, 288, 75, 25}},
    {"Label4",                   {8, 328, 0, 0}},
    {"Bevel2",                   {43, 334, 342, 2}},  // a sunken rule: shadow over highlight
    {"mem_Result",               {8, 347, 376, 206}},
    {"redt_Help",                {392, 8, 310, 545}},
};

QRect placeOf(std::string_view name)
{
    const auto* place = std::find_if(std::begin(kLayout), std::end(kLayout),
                                     [name](const Place& p) { return p.name == name; });
    Q_ASSERT(place != std::end(kLayout));
    return place->rect;
}

template <class Widget>
Widget* placed(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    const QRect rect = placeOf(name);
    if (rect.width() > 0) {
        widget->setGeometry(rect);
    } else {
        widget->move(rect.topLeft());
        if constexpr (std::is_base_of_v<QLabel, Widget>)
            fitToCaption(widget);
        else
            widget->adjustSize();
    }
    return widget;
}

constexpr int kCaptionGap = 3;

// Switched-on colours are set explicitly, not taken from the desktop theme.
const QColor kOnColour(255, 255, 255);

void paintInputBackground(QWidget* input, const QColor& colour)
{
    QPalette palette = input->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);    // edit boxes
        palette.setColor(group, QPalette::Button, colour);  // the face of a drop-down list
    }
    input->setPalette(palette);
}

// The layout was drawn for "MS Sans Serif", which is narrower than its
// stand-ins: a caption that would run under the control beside it is set a
// little tighter, never by more than half a pixel a letter.
void fitCaption(QLabel* label, int width)
{
    QFont font = label->font();
    for (int step = 1; step <= 5 && QFontMetrics(font).horizontalAdvance(label->text()) > width; ++step)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.1 * step);
    label->setFont(font);
    fitToCaption(label);
}

std::string textOf(const LabelledEdit* edit) { return edit->text().toStdString(); }

}  // namespace

PositionSizingPage::PositionSizingPage(QWidget* parent, Build when)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_PositionSizing"));
    if (when == Build::Now)
        build();
}

void PositionSizingPage::build()
{
    buildControls();
    chainTabOrder();
}

void PositionSizingPage::buildControls()
{
    Image2 = placed(new QLabel(this), "Image2");
    Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.jpg")));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // unscaled, clipped at the right and bottom

    Label1 = new QLabel(QStringLiteral("Use this utility to calculate various trading position sizes based upon best "
                                       "practice money management models. "),
                        this);
    placed(Label1, "Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette bannerText = Label1->palette();
    bannerText.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(bannerText);

    Label2 = placed(new QLabel(QStringLiteral("Select Money Management Model:"), this), "Label2");

    cbo_MoneyManagementModel = placed(new QComboBox(this), "cbo_MoneyManagementModel");
    for (const char* name : kModelNames)
        cbo_MoneyManagementModel->addItem(QString::fromLatin1(name));
    cbo_MoneyManagementModel->setCurrentIndex(-1);
    cbo_MoneyManagementModel->setMaxVisibleItems(kModelCount);
    connect(cbo_MoneyManagementModel, &QComboBox::activated, this,
            &PositionSizingPage::cbo_MoneyManagementModelChange);

    fitCaption(Label2, cbo_MoneyManagementModel->x() - kCaptionGap - Label2->x());
    nameAfterCaption(Label2, cbo_MoneyManagementModel);

    buildPositionGroup();

    btn_Close = placed(new QPushButton(QStringLiteral("&Close"), this), "btn_Close");
    btn_Reset = placed(new QPushButton(QStringLiteral("&Reset"), this), "btn_Reset");
    btn_Calculate = placed(new QPushButton(QStringLiteral("Ca&lculate"), this), "btn_Calculate");
    connect(btn_Close, &QPushButton::clicked, this, &PositionSizingPage::closeRequested);
    connect(btn_Reset, &QPushButton::clicked, this, &PositionSizingPage::btn_ResetClick);
    connect(btn_Calculate, &QPushButton::clicked, this, &PositionSizingPage::btn_CalculateClick);

    Label4 = placed(new QLabel(QStringLiteral("Result"), this), "Label4");
    Bevel2 = placed(new QFrame(this), "Bevel2");
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Sunken);

    mem_Result = placed(new QPlainTextEdit(this), "mem_Result");
    mem_Result->setReadOnly(true);
    mem_Result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mem_Result->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mem_Result->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mem_Result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = windowFont();
    bold.setBold(true);
    mem_Result->setFont(bold);
    nameAfterCaption(Label4, mem_Result);

    redt_Help = placed(new QTextEdit(this), "redt_Help");
    redt_Help->setReadOnly(true);
    redt_Help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redt_Help->setLineWrapMode(QTextEdit::WidgetWidth);
    redt_Help->setAccessibleName(QStringLiteral("Help"));
}

void PositionSizingPage::buildPositionGroup()
{
    // The caption sits in the frame's top edge, so that the inputs placed
    // from the box's corner have room below it.
    grp_CalculatePosition = new GrooveGroupBox(QStringLiteral(" Calculate Position "), this);
    placed(grp_CalculatePosition, "grp_CalculatePosition");
    QWidget* group = grp_CalculatePosition;

    Label3 = placed(new QLabel(QStringLiteral("Instrument:"), group), "Label3");
    cbo_Instrument = placed(new QComboBox(group), "cbo_Instrument");
    cbo_Instrument->setStyle(FlatFaceStyle::instance());  // switched on and off like the edits
    cbo_Instrument->addItems({QStringLiteral("Shares"), QStringLiteral("Leveraged")});
    cbo_Instrument->setCurrentIndex(0);
    nameAfterCaption(Label3, cbo_Instrument);
    connect(cbo_Instrument, &QComboBox::activated, this, &PositionSizingPage::cbo_InstrumentChange);

    const auto edit = [group](const char* name, const char* caption) {
        return new LabelledEdit(QLatin1String(name), QLatin1String(caption), placeOf(name), group);
    };
    lbl_edt_Quantity = edit("lbl_edt_Quantity", "Quantity #:");
    lbl_edt_Price = edit("lbl_edt_Price", "Price $:");
    lbl_edt_Stop = edit("lbl_edt_Stop", "Stop $:");
    lbl_edt_Leverage = edit("lbl_edt_Leverage", "Leverage %:");
    lbl_edt_TotalFunds = edit("lbl_edt_TotalFunds", "Total Funds:");
    lbl_edt_Risk = edit("lbl_edt_Risk", "Risk %:");
    lbl_edt_Float = edit("lbl_edt_Float", "Float %:");
}

void PositionSizingPage::chainTabOrder()
{
    QWidget* const order[] = {
        cbo_MoneyManagementModel, cbo_Instrument, lbl_edt_Quantity, lbl_edt_Price,
        lbl_edt_Stop,             lbl_edt_Leverage, lbl_edt_TotalFunds, lbl_edt_Risk,
        lbl_edt_Float,            btn_Close,      btn_Reset,          btn_Calculate,
        mem_Result,               redt_Help,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void PositionSizingPage::setDisabledColor(const QColor& colour) { disabledColor_ = colour; }

void PositionSizingPage::clearResult() { mem_Result->clear(); }

void PositionSizingPage::switchInput(QWidget* input, bool on)
{
    input->setEnabled(on);
    paintInputBackground(input, on ? kOnColour : disabledColor_);
}

void PositionSizingPage::DisablePositionInputs()
{
    const std::initializer_list<QWidget*> inputs{
        cbo_Instrument,     lbl_edt_Quantity, lbl_edt_Price, lbl_edt_Stop,
        lbl_edt_Leverage,   lbl_edt_TotalFunds, lbl_edt_Risk, lbl_edt_Float,
    };
    for (QWidget* input : inputs)
        switchInput(input, false);
    btn_Reset->setEnabled(false);
    btn_Calculate->setEnabled(false);
}

void PositionSizingPage::cbo_MoneyManagementModelChange()
{
    const int model = cbo_MoneyManagementModel->currentIndex();
    if (model < 0)
        return;
    const ModelFields used = fieldsUsedBy(model);
    switchInput(cbo_Instrument, true);
    switchInput(lbl_edt_Quantity, used.quantity);
    switchInput(lbl_edt_Price, true);
    switchInput(lbl_edt_Stop, true);
    switchInput(lbl_edt_TotalFunds, used.totalFunds);
    switchInput(lbl_edt_Risk, used.risk);
    switchInput(lbl_edt_Float, used.floatPercent);
    btn_Reset->setEnabled(true);
    btn_Calculate->setEnabled(true);
    // The other models leave the caption as the last risk model set it.
    if (model == FixedDollarRisk)
        lbl_edt_Risk->setCaption(QStringLiteral("Risk $"));
    else if (model == FixedPercentRisk)
        lbl_edt_Risk->setCaption(QStringLiteral("Risk %"));
    cbo_InstrumentChange();
}

void PositionSizingPage::cbo_InstrumentChange()
{
    const bool leveraged = cbo_Instrument->currentIndex() == 1;
    switchInput(lbl_edt_Leverage, leveraged);
    lbl_edt_Leverage->setText(leveraged ? QStringLiteral("5") : QString());
}

void PositionSizingPage::btn_ResetClick()
{
    for (LabelledEdit* edit :
         {lbl_edt_Quantity, lbl_edt_Price, lbl_edt_Stop, lbl_edt_TotalFunds, lbl_edt_Risk, lbl_edt_Float})
        edit->clear();
}

// An arithmetic error leaves this handler as an exception, shown by the
// application's error box, before the memo is touched.
void PositionSizingPage::btn_CalculateClick()
{
    const int model = cbo_MoneyManagementModel->currentIndex();
    if (model < 0)
        return;  // the button stays disabled until a model is chosen
    const PositionFields fields{
        .quantity = textOf(lbl_edt_Quantity),
        .price = textOf(lbl_edt_Price),
        .stop = textOf(lbl_edt_Stop),
        .totalFunds = textOf(lbl_edt_TotalFunds),
        .floatPercent = textOf(lbl_edt_Float),
        .risk = textOf(lbl_edt_Risk),
        .leverage = textOf(lbl_edt_Leverage),
        .leverageEnabled = lbl_edt_Leverage->isEnabled(),
    };
    mem_Result->setPlainText(QString::fromStdString(PositionSizeText(model, fields)));
}

}  // namespace korvex
