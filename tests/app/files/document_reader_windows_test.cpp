// What only Windows has in the place of a file: devices under \\.\, named
// pipes, and files other programs hold open.
#include "app/files/document_reader.h"
#include "app/files/windows_text.h"
#include "tests/app/temp_folder.h"
#include "tests/hang_guard.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

#include <windows.h>

namespace korvex {
namespace {

constexpr std::size_t kLimit = 16;

// Handles other programs hold open while a case is read.
using Held = std::vector<std::shared_ptr<void>>;

std::shared_ptr<void> hold(HANDLE handle)
{
    EXPECT_NE(handle, INVALID_HANDLE_VALUE);
    return std::shared_ptr<void>(handle, [](HANDLE h) { CloseHandle(h); });
}

std::shared_ptr<void> openedBy(const std::string& path, DWORD access, DWORD share)
{
    return hold(CreateFileW(WideFromUtf8(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

// A pipe server with one instance; `taken` connects a client to it first.
Held pipeServer(const std::string& path, bool taken)
{
    Held held{hold(CreateNamedPipeW(WideFromUtf8(path).c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096, 4096, 0,
                                    nullptr))};
    if (taken)
        held.push_back(openedBy(path, GENERIC_READ, 0));
    return held;
}

TEST(ReadRegularFile, ReadsNoDeviceOrPipeAndSharesTheFileWithOthers)
{
    TempFolder temp;
    const std::string pipe = "\\\\.\\pipe\\korvex-test-" + std::to_string(std::random_device()());
    const struct {
        const char* place;
        std::string path;
        std::function<Held(const std::string& path)> plant;
        ReadOutcome outcome;
    } cases[] = {
        {"a device", "\\\\.\\NUL", [](auto&) { return Held(); }, ReadOutcome::NotAFile},
        {"a named pipe", pipe, [](auto& path) { return pipeServer(path, false); }, ReadOutcome::NotAFile},
        {"a named pipe in use", pipe + "-used", [](auto& path) { return pipeServer(path, true); },
         ReadOutcome::NotAFile},
        {"a file another program writes", temp.path("written"),
         [](auto& path) {
             writeFile(path, "being written");
             return Held{openedBy(path, GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)};
         },
         ReadOutcome::Read},
        {"a file another program keeps to itself", temp.path("locked"),
         [](auto& path) { return writeFile(path, "locked"), Held{openedBy(path, GENERIC_READ, 0)}; },
         ReadOutcome::Refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const Held held = c.plant(c.path);
        const HangGuard guard(std::string("reading ") + c.place);
        const FileContent content = ReadRegularFile(c.path, kLimit);
        EXPECT_EQ(content.outcome, c.outcome) << content.reason;
    }
}

}  // namespace
}  // namespace korvex
