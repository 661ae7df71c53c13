// Whatever is typed into the simulator's three fields must neither crash nor
// leave a state the picture cannot be laid out from:
// - a decimal that reads and is finite reads back from its shown text;
// - an accepted set is bounded, and a generation from it keeps every row of
//   the scale, every grid line and both shown account values defined.
#include "simulator/equity_simulation.h"
#include "simulator/panel_entries.h"
#include "simulator/panel_layout.h"
#include "simulator/simulator_numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void checkRoundTrip(std::string_view text)
{
    const auto value = korvex::readDecimal(text);
    if (!value || !std::isfinite(*value))
        return;
    const auto back = korvex::readDecimal(korvex::displayText(*value));
    if (!back || *back != *value)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view fields[3];
    std::string_view rest = input;
    for (auto& field : fields) {
        const std::size_t end = rest.find('\n');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        checkRoundTrip(field);
    }

    // Draws come from the bytes after the three fields.
    std::size_t next = 0;
    korvex::EquitySimulation simulation(453, [rest, &next]() {
        if (rest.empty())
            return 0.5;
        const auto byte = static_cast<unsigned char>(rest[next++ % rest.size()]);
        return byte / 256.0;
    });
    const korvex::EntryOutcome outcome = korvex::applyEntries(simulation, fields[0], fields[1], fields[2]);
    if (!outcome.accepted)
        return 0;
    if (!(simulation.StepY >= 0.0 && simulation.StepY <= korvex::MaxWinLoss) || simulation.Number < 1
        || simulation.Number > korvex::MaxLinesQty || !(simulation.prob >= 0.0 && simulation.prob <= 1.0))
        std::abort();
    if (simulation.Number > 20)
        simulation.Number = 20;  // enough curves to meet every extreme, fast enough to fuzz
    simulation.newRnd();
    const auto geometry = korvex::PanelGeometry::forSize(653, 408);
    const korvex::DepthScale scale(simulation.yMin(), simulation.yMax(), geometry);
    for (int c = 0; c < simulation.tableLines(); ++c)
        for (int t = 0; t < simulation.xm(); ++t)
            if (scale.row(simulation.M().at(c, t)) < -1000)
                std::abort();
    korvex::gridLines(scale, geometry, 408);
    if (simulation.highestAccount() > 2147483647LL || simulation.lowestAccount() < -2147483647LL)
        std::abort();
    korvex::displayText(simulation.kellyValue());
    korvex::displayText(simulation.mathExpect());
    return 0;
}
