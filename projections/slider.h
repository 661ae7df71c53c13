#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

namespace korvex {

// A continuous slider: a track with a knob and legend texts under it. The
// mouse places the knob; every change of its place is reported at once.
class Slider : public QWidget {
    Q_OBJECT
public:
    struct Look {
        QColor line = Qt::black;
        QColor knob = QColor(0x7F, 0x7F, 0xFF);
        QFont font;
    };

    Slider(const QString& objectName, double minimum, double maximum, const QStringList& legend,
        const Look& look, QWidget* parent);

    double value() const { return value_; }
    // Clamped to the range; does not report a movement.
    void setValue(double value);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    // Where the knob's centre is drawn.
    int knobX() const;
    // The track's height inside the widget.
    int trackY() const;

    void draw(QPainter& painter) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void moved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void moveTo(int x, bool always);

    double minimum_;
    double maximum_;
    double value_;
    QStringList legend_;
    Look look_;
    int lastX_ = -1;
};

} // namespace korvex
