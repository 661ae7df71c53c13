#include "app/document_writer.h"

#include "app/numbers.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

[[noreturn]] void failOnFile(std::string_view pattern, const std::string& path, int error)
{
    throw std::runtime_error(FormatText(pattern, {path, std::string(std::strerror(error))}));
}

[[noreturn]] void cannotCreate(const std::string& path, int error)
{
    failOnFile("Cannot create file \"%s\". %s", path, error);
}

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
        cannotCreate(path, errno);
    temporary.assign(name.data());

    const bool complete = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed) {
        ::unlink(temporary.c_str());
        throw std::runtime_error("Stream write error");
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        cannotCreate(path, error);
    }
}

}  // namespace korvex
