#include "sizing/flat_face_style.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace korvex {

namespace {
// The outline and the light line just inside it, which stay as drawn.
constexpr int FrameWidth = 2;
}  // namespace

FlatFaceStyle::FlatFaceStyle()
    : QProxyStyle(QApplication::style()->name())
{
}

QStyle* FlatFaceStyle::instance()
{
    static QPointer<FlatFaceStyle> style;
    if (!style) {
        style = new FlatFaceStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void FlatFaceStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The list draws its arrow and text over the face afterwards.
    if (element == PE_PanelButtonCommand && qobject_cast<const QComboBox*>(widget))
        painter->fillRect(option->rect.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth),
                          option->palette.button());
}

}  // namespace korvex
