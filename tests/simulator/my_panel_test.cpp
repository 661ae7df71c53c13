#include "app/app_info.h"
#include "simulator/my_panel.h"
#include "tests/simulator/random_sequence.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace korvex {
namespace {

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Grey(200, 200, 200);
const QColor Blue(0, 0, 255);

// A panel as the host document makes it, with fixed draws and a hand clock.
class PanelTest : public testing::Test {
protected:
    explicit PanelTest(RandomSequence draws = RandomSequence::constant(0.3))
        : random(std::move(draws))
    {
    }

    My& panel(std::map<std::string, std::string> parameters = {{"textcolor", "0000FF"},
                                                               {"textsize", "20"},
                                                               {"textstyle", "1"},
                                                               {"background", "FFFFFF"},
                                                               {"text", ""}})
    {
        PanelHost host;
        host.getParameter = [parameters](std::string_view name) -> std::optional<std::string> {
            const auto found = parameters.find(std::string(name));
            return found == parameters.end() ? std::nullopt : std::optional(found->second);
        };
        host.showStatus = [this](const QString& text) { statuses << text; };
        host.showDocument = [this](const QString& address, const QString& target) {
            documents << address + QLatin1Char(' ') + target;
        };
        host.random = random.source();
        host.clockMs = [this] { return clock; };
        my = std::make_unique<My>(QSize(653, 408), std::move(host));
        my->show();
        return *my;
    }

    QLineEdit* field(const char* name) const { return my->findChild<QLineEdit*>(name); }
    QPushButton* button() const { return my->findChild<QPushButton*>("btext"); }

    void enter(const char* winLoss, const char* lines, const char* prob) const
    {
        field("tfStepY")->setText(QString::fromLatin1(winLoss));
        field("tfNumber")->setText(QString::fromLatin1(lines));
        field("tfProb")->setText(QString::fromLatin1(prob));
    }
    void generate() const { QTest::mouseClick(button(), Qt::LeftButton); }

    // Paints the panel once to start the build-up and once after it has ended.
    QImage picture()
    {
        my->grab();
        clock += 5000;
        return my->grab().toImage();
    }

