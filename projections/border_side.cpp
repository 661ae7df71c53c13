#include "projections/border_side.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace korvex {

namespace {
constexpr qreal kArc = 8;
}

BorderSide::BorderSide(const Look& look, const QString& title, QWidget* parent)
    : QWidget(parent)
    , look_(look)
    , title_(title)
{
    setObjectName(QStringLiteral("border"));
    setAccessibleName(title_);
}

void BorderSide::showTitle()
{
    if (!error_)
        return;
    error_ = false;
    setAccessibleName(title_);
    update();
}

void BorderSide::showError(const QString& message)
{
    error_ = true;
    message_ = message;
    setAccessibleName(message);
    update();
}

int BorderSide::bandHeight() const
{
    return static_cast<int>(std::lround(1.75 * QFontMetrics(look_.titleFont).height()));
}

QRect BorderSide::contentRect() const
{
    const int w = look_.lineWidth;
    return QRect(w, w + bandHeight(), width() - 2 * w, height() - 2 * w - bandHeight());
}

void BorderSide::draw(QPainter& painter) const
{
    painter.save();
    painter.fillRect(rect(), look_.pageBackground);
    painter.setRenderHint(QPainter::Antialiasing, look_.rounded);

    const qreal half = look_.lineWidth / 2.0;
    const QRectF frame = QRectF(rect()).adjusted(half, half, -half, -half);
    QPainterPath outline;
    if (look_.rounded)
        outline.addRoundedRect(frame, kArc, kArc);
    else
        outline.addRect(frame);
    painter.fillPath(outline, look_.background);

    const QRect band(look_.lineWidth, look_.lineWidth, width() - 2 * look_.lineWidth, bandHeight());
    if (error_) {
        painter.save();
        painter.setClipPath(outline);
        painter.fillRect(band, Qt::red);
        painter.restore();
    }
    if (look_.lineWidth > 0) {
        painter.setPen(QPen(look_.line, look_.lineWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
    }

    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(look_.titleColour);
    painter.setFont(error_ ? look_.messageFont : look_.titleFont);
    const QString text
        = painter.fontMetrics().elidedText(error_ ? message_ : title_, Qt::ElideRight, band.width() - 8);
    painter.drawText(band, Qt::AlignCenter, text);
    painter.restore();
}

void BorderSide::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter);
}

} // namespace korvex
