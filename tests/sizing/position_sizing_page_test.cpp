#include "app/widgets/labelled_edit.h"
#include "app/tf_main.h"
#include "sizing/position_sizing_page.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/started_window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(248, 248, 248);

const char* const kInputs[] = {"cbo_Instrument",   "lbl_edt_Quantity",   "lbl_edt_Price", "lbl_edt_Stop",
                               "lbl_edt_Leverage", "lbl_edt_TotalFunds", "lbl_edt_Risk",  "lbl_edt_Float"};

// The offscreen platform complains each time a list drops down; the rest of
// the output is kept.
QtMessageHandler previousHandler = nullptr;
void quietPopups(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        previousHandler(type, context, message);
}

// The page in its start state, as the main window's start-up leaves it.
class PositionSizingPageTest : public ::testing::Test {
protected:
    PositionSizingPageTest()
    {
        page.setDisabledColor(kGrey);
        page.clearResult();
        page.DisablePositionInputs();
        page.resize(710, 565);
        page.show();
        previousHandler = qInstallMessageHandler(quietPopups);
    }
    ~PositionSizingPageTest() override { qInstallMessageHandler(previousHandler); }

    template <class Widget = QWidget>
    Widget* find(const char* name)
    {
        auto* widget = page.findChild<Widget*>(QLatin1String(name));
        if (!widget)
            ADD_FAILURE() << "no " << name;
        return widget;
    }
    LabelledEdit* edit(const char* name) { return find<LabelledEdit>(name); }
    QString memo() { return find<QPlainTextEdit>("mem_Result")->toPlainText(); }

    // As a keyboard user does it: open the list, go to the item, press Enter.
    void choose(const char* comboName, int index)
    {
        QComboBox* combo = find<QComboBox>(comboName);
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
        ASSERT_EQ(combo->currentIndex(), index);
    }
    void type(const char* name, const char* text)
    {
        edit(name)->selectAll();
        QTest::keyClicks(edit(name), QLatin1String(text));
    }
    void calculate() { QTest::mouseClick(find<QPushButton>("btn_Calculate"), Qt::LeftButton); }

    bool isOn(const char* name)
    {
        QWidget* input = find(name);
        const QColor background = input->palette().color(QPalette::Base);
        EXPECT_EQ(background, input->isEnabled() ? kWhite : kGrey) << name;
        return input->isEnabled();
    }

    PositionSizingPage page{nullptr};
};

