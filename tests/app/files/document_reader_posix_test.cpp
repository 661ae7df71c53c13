// What only POSIX systems have in the place of a file: pipes, sockets,
// devices, files larger than they say, and the C library's error texts.
#include "app/files/document_reader.h"
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

void plantSocket(const std::string& at)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    at.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// Nothing makes the read wait.
TEST(ReadRegularFile, NeverWaitsOnWhatIsNoRegularFile)
{
    TempFolder temp;
    const std::string pipe = temp.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    const struct {
        const char* place;
        std::function<std::string(const std::string& at)> plant;
        ReadOutcome outcome;
    } cases[] = {
        {"more than its stated size", [](auto&) { return std::string("/proc/self/status"); }, ReadOutcome::TooLarge},
        {"a named pipe", [](auto& at) { return ::mkfifo(at.c_str(), 0600), at; }, ReadOutcome::NotAFile},
        {"a socket", [](auto& at) { return plantSocket(at), at; }, ReadOutcome::NotAFile},
        {"a device", [](auto&) { return std::string("/dev/null"); }, ReadOutcome::NotAFile},
        {"a link to a pipe", [&](auto& at) { return std::filesystem::create_symlink(pipe, at), at; },
         ReadOutcome::NotAFile},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const std::string path = c.plant(temp.path("place" + std::to_string(++n)));
        const HangGuard guard(std::string("reading ") + c.place);
        const FileContent content = ReadRegularFile(path, kLimit);
        EXPECT_EQ(content.outcome, c.outcome);
        EXPECT_EQ(content.bytes, "");
    }
}

TEST(ReadDocument, GivesTheCLibrarysReasons)
{
    TempFolder temp;
    const std::string missing = temp.path("Help.rtf");
    const std::string pipe = temp.path("Calculators.css");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = temp.path("rvReport.rav");
    writeFile(large, std::string(kLimit + 1, 'r'));
    const HangGuard guard("reading a pipe");
    EXPECT_EQ(errorOf([&] { ReadDocument(missing, kLimit); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(errorOf([&] { ReadDocument(pipe, kLimit); }), "Cannot open file \"" + pipe + "\". Not a regular file");
    EXPECT_EQ(errorOf([&] { ReadDocument(large, kLimit); }), "Cannot open file \"" + large + "\". File too large");
    EXPECT_EQ(TryReadDocument(pipe, kLimit), std::nullopt);
}

}  // namespace
}  // namespace korvex
