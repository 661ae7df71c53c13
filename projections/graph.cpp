#include "projections/graph.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvex {

namespace {
constexpr int kMargin = 4;
constexpr double kColumnShare = 0.6;
constexpr int kWidestColumn = 60;
} // namespace

Graph::Graph(const Look& look, const Fmt& fmt, QWidget* parent)
    : QWidget(parent)
    , look_(look)
    , fmt_(fmt)
{
    setObjectName(QStringLiteral("graph"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Graph::setData(GraphData data)
{
    data_ = std::move(data);
    hovered_ = -1;
    dismissed_ = -1;
    setAccessibleName(data_.title);
    invalidate();
}

void Graph::setBackgroundPicture(const QImage& picture)
{
    picture_ = picture;
    scaledPicture_ = QImage();
    invalidate();
}

void Graph::invalidate()
{
    layoutValid_ = false;
    chartValid_ = false;
    update();
}

QString Graph::valueLabel(int index) const
{
    if (index < 0 || index >= static_cast<int>(data_.values.size()))
        return {};
    return QString::fromStdString(fmt_.dollars(data_.values[static_cast<std::size_t>(index)]))
        + data_.scaleLetter;
}

ValueAxis Graph::axis() const
{
    return layout().axis;
}

QRect Graph::plotRect() const
{
    return layout().plot;
}

const Graph::Layout& Graph::layout() const
{
    if (layoutValid_)
        return layout_;
    Layout& l = layout_;
    const double largest = data_.values.empty()
        ? 0.0
        : static_cast<double>(*std::max_element(data_.values.begin(), data_.values.end()));
    l.axis = ValueAxisFor(largest);
    l.tickLabels.clear();
    const QFontMetrics metrics(look_.font);
    int widestTick = 0;
    for (const double tick : l.axis.ticks) {
        l.tickLabels.append(QString::fromStdString(fmt_.dollars(tick, tick == 0 ? 0 : l.axis.decimals)));
        widestTick = std::max(widestTick, metrics.horizontalAdvance(l.tickLabels.back()));
    }
    int widestCategory = 0;
    for (const QString& category : data_.categories)
        widestCategory = std::max(widestCategory, metrics.horizontalAdvance(category));

    const int titleBottom = kMargin + QFontMetrics(look_.titleFont).height();
    const int top = titleBottom + metrics.height() + 2; // room for the labels on the highest column
    const int left = kMargin + metrics.height() + kMargin + widestTick + 6;
    const int right = width() - kMargin - std::max(8, widestCategory / 2 + 2);
    const int bottom = height() - metrics.height() - 6;
    l.plot = QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
    l.labelStep
        = CategoryLabelStep(static_cast<int>(data_.categories.size()), l.plot.width(), widestCategory);
    layoutValid_ = true;
    return l;
}

int Graph::yOf(double value) const
{
    const Layout& l = layout();
    const double share = l.axis.end > 0 ? std::clamp(value / l.axis.end, 0.0, 1.0) : 0.0;
    return l.plot.y() + l.plot.height() - static_cast<int>(std::lround(share * l.plot.height()));
}

double Graph::centreOf(int index) const
{
    const QRect& plot = layout().plot;
    const double share = static_cast<double>(plot.width()) / std::max<std::size_t>(1, data_.values.size());
    return plot.x() + share * (index + 0.5);
}

QRect Graph::columnRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(data_.values.size()))
        return {};
    const QRect& plot = layout().plot;
    const double share = static_cast<double>(plot.width()) / data_.values.size();
    const int w = std::max(1, static_cast<int>(std::min(share * kColumnShare, double(kWidestColumn))));
    const int x = static_cast<int>(std::lround(centreOf(index) - w / 2.0));
    const int top = yOf(data_.values[static_cast<std::size_t>(index)]);
    return QRect(x, top, w, plot.y() + plot.height() - top);
}

QString Graph::hoverText() const
{
    return valueLabel(hovered_);
}

void Graph::draw(QPainter& painter) const
{
    const Layout& l = layout();
    const QRect& plot = l.plot;
    painter.save();
    painter.fillRect(rect(), look_.background);

    if (!picture_.isNull()) {
        // Scaled once, to the device's pixels, so that a screen above 100 %
        // does not scale it again.
        const qreal ratio = painter.device()->devicePixelRatio();
        const QSize pixels = plot.size() * ratio;
        if (scaledPicture_.size() != pixels || scaledPicture_.devicePixelRatio() != ratio) {
            scaledPicture_ = picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaledPicture_.setDevicePixelRatio(ratio);
        }
        painter.drawImage(plot.topLeft(), scaledPicture_);
    }
    painter.setPen(look_.outline);
    painter.drawRect(plot);

    const QFontMetrics metrics(look_.font);
    painter.setFont(look_.font);
    for (std::size_t i = 0; i < l.axis.ticks.size(); ++i) {
        const int y = yOf(l.axis.ticks[i]);
        if (i > 0) {
            painter.setPen(QPen(look_.foreground, 1, Qt::DotLine));
            painter.drawLine(plot.x() + 1, y, plot.x() + plot.width(), y);
        }
        painter.setPen(look_.foreground);
        painter.drawLine(plot.x() - 3, y, plot.x(), y);
        const QString& label = l.tickLabels[static_cast<int>(i)];
        painter.drawText(plot.x() - 5 - metrics.horizontalAdvance(label),
            y - metrics.height() / 2 + metrics.ascent(), label);
    }

    drawSeries(painter);

    painter.setPen(look_.foreground);
    painter.drawLine(plot.x(), plot.y(), plot.x(), plot.y() + plot.height());
    painter.drawLine(plot.x(), plot.y() + plot.height(), plot.x() + plot.width(), plot.y() + plot.height());

    const int count = static_cast<int>(data_.categories.size());
    const int baseline = plot.y() + plot.height() + 3 + metrics.ascent();
    for (int i = 0; i < count; ++i) {
        if (!ShowsCategoryLabel(i, count, l.labelStep))
            continue;
        const QString& label = data_.categories[i];
        const int w = metrics.horizontalAdvance(label);
        painter.drawText(static_cast<int>(std::lround(centreOf(i) - w / 2.0)), baseline, label);
    }

    if (!data_.axisTitle.isEmpty()) {
        painter.save();
        painter.translate(kMargin + metrics.ascent(), plot.y() + plot.height() / 2.0);
        painter.rotate(-90);
        painter.drawText(-metrics.horizontalAdvance(data_.axisTitle) / 2, 0, data_.axisTitle);
        painter.restore();
    }

    painter.setFont(look_.titleFont);
    painter.drawText(QRect(0, kMargin, width(), QFontMetrics(look_.titleFont).height()),
        Qt::AlignHCenter | Qt::AlignTop, data_.title);
    painter.restore();
}

void Graph::drawSeries(QPainter& painter) const
{
    const int count = static_cast<int>(data_.values.size());
    if (count == 0)
        return;
    if (!drawsColumns()) {
        QPolygon line;
        for (int i = 0; i < count; ++i)
            line << QPoint(
                static_cast<int>(std::lround(centreOf(i))), yOf(data_.values[static_cast<std::size_t>(i)]));
        // Three pixels thick: black underneath, the series colour above it.
        painter.setPen(look_.foreground);
        painter.drawPolyline(line);
        painter.setPen(look_.series);
        painter.drawPolyline(line.translated(0, -1));
        painter.drawPolyline(line.translated(0, -2));
        return;
    }
    const QFontMetrics metrics(look_.font);
    for (int i = 0; i < count; ++i) {
        const QRect column = columnRect(i);
        painter.fillRect(column, look_.series);
        painter.setPen(look_.foreground);
        painter.drawRect(column);
        if (showsValueLabels()) {
            const QString label = valueLabel(i);
            painter.drawText(column.center().x() - metrics.horizontalAdvance(label) / 2,
                column.y() - 3 - metrics.descent(), label);
        }
    }
}

void Graph::drawHoverBox(QPainter& painter) const
{
    const QString text = hoverText();
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(look_.font);
    QRect box(0, 0, metrics.horizontalAdvance(text) + 8, metrics.height() + 4);
    box.moveCenter(QPoint(hoverPoint_.x(), hoverPoint_.y() - 6 - box.height() / 2));
    box.moveLeft(std::clamp(box.x(), 0, std::max(0, width() - box.width() - 1)));
    box.moveTop(std::max(0, box.y()));
    painter.fillRect(box, look_.background);
    painter.setPen(look_.foreground);
    painter.drawRect(box);
    painter.setFont(look_.font);
    painter.drawText(box, Qt::AlignCenter, text);
}

void Graph::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!chartValid_ || chart_.size() != pixels) {
        chart_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        chart_.setDevicePixelRatio(ratio);
        QPainter image(&chart_);
        draw(image);
        chartValid_ = true;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, chart_);
    drawHoverBox(painter);
}

void Graph::resizeEvent(QResizeEvent*)
{
    invalidate();
}

void Graph::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    int found = -1;
    if (drawsColumns())
        for (int i = 0; i < static_cast<int>(data_.values.size()); ++i)
            if (columnRect(i).adjusted(0, 0, 1, 1).contains(at))
                found = i;
    // A click dismisses the box until the pointer goes to another column.
    if (found != dismissed_)
        dismissed_ = -1;
    else
        found = -1;
    if (found != hovered_ || (found >= 0 && at != hoverPoint_)) {
        hovered_ = found;
        hoverPoint_ = at;
        update();
    }
}

void Graph::mousePressEvent(QMouseEvent*)
{
    if (hovered_ >= 0) {
        dismissed_ = hovered_;
        hovered_ = -1;
        update();
    }
}

void Graph::leaveEvent(QEvent*)
{
    if (hovered_ >= 0) {
        hovered_ = -1;
        update();
    }
}

} // namespace korvex
