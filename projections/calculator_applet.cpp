#include "projections/calculator_applet.h"

#include "app/fonts.h"
#include "app/installed_family.h"
#include "projections/border_side.h"
#include "projections/field_rule.h"

#include <algorithm>

namespace korvex {

namespace {

QColor fromRgb(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

std::uint32_t toRgb(QColor colour)
{
    return colour.rgb() & 0xFFFFFFu;
}

} // namespace

CalculatorApplet::CalculatorApplet(PanelParameters parameters, QWidget* parent)
    : QWidget(parent)
    , parameters_(std::move(parameters))
{
    setObjectName(QStringLiteral("calculator"));
    titleFont_ = font("TITLE", true, 17);
    boldFont_ = font("BOLD", true, 11);
    plainFont_ = font("PLAIN", false, 11);
    tinyFont_ = font("TINY", false, 2);
    graphTitleFont_ = font("GRAPHTITLE", true, 13);
    background_ = colour("BACKGROUND_COLOR", Qt::white);
    foreground_ = colour("FOREGROUND_COLOR", Qt::black);
    graphColour_ = colour("GRAPHCOLOR1", QColor(0x7F, 0x7F, 0xFF));
    graphBackground_ = colour("COLOR1", Qt::white);

    BorderSide::Look look;
    look.pageBackground = colour("PAGEBACKGROUND_COLOR", Qt::white);
    look.background = background_;
    look.line = colour("BORDER_COLOR", foreground_);
    look.titleColour = colour("FONTCOLOR_TITLE", foreground_);
    look.titleFont = titleFont_;
    look.messageFont = graphTitleFont_;
    look.lineWidth = std::clamp(parameters_.wholeNumber("BORDER_WIDTH", 2), 0, 10);
    look.rounded = QString::fromStdString(parameters_.text("BORDER_TYPE", "ROUND")).trimmed().toUpper()
        == QStringLiteral("ROUND");
    border_ = new BorderSide(look, text("MSG_TITLE_LBL", "Trading Account Profit Projections"), this);
}

void CalculatorApplet::calculate()
{
    try {
        clearInputed();
        setValues();
        recalculate();
        refresh();
        border_->showTitle();
    } catch (const InputError& error) {
        border_->showError(QString::fromStdString(error.what()));
    }
}

QColor CalculatorApplet::colour(std::string_view name, QColor fallback) const
{
    return fromRgb(parameters_.colour(name, toRgb(fallback)));
}

QString CalculatorApplet::text(std::string_view name, std::string_view fallback) const
{
    return QString::fromStdString(parameters_.text(name, fallback));
}

void CalculatorApplet::resizeEvent(QResizeEvent*)
{
    border_->setGeometry(rect());
}

// Font parameters: FONT_<key> the family, FONTSTYLE_<key> PLAIN, BOLD,
// ITALIC or BOLDITALIC, FONTSIZE_<key> the size in pixels.
QFont CalculatorApplet::font(std::string_view key, bool bold, int size) const
{
    const std::string k(key);
    QFont font(installedFamily(text("FONT_" + k, "Helvetica")));
    const QString style = text("FONTSTYLE_" + k, "").trimmed().toUpper();
    bool italic = false;
    if (style == QStringLiteral("PLAIN") || style == QStringLiteral("BOLD")
        || style == QStringLiteral("ITALIC") || style == QStringLiteral("BOLDITALIC")) {
        bold = style.startsWith(QStringLiteral("BOLD"));
        italic = style.endsWith(QStringLiteral("ITALIC"));
    }
    font.setPixelSize(std::clamp(parameters_.wholeNumber("FONTSIZE_" + k, size), 1, 72));
    font.setBold(bold);
    font.setItalic(italic);
    return evenlySpaced(font);
}

} // namespace korvex
