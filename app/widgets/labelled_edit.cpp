#include "app/widgets/labelled_edit.h"

#include "app/widgets/accessible_caption.h"
#include "app/widgets/caption_size.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>

namespace korvex {

namespace {
constexpr int kLabelGap = 10;
constexpr int kLabelDrop = 4;
constexpr int kLabelHeight = 13;
}  // namespace

LabelledEdit::LabelledEdit(const QString& objectName, const QString& caption, const QRect& geometry,
                           QWidget* parent)
    : QLineEdit(parent)
    , label_(new QLabel(parent))
{
    setObjectName(objectName);
    setGeometry(geometry);
    label_->setObjectName(objectName + QStringLiteral("_label"));
    setCaption(caption);
}

void LabelledEdit::setCaption(const QString& caption)
{
    label_->setText(caption);
    nameAfterCaption(label_, this);
    labelWidth_ = -1;
    placeLabel();
}

QString LabelledEdit::caption() const { return label_->text(); }

void LabelledEdit::moveEvent(QMoveEvent* event)
{
    QLineEdit::moveEvent(event);
    placeLabel();
}

void LabelledEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        label_->setEnabled(isEnabled());
    else if (event->type() == QEvent::FontChange) {
        label_->setFont(font());
        labelWidth_ = -1;  // measured again when next placed
    }
}

void LabelledEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

// The caption is measured once for each text and font: the box moves more
// often than that, once more when it is first shown.
void LabelledEdit::placeLabel()
{
    if (labelWidth_ < 0)
        labelWidth_ = captionSize(label_).width();
    label_->setGeometry(x() - kLabelGap - labelWidth_, y() + kLabelDrop, labelWidth_, kLabelHeight);
}

}  // namespace korvex
