// Keys on the two panel pages reach the panels' fields and buttons, and the
// other pages keep their own keys.
#include "app/tf_main.h"
#include "app/url_opener.h"
#include "projections/graph.h"
#include "simulator/my_panel.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/started_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex {
namespace {

class KeyboardRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startUp(window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        pages = window.findChild<QTabWidget*>("pgctrl_ZADuraulator");
        ASSERT_NE(pages, nullptr);
    }

    template <typename T = QLineEdit>
    T* control(const char* name) const
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The names of the widgets that hold the focus after each of `count` presses of a key.
    QStringList focusAfter(Qt::Key key, int count, Qt::KeyboardModifiers modifiers = {})
    {
        QStringList names;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }

    MessageBoxRecorder boxes;
    TfMain window;
    QTabWidget* pages = nullptr;
};

TEST_F(KeyboardRouting, TabWalksTheSimulatorPanelAndComesBackToIt)
{
    pages->setCurrentIndex(2);
    control("tfStepY")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(focusAfter(Qt::Key_Tab, 3), QStringList({"tfProb", "tfNumber", "btext"}));
    EXPECT_EQ(focusAfter(Qt::Key_Backtab, 3, Qt::ShiftModifier), QStringList({"tfNumber", "tfProb", "tfStepY"}));

    // From the button the focus leaves the panel (for the page tabs) and returns.
    control<QPushButton>("btext")->setFocus(Qt::TabFocusReason);
    const QStringList round = focusAfter(Qt::Key_Tab, 4);
    EXPECT_FALSE(round.first().startsWith("tf"));
    EXPECT_TRUE(round.contains("tfStepY")) << round.join(", ").toStdString();
}

TEST_F(KeyboardRouting, TypedFiguresAndTheButtonGenerateFromTheKeyboard)
{
    pages->setCurrentIndex(2);
    QLineEdit* ratio = control("tfStepY");
    ratio->setFocus(Qt::TabFocusReason);  // selects the text, so typing replaces it
    QTest::keyClicks(ratio, "2.5");
    EXPECT_EQ(ratio->text(), "2.5");
    QTest::keyClick(ratio, Qt::Key_Return);  // Enter in a field generates nothing
    EXPECT_EQ(control<My>("My")->simulation().StepY, 1.0);

    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control<QPushButton>("btext"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(control<My>("My")->simulation().StepY, 2.5);
}

TEST_F(KeyboardRouting, EditingKeysReachTheFocusedSimulatorField)
{
    pages->setCurrentIndex(2);
    QLineEdit* lines = control("tfNumber");
    lines->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(lines, "12");
    QTest::keyClick(lines, Qt::Key_Left);
    QTest::keyClick(lines, Qt::Key_Backspace);
    QTest::keyClick(lines, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(lines, Qt::Key_End);
    QTest::keyClick(lines, Qt::Key_Delete);
    EXPECT_EQ(lines->text(), "32");
}

TEST_F(KeyboardRouting, PageDownFromAFieldScrollsTheSimulatorText)
{
    pages->setCurrentIndex(2);
    auto* area = control<QScrollArea>("wbSimulator");
    control("tfStepY")->setFocus(Qt::TabFocusReason);
    const int before = area->verticalScrollBar()->value();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_GT(area->verticalScrollBar()->value(), before);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "tfStepY");
}

TEST_F(KeyboardRouting, TabAndEnterWorkTheProfitProjectionsPanel)
{
    pages->setCurrentIndex(3);
    QLineEdit* amount = control("STARTING_AMOUNT");
    amount->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(focusAfter(Qt::Key_Tab, 5),
              QStringList({"YEARS", "ADDITIONAL_CONTRIBUTIONS", "RATE_OF_RETURN", "btn_ProjectionsCalculate",
                           "btn_ViewReport"}));

    QLineEdit* months = control("YEARS");
    months->setFocus(Qt::BacktabFocusReason);
    QTest::keyClicks(months, "20");
    QTest::keyClick(months, Qt::Key_Return);
    EXPECT_EQ(control<Graph>("graph")->data().title, "Your total is $1,486 after 20 months");
    EXPECT_EQ(QApplication::focusWidget(), months);
}

TEST_F(KeyboardRouting, TheTradePlannerKeepsItsOwnKeys)
{
    pages->setCurrentIndex(0);
    QLineEdit* shares = control("lbl_edt_NumberOfShares");
    shares->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(shares, "100");
    QTest::keyClick(shares, Qt::Key_Return);
    EXPECT_EQ(control("lbl_edt_PotentialProfit")->text(), "$0.00");

    // Its Alt+C does nothing while another page shows.
    control("lbl_edt_PotentialProfit")->clear();
    pages->setCurrentIndex(3);
    QTest::keyClick(control("YEARS"), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(150);
    EXPECT_TRUE(control("lbl_edt_PotentialProfit")->text().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(KeyboardRouting, CtrlTabSwitchesPagesFromAField)
{
    control("lbl_edt_Ticker")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    pages->setCurrentIndex(3);
    control("YEARS")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 2);
}

TEST_F(KeyboardRouting, TheWebAddressUnderThePagesOpensFromTheKeyboard)
{
    QList<QUrl> opened;
    setUrlOpener([&opened](const QUrl& address) {
        opened << address;
        return true;
    });
    pages->setCurrentIndex(0);
    QWidget* address = control<QWidget>("lbl_Url3");
    address->setFocus(Qt::TabFocusReason);
    QTest::keyClick(address, Qt::Key_Return);
    QTest::keyClick(address, Qt::Key_Space);
    setUrlOpener({});
    EXPECT_EQ(opened, QList<QUrl>({QUrl("https://www.example.com/"), QUrl("https://www.example.com/")}));
}

}  // namespace
}  // namespace korvex
