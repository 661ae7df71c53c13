#include "app/document_reader.h"
#include "tests/app/temp_folder.h"
#include "tests/error_of.h"
#include "tests/hang_guard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvex {
namespace {

constexpr std::size_t kLimit = 16;
const std::string kAtTheLimit(kLimit, 'r');

void plantSocket(const std::string& at)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    at.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// What lies at the name decides the outcome; nothing but a regular file,
// reached without a link, is ever read, and nothing makes the read wait.
TEST(ReadRegularFile, ReadsOnlyARegularFileWithinTheLimit)
{
    TempFolder temp;
    const std::string target = temp.path("target");
    writeFile(target, "bytes of the target");
    const std::string pipe = temp.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    const struct {
        const char* place;
        // Plants something at the name and returns the path to read.
        std::function<std::string(const std::string& at)> plant;
        ReadOutcome outcome;
    } cases[] = {
        {"a regular file at the limit", [](auto& at) { return writeFile(at, kAtTheLimit), at; }, ReadOutcome::Read},
        {"one byte beyond", [](auto& at) { return writeFile(at, kAtTheLimit + "!"), at; }, ReadOutcome::TooLarge},
        {"more than its stated size", [](auto&) { return std::string("/proc/self/status"); }, ReadOutcome::TooLarge},
        {"nothing", [](auto& at) { return at; }, ReadOutcome::Missing},
        {"a folder", [](auto& at) { return ::mkdir(at.c_str(), 0700), at; }, ReadOutcome::NotAFile},
        {"a named pipe", [](auto& at) { return ::mkfifo(at.c_str(), 0600), at; }, ReadOutcome::NotAFile},
        {"a socket", [](auto& at) { return plantSocket(at), at; }, ReadOutcome::NotAFile},
        {"a device", [](auto&) { return std::string("/dev/null"); }, ReadOutcome::NotAFile},
        {"a link to a regular file", [&](auto& at) { return std::filesystem::create_symlink(target, at), at; },
         ReadOutcome::NotAFile},
        {"a link to a pipe", [&](auto& at) { return std::filesystem::create_symlink(pipe, at), at; }, ReadOutcome::NotAFile},
        {"a file nobody may read",
         [](auto& at) { return writeFile(at, "secret"), ::chmod(at.c_str(), 0), at; },
         ::geteuid() == 0 ? ReadOutcome::Read : ReadOutcome::Refused},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const std::string path = c.plant(temp.path("place" + std::to_string(++n)));
        const HangGuard guard(std::string("reading ") + c.place);
        const FileContent content = ReadRegularFile(path, kLimit);
        EXPECT_EQ(content.outcome, c.outcome);
        if (content.outcome == ReadOutcome::Read)
            EXPECT_EQ(content.bytes, fileContent(path));
        else
            EXPECT_EQ(content.bytes, "");
    }
}

TEST(ReadDocument, NamesTheFileAndTheReasonOrGivesNothing)
{
    TempFolder temp;
    const std::string missing = temp.path("Help.rtf");
    const std::string pipe = temp.path("Calculators.css");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = temp.path("rvReport.rav");
    writeFile(large, kAtTheLimit + "!");
    const HangGuard guard("reading a pipe");
    EXPECT_EQ(errorOf([&] { ReadDocument(missing, kLimit); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(errorOf([&] { ReadDocument(pipe, kLimit); }), "Cannot open file \"" + pipe + "\". Not a regular file");
    EXPECT_EQ(errorOf([&] { ReadDocument(large, kLimit); }), "Cannot open file \"" + large + "\". File too large");
    EXPECT_EQ(TryReadDocument(pipe, kLimit), std::nullopt);
    EXPECT_EQ(TryReadDocument(large, kLimit + 1), kAtTheLimit + "!");
}

}  // namespace
}  // namespace korvex
