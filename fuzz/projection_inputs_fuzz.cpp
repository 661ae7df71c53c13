// Whatever a user pastes into a projection field, and whatever a host
// document passes as parameters or report template, must never crash the
// panel: a field either gives a value within its bounds, whose text reads
// back to the same value, or an input error.
#include "app/documents/host_document.h"
#include "projections/compound_savings_calc.h"
#include "projections/field_rule.h"
#include "projections/panel_parameters.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const korvex::FieldRule kRules[] = {
    { "Starting amount", korvex::FieldFormat::Money, 0, 0, 1'000'000 },
    { "Months", korvex::FieldFormat::Number, 0, 1, 100 },
    { "Additional contributions", korvex::FieldFormat::Money, 0, 0, 100'000 },
    { "Monthly Rate of return", korvex::FieldFormat::Percent, 2, 0, 20 },
};

void readField(const korvex::FieldRule& rule, std::string_view text, const korvex::Fmt& fmt)
{
    double value = 0;
    try {
        value = rule.read(text, fmt);
    } catch (const korvex::InputError&) {
        return;
    }
    if (!(value >= rule.minimum && value <= rule.maximum))
        std::abort();
    if (rule.read(rule.text(value, fmt), fmt) != value)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const korvex::Fmt european("EUR ", true);
    for (const korvex::FieldRule& rule : kRules) {
        readField(rule, text, korvex::Fmt());
        readField(rule, text, european);
    }

    const korvex::HostDocument document = korvex::ReadHostDocument(text);
    const korvex::PanelParameters parameters(document.parameters);
    korvex::CompoundSavingsCalc calc;
    calc._sTemplate = parameters.text("TEXT_FOR_REPORT", text);
    calc._sCell = parameters.text("CELL_HEADER", "");
    calc.STARTING_AMOUNT = parameters.number("STARTING_AMOUNT", 1000);
    calc.YEARS = std::abs(parameters.number("YEARS", 10)) > 1000 ? 1000 : parameters.number("YEARS", 10);
    calc.RATE_OF_RETURN = parameters.number("RATE_OF_RETURN", 2);
    calc.DEPOSIT_FREQUENCY = parameters.wholeNumber("DEPOSIT_FREQUENCY", 12) % 1000;
    parameters.colour("COLOR1", 0);
    parameters.yesNo("SIMPLE", true);
    calc.JavaScriptReport();
    calc.errorReport(text);
    return 0;
}