TEST_F(PositionSizingPageTest, StartsWithNoModelEverythingOffAndAnEmptyMemo)
{
    auto* models = find<QComboBox>("cbo_MoneyManagementModel");
    EXPECT_EQ(models->currentIndex(), -1);
    EXPECT_EQ(models->count(), 6);
    EXPECT_EQ(find<QComboBox>("cbo_Instrument")->currentText(), "Shares");

    for (const char* name : kInputs)
        EXPECT_FALSE(isOn(name)) << name;
    EXPECT_FALSE(find<QPushButton>("btn_Reset")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btn_Calculate")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("btn_Close")->isEnabled());
    EXPECT_EQ(edit("lbl_edt_Risk")->caption(), "Risk %:");
    EXPECT_TRUE(memo().isEmpty());

    // Nothing can be typed and nothing calculated yet.
    QTest::keyClicks(edit("lbl_edt_Price"), "12");
    EXPECT_TRUE(edit("lbl_edt_Price")->text().isEmpty());
    calculate();
    EXPECT_TRUE(memo().isEmpty());

    auto* result = find<QPlainTextEdit>("mem_Result");
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(result->font().bold());
    EXPECT_EQ(result->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(PositionSizingPageTest, EachModelSwitchesOnExactlyItsInputs)
{
    const struct {
        int model;
        bool quantity, totalFunds, risk, floatPercent;
    } cases[] = {
        {0, true, false, false, false}, {1, true, false, false, false}, {2, false, true, false, false},
        {3, false, true, false, true},  {4, false, false, true, false}, {5, false, true, true, false},
    };
    // Every model from every other one, so that nothing depends on the order.
    for (const auto& from : cases) {
        for (const auto& c : cases) {
            choose("cbo_MoneyManagementModel", from.model);
            choose("cbo_MoneyManagementModel", c.model);
            SCOPED_TRACE(testing::Message() << "from " << from.model << " to " << c.model);
            EXPECT_TRUE(isOn("cbo_Instrument"));
            EXPECT_TRUE(isOn("lbl_edt_Price"));
            EXPECT_TRUE(isOn("lbl_edt_Stop"));
            EXPECT_FALSE(isOn("lbl_edt_Leverage"));
            EXPECT_EQ(isOn("lbl_edt_Quantity"), c.quantity);
            EXPECT_EQ(isOn("lbl_edt_TotalFunds"), c.totalFunds);
            EXPECT_EQ(isOn("lbl_edt_Risk"), c.risk);
            EXPECT_EQ(isOn("lbl_edt_Float"), c.floatPercent);
            EXPECT_TRUE(edit("lbl_edt_Leverage")->text().isEmpty());
            EXPECT_TRUE(find<QPushButton>("btn_Reset")->isEnabled());
            EXPECT_TRUE(find<QPushButton>("btn_Calculate")->isEnabled());
        }
    }
}

TEST_F(PositionSizingPageTest, OnAndOffShowWhiteAndLightGreyOnScreen)
{
    // The instrument list's face is one flat colour, from its top to its bottom
    // edge, between the text and the arrow.
    const auto listFace = [this] {
        auto* list = find<QComboBox>("cbo_Instrument");
        const QImage image = list->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 2; y < list->height() - 2; ++y)
            for (const int x : {2, 3, 60})
                colours.insert(image.pixel(x, y));
        return colours;
    };
    EXPECT_EQ(listFace(), QSet<QRgb>({kGrey.rgb()}));

    choose("cbo_MoneyManagementModel", 1);
    EXPECT_EQ(listFace(), QSet<QRgb>({kWhite.rgb()}));
    const QImage image = page.grab().toImage();
    const auto inside = [this](const char* name) {
        QWidget* input = find(name);
        return input->mapTo(&page, QPoint(input->width() - 6, input->height() / 2));
    };
    EXPECT_EQ(image.pixelColor(inside("lbl_edt_Quantity")), kWhite);
    EXPECT_EQ(image.pixelColor(inside("lbl_edt_Float")), kGrey);
}

// The group's frame is a groove of two lines from 6 pixels down, broken
// where the caption sits in its top edge (a blank starts the caption).
TEST_F(PositionSizingPageTest, TheGroupIsAGrooveBrokenByItsCaption)
{
    QWidget* group = find("grp_CalculatePosition");
    const QImage image = group->grab().toImage();
    const QColor shadow(0xc8, 0xc8, 0xc8);
    const int right = group->width() - 1;
    const int bottom = group->height() - 1;
    const struct {
        QPoint at;
        QColor colour;
    } pixels[] = {
        {{0, 6}, shadow},      {{1, 7}, kWhite},               // top left
        {{right - 10, 6}, shadow}, {{right - 10, 7}, kWhite},  // top, beyond the caption
        {{0, 60}, shadow},     {{1, 60}, kWhite},              // left
        {{right, 60}, kWhite}, {{right - 1, 60}, shadow},      // right
        {{60, bottom}, kWhite}, {{60, bottom - 1}, shadow},    // bottom
        {{right, 6}, shadow},  {{0, bottom}, shadow},          // the top and left lines keep the corners
    };
    for (const auto& pixel : pixels)
        EXPECT_EQ(image.pixelColor(pixel.at), pixel.colour) << pixel.at.x() << ", " << pixel.at.y();
    EXPECT_EQ(image.pixelColor(7, 6), image.pixelColor(7, 2));  // no groove under the caption
}

TEST_F(PositionSizingPageTest, LeverageFollowsTheInstrumentAndResetsAtEveryModelChange)
{
    choose("cbo_MoneyManagementModel", 2);
    choose("cbo_Instrument", 1);
    EXPECT_TRUE(isOn("lbl_edt_Leverage"));
    EXPECT_EQ(edit("lbl_edt_Leverage")->text(), "5");

    type("lbl_edt_Leverage", "10");
    choose("cbo_MoneyManagementModel", 4);
    EXPECT_TRUE(isOn("lbl_edt_Leverage"));
    EXPECT_EQ(edit("lbl_edt_Leverage")->text(), "5");

    type("lbl_edt_Leverage", "10");
    choose("cbo_MoneyManagementModel", 4);  // choosing the same model again
    EXPECT_EQ(edit("lbl_edt_Leverage")->text(), "5");

    choose("cbo_Instrument", 0);
    EXPECT_FALSE(isOn("lbl_edt_Leverage"));
    EXPECT_TRUE(edit("lbl_edt_Leverage")->text().isEmpty());
}

TEST_F(PositionSizingPageTest, RiskCaptionFollowsTheLastRiskModel)
{
    LabelledEdit* risk = edit("lbl_edt_Risk");
    const int rightEdge = risk->label()->geometry().right();
    choose("cbo_MoneyManagementModel", 4);
    EXPECT_EQ(risk->caption(), "Risk $");
    choose("cbo_MoneyManagementModel", 2);
    EXPECT_EQ(risk->caption(), "Risk $");
    EXPECT_FALSE(risk->isEnabled());
    choose("cbo_MoneyManagementModel", 5);
    EXPECT_EQ(risk->caption(), "Risk %");
    EXPECT_EQ(risk->label()->geometry().right(), rightEdge);
}

TEST_F(PositionSizingPageTest, ResetEmptiesTheSixFiguresAndNothingElse)
{
    choose("cbo_MoneyManagementModel", 1);
    choose("cbo_Instrument", 1);
    type("lbl_edt_Quantity", "10000");
    type("lbl_edt_Price", "3.5");
    type("lbl_edt_Stop", "3.2");
    type("lbl_edt_Leverage", "20");
    calculate();
    const QString result = memo();
    ASSERT_FALSE(result.isEmpty());
    edit("lbl_edt_Risk")->setText("7");  // a leftover of another model
    QTest::mouseClick(find<QPushButton>("btn_Reset"), Qt::LeftButton);
    for (const char* name :
         {"lbl_edt_Quantity", "lbl_edt_Price", "lbl_edt_Stop", "lbl_edt_TotalFunds", "lbl_edt_Risk", "lbl_edt_Float"})
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    EXPECT_EQ(edit("lbl_edt_Leverage")->text(), "20");
    EXPECT_EQ(memo(), result);
    EXPECT_EQ(find<QComboBox>("cbo_Instrument")->currentIndex(), 1);
    EXPECT_TRUE(isOn("lbl_edt_Quantity"));
}

TEST_F(PositionSizingPageTest, CalculateReplacesTheMemoAndIgnoresSwitchedOffInputs)
{
    choose("cbo_MoneyManagementModel", 1);
    type("lbl_edt_Quantity", "10000");
    type("lbl_edt_Price", "3.5");
    type("lbl_edt_Stop", "3.2");
    calculate();
    calculate();
    EXPECT_EQ(memo(), "10,000 @ $3.500 = $35,000.00 Position Size.\nwith Stop @3.200\n");

    choose("cbo_MoneyManagementModel", 2);
    EXPECT_EQ(edit("lbl_edt_Quantity")->text(), "10000");
    type("lbl_edt_TotalFunds", "15000");
    choose("cbo_Instrument", 1);
    calculate();
    EXPECT_EQ(memo(), "Parcel Size: $15,000.00 @ Price:$3.500\nUnits to purchase: 85,714\n"
                      "with Stop @ $3.20 (Leverage - 5%)");
}

TEST_F(PositionSizingPageTest, ArithmeticErrorsShowTheErrorBoxAndKeepTheMemo)
{
    MessageBoxRecorder recorder;
    choose("cbo_MoneyManagementModel", 1);
    type("lbl_edt_Quantity", "100");
    calculate();
    const QString before = memo();
    ASSERT_FALSE(before.isEmpty());

    choose("cbo_MoneyManagementModel", 4);  // every figure empty: 0 / 0
    calculate();
    choose("cbo_MoneyManagementModel", 2);
    choose("cbo_Instrument", 1);
    type("lbl_edt_Price", "3.5");
    edit("lbl_edt_Leverage")->clear();
    calculate();

    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[0].text, "Invalid floating point operation.");
    EXPECT_EQ(recorder.boxes[1].text, "Floating point division by zero.");
    for (const auto& box : recorder.boxes) {
        EXPECT_EQ(box.caption, "Korvex Trading Calculator");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
    }
    EXPECT_EQ(memo(), before);
}

TEST_F(PositionSizingPageTest, CaptionsAndBannerAreNotClipped)
{
    for (const QLabel* label : page.findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
        } else if (label->pixmap().isNull()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        }
    }
    // No caption runs into a control beside it; only the banner text lies on the banner.
    for (QWidget* parent : {static_cast<QWidget*>(&page), find("grp_CalculatePosition")}) {
        const auto siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->objectName() == "Image2" || label->objectName() == "Label1")
                continue;
            EXPECT_TRUE(parent->rect().contains(label->geometry())) << label->objectName().toStdString();
            for (const QWidget* other : siblings) {
                if (other != label) {
                    EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                        << label->objectName().toStdString() << " / " << other->objectName().toStdString();
                }
            }
        }
    }

    // The banner is drawn unscaled from its top-left corner and clipped.
    auto* banner = find<QLabel>("Image2");
    const QImage picture(QStringLiteral(":/pictures/banner.jpg"));
    ASSERT_FALSE(picture.isNull());
    const QImage shown = banner->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(377, 73));
    EXPECT_EQ(shown.pixelColor(376, 5), picture.pixelColor(376, 5));
    EXPECT_EQ(shown.pixelColor(300, 72), picture.pixelColor(300, 72));
}

TEST(PositionSizingInWindow, StartsOffAndCloseEndsTheWindow)
{
    TfMain window;
    ASSERT_TRUE(startUp(window));
    auto* page = window.findChild<PositionSizingPage*>("ts_PositionSizing");
    ASSERT_NE(page, nullptr);
    auto* price = page->findChild<QWidget*>("lbl_edt_Price");
    ASSERT_NE(price, nullptr);
    EXPECT_FALSE(price->isEnabled());
    EXPECT_EQ(price->palette().color(QPalette::Base), kGrey);
    QSignalSpy closing(page, &PositionSizingPage::closeRequested);
    QTest::mouseClick(page->findChild<QPushButton*>("btn_Close"), Qt::LeftButton);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace korvex
