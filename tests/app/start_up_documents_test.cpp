#include "app/files/embedded_document.h"
#include "app/files/get_dir.h"
#include "app/tf_main.h"
#include "simulator/my_panel.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/planted_file.h"
#include "tests/app/qstring_printer.h"
#include "tests/app/started_window.h"
#include "tests/app/temp_folder.h"
#include "tests/hang_guard.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace korvex {
namespace {

namespace fs = std::filesystem;

const struct {
    const char* resource;
    const char* file;
} Documents[] = {
    {"myHelp", "Help.rtf"},
    {"myHTML", "Home.htm"},
    {"myReport", "rvReport.rav"},
    {"rcSavCalc0", "bbt/background.jpg"},
    {"rcSavCalc1", "bbt/Calculators.css"},
    {"rcSavCalc3", "bbt/CompoundSavings.html"},
};

std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Each test starts the window on a temporary folder of its own.
class StartUp : public testing::Test {
protected:
    void SetUp() override { useTempDir(temp.path()); }
    void TearDown() override { setTempDirSource({}); }

    static void useTempDir(const std::string& folder)
    {
        setTempDirSource([folder] { return folder; });
    }
    std::string work(const std::string& name = {}) const { return temp.path("ZADura") + (name.empty() ? "" : "/" + name); }

    // Starts the window and returns the text of its help pane.
    QString start()
    {
        TfMain window;
        EXPECT_TRUE(startUp(window));
        return window.findChild<QTextEdit*>("redt_Help")->toPlainText();
    }

    TempFolder temp;
    MessageBoxRecorder recorder;
};

TEST_F(StartUp, FirstStartCreatesPrivateFoldersAndWritesEveryDocument)
{
    const mode_t oldMask = ::umask(0);  // private whatever the umask
    EXPECT_FALSE(start().isEmpty());
    ::umask(oldMask);
    EXPECT_TRUE(recorder.boxes.empty());
    for (const std::string& folder : {work(), work("bbt")}) {
        struct stat entry {};
        ASSERT_EQ(::lstat(folder.c_str(), &entry), 0) << folder;
        EXPECT_TRUE(S_ISDIR(entry.st_mode));
        EXPECT_EQ(entry.st_mode & 0777, 0700u) << folder;
    }
    for (const auto& document : Documents) {
        const QByteArray embedded = EmbeddedDocument(QString::fromLatin1(document.resource));
        EXPECT_FALSE(embedded.isEmpty());
        EXPECT_EQ(fileContent(work(document.file)), embedded.toStdString()) << document.file;
    }
    EXPECT_EQ(namesIn(work()), (std::set<std::string>{"Help.rtf", "Home.htm", "bbt", "rvReport.rav"}));
    EXPECT_EQ(namesIn(work("bbt")),
              (std::set<std::string>{"CompoundSavings.html", "Calculators.css", "background.jpg"}));
}

TEST_F(StartUp, SecondStartRewritesTheDocumentsAndLeavesOtherFilesAlone)
{
    start();
    writeFile(work("Help.rtf"), "damaged");
    writeFile(work("bbt/Calculators.css"), "");
    writeFile(work("notes.txt"), "my notes");
    const QString help = start();
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_TRUE(help.contains("1. Fixed Dollar"));
    EXPECT_EQ(fileContent(work("Help.rtf")), EmbeddedDocument("myHelp").toStdString());
    EXPECT_EQ(fileContent(work("bbt/Calculators.css")), EmbeddedDocument("rcSavCalc1").toStdString());
    EXPECT_EQ(fileContent(work("notes.txt")), "my notes");
}

// Something planted where the work folder goes: one error box, the window
// opens with an empty help pane, and nothing is written through a link.
TEST_F(StartUp, RefusesAFolderThatIsNotPrivatelyOurs)
{
    const std::string victim = temp.path("victim");
    const struct {
        const char* name;
        std::function<void(const std::string& work)> plant;
        const char* message;
    } cases[] = {
        {"file in the way", [](const std::string& at) { writeFile(at, "x"); }, "I/O error 183."},
        {"link to another folder", [&](const std::string& at) { std::filesystem::create_symlink(victim, at); },
         "File access denied."},
        {"writable by others", [](const std::string& at) { ::mkdir(at.c_str(), 0700), ::chmod(at.c_str(), 0777); },
         "File access denied."},
        {"file in the way of bbt", [](const std::string& at) { ::mkdir(at.c_str(), 0700), writeFile(at + "/bbt", ""); },
         "I/O error 183."},
        {"link in the place of bbt",
         [&](const std::string& at) { ::mkdir(at.c_str(), 0700), std::filesystem::create_symlink(victim, (at + "/bbt")); },
         "File access denied."},
        {"someone else's folder",
         [](const std::string& at) {
             ::mkdir(at.c_str(), 0700);
             if (::geteuid() == 0 && ::chown(at.c_str(), 65534, 65534) != 0)
                 ADD_FAILURE() << "chown";
         },
         ::geteuid() == 0 ? "File access denied." : ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(work());
        fs::create_directory(victim);
        c.plant(work());
        recorder.boxes.clear();
        const QString help = start();
        if (*c.message == '\0')
            continue;  // a foreign owner needs root to set up
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].text, c.message);
        EXPECT_EQ(recorder.boxes[0].caption, "Korvex Trading Calculator");
        EXPECT_TRUE(help.isEmpty());
        EXPECT_TRUE(fs::is_empty(victim));
    }
}

