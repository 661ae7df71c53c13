#include "app/app_info.h"
#include "simulator/my_panel.h"
#include "tests/simulator/test_panel.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>


namespace korvex {
namespace {

class PanelTest : public testing::Test, protected TestPanel {};

TEST_F(PanelTest, AtCreationHoldsOneCurveAndTheCreationTexts)
{
    EXPECT_EQ(random.draws(), 453u);
    const std::pair<const char*, const char*> texts[] = {
        {"tfStepY", "1.0"}, {"tfProb", "0.5"}, {"tfNumber", "1"}, {"tf4", "0.0"}, {"tf5", "0.0"},
    };
    for (const auto& [name, text] : texts) {
        ASSERT_NE(field(name), nullptr) << name;
        EXPECT_EQ(field(name)->text(), text) << name;
    }
    EXPECT_EQ(my->findChild<QWidget*>("Param")->geometry(), QRect(488, 5, 160, 169));
    EXPECT_EQ(my->findChild<QWidget*>("Key")->geometry(), QRect(488, 353, 160, 50));
    EXPECT_EQ(button()->text(), "GENERATE !");
    EXPECT_EQ(button()->geometry(), QRect(0, 0, 160, 50));
}

TEST_F(PanelTest, TabGoesThroughTheFiveFieldsToTheButtonAndEnterGeneratesNothing)
{
    QApplication::setActiveWindow(my.get());
    field("tfStepY")->setFocus();
    for (QWidget* next : {static_cast<QWidget*>(field("tfProb")), static_cast<QWidget*>(field("tfNumber")),
                          static_cast<QWidget*>(field("tf4")), static_cast<QWidget*>(field("tf5")),
                          static_cast<QWidget*>(button())}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }

    field("tfNumber")->setText(QStringLiteral("3"));
    QTest::keyClick(field("tfNumber"), Qt::Key_Return);
    EXPECT_EQ(random.draws(), 453u);
    EXPECT_EQ(my->simulation().Number, 1);
}

TEST_F(PanelTest, GenerateRunsANewTableAndTheResultsFollowAtTheRedraw)
{
    builtUp();
    field("tfStepY")->setText(QStringLiteral("2"));
    field("tfProb")->setText(QStringLiteral("1"));
    QTest::mouseClick(button(), Qt::LeftButton);
    EXPECT_EQ(my->simulation().M().at(0, 452), -806.0);
    EXPECT_TRUE(my->isBuildingUp());
    EXPECT_TRUE(statuses.isEmpty());
    EXPECT_EQ(field("tf4")->text(), "0.0");
    builtUp();
    EXPECT_EQ(field("tf4")->text(), "1.0");
    EXPECT_EQ(field("tf5")->text(), "2.0");
    EXPECT_FALSE(my->isBuildingUp());
}

TEST_F(PanelTest, StoppedPressesResetOnlyTheRejectedFieldAndKeepTheCurves)
{
    const struct {
        const char* winLoss;
        const char* lines;
        const char* field;
        const char* text;
        const char* status;
    } cases[] = {
        {"abc", "5", "tfStepY", "abc", nullptr},
        {"3", "0", "tfNumber", "1", "Param Lines Qty must be more then 1"},
        {"-2", "5", "tfStepY", "1.0", "Param Win/Loss must be more then 1"},
        {"abc", "5", "tfStepY", "abc", nullptr},
    };
    for (const auto& c : cases) {
        statuses.clear();
        EXPECT_FALSE(generate(c.winLoss, c.lines, "0.7"));
        EXPECT_EQ(field(c.field)->text(), c.text);
        EXPECT_EQ(statuses, c.status ? QStringList{c.status} : QStringList{});
        // The reason stays on the reset field alone, until the next press.
        for (const char* name : {"tfStepY", "tfNumber", "tfProb"}) {
            const QString reason = c.status && name == std::string_view(c.field) ? c.status : "";
            EXPECT_EQ(field(name)->toolTip(), reason) << c.winLoss << " " << c.lines << " " << name;
            EXPECT_EQ(field(name)->accessibleDescription(), reason) << name;
        }
    }
    EXPECT_EQ(random.draws(), 453u);
    QPushButton other(QStringLiteral("Other"));
    EXPECT_FALSE(my->action(field("tfStepY"), QStringLiteral("GENERATE !")));
    EXPECT_TRUE(my->action(&other, other.text()));
    EXPECT_EQ(random.draws(), 453u);
}

TEST_F(PanelTest, ResultFieldsShowTheHeldValuesAtTheNextRedraw)
{
    builtUp();
    QTest::keyClicks(field("tf4"), "typed");
    paintAfter(0);
    EXPECT_EQ(field("tf4")->text(), "0.0");

    // Stopped at the probability: the new ratio and quantity stay, the table
    // keeps its one curve, and the redraw reads only what the table holds.
    EXPECT_FALSE(generate("3", "7", "2"));
    EXPECT_EQ(field("tfProb")->text(), "0.5");
    EXPECT_EQ(field("tf4")->text(), "0.0");
    paintAfter(0);
    EXPECT_EQ(field("tf4")->text(), "0.33333333333333337");
    EXPECT_EQ(my->simulation().Number, 7);
    EXPECT_EQ(my->simulation().tableLines(), 1);
}

TEST_F(PanelTest, OnlyASingleClickOnTheBottomLeftColumnAsksForTheWebPage)
{
    for (const QPoint at : {QPoint(1, 400), QPoint(0, 348), QPoint(0, 100)})
        QTest::mouseClick(my.get(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(documents.isEmpty());
    QTest::mouseClick(my.get(), Qt::LeftButton, {}, QPoint(0, 400));
    EXPECT_EQ(documents, QStringList{QString::fromUtf8(SiteAddress) + " _top"});
    // A double click: the first press asks again, the second (count 2) does not.
    QTest::mouseClick(my.get(), Qt::LeftButton, {}, QPoint(0, 400));
    QTest::mouseDClick(my.get(), Qt::LeftButton, {}, QPoint(0, 400));
    EXPECT_EQ(documents.size(), 2);
}

}  // namespace
}  // namespace korvex
