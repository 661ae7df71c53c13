#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace korvex {

// A caption as it is read aloud: without the "&" that marks its accelerator
// ("&&" stands for one "&").
QString withoutAccelerator(QString caption);

// Links a caption to its control the way screen readers look for it: the
// label is the control's buddy (its "labelled by" relation) and its text, as
// read aloud, the control's name.
void nameAfterCaption(QLabel* caption, QWidget* control);

}  // namespace korvex
