#include "simulator/my_panel.h"
#include "tests/simulator/random_sequence.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace korvex {
namespace {

constexpr int Trades = 453;
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Grey(200, 200, 200);
const QColor Blue(0, 0, 255);
const QColor Silver(192, 192, 192);

// A panel with the host document's parameters (or none), fixed draws and a
// hand-driven clock, generated with the given entries.
struct Panel {
    Panel(RandomSequence draws, bool withParameters = true)
        : random(std::move(draws))
    {
        PanelHost host;
        if (withParameters)
            host.getParameter = [](std::string_view name) -> std::optional<std::string> {
                if (name == "textcolor")
                    return "0000FF";
                if (name == "background")
                    return "FFFFFF";
                return name == "text" ? "" : "1";
            };
        host.random = random.source();
        host.clockMs = [this] { return clock; };
        my = std::make_unique<My>(QSize(653, 408), std::move(host));
    }

    void generate(const char* winLoss, const char* lines, const char* prob)
    {
        auto* button = my->findChild<QPushButton*>("btext");
        my->findChild<QLineEdit*>("tfStepY")->setText(QString::fromLatin1(winLoss));
        my->findChild<QLineEdit*>("tfNumber")->setText(QString::fromLatin1(lines));
        my->findChild<QLineEdit*>("tfProb")->setText(QString::fromLatin1(prob));
        ASSERT_TRUE(my->action(button, button->text()));
    }

    QImage paint() { return my->grab().toImage(); }
    QImage paintAfter(std::int64_t ms)
    {
        clock += ms;
        return paint();
    }

    RandomSequence random;
    std::int64_t clock = 0;
    std::unique_ptr<My> my;
};

bool anyPixel(const QImage& image, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// Text is smoothed, so its strokes are dark rather than black.
bool anyDarkPixel(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 100)
                return true;
    return false;
}

// One line: 50 losses, 100 wins, then a loss and a win in turn, so that
// yMin is 50 and yMax 150.
double fiftyToHundredFifty(std::size_t n)
{
    const std::size_t t = n % Trades;
    if (t < 50)
        return 0.9;
    if (t < 150)
        return 0.1;
    return (t - 150) % 2 == 0 ? 0.9 : 0.1;
}

TEST(PanelPicture, FramesOutlineAndTheGridRowOfTheFiftyToHundredFiftySet)
{
    Panel panel{RandomSequence(fiftyToHundredFifty)};
    panel.generate("1", "1", "0.5");
    ASSERT_EQ(panel.my->simulation().yMin(), 50);
    ASSERT_EQ(panel.my->simulation().yMax(), 150);
    panel.paint();
    const QImage image = panel.paintAfter(1000);
    ASSERT_FALSE(panel.my->isBuildingUp());

    // The blue outline on all four edges.
    for (const QPoint p : {QPoint(0, 0), QPoint(300, 0), QPoint(652, 200), QPoint(300, 407), QPoint(0, 200)})
        EXPECT_EQ(image.pixelColor(p), Blue) << p.x() << "," << p.y();
    // The grey plot frame, left, right and bottom.
    for (const QPoint p : {QPoint(30, 100), QPoint(483, 100), QPoint(300, 348)})
        EXPECT_EQ(image.pixelColor(p), Grey) << p.x() << "," << p.y();
    // The legend's black corner lines and the grey rectangle around it.
    for (const QPoint p : {QPoint(486, 175), QPoint(486, 347), QPoint(648, 175)})
        EXPECT_EQ(image.pixelColor(p), Black) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(485, 260), QPoint(649, 260), QPoint(560, 348)})
        EXPECT_EQ(image.pixelColor(p), Grey) << p.x() << "," << p.y();
    // Account value 100 on row 177: the grey line and its label at (5, 177).
    EXPECT_EQ(image.pixelColor(300, 177), Grey);
    EXPECT_EQ(image.pixelColor(300, 176), White);
    EXPECT_TRUE(anyDarkPixel(image, QRect(5, 168, 20, 10)));
    EXPECT_FALSE(anyDarkPixel(image, QRect(5, 178, 20, 8))) << "the label stands on its baseline";
    // The white background away from everything drawn.
    EXPECT_EQ(image.pixelColor(300, 100), White);
    // The curve ends near the top: two pixels thick.
    EXPECT_EQ(image.pixelColor(482, 6), Black);
    EXPECT_EQ(image.pixelColor(482, 5), Black);
}

// After the line drawn at creation, line c loses its first 20 c trades and
// wins the rest, so the lines end on distinct rows; any draw after the
// curves' is 0.55.
double fanOut(std::size_t n)
{
    if (n < Trades)
        return 0.5;
    const std::size_t c = n / Trades - 1;
    const std::size_t t = n % Trades;
    if (c >= 11)
        return 0.55;
    return t < 20 * c ? 0.9 : 0.1;
}

