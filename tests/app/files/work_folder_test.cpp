// The work folder and its documents, on whichever system the tests run.
#include "app/files/document_writer.h"
#include "app/files/get_dir.h"
#include "app/files/work_folder.h"
#include "tests/app/plant_link.h"
#include "tests/app/temp_folder.h"

#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvex {
namespace {

namespace fs = std::filesystem;

std::ptrdiff_t entriesIn(const std::string& folder)
{
    return std::distance(fs::directory_iterator(utf8Path(folder)), {});
}

std::string reasonAfter(const std::string& prefix, const std::string& message)
{
    return message.rfind(prefix, 0) == 0 ? message.substr(prefix.size()) : "<" + message + ">";
}

TEST(FolderError, MessagesByCode)
{
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {2, "File not found"}, {3, "Invalid filename"}, {4, "Too many open files"}, {5, "File access denied"},
        {100, "Read beyond end of file"}, {101, "Disk full"}, {106, "Invalid numeric input"},
        {183, "I/O error 183"}, {112, "I/O error 112"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderErrorMessage(c.code), c.message) << c.code;
}

class WorkFolder : public testing::Test {
protected:
    void SetUp() override { useTempDir(temp.path()); }
    void TearDown() override { setTempDirSource({}); }
    static void useTempDir(const std::string& folder)
    {
        setTempDirSource([folder] { return folder; });
    }

    const std::string separator{PathSeparator()};
    TempFolder temp;
};

TEST_F(WorkFolder, IsMadeOneLevelAtATimeAndLeftAloneOnceThere)
{
    const WorkFolders folders = PrepareWorkFolders();
    EXPECT_EQ(folders.documents, temp.path("ZADura") + separator);
    EXPECT_EQ(folders.projections, temp.path("ZADura") + separator + "bbt" + separator);
    EXPECT_TRUE(fs::is_directory(utf8Path(folders.projections)));
    writeFile(folders.projections + "notes.txt", "mine");
    EXPECT_EQ(PrepareWorkFolders().projections, folders.projections);
    EXPECT_EQ(fileContent(folders.projections + "notes.txt"), "mine");

    for (const std::string& missing : {temp.path("gone"), std::string(), std::string("relative")}) {
        useTempDir(missing);
        EXPECT_EQ(errorOf([] { PrepareWorkFolders(); }), "Invalid filename") << missing;
    }
}

TEST_F(WorkFolder, RefusesAFileInItsPlace)
{
    const std::string work = temp.path("ZADura");
    writeFile(work, "x");
    EXPECT_EQ(errorOf([] { PrepareWorkFolders(); }), "I/O error 183");
    fs::remove(utf8Path(work));
    fs::create_directory(utf8Path(work));
    writeFile(work + separator + "bbt", "");
    EXPECT_EQ(errorOf([] { PrepareWorkFolders(); }), "I/O error 183");
}

TEST_F(WorkFolder, RefusesALinkInItsPlace)
{
    const std::string victim = temp.path("victim");
    const std::string work = temp.path("ZADura");
    fs::create_directory(utf8Path(victim));
    if (!PlantLink(victim, work))
        GTEST_SKIP() << "this system makes no links for us";
    EXPECT_EQ(errorOf([] { PrepareWorkFolders(); }), "File access denied");
    fs::remove(utf8Path(work));
    fs::create_directory(utf8Path(work));
    ASSERT_TRUE(PlantLink(victim, work + separator + "bbt"));
    EXPECT_EQ(errorOf([] { PrepareWorkFolders(); }), "File access denied");
    EXPECT_TRUE(fs::is_empty(utf8Path(victim)));
}

// The real temporary folder, as the system reports it.
TEST(TemporaryFolder, IsTheSystemsOwn)
{
    const std::string temporary = GetTempDir();
    ASSERT_TRUE(IsAbsolutePath(temporary)) << temporary;
    EXPECT_EQ(temporary.back(), PathSeparator());
    EXPECT_TRUE(fs::is_directory(utf8Path(temporary)));
    EXPECT_EQ(PrepareWorkFolders().documents, temporary + "ZADura" + PathSeparator());
}

// A user name such as "Jörg Müller" in the path.
TEST_F(WorkFolder, TakesAnyLettersInItsPath)
{
    const std::string home = temp.path("J\xc3\xb6rg M\xc3\xbcller \xe6\x9d\xb1");
    fs::create_directory(utf8Path(home));
    useTempDir(home);
    const WorkFolders folders = PrepareWorkFolders();
    EXPECT_EQ(folders.documents, home + separator + "ZADura" + separator);
    WriteDocument(folders.projections + "Calculators.css", "body {}");
    EXPECT_EQ(fileContent(folders.projections + "Calculators.css"), "body {}");
    const std::string missing = folders.documents + "gone" + separator + "Home.htm";
    const std::string message = errorOf([&] { WriteDocument(missing, "x"); });
    EXPECT_NE(reasonAfter("Cannot create file \"" + missing + "\". ", message), "");
}

TEST(WriteDocument, WritesExactlyTheBytesAndReplacesTheOldFile)
{
    TempFolder temp;
    const std::string path = temp.path("Help.rtf");
    writeFile(path, std::string(5000, 'o'));
    const std::string bytes("{\\rtf1\0\xff\r\n}", 11);
    WriteDocument(path, bytes);
    EXPECT_EQ(fileContent(path), bytes);
    WriteDocument(path, "");
    EXPECT_EQ(fileContent(path), "");
    EXPECT_EQ(entriesIn(temp.path()), 1) << "no temporary file may stay behind";
}

TEST(WriteDocument, ReplacesAPlantedLinkInsteadOfWritingThroughIt)
{
    TempFolder temp;
    const std::string victim = temp.path("victim.txt");
    writeFile(victim, "precious");
    const std::string path = temp.path("Home.htm");
    if (!PlantLink(victim, path))
        GTEST_SKIP() << "this system makes no links for us";
    WriteDocument(path, "<html></html>");
    EXPECT_EQ(fileContent(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(utf8Path(path))));
    EXPECT_EQ(fileContent(path), "<html></html>");
}

// The message names the file as given and ends with the system's own text.
TEST(WriteDocument, ReportsWhatGoesWrongWithTheFileName)
{
    TempFolder temp;
    const std::string folder = temp.path("rvReport.rav");
    fs::create_directory(utf8Path(folder));
    for (const std::string& path : {temp.path("bbt") + PathSeparator() + "Calculators.css", folder}) {
        const std::string message = errorOf([&] { WriteDocument(path, "x"); });
        const std::string reason = reasonAfter("Cannot create file \"" + path + "\". ", message);
        EXPECT_FALSE(reason.empty()) << path;
        EXPECT_EQ(reason.find_first_of("\r\n<"), std::string::npos) << reason;
    }
    EXPECT_EQ(entriesIn(temp.path()), 1);
    EXPECT_TRUE(fs::is_empty(utf8Path(folder)));
}

}  // namespace
}  // namespace korvex
