#include "projections/panel_parameters.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

const PanelParameters kParameters({ { "TITLE", "Profit" }, { "Empty", "" }, { "NUMBER", "12.5" },
    { "BADNUMBER", "1e5" }, { "WHOLE", "-42" }, { "BADWHOLE", "4.5" }, { "HUGEWHOLE", "99999999999" },
    { "YES", " true " }, { "NO", "False" }, { "MAYBE", "yes" }, { "RED", "FF0000" }, { "SHORT", "FFF" },
    { "NOTHEX", "GG0000" } });

TEST(PanelParameters, TextsAreFoundInAnyCaseAndEmptyCountsAsSet)
{
    EXPECT_EQ(kParameters.text("title", "x"), "Profit");
    EXPECT_EQ(kParameters.text("EMPTY", "x"), "");
    EXPECT_EQ(kParameters.text("ABSENT", "x"), "x");
}

TEST(PanelParameters, NumbersAndWholeNumbers)
{
    EXPECT_EQ(kParameters.number("NUMBER", 7), 12.5);
    EXPECT_EQ(kParameters.number("EMPTY", 7), 0);
    EXPECT_EQ(kParameters.number("BADNUMBER", 7), 7);
    EXPECT_EQ(kParameters.number("ABSENT", 7), 7);
    EXPECT_EQ(kParameters.wholeNumber("WHOLE", 7), -42);
    EXPECT_EQ(kParameters.wholeNumber("BADWHOLE", 7), 7);
    EXPECT_EQ(kParameters.wholeNumber("HUGEWHOLE", 7), 7);
    EXPECT_EQ(kParameters.wholeNumber("EMPTY", 7), 7);
}

TEST(PanelParameters, YesNoOnlyForTrueOrFalse)
{
    EXPECT_TRUE(kParameters.yesNo("YES", false));
    EXPECT_FALSE(kParameters.yesNo("NO", true));
    EXPECT_TRUE(kParameters.yesNo("MAYBE", true));
    EXPECT_FALSE(kParameters.yesNo("MAYBE", false));
}

TEST(PanelParameters, ColoursAreSixHexDigitsOrBlack)
{
    EXPECT_EQ(kParameters.colour("RED", 0x123456), 0xFF0000u);
    EXPECT_EQ(kParameters.colour("SHORT", 0x123456), 0u);
    EXPECT_EQ(kParameters.colour("NOTHEX", 0x123456), 0u);
    EXPECT_EQ(kParameters.colour("EMPTY", 0x123456), 0u);
    EXPECT_EQ(kParameters.colour("ABSENT", 0x123456), 0x123456u);
}

TEST(PanelParameters, PlainDecimals)
{
    EXPECT_EQ(ParsePlainDecimal("-3.25"), -3.25);
    EXPECT_EQ(ParsePlainDecimal("+.5"), 0.5);
    EXPECT_EQ(ParsePlainDecimal("5."), 5.0);
    EXPECT_FALSE(ParsePlainDecimal("."));
    EXPECT_FALSE(ParsePlainDecimal("-"));
    EXPECT_FALSE(ParsePlainDecimal("1 2"));
    EXPECT_EQ(ParsePlainDecimal("0." + std::string(400, '0') + "1"), 0.0);
}

} // namespace
} // namespace korvex
