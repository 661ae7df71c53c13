#include "app/numbers/locale_settings.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(FormatSettingsFor, TakesPlainSeparatorsAndTheNearestForOthers)
{
    const struct {
        char32_t decimal;
        char32_t thousand;
        char decimalSeparator;
        char thousandSeparator;
    } cases[] = {
        {'.', ',', '.', ','},       {',', '.', ',', '.'},     {',', 0xa0, ',', ' '},    {',', 0x202f, ',', ' '},
        {'.', '\'', '.', '\''},     {0x66b, 0x66c, '.', '\0'}, {',', 0, ',', '\0'},     {0, ',', '.', ','},
        {'.', '.', '.', '\0'},      {',', 0x2019, ',', '\0'},
    };
    for (const auto& c : cases) {
        const FormatSettings settings = FormatSettingsFor(c.decimal, c.thousand);
        EXPECT_EQ(settings.decimalSeparator, c.decimalSeparator) << std::hex << static_cast<unsigned>(c.decimal);
        EXPECT_EQ(settings.thousandSeparator, c.thousandSeparator) << std::hex << static_cast<unsigned>(c.thousand);
    }
}

}  // namespace
}  // namespace korvex
