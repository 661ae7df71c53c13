#include "app/files/document_writer.h"

#include "app/numbers/numbers.h"

#include <random>
#include <stdexcept>

#ifdef _WIN32
#include "app/files/windows_text.h"

#include <windows.h>
#else
#include <cerrno>
#include <cstring>

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

// 0 once every byte is written, otherwise the system's error code.
DWORD writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        bytes.remove_prefix(written);
    }
    return 0;
}

DWORD writeAndClose(HANDLE file, std::string_view bytes, bool saved)
{
    DWORD error = writeAll(file, bytes);
    // A file the user keeps must have reached the disk before it replaces the old one.
    if (error == 0 && saved && !FlushFileBuffers(file))
        error = GetLastError();
    if (!CloseHandle(file) && error == 0)
        error = GetLastError();
    return error;
}

void replaceFile(const std::string& path, std::string_view bytes, bool saved)
{
    const std::wstring target = WideFromUtf8(path);
    std::wstring temporary;
    const HANDLE file = createTemporary(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        cannotCreate(path, SystemErrorText(GetLastError()));

    if (const DWORD error = writeAndClose(file, bytes, saved); error != 0) {
        DeleteFileW(temporary.c_str());
        if (saved)
            cannotCreate(path, SystemErrorText(error));
        incompleteWrite();
    }
    // Replaces a link under the name instead of writing through it; a
    // read-only file is refused.
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        cannotCreate(path, SystemErrorText(error));
    }
}

}  // namespace

#else

namespace {

// A fresh name in the document's folder: ".<name>.<random number>".
std::string temporaryNameFor(const std::string& path, unsigned random)
{
    const auto slash = path.rfind('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, start) + "." + path.substr(start) + "." + std::to_string(random);
}

// O_EXCL never opens an existing entry, so nothing is written through a link
// that was planted under the temporary name.
int createTemporary(const std::string& path, mode_t mode, std::string& temporary)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryNameFor(path, random());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// 0 once every byte is written, otherwise the errno of the failure.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A saved file keeps the permissions of the one it replaces, and must have
// reached the disk before it does.
int keepModeAndSync(int fd, const std::string& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    if (::fsync(fd) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

int writeAndClose(int fd, std::string_view bytes, const std::string& path, bool saved)
{
    int error = writeAll(fd, bytes);
    if (error == 0 && saved)
        error = keepModeAndSync(fd, path);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

void replaceFile(const std::string& path, std::string_view bytes, bool saved)
{
    // Renaming over a read-only file would succeed; a save must not.
    if (saved && ::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        cannotCreate(path, std::strerror(errno));
    // Documents stay private to us; a save gets what the umask allows.
    std::string temporary;
    const int fd = createTemporary(path, saved ? 0666 : 0600, temporary);
    if (fd < 0)
        cannotCreate(path, std::strerror(errno));

    if (const int error = writeAndClose(fd, bytes, path, saved); error != 0) {
        ::unlink(temporary.c_str());
        if (saved)
            cannotCreate(path, std::strerror(error));
        incompleteWrite();
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        cannotCreate(path, std::strerror(error));
    }
}

}  // namespace

#endif

void WriteDocument(const std::string& path, std::string_view bytes) { replaceFile(path, bytes, false); }

void SaveFile(const std::string& path, std::string_view bytes) { replaceFile(path, bytes, true); }

}  // namespace korvex
