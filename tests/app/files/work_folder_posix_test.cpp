// What only POSIX systems have: errno values, permission bits, file-size
// limits and the C library's error texts. Built everywhere but Windows.
#include "app/files/document_writer.h"
#include "app/files/work_folder.h"
#include "tests/app/temp_folder.h"

#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

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
}

TEST(WriteDocument, WritesAPrivateFile)
{
    TempFolder temp;
    const std::string path = temp.path("Help.rtf");
    WriteDocument(path, "{\\rtf1}");
    EXPECT_EQ(modeOf(path) & 0777, 0600u);
}

TEST(WriteDocument, GivesTheSystemsReasons)
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

// A saved file is the user's, not one of our private documents.
TEST(SaveFile, KeepsThePermissionsOfTheFileItReplacesAndGivesANewOneTheUmasks)
{
    TempFolder temp;
    const std::string replaced = temp.path("report.html");
    writeFile(replaced, "old");
    ::chmod(replaced.c_str(), 0640);
    SaveFile(replaced, "new");
    EXPECT_EQ(fileContent(replaced), "new");
    EXPECT_EQ(modeOf(replaced) & 0777, 0640u);

    const mode_t mask = ::umask(022);
    const std::string created = temp.path("table.csv");
    SaveFile(created, "Month");
    ::umask(mask);
    EXPECT_EQ(modeOf(created) & 0777, 0644u);
}

}  // namespace
}  // namespace korvex
