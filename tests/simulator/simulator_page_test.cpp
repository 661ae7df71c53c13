#include "app/app_info.h"
#include "app/documents/host_document.h"
#include "app/tf_main.h"
#include "simulator/my_panel.h"
#include "simulator/page_text_view.h"
#include "app/widgets/url_opener.h"
#include "simulator/simulator_page.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/paint_watch.h"
#include "tests/app/started_window.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

QByteArray homeDocument()
{
    QFile file(QStringLiteral(":/documents/myHTML"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A page shown at its place in the window, navigated to a document written
// into a folder of its own.
class PageTest : public testing::Test {
protected:
    PageTest()
        : page(nullptr)
    {
        page.resize(710, 565);
        setUrlOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
        page.show();
    }
    ~PageTest() override { setUrlOpener({}); }

    QString write(const QByteArray& html, const QString& name = QStringLiteral("Home.htm"))
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
        return path;
    }

    QScrollArea* area() const { return page.findChild<QScrollArea*>("wbSimulator"); }
    QList<PageTextView*> texts() const { return page.findChildren<PageTextView*>(); }

    QTemporaryDir folder;
    SimulatorPage page;
    QList<QUrl> opened;
};

TEST(HomeDocument, CarriesThePanelWithItsFiveParametersAndTheHeadings)
{
    const QByteArray html = homeDocument();
    EXPECT_EQ(html.size(), 3405);
    for (const char c : html)
        ASSERT_TRUE(c == '\n' || (c >= ' ' && c <= '~')) << "plain ASCII only";
    const HostDocument document = ReadHostDocument(html.toStdString());
    EXPECT_EQ(document.title, "Home");
    ASSERT_TRUE(document.hasPanel);
    const std::vector<NamedText> attributes{{"code", "My.class"}, {"name", "My"},      {"width", "653"},
                                            {"height", "408"},    {"align", "CENTER"}, {"codebase", "."}};
    EXPECT_EQ(document.panelAttributes, attributes);
    const std::vector<NamedText> parameters{
        {"textcolor", "0000FF"}, {"textsize", "20"}, {"textstyle", "1"}, {"background", "FFFFFF"}, {"text", ""}};
    EXPECT_EQ(document.parameters, parameters);
    EXPECT_TRUE(document.markupBefore.find_first_not_of(" \n") == std::string::npos);
    const char* headings[] = {
        "<b><i>What does this tool show ?</i></b>",
        "<b><i>What is a &quot;Win/Loss ratio&quot; parameter?</i></b>",
        "<b><i>What is a &quot;Win Prob&quot; parameter?</i></b>",
        "<b><i>What is a &quot;Lines Qty&quot; parameter?</i></b>",
        "<b><i>What are the &quot;Kelly Val&quot; and &quot;Math Expect&quot; parameters?</i></b>",
    };
    for (const char* heading : headings)
        EXPECT_NE(document.markupAfter.find(heading), std::string::npos) << heading;
}

TEST(SimulatorAtStartUp, ShowsThePanelOfTheHostDocumentWrittenToTheWorkFolder)
{
    MessageBoxRecorder boxes;
    TfMain window;
    ASSERT_TRUE(startUp(window));
    EXPECT_TRUE(boxes.boxes.empty());
    auto* page = window.findChild<SimulatorPage*>("ts_Simulator");
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->panel(), nullptr);
    EXPECT_EQ(page->panel()->size(), QSize(653, 408));
    EXPECT_EQ(page->panel()->pageParameters().background, (Rgb{255, 255, 255}));
    EXPECT_EQ(page->panel()->simulation().tableLines(), 1);
}

// The text is laid out only when the page is first shown; by its first paint
// it is as tall as its content and the page scrolls to all of it.
TEST(SimulatorAtStartUp, FirstPaintShowsAllOfTheText)
{
    MessageBoxRecorder boxes;
    TfMain window;
    ASSERT_TRUE(startUp(window));
    auto* text = window.findChild<PageTextView*>();
    auto* area = window.findChild<QScrollArea*>("wbSimulator");
    ASSERT_NE(text, nullptr);
    int height = -1;
    int scrollRange = -1;
    const PaintWatch firstPaint(text->viewport(), [&] {
        if (height < 0) {
            height = text->height();
            scrollRange = area->widget()->height() - area->viewport()->height();
            EXPECT_EQ(area->verticalScrollBar()->maximum(), scrollRange);
        }
    });
    window.findChild<QTabWidget*>("pgctrl_ZADuraulator")->setCurrentIndex(2);
    // The figures under the panel push the text below the fold.
    QCoreApplication::processEvents();
    area->ensureWidgetVisible(text);
    ASSERT_TRUE(QTest::qWaitFor([&] { return height >= 0; }, 2000));
    EXPECT_EQ(height, static_cast<int>(std::ceil(text->document()->size().height())));
    EXPECT_GT(scrollRange, height / 2);
}

TEST_F(PageTest, ShowsThePanelOnTopAndTheTextBelowItToScrollTo)
{
    page.navigate(write(homeDocument()));
    ASSERT_NE(area(), nullptr);
    EXPECT_EQ(area()->geometry(), QRect(8, 8, 694, 545));
    My* panel = page.panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->size(), QSize(653, 408));
    EXPECT_EQ(panel->pageParameters().textcolor, (Rgb{0, 0, 255}));
    ASSERT_EQ(texts().size(), 1);
    PageTextView* text = texts().front();
    EXPECT_TRUE(text->toPlainText().startsWith("What does this tool show ?")) << "the break ends the panel's line";
    EXPECT_TRUE(text->toPlainText().contains("What is a \"Win/Loss ratio\" parameter?"));
    EXPECT_GE(text->y(), panel->geometry().bottom() + 10) << "a paragraph's gap under the panel";
    EXPECT_GE(text->height(), static_cast<int>(text->document()->size().height())) << "none of it cut off";
    EXPECT_GT(area()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(area()->horizontalScrollBar()->maximum(), 0);

    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(0, 400));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QString::fromUtf8(SiteAddress))});
    panel->findChild<QLineEdit*>("tfStepY")->setText(QStringLiteral("-2"));
    QTest::mouseClick(panel->findChild<QPushButton*>("btext"), Qt::LeftButton);
    EXPECT_EQ(page.statusText(), "Param Win/Loss must be more then 1");
}

