#pragma once

#include <QColor>
#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace korvex {

class LabelledEdit;

// Page 1: the money-management models, their inputs and the help pane. The
// page switches on exactly the inputs the chosen model reads and shows the
// model's result text in a read-only memo.
class PositionSizingPage : public QWidget {
    Q_OBJECT
public:
    enum class Build { Now, Later };
    // Later: an empty page until build(), so that the window can give it its
    // tab at once and fill it once the first page is on the screen.
    explicit PositionSizingPage(QWidget* parent, Build when = Build::Now);

    void build();

    void setDisabledColor(const QColor& colour);
    void clearResult();
    // The start state: every input off, Reset and Calculate disabled.
    void DisablePositionInputs();
    // redt_Help: the read-only rich-text pane that shows the help document.
    QTextEdit* helpPane() const { return redt_Help; }

Q_SIGNALS:
    void closeRequested();

private:
    void buildControls();
    void buildPositionGroup();
    void chainTabOrder();

    void cbo_MoneyManagementModelChange();
    void cbo_InstrumentChange();
    void btn_ResetClick();
    void btn_CalculateClick();

    // On: enabled on an explicit white background; off: disabled on DisabledColor.
    void switchInput(QWidget* input, bool on);

    QColor disabledColor_{248, 248, 248};

    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbo_MoneyManagementModel = nullptr;
    QGroupBox* grp_CalculatePosition = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* cbo_Instrument = nullptr;
    LabelledEdit* lbl_edt_Quantity = nullptr;
    LabelledEdit* lbl_edt_Price = nullptr;
    LabelledEdit* lbl_edt_Stop = nullptr;
    LabelledEdit* lbl_edt_Leverage = nullptr;
    LabelledEdit* lbl_edt_TotalFunds = nullptr;
    LabelledEdit* lbl_edt_Risk = nullptr;
    LabelledEdit* lbl_edt_Float = nullptr;
    QPushButton* btn_Close = nullptr;
    QPushButton* btn_Reset = nullptr;
    QPushButton* btn_Calculate = nullptr;
    QLabel* Label4 = nullptr;
    QFrame* Bevel2 = nullptr;
    QPlainTextEdit* mem_Result = nullptr;
    QTextEdit* redt_Help = nullptr;
};

}  // namespace korvex
