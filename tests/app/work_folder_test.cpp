#include "app/document_writer.h"
#include "app/work_folder.h"
#include "tests/app/temp_folder.h"

#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

mode_t modeOf(const std::string& path)
{
    struct stat entry {};
    ::lstat(path.c_str(), &entry);
    return entry.st_mode;
}

TEST(FolderError, MapsThePlatformConditionsOntoTheMessages)
{
    const struct {
        int posixError;
        const char* message;
    } cases[] = {
        {ENOENT, "Invalid filename"},    {ENOTDIR, "Invalid filename"},   {EACCES, "File access denied"},
        {EPERM, "File access denied"},   {EROFS, "File access denied"},   {EEXIST, "I/O error 183"},
        {EMFILE, "Too many open files"}, {ENOSPC, "Disk full"},           {ENAMETOOLONG, "I/O error 206"},
        {EIO, "I/O error 31"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderErrorMessage(FolderErrorCode(c.posixError)), c.message) << c.posixError;
    EXPECT_EQ(FolderErrorMessage(2), "File not found");
    EXPECT_EQ(FolderErrorMessage(100), "Read beyond end of file");
    EXPECT_EQ(FolderErrorMessage(106), "Invalid numeric input");
}

TEST(WriteDocument, WritesExactlyTheBytesAndReplacesTheOldFile)
{
    TempFolder temp;
    const std::string path = temp.path("Help.rtf");
    writeFile(path, std::string(5000, 'o'));
    const std::string bytes("{\\rtf1\0\xff\r\n}", 11);
    WriteDocument(path, bytes);
    EXPECT_EQ(fileContent(path), bytes);
    EXPECT_EQ(modeOf(path) & 0777, 0600u);
    WriteDocument(path, "");
    EXPECT_EQ(fileContent(path), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1)
        << "no temporary file may stay behind";
}

TEST(WriteDocument, ReplacesAPlantedLinkInsteadOfWritingThroughIt)
{
    TempFolder temp;
    const std::string victim = temp.path("victim.txt");
    writeFile(victim, "precious");
    const std::string path = temp.path("Home.htm");
    std::filesystem::create_symlink(victim, path);
    WriteDocument(path, "<html></html>");
    EXPECT_EQ(fileContent(victim), "precious");
    EXPECT_TRUE(S_ISREG(modeOf(path)));
    EXPECT_EQ(fileContent(path), "<html></html>");
}

TEST(WriteDocument, ReportsWhatGoesWrongWithTheFileName)
{
    TempFolder temp;
    const std::string missing = temp.path("bbt/Calculators.css");
    EXPECT_EQ(errorOf([&] { WriteDocument(missing, "x"); }),
              "Cannot create file \"" + missing + "\". No such file or directory");
    const std::string folder = temp.path("rvReport.rav");
    ::mkdir(folder.c_str(), 0700);
    EXPECT_EQ(errorOf([&] { WriteDocument(folder, "x"); }), "Cannot create file \"" + folder + "\". Is a directory");
}

TEST(WriteDocument, AnIncompleteWriteKeepsTheOldFile)
{
    TempFolder temp;
    const std::string path = temp.path("background.jpg");
    writeFile(path, "old picture");
    // A file-size limit makes the write fail half-way, as a full disk would.
    auto* const oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = errorOf([&] { WriteDocument(path, std::string(4096, 'j')); });
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, "Stream write error");
    EXPECT_EQ(fileContent(path), "old picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
}

}  // namespace
}  // namespace korvex
