#include "app/widgets/url_opener.h"
#include "projections/report_window.h"
#include "tests/app/planted_file.h"
#include "tests/hang_guard.h"
#include "tests/projections/projections_fixture.h"

#include "tests/error_of.h"

#include <QLabel>
#include <QTextBrowser>

#include <filesystem>

namespace korvex {
namespace {

namespace fs = std::filesystem;

// Pipes, links and folders beside the profit projection document: what is
// read from there must be a regular file, and what is written there must
// not go through a link. Nothing may make the page or its report wait.
class PlantedFiles : public ProjectionsPage {
protected:
    std::string beside(const char* name) const { return folder.filePath(name).toStdString(); }

    // Plants one in place of what the name held, keeping that as a link's target.
    static bool replace(const std::string& path, Planted kind)
    {
        const std::string content = fileContent(path);
        fs::remove_all(path);
        return plant(kind, path, content);
    }

    // Takes away whatever was planted and writes the documents again.
    void restoreDocuments()
    {
        for (const char* name : {"background.jpg", "Calculators.css"})
            fs::remove_all(beside(name));
        writeDocuments();
    }

    QImage graphImage() const { return page->panel()->graph()->grab().toImage(); }

    static bool isRegularFile(const std::string& path) { return fs::is_regular_file(fs::symlink_status(path)); }
};

TEST_F(PlantedFiles, ABackgroundPictureThatIsNoRegularFileIsNoPicture)
{
    const QImage withPicture = graphImage();
    fs::remove(beside("background.jpg"));
    page->navigate(documentPath());
    const QImage withoutPicture = graphImage();
    ASSERT_NE(withPicture, withoutPicture);
    restoreDocuments();
    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        if (!replace(beside("background.jpg"), planted.kind))
            GTEST_SKIP() << kNoLinks;
        const HangGuard guard(std::string("loading the page with ") + planted.name);
        page->navigate(documentPath());
        ASSERT_NE(page->panel(), nullptr);
        EXPECT_EQ(graphImage(), withoutPicture);
        restoreDocuments();
    }
}

// A caption names no picture to load, whatever it looks like.
TEST_F(PlantedFiles, ACaptionThatLooksLikeMarkupIsShownAsItIs)
{
    plant(Planted::Pipe, beside("pipe"));
    const QString caption = QStringLiteral("<img src=\"%1\">Months").arg(folder.filePath("pipe"));
    writeDocuments("VALUE=\"Months\"", "VALUE=\"" + caption.toHtmlEscaped().toUtf8() + "\"");
    const HangGuard guard("loading the page with markup in a caption");
    page->navigate(documentPath());
    ASSERT_NE(page->panel(), nullptr);
    QStringList captions;
    for (const QLabel* label : page->panel()->findChildren<QLabel*>())
        captions << label->text();
    EXPECT_TRUE(captions.contains(caption + ": ")) << captions.join('|').toStdString();
    page->grab();
}

TEST_F(PlantedFiles, AStyleSheetThatIsNoRegularFileIsLeftOut)
{
    const QString html = QString::fromStdString(panel->sJavaScriptReport(QStringLiteral("HTML")));
    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        if (!replace(beside("Calculators.css"), planted.kind))
            GTEST_SKIP() << kNoLinks;
        const HangGuard guard(std::string("showing the report with ") + planted.name);
        SaveLocation saves;
        ReportWindow window(folder.path(), saves);
        window.setReport(html, {}, {});
        const QTextCursor header = window.view()->document()->find("Trading Account Calculator");
        ASSERT_FALSE(header.isNull());
        EXPECT_NE(header.charFormat().foreground().color(), QColor(Qt::white));
        restoreDocuments();
    }
}

TEST_F(PlantedFiles, ASavedReportGetsTheStyleSheetOnlyFromAFileAndOnlyIntoAFreeName)
{
    page->viewReport();
    const ReportWindow* window = page->reportWindow();
    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        const HangGuard guard(std::string("saving the report beside ") + planted.name);
        QTemporaryDir target;
        const std::string sheet = target.filePath("Calculators.css").toStdString();
        if (!plant(planted.kind, sheet))
            GTEST_SKIP() << kNoLinks;
        window->saveTo(target.filePath("report.html"));
        EXPECT_EQ(QString::fromStdString(fileContent(target.filePath("report.html").toStdString())), window->report());
        EXPECT_FALSE(isRegularFile(sheet));
        if (planted.kind == Planted::LinkToFile) {
            EXPECT_EQ(fileContent(linkTarget(sheet)), "planted");
        }

        QTemporaryDir other;
        if (!replace(beside("Calculators.css"), planted.kind))
            GTEST_SKIP() << kNoLinks;
        window->saveTo(other.filePath("report.html"));
        EXPECT_FALSE(fs::exists(fs::symlink_status(other.filePath("Calculators.css").toStdString())));
        restoreDocuments();
    }
}

TEST_F(PlantedFiles, TheBrowserCopyReplacesWhatIsPlantedAtItsName)
{
    page->viewReport();
    ReportWindow* window = page->reportWindow();
    const std::string copy = window->browserCopyPath().toStdString();
    setUrlOpener([](const QUrl&) { return true; });
    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        fs::remove_all(copy);
        if (!plant(planted.kind, copy))
            GTEST_SKIP() << kNoLinks;
        const HangGuard guard(std::string("opening the report in a browser over ") + planted.name);
        if (planted.kind == Planted::Folder) {
            EXPECT_EQ(errorOf([&] { window->openInBrowser(); }), cannotCreateText(copy, "Is a directory", 5 /* access denied */));
            continue;
        }
        window->openInBrowser();
        EXPECT_TRUE(isRegularFile(copy));
        EXPECT_EQ(QString::fromStdString(fileContent(copy)), window->report());
        if (planted.kind == Planted::LinkToFile) {
            EXPECT_EQ(fileContent(linkTarget(copy)), "planted");
        }
    }
    setUrlOpener({});
}

}  // namespace
}  // namespace korvex
