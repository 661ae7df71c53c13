#include "projections/compound_savings.h"

#include "projections/border_side.h"
#include "projections/data_panel.h"
#include "projections/graph.h"
#include "projections/nbr.h"
#include "projections/schedule_csv.h"
#include "projections/slider.h"
#include "projections/slider_scale.h"

#include <utility>

namespace korvex {

namespace {

// The texts a parameter of the same name may replace; an absent parameter
// leaves the calculation's own default. The report's template is read once, here.
using TextField = std::string CompoundSavingsCalc::*;
const std::pair<const char*, TextField> kTextParameters[] = {
    {"CURRENCY_LABEL", &CompoundSavingsCalc::sCurrency},
    {"MSG_PER_MONTH", &CompoundSavingsCalc::MSG_PER_MONTH},
    {"MSG_PER_QUARTER", &CompoundSavingsCalc::MSG_PER_QUARTER},
    {"MSG_PER_YEAR", &CompoundSavingsCalc::MSG_PER_YEAR},
    {"MSG_COMPOUND_DAILY", &CompoundSavingsCalc::MSG_COMPOUND_DAILY},
    {"MSG_COMPOUND_MONTHLY", &CompoundSavingsCalc::MSG_COMPOUND_MONTHLY},
    {"MSG_COMPOUND_QRTLY", &CompoundSavingsCalc::MSG_COMPOUND_QRTLY},
    {"MSG_COMPOUND_ANNUALLY", &CompoundSavingsCalc::MSG_COMPOUND_ANNUALLY},
    {"TEXT_FOR_REPORT", &CompoundSavingsCalc::_sTemplate},
    {"TEXT_FOR_ERROR", &CompoundSavingsCalc::_sErrorTemplate},
    {"QQ_HEADER_QQ", &CompoundSavingsCalc::_sQQHeader},
    {"TABLE_HEADER", &CompoundSavingsCalc::_sTableHeader},
    {"TABLE_TOP_ROW", &CompoundSavingsCalc::_sTopRow},
    {"TABLE_ODD_ROW", &CompoundSavingsCalc::_sOddRow},
    {"TABLE_EVEN_ROW", &CompoundSavingsCalc::_sEvenRow},
    {"TABLE_ROW_FOOTER", &CompoundSavingsCalc::_sRowFooter},
    {"TABLE_FOOTER", &CompoundSavingsCalc::_sTableFooter},
    {"CELL_HEADER", &CompoundSavingsCalc::_sCell},
    {"CELL_FOOTER", &CompoundSavingsCalc::_sCellFooter},
};

QStringList toStringList(const std::vector<std::string>& texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

} // namespace

CompoundSavings::CompoundSavings(PanelParameters parameters, const QImage& background, QWidget* parent)
    : CalculatorApplet(std::move(parameters), parent)
{
    readParameters();
    buildInputs();
    graph_->setBackgroundPicture(background);
    calculate();
}

void CompoundSavings::readParameters()
{
    const PanelParameters& p = parameters();
    calc_.fmt = Fmt(p.text("CURRENCY_PREFIX", "$"), p.yesNo("EUROPE_DECIMALS", false));
    for (const auto& [name, field] : kTextParameters)
        calc_.*field = p.text(name, calc_.*field);
    for (std::size_t i = 0; i < calc_.sColumnHeadings.size(); ++i)
        calc_.sColumnHeadings[i] = p.text("MSG_REPORT_COL" + std::to_string(i + 1), calc_.sColumnHeadings[i]);

    switch (p.wholeNumber("DEPOSIT_FREQUENCY", 12)) {
    case 12:
        depositFrequency_ = 12;
        frequencyWords_ = calc_.MSG_PER_MONTH;
        break;
    case 4:
        depositFrequency_ = 4;
        frequencyWords_ = calc_.MSG_PER_QUARTER;
        break;
    default:
        depositFrequency_ = 1;
        frequencyWords_ = calc_.MSG_PER_YEAR;
    }
}

void CompoundSavings::buildInputs()
{
    const PanelParameters& p = parameters();
    const auto label
        = [&p](std::string_view name, std::string_view fallback) { return p.text(name, fallback); };
    const FieldRule amountRule { label("MSG_STARTING_AMOUNT", "Starting amount"), FieldFormat::Money, 0, 0,
        1'000'000 };
    const FieldRule monthsRule { label("MSG_YEARS", "Months"), FieldFormat::Number, 0, 1, 100 };
    const FieldRule contributionsRule { label("MSG_ADDITIONAL_CONTRIBUTIONS", "Additional contributions"),
        FieldFormat::Money, 0, 0, 100'000 };
    const FieldRule rateRule { label("MSG_RATE_OF_RETURN", "Monthly Rate of return"), FieldFormat::Percent, 2,
        0, p.number("ROR_MAXIMUM", 20) };

    amount_ = new Nbr(
        QStringLiteral("STARTING_AMOUNT"), amountRule, calc_.fmt, text("STARTING_AMOUNT", "1000"), this);
    months_ = new Nbr(QStringLiteral("YEARS"), monthsRule, calc_.fmt, text("YEARS", "10"), this);
    contributions_ = new Nbr(QStringLiteral("ADDITIONAL_CONTRIBUTIONS"), contributionsRule, calc_.fmt,
        text("ADDITIONAL_CONTRIBUTIONS", "0"), this);
    rate_ = new Nbr(
        QStringLiteral("RATE_OF_RETURN"), rateRule, calc_.fmt, text("RATE_OF_RETURN", "2.00"), this);

    const Slider::Look sliderLook { foreground(), graphColour(), plainFont() };
    const auto slider = [&](const char* name, double minimum, double maximum, QStringList legend) {
        return new Slider(QString::fromLatin1(name), minimum, maximum, legend, sliderLook, this);
    };
    amountSlider_ = slider("STARTING_AMOUNT_SLIDER", 0, 100, { "0", "50k", "1000k" });
    monthsSlider_ = slider("YEARS_SLIDER", 1, 100, { "1", "50", "100" });
    // Without the simple layout, only the first two rows carry sliders.
    if (parameters().text("SIMPLE", "TRUE") == "TRUE") {
        contributionsSlider_ = slider("ADDITIONAL_CONTRIBUTIONS_SLIDER", 0, 100, { "0", "5k", "100k" });
        rateSlider_ = slider("RATE_OF_RETURN_SLIDER", 0, 12, { "0%", "6%", "12%" });
    }

    const Graph::Look graphLook { graphBackground(), foreground(), graphColour(), Qt::gray, plainFont(),
        graphTitleFont() };
    graph_ = new Graph(graphLook, calc_.fmt, this);

    data_ = new DataPanel(plainFont(), tinyFont(), border());
    data_->addRow(QString::fromStdString(amountRule.label), amount_, amountSlider_);
    data_->addRow(QString::fromStdString(monthsRule.label), months_, monthsSlider_);
    data_->addRow(QString::fromStdString(contributionsRule.label), contributions_, contributionsSlider_);
    data_->addRow(QString::fromStdString(rateRule.label), rate_, rateSlider_);
    data_->setGraph(graph_);

    for (Nbr* field : { amount_, months_, contributions_, rate_ })
        connect(field, &Nbr::valueEntered, this, &CompoundSavings::calculate);
    const auto onMoved = [this](Slider* moved, bool InputState::*flag) {
        if (moved)
            connect(moved, &Slider::moved, this, [this, flag] {
                if (flag)
                    state_.*flag = true;
                calculate();
            });
    };
    onMoved(amountSlider_, &InputState::amountMoved);
    onMoved(monthsSlider_, nullptr);
    onMoved(contributionsSlider_, &InputState::contributionsMoved);
    onMoved(rateSlider_, &InputState::rateMoved);
}

void CompoundSavings::resizeEvent(QResizeEvent* event)
{
    CalculatorApplet::resizeEvent(event);
    data_->setGeometry(border()->contentRect());
}

void CompoundSavings::clearInputed()
{
    calc_.clearInputed();
}

void CompoundSavings::setValues()
{
    calc_.DEPOSIT_FREQUENCY = depositFrequency_;
    calc_.FREQ_DESC = frequencyWords_;
    calc_.COMPOUND_INTEREST = 1;
    calc_.COMPOUND_DESC = calc_.MSG_COMPOUND_ANNUALLY;

    const bool contributionsMoved = std::exchange(state_.contributionsMoved, false);
    calc_.ADDITIONAL_CONTRIBUTIONS = contributionsMoved && contributionsSlider_
        ? contributions_->checked(kContributionScale.toValue(contributionsSlider_->value()))
        : contributions_->getValue();

    const bool rateMoved = std::exchange(state_.rateMoved, false);
    calc_.RATE_OF_RETURN
        = rateMoved && rateSlider_ ? rate_->checked(Fmt::round(rateSlider_->value(), 1)) : rate_->getValue();

    const bool amountMoved = std::exchange(state_.amountMoved, false);
    calc_.STARTING_AMOUNT = amountMoved
        ? amount_->checked(kStartingAmountScale.toValue(amountSlider_->value()))
        : amount_->getValue();

    const int sliderMonths = WholeMonths(monthsSlider_->value());
    const double months = state_.monthsUsed && sliderMonths != *state_.monthsUsed
        ? months_->checked(sliderMonths)
        : months_->getValue();
    state_.monthsUsed = static_cast<int>(months);
    calc_.YEARS = months;
}

void CompoundSavings::recalculate()
{
    calc_.recalculate();
}

void CompoundSavings::refresh()
{
    const double last = calc_.DR_BALANCE.empty() ? 0.0 : calc_.DR_BALANCE.back();
    GraphData data;
    data.values = calc_.DS_BALANCE;
    data.categories = toStringList(calc_.getCatagories());
    data.axisTitle = QString::fromStdString(calc_.getAmountLabel());
    data.scaleLetter = QString::fromStdString(ScaleLetter(last));
    data.title = text("MSG_GRAPH_TITLE1", "Your total is") + ' '
        + QString::fromStdString(calc_.fmt.dollars(calc_.TOTAL_AT_END_OF_INVESTMENT)) + ' '
        + text("MSG_GRAPH_TITLE2", "after") + ' ' + QString::fromStdString(calc_.fmt.number(calc_.YEARS))
        + ' ' + text("MSG_GRAPH_TITLE3", "months");
    graph_->setData(std::move(data));

    amountSlider_->setValue(kStartingAmountScale.toPosition(calc_.STARTING_AMOUNT));
    amount_->setValue(calc_.STARTING_AMOUNT);
    monthsSlider_->setValue(calc_.YEARS);
    months_->setValue(calc_.YEARS);
    if (contributionsSlider_)
        contributionsSlider_->setValue(kContributionScale.toPosition(calc_.ADDITIONAL_CONTRIBUTIONS));
    contributions_->setValue(calc_.ADDITIONAL_CONTRIBUTIONS);
    if (rateSlider_)
        rateSlider_->setValue(calc_.RATE_OF_RETURN);
    rate_->setValue(calc_.RATE_OF_RETURN);
}

CompoundSavings::Report CompoundSavings::report()
{
    // The report reads the fields as they stand, but leaves the panel's own
    // bookkeeping alone: its graph still shows the last calculation, and the
    // next calculation must not mistake the months used here for its own.
    const InputState before = state_;
    try {
        setValues();
    } catch (const InputError& error) {
        state_ = before;
        return { calc_.errorReport(error.what()), {}, error.what() };
    }
    state_ = before;
    std::string html = calc_.JavaScriptReport();
    return { std::move(html), ScheduleCsv(calc_.schedule()), {} };
}

} // namespace korvex
