#pragma once

#include <QPushButton>

namespace korvex {

// A push button as a web page has it: Enter presses it while it has the
// focus, and Space as usual. Unlike an auto-default button it never turns
// into the window's default button, so it keeps its look when focused.
class WebPageButton : public QPushButton {
    Q_OBJECT
public:
    WebPageButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace korvex
