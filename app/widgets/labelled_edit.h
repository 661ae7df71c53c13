#pragma once

#include <QLineEdit>

class QLabel;

namespace korvex {

// An edit box with its caption label on its left: the label's right edge
// stays 10 pixels left of the box and its top 4 pixels below the box's top,
// also when the caption changes. The label is the box's buddy (its "&"
// accelerator focuses the box) and the caption is the box's accessible name.
// Like the edits of the original calculators, the box selects its whole text
// when it gets the focus other than by a mouse click.
class LabelledEdit : public QLineEdit {
    Q_OBJECT
public:
    LabelledEdit(const QString& objectName, const QString& caption, const QRect& geometry, QWidget* parent);

    void setCaption(const QString& caption);
    QString caption() const;
    QLabel* label() const { return label_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void placeLabel();

    QLabel* label_;
    int labelWidth_ = -1;  // the caption's, until its text or font changes
};

}  // namespace korvex
