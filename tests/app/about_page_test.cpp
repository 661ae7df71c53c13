#include "app/get_dir.h"
#include "app/tf_main.h"
#include "app/url_opener.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/qstring_printer.h"
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
        setTempDirSource([folder] { return QString::fromStdString(folder); });
        setUrlOpener([this](const QUrl& address) { opened << address.toString(); });
        window = std::make_unique<TfMain>();
        window->show();
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
    for (const char* name : {"Label8", "Label9", "Label7", "Label25", "Label12", "Image3"})
        click(control(name));
    click(control<QScrollArea>("ScrollBox1")->viewport());
    EXPECT_TRUE(opened.isEmpty());
    for (const char* name : {"Image1", "Label10", "Label11", "lbl_Url3"})
        click(control(name));
    EXPECT_EQ(opened, QStringList(4, "https://www.example.com/"));
}

TEST_F(AboutPageTest, EveryControlSitsWhereTheLayoutPutsItAndShowsAllItsText)
{
    showAbout();
    const struct {
        const char* name;
        QRect rect;  // an empty size: placed there and sized to its text
    } layout[] = {
        {"Shape1", {0, 0, 710, 565}},    {"Image1", {8, 65, 296, 425}},   {"Label8", {397, 8, 0, 0}},
        {"Label9", {381, 24, 0, 0}},     {"Label10", {464, 24, 0, 0}},    {"ScrollBox1", {328, 48, 353, 457}},
        {"Label7", {328, 512, 345, 32}}, {"Label11", {408, 544, 0, 0}}, {"Label25", {109, 13, 0, 0}},
    };
    const QRect page(0, 0, 710, 565);
    for (const auto& item : layout) {
        SCOPED_TRACE(item.name);
        auto* widget = control<QWidget>(item.name);
        if (item.rect.isEmpty())
            EXPECT_EQ(widget->pos(), item.rect.topLeft());
        else
            EXPECT_EQ(widget->geometry(), item.rect);
        if (widget->parentWidget() == about()) {
            EXPECT_TRUE(page.contains(widget->geometry()));
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            EXPECT_LE(needed, label->height());
            if (!label->wordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width());
            }
        }
    }
    EXPECT_LT(control("Label9")->geometry().right(), control("Label10")->x());
    EXPECT_EQ(control("Label10")->text(), "www.example.com");
    EXPECT_EQ(control("Label11")->text(), "www.example.com");
    EXPECT_TRUE(control("Label7")->text().startsWith("Interested in making real money trading the markets ? "));
    EXPECT_TRUE(control("Label7")->text().endsWith(" at"));
    EXPECT_EQ(control("Label8")->palette().color(QPalette::WindowText), QColor(54, 51, 204));
    EXPECT_TRUE(control("Label10")->font().underline());
    EXPECT_EQ(control("Label10")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(control("Image1")->pixmap().size(), QSize(296, 425));
    EXPECT_EQ(control("Image1")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(control("Label8")->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(AboutPageTest, ThirteenTopicsWithCheckMarksFitTheScrollBox)
{
    showAbout();
    const int labelTops[] = {40, 59, 91, 124, 143, 177, 200, 231, 263, 311, 344, 388, 426};
    const int checkTops[] = {35, 60, 93, 119, 144, 172, 201, 234, 271, 314, 353, 389, 423};
    int previousBottom = 0;
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        QLabel* topic = control(QStringLiteral("Label%1").arg(i + 12).toLatin1().constData());
        QLabel* check = control(QStringLiteral("Image%1").arg(i + 3).toLatin1().constData());
        EXPECT_EQ(topic->pos(), QPoint(32, labelTops[i]));
        EXPECT_FALSE(topic->text().isEmpty());
        EXPECT_LE(topic->heightForWidth(topic->width()), topic->height()) << topic->text().toStdString();
        EXPECT_GT(topic->y(), previousBottom);
        previousBottom = topic->geometry().bottom();
        EXPECT_EQ(check->geometry(), QRect(8, checkTops[i], 18, 20));
        EXPECT_FALSE(check->pixmap().isNull());
        EXPECT_EQ(check->pixmap().size(), QSize(18, 20));
    }
    EXPECT_EQ(control("Label25")->text(), "What You Will Learn");
    EXPECT_FALSE(control<QScrollArea>("ScrollBox1")->verticalScrollBar()->isVisible());
}

}  // namespace
}  // namespace korvex