// Pipes and links at the names start-up writes are replaced, never written
// through; at the simulator's picture, which it only reads, any of them is
// taken for no picture. None of them makes start-up wait.
TEST_F(StartUp, ThingsPlantedAtTheDocumentNamesNeitherHangNorAreWrittenThrough)
{
    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        fs::remove_all(work());
        ::mkdir(work().c_str(), 0700);
        ::mkdir(work("bbt").c_str(), 0700);
        // A folder in the place of a document is an error of its own.
        if (planted.kind != Planted::Folder)
            for (const auto& document : Documents)
                plant(planted.kind, work(document.file));
        plant(planted.kind, work("banner.gif"));
        recorder.boxes.clear();
        const HangGuard guard(std::string("starting with ") + planted.name);
        TfMain window;
        ASSERT_TRUE(startUp(window));
        EXPECT_TRUE(recorder.boxes.empty());
        EXPECT_NE(window.findChild<My*>(), nullptr);
        EXPECT_FALSE(window.findChild<QTextEdit*>("redt_Help")->toPlainText().isEmpty());
        for (const auto& document : Documents) {
            EXPECT_EQ(fileContent(work(document.file)), EmbeddedDocument(document.resource).toStdString());
            if (planted.kind == Planted::LinkToFile) {
                EXPECT_EQ(fileContent(linkTarget(work(document.file))), "planted");
            }
        }
    }
}

TEST_F(StartUp, AParentThatAllowsNoNewFolderGivesFileAccessDenied)
{
    if (::geteuid() != 0) {
        ::chmod(temp.path().c_str(), 0555);
    } else {
        // Permission bits do not stop root, but sysfs refuses new folders to everyone.
        struct statfs sys {};
        if (::statfs("/sys", &sys) != 0 || sys.f_type != 0x62656572)
            GTEST_SKIP() << "running as root without sysfs: covered by the error mapping test";
        useTempDir("/sys");
    }
    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "File access denied.");
}

TEST_F(StartUp, NoTemporaryFolderGivesInvalidFilename)
{
    useTempDir("");
    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, "Invalid filename.");
    EXPECT_FALSE(fs::exists("ZADura"));
}

TEST_F(StartUp, AFailedDocumentSkipsTheStepsAfterIt)
{
    fs::create_directories(work("Help.rtf"));
    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QString::fromStdString("Cannot create file \"" + work("Help.rtf")
                                                             + "\". Is a directory."));
    EXPECT_FALSE(fs::exists(work("Home.htm")));
    EXPECT_FALSE(fs::exists(work("rvReport.rav")));
}

TEST_F(StartUp, TheHelpPaneShowsTheFormattedHelpDocument)
{
    TfMain window;
    ASSERT_TRUE(startUp(window));
    auto* pane = window.findChild<QTextEdit*>("redt_Help");
    ASSERT_NE(pane, nullptr);
    const QTextDocument* help = pane->document();
    ASSERT_GT(help->blockCount(), 2);
    EXPECT_TRUE(help->firstBlock().text().isEmpty());

    const QColor navy(0, 0, 128);
    QStringList headings;
    QString lastText;
    for (QTextBlock block = help->firstBlock(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty())
            lastText = block.text();
        const QTextCharFormat last = block.begin().atEnd() ? QTextCharFormat() : (--block.end()).fragment().charFormat();
        if (last.foreground().color() == navy && last.fontWeight() == QFont::Bold)
            headings << block.text();
    }
    EXPECT_EQ(headings, (QStringList{"1. Fixed Dollar", "2. Fixed Units", "3. Fixed (Float) Percent Units",
                                     "4. Fixed Dollar Risk", "5. Fixed Percent Risk"}));
    EXPECT_EQ(lastText, QString("Formula:") + QChar::LineSeparator
                            + "Quantity = (Total trade/investment float x Risk %) / (Current Price - Stop Loss)");

    const QTextBlock first = help->firstBlock().next();
    const QTextCharFormat heading = first.begin().fragment().charFormat();
    EXPECT_EQ(first.text(), "1. Fixed Dollar");
    EXPECT_EQ(heading.fontFamilies().toStringList(), QStringList{"Trebuchet MS"});
    EXPECT_EQ(heading.fontPointSize(), 12);
    const QTextBlock body = first.next();
    EXPECT_EQ(body.begin().fragment().charFormat().fontFamilies().toStringList(), QStringList{"Verdana"});
    EXPECT_EQ(body.begin().fragment().charFormat().fontPointSize(), 10);
    EXPECT_NEAR(body.blockFormat().topMargin(), 5 * 96 / 72.0, 0.01);
    EXPECT_NEAR(body.blockFormat().bottomMargin(), 5 * 96 / 72.0, 0.01);
    EXPECT_TRUE(help->toPlainText().contains("($15,000 / $3.50) 4,285"));
    EXPECT_TRUE(help->toPlainText().contains("($5,000 / $3.50) 1,428"));

    const QString before = help->toPlainText();
    pane->setFocus();
    QTest::keyClicks(pane, "typed");
    QTest::keyClick(pane, Qt::Key_Delete);
    QTest::keyClick(pane, Qt::Key_Backspace);
    EXPECT_TRUE(pane->isReadOnly());
    EXPECT_EQ(help->toPlainText(), before);
    EXPECT_EQ(pane->textCursor().position(), 0) << "the pane opens at its top";
}

}  // namespace
}  // namespace korvex
