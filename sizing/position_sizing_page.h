#pragma once

#include <QColor>
#include <QWidget>

class QTextEdit;

namespace korvex {

// Page 1: the money-management models, their inputs and the help pane.
class PositionSizingPage : public QWidget {
    Q_OBJECT
public:
    explicit PositionSizingPage(QWidget* parent);

    void setDisabledColor(const QColor& colour);
    void clearResult();
    void DisablePositionInputs();
    // redt_Help: the read-only rich-text pane that shows the help document.
    QTextEdit* helpPane() const { return redt_Help; }

Q_SIGNALS:
    void closeRequested();

private:
    QColor disabledColor_;
    QTextEdit* redt_Help = nullptr;
};

}  // namespace korvex
