#include "app/document_reader.h"

#include "app/numbers.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

const char* const kNotAFile = "Not a regular file";

FileContent problem(ReadOutcome outcome, std::string reason) { return {outcome, {}, std::move(reason)}; }

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

namespace {

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
    if (static_cast<std::uintmax_t>(entry.st_size) > limit)
        return problem(ReadOutcome::TooLarge, std::strerror(EFBIG));

    FileContent content{ReadOutcome::Read, {}, {}};
    content.bytes.reserve(static_cast<std::size_t>(entry.st_size));
    char buffer[65536];
    for (;;) {
        // One byte beyond the limit tells a file that grew since fstat.
        const std::size_t wanted = std::min(sizeof buffer - 1, limit - content.bytes.size()) + 1;
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return problem(ReadOutcome::BrokeOff, std::strerror(errno));
        if (got == 0)
            return content;
        content.bytes.append(buffer, static_cast<std::size_t>(got));
        if (content.bytes.size() > limit)
            return problem(ReadOutcome::TooLarge, std::strerror(EFBIG));
    }
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

}  // namespace korvex
