#pragma once

#include <QGroupBox>

namespace korvex {

// The group box of the position inputs as the old program drew it: a
// 2-pixel groove in light grey from 6 pixels below its top, broken by the
// caption, which sits in that edge 6 pixels from the left. Painted here: a
// style sheet would restyle every input in the box as well.
class GrooveGroupBox : public QGroupBox {
    Q_OBJECT
public:
    GrooveGroupBox(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect captionRect() const;
};

}  // namespace korvex