TEST_F(PageTest, PageKeysFromAFieldScrollToTheText)
{
    page.navigate(write(homeDocument()));
    QApplication::setActiveWindow(&page);
    auto* winLoss = page.panel()->findChild<QLineEdit*>("tfStepY");
    winLoss->setFocus();
    QTest::keyClick(winLoss, Qt::Key_PageDown);
    EXPECT_GT(area()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(winLoss->text(), "1.0");
    QTest::keyClick(winLoss, Qt::Key_PageUp);
    EXPECT_EQ(area()->verticalScrollBar()->value(), 0);
}

TEST_F(PageTest, MissingOrUnreadableDocumentLeavesThePageBlank)
{
    page.navigate(write(homeDocument()));
    page.navigate(folder.filePath(QStringLiteral("absent.htm")));
    EXPECT_EQ(page.panel(), nullptr);
    EXPECT_EQ(area()->widget(), nullptr);
    page.navigate(write(homeDocument()));
    page.navigate(folder.path());  // a folder, not a file
    EXPECT_EQ(area()->widget(), nullptr);
}

TEST_F(PageTest, HostileDocumentsGiveABoundedPanelOrNone)
{
    struct Case {
        const char* html;
        QSize panel;  // empty when there is none
    };
    const Case cases[] = {
        {"<applet width=abc height=-5><param name=text></applet>", QSize(653, 130)},
        {"<applet width=99999999999 height=2147483647>", QSize(653, 1500)},
        {"<object width=300 height=200 data=x>text</object>after", QSize(300, 200)},
        {"just text, no panel", QSize()},
        {"", QSize()},
        {"<applet <param name=\"x\" value=\"", QSize(653, 408)},
        {"<p>before</p><applet width=653 height=408></applet><img src=\"/dev/zero\">", QSize(653, 408)},
    };
    for (const Case& c : cases) {
        page.navigate(write(c.html));
        if (c.panel.isEmpty()) {
            EXPECT_EQ(page.panel(), nullptr) << c.html;
        } else {
            ASSERT_NE(page.panel(), nullptr) << c.html;
            EXPECT_EQ(page.panel()->size(), c.panel) << c.html;
        }
    }
    ASSERT_EQ(texts().size(), 2) << "the text before the panel goes above it";
    EXPECT_EQ(texts().front()->toPlainText(), "before");
}

TEST_F(PageTest, PictureNextToTheDocumentIsDrawnInTheBottomStrip)
{
    QImage banner(20, 10, QImage::Format_RGB32);
    banner.fill(QColor(10, 200, 30));
    // Qt writes no GIF; the reader goes by the content when the name misleads it.
    ASSERT_TRUE(banner.save(folder.filePath(QStringLiteral("banner.gif")), "PNG"));
    page.navigate(write(homeDocument()));
    ASSERT_NE(page.panel(), nullptr);
    const QImage image = page.panel()->grab().toImage();
    EXPECT_EQ(image.pixelColor(10, 352), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(10, 362), QColor(255, 255, 255));
}

}  // namespace
}  // namespace korvex
