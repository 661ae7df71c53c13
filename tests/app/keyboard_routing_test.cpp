// Keys on the two panel pages reach the panels' fields and buttons, and the
// other pages keep their own keys.
#include "app/tf_main.h"
#include "app/widgets/url_opener.h"
#include "projections/graph.h"
#include "projections/profit_projections_page.h"
#include "projections/report_window.h"
#include "simulator/my_panel.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/started_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

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

    // A key as the user presses it: to the window, which hands it to the
    // focused control or to an open list.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }

    // The names of the widgets that hold the focus after each of `count` presses of a key.
    QStringList focusAfter(Qt::Key key, int count, Qt::KeyboardModifiers modifiers = {})
    {
        QStringList names;
        for (int i = 0; i < count; ++i) {
            press(key, modifiers);
            QWidget* focus = QApplication::focusWidget();
            names << (focus == pages->tabBar() ? QStringLiteral("tabs") : focus->objectName());
        }
        return names;
    }

    // "Fixed Percent Risk" with a leveraged instrument: the most inputs on at once.
    void switchOnMostPositionInputs()
    {
        pages->setCurrentIndex(1);
        for (const char* list : {"cbo_MoneyManagementModel", "cbo_Instrument"}) {
            control<QComboBox>(list)->setFocus(Qt::TabFocusReason);
            press(Qt::Key_End);
        }
        ASSERT_TRUE(control("lbl_edt_Leverage")->isEnabled());
    }

    MessageBoxRecorder boxes;
    TfMain window;
    QTabWidget* pages = nullptr;
};

TEST_F(KeyboardRouting, TabWalksEveryPageFromTheTabsToTheAddressAndBack)
{
    switchOnMostPositionInputs();
    const QStringList orders[] = {
        {"lbl_edt_AccountBalance", "lbl_edt_Ticker", "cbo_Position", "lbl_edt_EntryPrice",
         "lbl_edt_TargetPrice", "lbl_edt_StopLoss", "lbl_edt_NumberOfShares", "mem_Note",
         "btn_TradePlannerCalculate", "btn_TradePlannerPrint"},
        // Quantity and Float are switched off.
        {"cbo_MoneyManagementModel", "cbo_Instrument", "lbl_edt_Price", "lbl_edt_Stop", "lbl_edt_Leverage",
         "lbl_edt_TotalFunds", "lbl_edt_Risk", "btn_Close", "btn_Reset", "btn_Calculate", "mem_Result",
         "redt_Help"},
        {"tfStepY", "tfProb", "tfNumber", "tf4", "tf5", "btext", "curveFiguresTable"},
        {"STARTING_AMOUNT", "YEARS", "ADDITIONAL_CONTRIBUTIONS", "RATE_OF_RETURN", "btn_ProjectionsCalculate",
         "btn_ViewReport"},
        {"Image1", "Label10", "ScrollBox1", "Label11"},
    };
    for (int page = 0; page < 5; ++page) {
        pages->setCurrentIndex(page);
        const QStringList forward = orders[page] + QStringList{"lbl_Url3", "tabs"};
        QStringList backward = forward;
        std::reverse(backward.begin(), backward.end() - 1);
        pages->tabBar()->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(focusAfter(Qt::Key_Tab, forward.size()), forward) << "page " << page;
        EXPECT_EQ(focusAfter(Qt::Key_Backtab, backward.size(), Qt::ShiftModifier), backward)
            << "page " << page;
    }
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

    // Enter and Space on the focused button both generate.
    auto* button = control<QPushButton>("btext");
    button->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(control<My>("My")->simulation().StepY, 2.5);
    ratio->setText("3");
    press(Qt::Key_Space);
    EXPECT_EQ(control<My>("My")->simulation().StepY, 3.0);
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

TEST_F(KeyboardRouting, EnterWorksTheProfitProjectionsFieldsAndButtons)
{
    pages->setCurrentIndex(3);
    QLineEdit* months = control("YEARS");
    months->setFocus(Qt::BacktabFocusReason);
    QTest::keyClicks(months, "20");
    QTest::keyClick(months, Qt::Key_Return);
    EXPECT_EQ(control<Graph>("graph")->data().title, "Your total is $1,486 after 20 months");
    EXPECT_EQ(QApplication::focusWidget(), months);

    // A figure left unconfirmed counts once Calculate is pressed with Enter.
    months->setText("30");
    control<QPushButton>("btn_ProjectionsCalculate")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(control<Graph>("graph")->data().title, "Your total is $1,811 after 30 months");

    control<QPushButton>("btn_ViewReport")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    auto* page = control<ProfitProjectionsPage>("ts_SavingsCalculator");
    ASSERT_NE(page->reportWindow(), nullptr);
    EXPECT_TRUE(page->reportWindow()->isVisible());

    // The report is a window of its own: Ctrl+Tab there leaves the pages alone.
    QTest::keyClick(page->reportWindow()->windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 3);
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

TEST_F(KeyboardRouting, CtrlTabSwitchesPagesFromEveryControlAndFromAnOpenList)
{
    switchOnMostPositionInputs();
    for (int page = 0; page < 5; ++page) {
        pages->setCurrentIndex(page);
        QWidgetList controls{pages->tabBar(), control<QWidget>("lbl_Url3")};
        for (QWidget* widget : pages->widget(page)->findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus && widget->isVisible() && widget->isEnabled())
                controls << widget;
        for (QWidget* widget : controls) {
            widget->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Tab, Qt::ControlModifier);
            EXPECT_EQ(pages->currentIndex(), (page + 1) % 5) << widget->objectName().toStdString();
            pages->setCurrentIndex(page);
            widget->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_EQ(pages->currentIndex(), (page + 4) % 5) << widget->objectName().toStdString();
            pages->setCurrentIndex(page);
        }
    }

    // An open list closes and the pages switch.
    auto* models = control<QComboBox>("cbo_MoneyManagementModel");
    pages->setCurrentIndex(1);
    models->showPopup();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
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