TEST(PanelPicture, TenLinesTakeThePaletteInOrder)
{
    Panel panel{RandomSequence(fanOut)};
    panel.generate("1", "10", "0.5");
    panel.paint();
    const QImage image = panel.paintAfter(3000);
    const QColor palette[] = {{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {220, 0, 220},
                              {0, 255, 255}, {200, 150, 0}, {150, 0, 255}, {255, 10, 255}, {65, 125, 0}};
    const int endRows[] = {6, 27, 49, 71, 92, 114, 136, 157, 179, 201};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(image.pixelColor(482, endRows[c]), palette[c]) << "line " << c;
}

TEST(PanelPicture, ElevenLinesTakeLightColoursDrawnForEveryRedraw)
{
    Panel panel{RandomSequence(fanOut)};
    panel.generate("1", "11", "0.5");
    const std::size_t drawsAfterGenerate = panel.random.draws();
    panel.paint();
    EXPECT_EQ(panel.random.draws(), drawsAfterGenerate + 33) << "three draws a line";
    const QImage built = panel.paintAfter(3000);
    EXPECT_EQ(panel.random.draws(), drawsAfterGenerate + 33) << "held while the curves build up";
    EXPECT_EQ(built.pixelColor(482, 6), QColor(160, 160, 160));
    panel.paint();
    EXPECT_EQ(panel.random.draws(), drawsAfterGenerate + 66) << "drawn anew for a later redraw";
}

TEST(PanelPicture, CurvesBuildUpFromLeftToRightAndANewGenerateStartsOver)
{
    // Every trade wins with a ratio of 2: the line rises from the bottom left
    // to the top right and crosses row 177 at x 256.
    Panel panel{RandomSequence::constant(0.3)};
    panel.generate("2", "1", "1");
    QImage image = panel.paint();
    EXPECT_EQ(image.pixelColor(256, 177), White);
    image = panel.paintAfter(500);
    EXPECT_EQ(image.pixelColor(256, 177), Black);
    EXPECT_EQ(image.pixelColor(256, 176), Black);
    EXPECT_FALSE(anyPixel(image, QRect(300, 6, 183, 150), Black)) << "the right half is still to come";
    EXPECT_TRUE(panel.my->isBuildingUp());

    panel.generate("2", "1", "1");
    image = panel.paintAfter(10);
    EXPECT_EQ(image.pixelColor(256, 177), White) << "a new Generate starts over";
    image = panel.paintAfter(1000);
    EXPECT_EQ(image.pixelColor(481, 6), Black);
    EXPECT_FALSE(panel.my->isBuildingUp());
    // Later redraws draw the whole picture at once.
    image = panel.paint();
    EXPECT_EQ(image.pixelColor(481, 6), Black);
    EXPECT_EQ(image.pixelColor(256, 177), Black);
}

TEST(PanelPicture, FlatSetIsALevelLineInTheMiddle)
{
    Panel panel{RandomSequence::constant(0.3)};
    panel.generate("0", "1", "1");
    panel.paint();
    const QImage image = panel.paintAfter(1000);
    EXPECT_EQ(image.pixelColor(100, 177), Black);
    EXPECT_EQ(image.pixelColor(400, 176), Black);
    EXPECT_EQ(image.pixelColor(400, 175), White);
}

TEST(PanelPicture, ARedrawAfterAStoppedPressDrawsTheCurvesTheTableHolds)
{
    Panel panel{RandomSequence::constant(0.3)};
    panel.generate("2", "1", "1");
    panel.paint();
    panel.paintAfter(1000);
    panel.my->findChild<QLineEdit*>("tfNumber")->setText(QStringLiteral("7"));
    panel.my->findChild<QLineEdit*>("tfProb")->setText(QStringLiteral("3"));
    auto* button = panel.my->findChild<QPushButton*>("btext");
    ASSERT_FALSE(panel.my->action(button, button->text()));
    ASSERT_EQ(panel.my->simulation().Number, 7);
    const QImage image = panel.paint();
    EXPECT_EQ(image.pixelColor(256, 177), Black);
}

TEST(PanelPicture, WithoutTheFullParameterSetTheBackgroundIsLightGrey)
{
    Panel panel{RandomSequence::constant(0.3), false};
    panel.generate("2", "1", "1");
    panel.paint();
    const QImage image = panel.paintAfter(1000);
    EXPECT_EQ(image.pixelColor(300, 300), Silver);
    EXPECT_EQ(image.pixelColor(0, 0), Blue);
}

}  // namespace
}  // namespace korvex
