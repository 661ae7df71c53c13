#pragma once

#include <QLabel>

namespace korvex {

// A label with a hand cursor that reports a left click, and that keyboard
// users reach with Tab and press with Enter or Space.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvex
