#include "app/numbers/checked_math.h"
#include "app/widgets/labelled_edit.h"
#include "app/tf_main.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/paint_watch.h"
#include "tests/app/started_window.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(TfMain, IsOneFixedWindowWithFivePagesOnTheTradePlanner)
{
    TfMain window;
    ASSERT_TRUE(startUp(window));
    EXPECT_EQ(window.windowTitle(), "Korvex Trading Calculator");
    EXPECT_EQ(window.size(), QSize(735, 630));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);

    auto* pages = window.findChild<QTabWidget*>("pgctrl_ZADuraulator");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->geometry(), QRect(8, 8, 718, 593));
    const QStringList captions{"Trade Planner", "Position Sizing", "Simulator", "Profit Projections",
                               "www.example.com"};
    const QStringList names{"ts_TradePlanner", "ts_PositionSizing", "ts_Simulator", "ts_SavingsCalculator",
                            "ts_About"};
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->tabText(i), captions[i]);
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    // Every page has room for its 710 x 565 layout.
    EXPECT_GE(pages->currentWidget()->width(), 710);
    EXPECT_GE(pages->currentWidget()->height(), 555);

    auto* version = window.findChild<QLabel*>("lbl_Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 2.0");
    EXPECT_EQ(version->pos(), QPoint(664, 608));
    EXPECT_GE(version->width(), version->sizeHint().width());
    EXPECT_LE(version->geometry().right(), 735);
    auto* address = window.findChild<QLabel*>("lbl_Url3");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text(), "www.example.com");
    EXPECT_EQ(address->geometry(), QRect(8, 608, 165, 16));
}

TEST(ErrorBox, ShowsAnErrorEscapingAnEventHandlerAndGoesOn)
{
    MessageBoxRecorder recorder;
    QPushButton button("Divide");
    int presses = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&presses] {
        ++presses;
        Divide(1, 0);
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(presses, 2);
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0].caption, "Korvex Trading Calculator");
    EXPECT_EQ(recorder.boxes[0].text, "Floating point division by zero.");
    EXPECT_EQ(recorder.boxes[0].icon, QMessageBox::Critical);
}

TEST(LabelledEdit, KeepsItsCaptionTenPixelsLeftAndFourDown)
{
    QWidget page;
    LabelledEdit edit("lbl_edt_Risk", "Risk %:", QRect(280, 72, 73, 21), &page);
    page.show();
    const QLabel* label = edit.label();
    EXPECT_EQ(label->geometry().right() + 1, 270);
    EXPECT_EQ(label->y(), 76);
    EXPECT_EQ(label->height(), 13);
    EXPECT_EQ(label->buddy(), &edit);
    EXPECT_EQ(edit.accessibleName(), "Risk %:");

    edit.setCaption("Risk $");
    EXPECT_EQ(label->text(), "Risk $");
    EXPECT_EQ(label->geometry().right() + 1, 270);

    edit.setCaption("&Quantity #:");
    EXPECT_EQ(edit.accessibleName(), "Quantity #:");
    edit.setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
}

TEST(LabelledEdit, SelectsItsTextWhenFocusedFromTheKeyboardOrTheProgram)
{
    QWidget page;
    LabelledEdit first("first", "First:", QRect(80, 10, 73, 21), &page);
    LabelledEdit second("second", "Second:", QRect(80, 40, 73, 21), &page);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    second.setText("1500");
    first.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&first, Qt::Key_Tab);
    EXPECT_TRUE(second.hasFocus());
    EXPECT_EQ(second.selectedText(), "1500");

    first.setFocus();
    second.deselect();
    second.setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(second.selectedText(), "1500");

    first.setFocus();
    second.deselect();
    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_TRUE(second.selectedText().isEmpty());
}

}  // namespace
}  // namespace korvex

namespace korvex {
namespace {

// The pages built after the first paint leave the page on the screen alone:
// painting it again would double the drawing of the start-up.
TEST(TfMain, LaterStartUpStepsDoNotRepaintTheFirstPage)
{
    TfMain window;
    const PaintWatch notes(window.findChild<QLabel*>("Label26"));
    ASSERT_TRUE(startUp(window));
    QTest::qWait(50);  // whatever the later steps asked for is painted by now
    EXPECT_EQ(notes.paints, 1);
}

// Controls are found by name, so no two may share one.
TEST(TfMain, EveryControlNameIsUnique)
{
    TfMain window;
    ASSERT_TRUE(startUp(window));
    QSet<QString> seen;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
    }
}

}  // namespace
}  // namespace korvex
