#pragma once

#include "projections/fmt.h"
#include "projections/graph_scale.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace korvex {

// What the graph plots: one series of month-end balances, already divided
// by the scale the axis title names.
struct GraphData {
    std::vector<float> values;
    QStringList categories;
    QString title;
    QString axisTitle;
    QString scaleLetter; // after each value label: "", "k", "m" or "b"
};

// The balance graph: columns up to 15 months, a line beyond; a value axis
// from 0 with round steps; a picture behind the plot. Drawn once into an
// image whenever its data or size change, and copied to the screen.
class Graph : public QWidget {
    Q_OBJECT
public:
    struct Look {
        QColor background = Qt::white;
        QColor foreground = Qt::black;
        QColor series = QColor(0x7F, 0x7F, 0xFF);
        QColor outline = Qt::gray;
        QFont font;
        QFont titleFont;
    };

    static constexpr int kMostColumns = 15;
    static constexpr int kMostValueLabels = 6;

    Graph(const Look& look, const Fmt& fmt, QWidget* parent);

    void setData(GraphData data);
    const GraphData& data() const { return data_; }
    void setBackgroundPicture(const QImage& picture);

    bool drawsColumns() const { return data_.values.size() <= kMostColumns; }
    bool showsValueLabels() const { return data_.values.size() <= kMostValueLabels; }
    QString valueLabel(int index) const;
    ValueAxis axis() const;
    QRect plotRect() const;
    QRect columnRect(int index) const;
    // The label in the box over the column the pointer is on; empty when none.
    QString hoverText() const;

    void draw(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Layout {
        QRect plot;
        ValueAxis axis;
        QStringList tickLabels;
        int labelStep = 1;
    };
    const Layout& layout() const;
    int yOf(double value) const;
    double centreOf(int index) const;
    void drawSeries(QPainter& painter) const;
    void drawHoverBox(QPainter& painter) const;
    void invalidate();

    Look look_;
    const Fmt& fmt_;
    GraphData data_;
    QImage picture_;
    mutable QImage scaledPicture_;
    mutable QImage chart_;
    mutable Layout layout_;
    mutable bool layoutValid_ = false;
    mutable bool chartValid_ = false;
    int hovered_ = -1;
    int dismissed_ = -1;
    QPoint hoverPoint_;
};

} // namespace korvex
