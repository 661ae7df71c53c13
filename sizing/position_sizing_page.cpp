#include "sizing/position_sizing_page.h"

#include <QTextEdit>

namespace korvex {

PositionSizingPage::PositionSizingPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_PositionSizing"));
    redt_Help = new QTextEdit(this);
    redt_Help->setObjectName(QStringLiteral("redt_Help"));
    redt_Help->setGeometry(392, 8, 310, 545);
    redt_Help->setReadOnly(true);
    redt_Help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redt_Help->setLineWrapMode(QTextEdit::WidgetWidth);
}

void PositionSizingPage::setDisabledColor(const QColor& colour) { disabledColor_ = colour; }

void PositionSizingPage::clearResult() {}

void PositionSizingPage::DisablePositionInputs() {}

}  // namespace korvex
