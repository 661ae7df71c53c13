#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace korvex {

// The panel's frame: a line with rounded corners around everything, and
// the title band across the top, which turns red and shows the message
// while an input is in error.
class BorderSide : public QWidget {
    Q_OBJECT
public:
    struct Look {
        QColor pageBackground = Qt::white;
        QColor background = Qt::white;
        QColor line = Qt::black;
        QColor titleColour = Qt::black;
        QFont titleFont;
        QFont messageFont;
        int lineWidth = 2;
        bool rounded = true;
    };

    BorderSide(const Look& look, const QString& title, QWidget* parent);

    void showTitle();
    void showError(const QString& message);
    bool showsError() const { return error_; }
    QString bandText() const { return error_ ? message_ : title_; }

    // The band's height: about 1.75 title lines.
    int bandHeight() const;
    // The area inside the frame and below the band.
    QRect contentRect() const;

    void draw(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look look_;
    QString title_;
    QString message_;
    bool error_ = false;
};

} // namespace korvex
