#include "projections/slider.h"

#include "projections/slider_scale.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace korvex {

namespace {
constexpr int kKnobHalfWidth = 4;
constexpr int kKnobHalfHeight = 7;
} // namespace

Slider::Slider(const QString& objectName, double minimum, double maximum, const QStringList& legend,
    const Look& look, QWidget* parent)
    : QWidget(parent)
    , minimum_(minimum)
    , maximum_(maximum)
    , value_(minimum)
    , legend_(legend)
    , look_(look)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus); // the field beside it takes the keys
    setCursor(Qt::PointingHandCursor);
}

void Slider::setValue(double value)
{
    const double clamped = std::clamp(value, minimum_, maximum_);
    if (clamped == value_)
        return;
    value_ = clamped;
    update();
}

int Slider::knobX() const
{
    return SliderKnobAt(value_, width(), minimum_, maximum_);
}

int Slider::trackY() const
{
    return kKnobHalfHeight + 1;
}

QSize Slider::sizeHint() const
{
    return { 200, trackY() + kKnobHalfHeight + QFontMetrics(look_.font).height() + 1 };
}

void Slider::draw(QPainter& painter) const
{
    painter.save();
    const int y = trackY();
    painter.setPen(look_.line);
    painter.drawLine(kSliderInset, y, width() - kSliderInset - 1, y);

    painter.setFont(look_.font);
    const QFontMetrics metrics(look_.font);
    const int travel = width() - 2 * kSliderInset;
    for (int i = 0; i < legend_.size(); ++i) {
        const int at = legend_.size() == 1 ? kSliderInset : kSliderInset + travel * i / (legend_.size() - 1);
        painter.drawLine(at, y + 2, at, y + 4);
        const int w = metrics.horizontalAdvance(legend_[i]);
        const int left = std::clamp(at - w / 2, 0, std::max(0, width() - w));
        painter.drawText(left, y + kKnobHalfHeight + metrics.ascent(), legend_[i]);
    }

    const int x = knobX();
    const QRect knob(x - kKnobHalfWidth, y - kKnobHalfHeight, 2 * kKnobHalfWidth + 1, 2 * kKnobHalfHeight);
    painter.setBrush(look_.knob);
    painter.drawRect(knob);
    painter.restore();
}

void Slider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter);
}

void Slider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        moveTo(event->position().toPoint().x(), true);
}

void Slider::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        moveTo(event->position().toPoint().x(), false);
}

void Slider::moveTo(int x, bool always)
{
    x = std::clamp(x, kSliderInset, std::max(kSliderInset, width() - kSliderInset));
    if (!always && x == lastX_)
        return;
    lastX_ = x;
    value_ = SliderValueAt(x, width(), minimum_, maximum_);
    update();
    Q_EMIT moved();
}

} // namespace korvex
