#pragma once

#include "planner/rv_project.h"
#include "planner/trade_plan_report.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace korvex {

class LabelledEdit;
class NotesMemo;

// Page 0: the figures of one planned trade, Calculate and Print.
class TradePlannerPage : public QWidget {
    Q_OBJECT
public:
    explicit TradePlannerPage(QWidget* parent);

    // The report template that Print opens; named once at start-up.
    void setReportProjectFile(const QString& path);

    // The clock of the printed plan's date line.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    static constexpr int kNotesLength = 800;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void chainTabOrder();
    void btn_TradePlannerCalculateClick();
    void btn_TradePlannerPrintClick();
    void PrintTradePlan();
    TradePlanSheet readSheet() const;
    static std::string planDate(const QDateTime& now);

    LabelledEdit* lbl_edt_AccountBalance = nullptr;
    LabelledEdit* lbl_edt_Ticker = nullptr;
    QComboBox* cbo_Position = nullptr;
    LabelledEdit* lbl_edt_EntryPrice = nullptr;
    LabelledEdit* lbl_edt_TargetPrice = nullptr;
    LabelledEdit* lbl_edt_StopLoss = nullptr;
    LabelledEdit* lbl_edt_NumberOfShares = nullptr;
    LabelledEdit* lbl_edt_RiskRewardRatio = nullptr;
    LabelledEdit* lbl_edt_PotentialProfit = nullptr;
    LabelledEdit* lbl_edt_PotentialProfitPercent = nullptr;
    LabelledEdit* lbl_edt_PotentialLoss = nullptr;
    LabelledEdit* lbl_edt_EquityAtRisk = nullptr;
    NotesMemo* mem_Note = nullptr;
    QPushButton* btn_TradePlannerCalculate = nullptr;
    QPushButton* btn_TradePlannerPrint = nullptr;

    QString projectFile_;
    RvProject RvProject_;
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
};

}  // namespace korvex
