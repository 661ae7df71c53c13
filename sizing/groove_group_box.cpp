#include "sizing/groove_group_box.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace korvex {

namespace {

constexpr int FrameTop = 6;
constexpr int CaptionLeft = 6;
const QColor GrooveShadow(0xc8, 0xc8, 0xc8);

// Each side is an outer and an inner line of one pixel: shadow then light
// at the top and left, light then shadow at the bottom and right; the top
// and left are drawn last and keep the corners.
void drawGroove(QPainter& painter, const QRect& frame)
{
    const QColor light = GrooveShadow.lighter();
    const int x = frame.x();
    const int y = frame.y();
    const int w = frame.width();
    const int h = frame.height();
    const struct {
        QRect line;
        QColor colour;
    } lines[] = {
        {{x, y + h - 1, w, 1}, light},       {{x + 1, y + h - 2, w - 2, 1}, GrooveShadow},
        {{x + w - 1, y, 1, h}, light},       {{x + w - 2, y + 1, 1, h - 2}, GrooveShadow},
        {{x, y, 1, h}, GrooveShadow},        {{x + 1, y + 1, 1, h - 2}, light},
        {{x, y, w, 1}, GrooveShadow},        {{x + 1, y + 1, w - 2, 1}, light},
    };
    for (const auto& line : lines)
        painter.fillRect(line.line, line.colour);
}

}  // namespace

GrooveGroupBox::GrooveGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

// As wide as the style's own caption, which leaves room for a blank after the text.
QRect GrooveGroupBox::captionRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = std::max(metrics.horizontalAdvance(title()),
                               metrics.size(Qt::TextShowMnemonic, title() + QLatin1Char(' ')).width());
    return QRect(CaptionLeft, 0, width, metrics.height());
}

void GrooveGroupBox::paintEvent(QPaintEvent*)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect caption = captionRect();
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()) - caption);
    drawGroove(painter, rect().adjusted(0, FrameTop, 0, 0));
    painter.setClipping(false);

    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    QPalette palette = option.palette;
    if (option.textColor.isValid())
        palette.setColor(QPalette::WindowText, option.textColor);
    style()->drawItemText(&painter, caption, flags, palette, isEnabled(), title(), QPalette::WindowText);
}

}  // namespace korvex