    RandomSequence random;
    std::int64_t clock = 1'000'000;
    QStringList statuses;
    QStringList documents;
    std::unique_ptr<My> my;
};

TEST_F(PanelTest, AtCreationHoldsOneCurveAndTheCreationTexts)
{
    My& my = panel();
    EXPECT_EQ(my.size(), QSize(653, 408));
    EXPECT_EQ(my.simulation().tableLines(), 1);
    EXPECT_EQ(random.draws(), 453u);
    const std::pair<const char*, const char*> texts[] = {
        {"tfStepY", "1.0"}, {"tfProb", "0.5"}, {"tfNumber", "1"}, {"tf4", "0.0"}, {"tf5", "0.0"},
    };
    for (const auto& [name, text] : texts) {
        ASSERT_NE(field(name), nullptr) << name;
        EXPECT_EQ(field(name)->text(), text) << name;
        EXPECT_TRUE(my.findChild<QWidget*>("Param")->isAncestorOf(field(name))) << name;
    }
    EXPECT_EQ(my.findChild<QWidget*>("Param")->geometry(), QRect(488, 5, 160, 169));
    EXPECT_EQ(my.findChild<QWidget*>("Key")->geometry(), QRect(488, 353, 160, 50));
    ASSERT_NE(button(), nullptr);
    EXPECT_EQ(button()->text(), "GENERATE !");
    EXPECT_EQ(button()->geometry(), QRect(0, 0, 160, 50));
    EXPECT_TRUE(my.isBuildingUp());
}

TEST_F(PanelTest, FieldsAndCaptionsFitTheirCellsAndDoNotOverlap)
{
    panel();
    QWidget* param = my->findChild<QWidget*>("Param");
    QVector<QRect> taken;
    for (QWidget* child : param->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect box = child->geometry();
        EXPECT_TRUE(param->rect().contains(box)) << child->metaObject()->className();
        if (qobject_cast<QLabel*>(child)) {
            EXPECT_GE(box.width(), child->sizeHint().width());
        }
        for (const QRect& other : taken)
            EXPECT_FALSE(box.intersects(other));
        taken << box;
    }
    EXPECT_EQ(taken.size(), 10);
    // The fields sit 5 pixels below the top of their rows.
    EXPECT_EQ(field("tfStepY")->y(), 7);
    EXPECT_EQ(field("tf5")->y(), 139);
}

TEST_F(PanelTest, TabGoesThroughTheThreeEntriesToTheButton)
{
    panel();
    QApplication::setActiveWindow(my.get());
    field("tfStepY")->setFocus();
    ASSERT_TRUE(field("tfStepY")->hasFocus());
    for (const char* next : {"tfProb", "tfNumber"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), field(next)) << next;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button());
    EXPECT_EQ(field("tf4")->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(field("tf5")->focusPolicy(), Qt::ClickFocus);
}

TEST_F(PanelTest, EnterInAFieldGeneratesNothing)
{
    panel();
    field("tfStepY")->setFocus();
    field("tfStepY")->selectAll();
    QTest::keyClicks(field("tfStepY"), "3");
    QTest::keyClick(field("tfStepY"), Qt::Key_Return);
    EXPECT_EQ(my->simulation().StepY, 1.0);
    EXPECT_EQ(random.draws(), 453u);
}

TEST_F(PanelTest, GenerateStoresTheEntriesAndDrawsANewTable)
{
    panel();
    picture();
    ASSERT_FALSE(my->isBuildingUp());
    enter("2", "1", "1");
    generate();
    EXPECT_TRUE(my->isBuildingUp());
    EXPECT_EQ(my->simulation().M().at(0, 452), -806.0);
    EXPECT_EQ(random.draws(), 2u * 453);
    EXPECT_TRUE(statuses.isEmpty());
    EXPECT_EQ(field("tf4")->text(), "0.0") << "results change at the redraw";
    picture();
    EXPECT_EQ(field("tf4")->text(), "1.0");
    EXPECT_EQ(field("tf5")->text(), "2.0");
}

struct StoppedPress {
    const char* winLoss;
    const char* lines;
    const char* prob;
    const char* field;  // the field reset, if any
    const char* text;   // its text afterwards
    const char* status;
};

class StoppedPressTest : public PanelTest, public testing::WithParamInterface<StoppedPress> {};

TEST_P(StoppedPressTest, KeepsTheCurvesAndResetsOnlyTheRejectedField)
{
    const StoppedPress& c = GetParam();
    panel();
    const double before = my->simulation().M().at(0, 200);
    enter(c.winLoss, c.lines, c.prob);
    EXPECT_FALSE(my->action(button(), button()->text()));
    EXPECT_EQ(field(c.field)->text(), c.text);
    EXPECT_EQ(statuses, c.status[0] ? QStringList{c.status} : QStringList{});
    EXPECT_EQ(random.draws(), 453u);
    EXPECT_EQ(my->simulation().M().at(0, 200), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoppedPressTest,
    testing::Values(StoppedPress{"abc", "5", "0.7", "tfStepY", "abc", ""},
                    StoppedPress{"-2", "5", "0.7", "tfStepY", "1.0", "Param Win/Loss must be more then 1"},
                    StoppedPress{"3", "0", "0.7", "tfNumber", "1", "Param Lines Qty must be more then 1"},
                    StoppedPress{"3", "2", "1.01", "tfProb", "0.5", "Param Prob must be more then 0 and less then 1"},
                    StoppedPress{"3", "2", "-0.1", "tfProb", "0.5", "Param Prob must be more then 0 and less then 1"},
                    StoppedPress{"3", "5000", "0.5", "tfNumber", "1", "Param Lines Qty must be 1000 or less"},
                    StoppedPress{"1e308", "5", "0.5", "tfStepY", "1.0", "Param Win/Loss must be 1000000 or less"},
                    StoppedPress{"3", "2", "NaN", "tfProb", "NaN", ""}));

TEST_F(PanelTest, ActsOnlyForTheGenerateButton)
{
    panel();
    QPushButton other(QStringLiteral("Other"));
    EXPECT_FALSE(my->action(field("tfStepY"), QStringLiteral("GENERATE !")));
    EXPECT_TRUE(my->action(&other, other.text()));
    EXPECT_EQ(random.draws(), 453u);
    EXPECT_TRUE(my->action(&other, QStringLiteral("GENERATE !")));
    EXPECT_EQ(random.draws(), 2u * 453);
}

TEST_F(PanelTest, ResultFieldsShowTheHeldValuesAtTheNextRedraw)
{
    panel();
    picture();
    QTest::keyClicks(field("tf4"), "typed");
    ASSERT_NE(field("tf4")->text(), "0.0");
    my->grab();
    EXPECT_EQ(field("tf4")->text(), "0.0");

    // A press stopped at the probability keeps the new ratio.
    enter("3", "4", "2");
    generate();
    EXPECT_EQ(field("tf4")->text(), "0.0");
    my->grab();
    EXPECT_EQ(field("tf4")->text(), "0.33333333333333337");
    EXPECT_EQ(field("tf5")->text(), "1.0");
    EXPECT_EQ(my->simulation().tableLines(), 1) << "the table keeps the curves it has";
}

TEST_F(PanelTest, ZeroRatioShowsAnInfiniteKellyValue)
{
    panel();
    enter("-0", "1", "0.5");
    generate();
    picture();
    EXPECT_EQ(field("tf4")->text(), "-Infinity");
    EXPECT_EQ(field("tf5")->text(), "-0.5");
}

TEST_F(PanelTest, OnlyASingleClickOnTheBottomLeftColumnAsksForTheWebPage)
{
    panel();
    QTest::mouseClick(my.get(), Qt::LeftButton, {}, QPoint(1, 400));
    QTest::mouseClick(my.get(), Qt::LeftButton, {}, QPoint(0, 348));
    QTest::mouseClick(my.get(), Qt::LeftButton, {}, QPoint(0, 100));
    EXPECT_TRUE(documents.isEmpty());
    QTest::mouseClick(my.get(), Qt::LeftButton, {}, QPoint(0, 400));
    EXPECT_EQ(documents, QStringList{QString::fromUtf8(SiteAddress) + " _top"});
    EXPECT_TRUE(my->mouseDown(0, 400, 2));
    EXPECT_TRUE(my->mouseDown(0, 349, 1));
    EXPECT_EQ(documents.size(), 2) << "the second press of a double click does nothing";
}

}  // namespace
}  // namespace korvex
