#pragma once
// Labels sized to their captions, as QLabel's size hint would size them.

#include <QSize>

class QLabel;

namespace korvex {

// The size QLabel::sizeHint() gives the label. A plain caption on one line
// (some text; no frame, margin, indent, word wrap, rich or selectable text)
// is measured with one layout of its text, where the size hint lays it out
// three times; any other label is asked for its size hint.
QSize captionSize(QLabel* label);

// Resizes the label to its caption, as adjustSize() would.
void fitToCaption(QLabel* label);

}  // namespace korvex
