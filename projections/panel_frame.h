#pragma once

#include <QColor>
#include <QWidget>

namespace korvex {

// The box the host document puts round the panel: a solid border on white.
// Painted here: a style sheet would restyle every control of the panel too.
class PanelFrame : public QWidget {
    Q_OBJECT
public:
    PanelFrame(int border, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int border_;
    QColor colour_;
};

}  // namespace korvex
