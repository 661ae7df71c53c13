#include "app/files/get_dir.h"
#include "app/tf_main.h"
#include "app/widgets/url_opener.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/qstring_printer.h"
#include "tests/app/started_window.h"
#include "tests/app/temp_folder.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex {
namespace {

class AboutPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string folder = temp.path();
        setTempDirSource([folder] { return folder; });
        setUrlOpener([this](const QUrl& address) {
            opened << address.toString();
            return true;
        });
        window = std::make_unique<TfMain>();
        ASSERT_TRUE(startUp(*window));
    }
    void TearDown() override
    {
        window.reset();
        setUrlOpener({});
        setTempDirSource({});
    }

    void showAbout() { window->findChild<QTabWidget*>("pgctrl_ZADuraulator")->setCurrentIndex(4); }
    QWidget* about() const { return window->findChild<QWidget*>("ts_About"); }
    template <typename T = QLabel>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

    TempFolder temp;
    MessageBoxRecorder recorder;
    QStringList opened;
    std::unique_ptr<TfMain> window;
};

TEST_F(AboutPageTest, TheFourLinksOpenTheSiteAndNothingElseDoes)
{
    click(control("lbl_Url3"));  // from the Trade Planner page
    EXPECT_EQ(opened, QStringList{"https://www.example.com/"});

    showAbout();
    opened.clear();
    for (const char* name : {"Label8", "Label9", "Label7", "Label25", "Label29", "Image3"})
        click(control(name));
    click(control<QScrollArea>("ScrollBox1")->viewport());
    EXPECT_TRUE(opened.isEmpty());
    for (const char* name : {"Image1", "Label10", "Label11", "lbl_Url3"})
        click(control(name));
    EXPECT_EQ(opened, QStringList(4, "https://www.example.com/"));
}

// Everything where the layout puts it, every picture loaded, no text cut off.
TEST_F(AboutPageTest, EveryControlSitsInPlaceAndShowsAllItsText)
{
    showAbout();
    struct Item {
        QString name;
        QRect rect;  // an empty size: placed there and sized to its text
    };
    std::vector<Item> layout{
        {"Shape1", {0, 0, 710, 565}},    {"Image1", {8, 65, 296, 425}},   {"Label8", {397, 8, 0, 0}},
        {"Label9", {381, 24, 0, 0}},     {"Label10", {464, 24, 0, 0}},    {"ScrollBox1", {328, 48, 353, 457}},
        {"Label7", {328, 512, 345, 32}}, {"Label11", {408, 544, 0, 0}}, {"Label25", {109, 13, 0, 0}},
    };
    const int topicTops[] = {40, 59, 91, 124, 143, 177, 200, 231, 263, 311, 344, 388, 426};
    const int checkTops[] = {35, 60, 93, 119, 144, 172, 201, 234, 271, 314, 353, 389, 423};
    for (int i = 0; i < 13; ++i) {
        layout.push_back({QStringLiteral("Label%1").arg(i + 29), {32, topicTops[i], 0, 0}});
        layout.push_back({QStringLiteral("Image%1").arg(i + 3), {8, checkTops[i], 18, 20}});
    }
    for (const Item& item : layout) {
        SCOPED_TRACE(item.name.toStdString());
        auto* widget = window->findChild<QWidget*>(item.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), item.rect.topLeft());
        if (!item.rect.isEmpty()) {
            EXPECT_EQ(widget->size(), item.rect.size());
        }
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
        auto* label = qobject_cast<QLabel*>(widget);
        if (!label)
            continue;
        if (label->text().isEmpty()) {
            EXPECT_EQ(label->pixmap().size(), label->size());
        } else {
            EXPECT_LE(label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height(),
                      label->height());
            EXPECT_GE(label->width(), label->wordWrap() ? 0 : label->sizeHint().width());
        }
    }
    EXPECT_LT(control("Label9")->geometry().right(), control("Label10")->x());
    EXPECT_FALSE(control<QScrollArea>("ScrollBox1")->verticalScrollBar()->isVisible());
    EXPECT_EQ(control("Label11")->text(), "www.example.com");
    EXPECT_TRUE(control("Label7")->text().startsWith("Interested in making real money trading the markets ? "));
}

}  // namespace
}  // namespace korvex
