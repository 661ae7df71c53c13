#include "app/files/document_writer.h"

#include "app/numbers/numbers.h"

#include <stdexcept>

#ifdef _WIN32
#include "app/files/windows_text.h"

#include <random>

#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvex {
namespace {

[[noreturn]] void failOnFile(std::string_view pattern, const std::string& path, const std::string& reason)
{
    throw std::runtime_error(FormatText(pattern, {path, reason}));
}

[[noreturn]] void cannotCreate(const std::string& path, const std::string& reason)
{
    failOnFile("Cannot create file \"%s\". %s", path, reason);
}

[[noreturn]] void incompleteWrite() { throw std::runtime_error("Stream write error"); }

}  // namespace

#ifdef _WIN32

namespace {

// A fresh name in the document's folder: ".<name>.<random number>".
std::wstring temporaryNameFor(const std::wstring& path, unsigned random)
{
    const auto slash = path.find_last_of(L"\\/");
    const std::size_t start = slash == std::wstring::npos ? 0 : slash + 1;
    return path.substr(0, start) + L"." + path.substr(start) + L"." + std::to_wstring(random);
}

// CREATE_NEW never opens an existing entry, so nothing is written through a
// link that was planted under the temporary name.
HANDLE createTemporary(const std::wstring& path, std::wstring& temporary)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryNameFor(path, random());
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

void WriteDocument(const std::string& path, std::string_view bytes)
{
    const std::wstring target = WideFromUtf8(path);
    std::wstring temporary;
    const HANDLE file = createTemporary(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        cannotCreate(path, SystemErrorText(GetLastError()));

    const bool complete = writeAll(file, bytes);
    const bool closed = CloseHandle(file) != 0;
    if (!complete || !closed) {
        DeleteFileW(temporary.c_str());
        incompleteWrite();
    }
    // Replaces a link under the name instead of writing through it.
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        cannotCreate(path, SystemErrorText(error));
    }
}

#else

namespace {

std::string temporaryNameFor(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

void WriteDocument(const std::string& path, std::string_view bytes)
{
    std::string temporary = temporaryNameFor(path);
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    // mkstemp creates exclusively with mode 0600, so it never opens through a link.
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        cannotCreate(path, std::strerror(errno));
    temporary.assign(name.data());

    const bool complete = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed) {
        ::unlink(temporary.c_str());
        incompleteWrite();
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        cannotCreate(path, std::strerror(error));
    }
}

#endif

}  // namespace korvex
