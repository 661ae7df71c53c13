#include "tests/simulator/test_panel.h"

#include <gtest/gtest.h>


namespace korvex {
namespace {

constexpr int Trades = 453;
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Grey(200, 200, 200);
const QColor Blue(0, 0, 255);

bool anyPixel(const QImage& image, const QRect& area, bool (*test)(const QColor&))
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}
bool isBlack(const QColor& c) { return c == Black; }
bool isDark(const QColor& c) { return c.lightness() < 100; }  // smoothed text

// One line: 50 losses, 100 wins, then a loss and a win in turn: yMin 50, yMax 150.
double fiftyToHundredFifty(std::size_t n)
{
    const std::size_t t = n % Trades;
    return t < 50 ? 0.9 : t < 150 ? 0.1 : (t - 150) % 2 == 0 ? 0.9 : 0.1;
}

TEST(PanelPicture, OutlineFramesAndTheGridRowOfTheFiftyToHundredFiftySet)
{
    TestPanel panel{RandomSequence(fiftyToHundredFifty)};
    ASSERT_TRUE(panel.generate("1", "1", "0.5"));
    ASSERT_EQ(panel.my->simulation().yMin(), 50);
    ASSERT_EQ(panel.my->simulation().yMax(), 150);
    const QImage image = panel.builtUp();

    const std::pair<QPoint, QColor> pixels[] = {
        {{0, 0}, Blue},       {{652, 200}, Blue},   {{300, 407}, Blue},   {{0, 200}, Blue},
        {{30, 100}, Grey},    {{483, 100}, Grey},   {{300, 348}, Grey},  // plot frame
        {{486, 175}, Black},  {{486, 347}, Black},  {{648, 175}, Black}, // legend corner
        {{485, 260}, Grey},   {{649, 260}, Grey},   {{560, 348}, Grey},  // legend rectangle
        {{300, 177}, Grey},   {{300, 176}, White},  {{300, 100}, White}, // grid row 177
        {{482, 6}, Black},    {{482, 5}, Black},                         // two pixels thick
    };
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(image.pixelColor(at), colour) << at.x() << "," << at.y();
    // The label "100" stands on row 177, starting at x 5.
    EXPECT_TRUE(anyPixel(image, QRect(5, 168, 20, 10), isDark));
    EXPECT_FALSE(anyPixel(image, QRect(5, 178, 20, 8), isDark));
}

// After the line drawn at creation, line c loses its first 20 c trades and
// wins the rest, so the lines end on distinct rows; later draws are 0.55.
double fanOut(std::size_t n)
{
    if (n < Trades)
        return 0.5;
    const std::size_t c = n / Trades - 1;
    return c >= 11 ? 0.55 : n % Trades < 20 * c ? 0.9 : 0.1;
}

TEST(PanelPicture, TenLinesTakeThePaletteElevenLightColoursDrawnPerRedraw)
{
    TestPanel ten{RandomSequence(fanOut)};
    ASSERT_TRUE(ten.generate("1", "10", "0.5"));
    const QImage image = ten.builtUp();
    const QColor palette[] = {{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {220, 0, 220},
                              {0, 255, 255}, {200, 150, 0}, {150, 0, 255}, {255, 10, 255}, {65, 125, 0}};
    const int endRows[] = {6, 27, 49, 71, 92, 114, 136, 157, 179, 201};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(image.pixelColor(482, endRows[c]), palette[c]) << "line " << c;

    TestPanel eleven{RandomSequence(fanOut)};
    ASSERT_TRUE(eleven.generate("1", "11", "0.5"));
    const std::size_t drawn = eleven.random.draws();
    EXPECT_EQ(eleven.builtUp().pixelColor(482, 6), QColor(160, 160, 160));
    EXPECT_EQ(eleven.random.draws(), drawn + 33) << "held while the curves build up";
    eleven.paintAfter(0);
    EXPECT_EQ(eleven.random.draws(), drawn + 66) << "drawn anew for a later redraw";
}

TEST(PanelPicture, CurvesBuildUpFromLeftToRightAndANewGenerateStartsOver)
{
    // Every trade wins with a ratio of 2: the line rises from the bottom
    // left to the top right and crosses row 177 at x 256.
    TestPanel panel{RandomSequence::constant(0.3)};
    ASSERT_TRUE(panel.generate("2", "1", "1"));
    EXPECT_EQ(panel.paintAfter(0).pixelColor(256, 177), White);
    QImage image = panel.paintAfter(500);
    EXPECT_EQ(image.pixelColor(256, 177), Black);
    EXPECT_FALSE(anyPixel(image, QRect(300, 6, 183, 150), isBlack)) << "the right half is still to come";

    ASSERT_TRUE(panel.generate("2", "1", "1"));
    EXPECT_EQ(panel.paintAfter(10).pixelColor(256, 177), White) << "a new Generate starts over";
    EXPECT_EQ(panel.paintAfter(1000).pixelColor(481, 6), Black);
    EXPECT_FALSE(panel.my->isBuildingUp());
    image = panel.paintAfter(0);
    EXPECT_EQ(image.pixelColor(256, 177), Black) << "later redraws draw everything at once";
}

// Each frame shows the curves as they will stand on the screen, so the last
// one is painted in time for the two seconds.
TEST(PanelPicture, AThousandLinesStandCompleteWithinTwoSecondsOfThePress)
{
    TestPanel panel;
    ASSERT_TRUE(panel.generate("1", "1000", "0.5"));
    panel.paintAfter(1960);
    EXPECT_TRUE(panel.my->isBuildingUp());
    panel.paintAfter(10);
    EXPECT_FALSE(panel.my->isBuildingUp());
}

TEST(PanelPicture, FlatSetIsALevelLineInTheMiddleAndHugeRatiosDrawSafely)
{
    TestPanel panel{RandomSequence::constant(0.3)};
    ASSERT_TRUE(panel.generate("0", "1", "1"));
    const QImage image = panel.builtUp();
    EXPECT_EQ(image.pixelColor(100, 177), Black);
    EXPECT_EQ(image.pixelColor(400, 176), Black);
    EXPECT_EQ(image.pixelColor(400, 175), White);

    // The largest ratio accepted keeps every row and label defined.
    ASSERT_TRUE(panel.generate("1e6", "3", "0.5"));
    EXPECT_EQ(panel.builtUp().pixelColor(0, 0), Blue);
    EXPECT_EQ(panel.field("tf5")->text(), "499999.5");
}

}  // namespace
}  // namespace korvex
