#include "projections/panel_frame.h"

#include <QApplication>
#include <QPainter>

namespace korvex {

PanelFrame::PanelFrame(int border, const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , border_(border)
    , colour_(colour)
{
    // What it holds keeps the application's window colour, not the white of
    // the page round it, as the panel had in the browser.
    QPalette own = palette();
    const QPalette application = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        own.setBrush(group, QPalette::Window, application.brush(group, QPalette::Window));
    setPalette(own);
}

void PanelFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.fillRect(rect().adjusted(border_, border_, -border_, -border_), Qt::white);
}

}  // namespace korvex
