#include "app/document_writer.h"
#include "app/work_folder.h"
#include "tests/app/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

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

TEST(CreatePrivateFolder, CreatesAnOwnerOnlyFolderAndAcceptsItAgain)
{
    TempFolder temp;
    const std::string folder = temp.path("ZADura/");
    const mode_t oldMask = ::umask(0);  // the folder must be private whatever the umask
    EXPECT_EQ(errorOf([&] { CreatePrivateFolder(folder); }), "");
    ::umask(oldMask);
    EXPECT_TRUE(S_ISDIR(modeOf(temp.path("ZADura"))));
    EXPECT_EQ(modeOf(temp.path("ZADura")) & 0777, 0700u);
    writeFile(temp.path("ZADura/keep.txt"), "mine");
    EXPECT_EQ(errorOf([&] { CreatePrivateFolder(folder); }), "");
    EXPECT_EQ(fileContent(temp.path("ZADura/keep.txt")), "mine");
}

TEST(CreatePrivateFolder, RefusesAnythingButOurOwnPrivateFolder)
{
    TempFolder temp;
    const std::string victim = temp.path("victim");
    ::mkdir(victim.c_str(), 0700);

    const struct {
        const char* name;
        std::function<void(const std::string&)> plant;
        const char* message;
    } cases[] = {
        {"file in the way", [](const std::string& at) { writeFile(at, "x"); }, "I/O error 183"},
        {"link to a folder", [&](const std::string& at) { ::symlink(victim.c_str(), at.c_str()); },
         "File access denied"},
        {"dangling link", [&](const std::string& at) { ::symlink((victim + "/none").c_str(), at.c_str()); },
         "File access denied"},
        {"writable by others", [](const std::string& at) { ::mkdir(at.c_str(), 0700), ::chmod(at.c_str(), 0777); },
         "File access denied"},
        {"writable by the group", [](const std::string& at) { ::mkdir(at.c_str(), 0700), ::chmod(at.c_str(), 0770); },
         "File access denied"},
        {"missing parent", [](const std::string&) {}, "Invalid filename"},
    };
    for (const auto& c : cases) {
        const std::string entry = temp.path(c.name);
        c.plant(entry);
        const std::string target = std::string(c.name) == "missing parent" ? entry + "/ZADura/" : entry + "/";
        EXPECT_EQ(errorOf([&] { CreatePrivateFolder(target); }), c.message) << c.name;
    }
    EXPECT_EQ(errorOf([] { CreatePrivateFolder(""); }), "Invalid filename");
    EXPECT_EQ(::rmdir(victim.c_str()), 0) << "nothing may be created through a link";
}

TEST(CreatePrivateFolder, RefusesAFolderOwnedBySomeoneElse)
{
    TempFolder temp;
    std::string foreign = "/";  // root's, when we are not root
    if (::geteuid() == 0) {
        foreign = temp.path("foreign");
        ::mkdir(foreign.c_str(), 0700);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    EXPECT_EQ(errorOf([&] { CreatePrivateFolder(foreign); }), "File access denied");
}

TEST(WriteDocument, WritesExactlyTheBytesAndReplacesTheOldFile)
{
    TempFolder temp;
    const std::string path = temp.path("Help.rtf");
    writeFile(path, std::string(5000, 'o'));
    const std::string bytes("{\\rtf1\0\xff\r\n}", 11);
    WriteDocument(path, bytes);
    EXPECT_EQ(fileContent(path), bytes);
    EXPECT_EQ(ReadDocument(path), bytes);
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
    ::symlink(victim.c_str(), path.c_str());
    EXPECT_EQ(errorOf([&] { ReadDocument(path); }),
              "Cannot open file \"" + path + "\". Too many levels of symbolic links");
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
    EXPECT_EQ(errorOf([&] { ReadDocument(missing); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
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
