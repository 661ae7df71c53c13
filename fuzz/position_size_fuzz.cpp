// Any field texts under any model give a result text or one of the three
// arithmetic errors, nothing else.
#include "app/numbers/checked_math.h"
#include "sizing/money_management.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int model = data[0] % korvex::kModelCount;
    const bool leverage = (data[0] / korvex::kModelCount) % 2 != 0;
    // The remaining bytes are the seven field texts, separated by '|'.
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string texts[7];
    for (std::string& text : texts) {
        const std::size_t bar = rest.find('|');
        text = std::string(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    const korvex::PositionFields fields{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], leverage};
    try {
        const std::string result = korvex::PositionSizeText(model, fields);
        if (result.empty())
            std::abort();
    } catch (const korvex::FloatError& error) {
        const char* message = error.what();
        if (std::strcmp(message, korvex::kDivisionByZero) != 0 && std::strcmp(message, korvex::kInvalidOperation) != 0
            && std::strcmp(message, korvex::kOverflow) != 0)
            std::abort();
    }
    return 0;
}
