#include "app/files/document_reader.h"

#include "app/numbers/numbers.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#ifdef _WIN32
#include "app/files/windows_text.h"

#include <memory>

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

const char* const kNotAFile = "Not a regular file";

FileContent problem(ReadOutcome outcome, std::string reason) { return {outcome, {}, std::move(reason)}; }

// The system's words, defined with the system's calls below.
std::string lastErrorText();
std::string tooLargeText();

// `readSome(buffer, wanted)` gives the number of bytes it put into the buffer,
// 0 at the end of the file, or -1 when reading failed.
template <typename ReadSome>
FileContent readWithin(std::uintmax_t size, std::size_t limit, ReadSome readSome)
{
    if (size > limit)
        return problem(ReadOutcome::TooLarge, tooLargeText());
    FileContent content{ReadOutcome::Read, {}, {}};
    content.bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    for (;;) {
        // One byte beyond the limit tells a file that grew since its size was taken.
        const std::size_t wanted = std::min(sizeof buffer - 1, limit - content.bytes.size()) + 1;
        const std::ptrdiff_t got = readSome(buffer, wanted);
        if (got < 0)
            return problem(ReadOutcome::BrokeOff, lastErrorText());
        if (got == 0)
            return content;
        content.bytes.append(buffer, static_cast<std::size_t>(got));
        if (content.bytes.size() > limit)
            return problem(ReadOutcome::TooLarge, tooLargeText());
    }
}

}  // namespace

std::string ReadDocument(const std::string& path, std::size_t limit)
{
    FileContent content = ReadRegularFile(path, limit);
    if (content.outcome == ReadOutcome::BrokeOff)
        throw std::runtime_error("Stream read error");
    if (content.outcome != ReadOutcome::Read)
        throw std::runtime_error(FormatText("Cannot open file \"%s\". %s", {path, content.reason}));
    return std::move(content.bytes);
}

std::optional<std::string> TryReadDocument(const std::string& path, std::size_t limit)
{
    FileContent content = ReadRegularFile(path, limit);
    if (content.outcome != ReadOutcome::Read)
        return std::nullopt;
    return std::move(content.bytes);
}

// Every call to the operating system is below.

#ifdef _WIN32

namespace {

std::string lastErrorText() { return SystemErrorText(GetLastError()); }
std::string tooLargeText() { return SystemErrorText(ERROR_FILE_TOO_LARGE); }

FileContent openFailure(DWORD error)
{
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return problem(ReadOutcome::Missing, SystemErrorText(error));
    // A named pipe whose every instance is taken.
    if (error == ERROR_PIPE_BUSY)
        return problem(ReadOutcome::NotAFile, kNotAFile);
    return problem(ReadOutcome::Refused, SystemErrorText(error));
}

FileContent readOpened(HANDLE file, std::size_t limit)
{
    // A pipe, a console or another device: its reads could wait.
    if (GetFileType(file) != FILE_TYPE_DISK)
        return problem(ReadOutcome::NotAFile, kNotAFile);
    BY_HANDLE_FILE_INFORMATION entry{};
    if (!GetFileInformationByHandle(file, &entry))
        return problem(ReadOutcome::Refused, lastErrorText());
    if ((entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return problem(ReadOutcome::NotAFile, kNotAFile);
    const std::uintmax_t size = (std::uintmax_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow;
    return readWithin(size, limit, [file](char* buffer, std::size_t wanted) -> std::ptrdiff_t {
        DWORD got = 0;
        if (!ReadFile(file, buffer, static_cast<DWORD>(wanted), &got, nullptr))
            return -1;
        return got;
    });
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, std::size_t limit)
{
    // A link or junction is opened itself, never followed; a folder opens too
    // (backup semantics), so that it is told from a missing file. Others may
    // go on reading, writing or replacing the file while we read it.
    const HANDLE opened = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return openFailure(GetLastError());
    const std::unique_ptr<void, decltype(&CloseHandle)> file(opened, &CloseHandle);
    return readOpened(file.get(), limit);
}

#else

namespace {

std::string lastErrorText() { return std::strerror(errno); }
std::string tooLargeText() { return std::strerror(EFBIG); }

FileContent openFailure(const std::string& path, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return problem(ReadOutcome::Missing, std::strerror(error));
    // What a socket, or a device without its driver, answers.
    if (error == ENXIO || error == ENODEV)
        return problem(ReadOutcome::NotAFile, kNotAFile);
    // O_NOFOLLOW answers a link in the last name with ELOOP, as it does a real loop.
    struct stat entry {};
    if (error == ELOOP && ::lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode))
        return problem(ReadOutcome::NotAFile, kNotAFile);
    return problem(ReadOutcome::Refused, std::strerror(error));
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileContent readOpened(int fd, std::size_t limit)
{
    struct stat entry {};
    if (::fstat(fd, &entry) != 0)
        return problem(ReadOutcome::Refused, std::strerror(errno));
    if (!S_ISREG(entry.st_mode))
        return problem(ReadOutcome::NotAFile, kNotAFile);
    return readWithin(static_cast<std::uintmax_t>(entry.st_size), limit,
                      [fd](char* buffer, std::size_t wanted) -> std::ptrdiff_t {
                          for (;;) {
                              const ssize_t got = ::read(fd, buffer, wanted);
                              if (got >= 0 || errno != EINTR)
                                  return got;
                          }
                      });
}

}  // namespace

FileContent ReadRegularFile(const std::string& path, std::size_t limit)
{
    // O_NONBLOCK: opening a pipe with no writer, or a device, must not wait.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return openFailure(path, errno);
    return readOpened(fd.get(), limit);
}

#endif

}  // namespace korvex
