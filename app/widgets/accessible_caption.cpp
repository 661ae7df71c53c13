#include "app/widgets/accessible_caption.h"

#include <QLabel>

namespace korvex {

QString withoutAccelerator(QString caption)
{
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void nameAfterCaption(QLabel* caption, QWidget* control)
{
    caption->setBuddy(control);
    control->setAccessibleName(withoutAccelerator(caption->text()));
}

}  // namespace korvex
