#pragma once

#include "projections/calculator_applet.h"
#include "projections/compound_savings_calc.h"

#include <QImage>

#include <optional>

namespace korvex {

class DataPanel;
class Graph;
class Nbr;
class Slider;

// The profit projection panel: four inputs with sliders, and the graph of
// the balance month by month. Every change recalculates at once.
class CompoundSavings : public CalculatorApplet {
    Q_OBJECT
public:
    CompoundSavings(PanelParameters parameters, const QImage& background, QWidget* parent);

    // The report of the fields as they stand: the filled page and its month
    // table as CSV, or the error page and the error's message.
    struct Report {
        std::string html;
        std::string csv;
        std::string error;
    };
    Report report();
    // The filled report of the fields as they stand, or the error page.
    std::string sJavaScriptReport(const QString& /*kind*/) { return report().html; }

    Nbr* startingAmountField() const { return amount_; }
    Nbr* monthsField() const { return months_; }
    Nbr* contributionsField() const { return contributions_; }
    Nbr* rateField() const { return rate_; }
    Slider* startingAmountSlider() const { return amountSlider_; }
    Slider* monthsSlider() const { return monthsSlider_; }
    Slider* contributionsSlider() const { return contributionsSlider_; }
    Slider* rateSlider() const { return rateSlider_; }
    Graph* graph() const { return graph_; }
    const CompoundSavingsCalc& calculation() const { return calc_; }

protected:
    void clearInputed() override;
    void setValues() override;
    void recalculate() override;
    void refresh() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What decides where setValues takes each input from.
    struct InputState {
        bool amountMoved = false;
        bool contributionsMoved = false;
        bool rateMoved = false;
        std::optional<int> monthsUsed;
    };

    void readParameters();
    void buildInputs();

    CompoundSavingsCalc calc_;
    InputState state_;
    int depositFrequency_ = 12;
    std::string frequencyWords_;
    DataPanel* data_ = nullptr;
    Nbr* amount_ = nullptr;
    Nbr* months_ = nullptr;
    Nbr* contributions_ = nullptr;
    Nbr* rate_ = nullptr;
    Slider* amountSlider_ = nullptr;
    Slider* monthsSlider_ = nullptr;
    Slider* contributionsSlider_ = nullptr;
    Slider* rateSlider_ = nullptr;
    Graph* graph_ = nullptr;
};

} // namespace korvex
