#include "app/widgets/caption_size.h"

#include <QLabel>
#include <QPicture>
#include <QTextDocument>

namespace korvex {

namespace {

bool isPlainCaption(const QLabel* label)
{
    const bool plainText = label->textFormat() == Qt::PlainText
        || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
    const auto selectable = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    const bool picture = !label->pixmap().isNull() || !label->picture().isNull() || label->movie();
    return plainText && !picture && !label->text().isEmpty() && !label->wordWrap()
        && !(label->textInteractionFlags() & selectable) && label->frameWidth() == 0 && label->margin() == 0
        && label->indent() <= 0 && label->contentsMargins().isNull();
}

}  // namespace

QSize captionSize(QLabel* label)
{
    if (!isPlainCaption(label))
        return label->sizeHint();
    label->ensurePolished();  // as the size hint does: the style may set the font
    // As QLabel measures: aligned to the top, the "&" of a buddy's shortcut not shown.
    int flags = label->alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    if (label->buddy() && label->text().contains(QLatin1Char('&')))
        flags |= Qt::TextShowMnemonic;
    return label->fontMetrics().boundingRect(0, 0, 2000, 2000, flags, label->text()).size().expandedTo(
        label->minimumSize());
}

void fitToCaption(QLabel* label) { label->resize(captionSize(label)); }

}  // namespace korvex
