#include "app/work_folder.h"

#include "app/numbers.h"

#include <cerrno>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int GeneralFailure = 31;
constexpr int DiskFull = 101;
constexpr int NameTooLong = 206;
constexpr int AlreadyExists = 183;

[[noreturn]] void fail(int code) { throw std::runtime_error(FolderErrorMessage(code)); }

std::string withoutTrailingSeparators(std::string path)
{
    // A trailing separator would make the kernel follow a link in the last name.
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool othersMayWrite(mode_t mode) { return (mode & (S_IWGRP | S_IWOTH)) != 0; }

}  // namespace

int FolderErrorCode(int posixError)
{
    switch (posixError) {
    case ENOENT:
    case ENOTDIR:
        return PathNotFound;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case ELOOP:
        return AccessDenied;
    case EEXIST:
        return AlreadyExists;
    case ENOSPC:
    case EDQUOT:
        return DiskFull;
    case ENAMETOOLONG:
        return NameTooLong;
    default:
        return GeneralFailure;
    }
}

std::string FolderErrorMessage(int code)
{
    switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return FormatText("I/O error %d", {std::int64_t{code}});
    }
}

void CreatePrivateFolder(const std::string& path)
{
    const std::string folder = withoutTrailingSeparators(path);
    if (folder.empty())
        fail(PathNotFound);
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        fail(FolderErrorCode(errno));

    struct stat entry {};
    if (::lstat(folder.c_str(), &entry) != 0)
        fail(FolderErrorCode(errno));
    if (S_ISLNK(entry.st_mode))
        fail(AccessDenied);
    if (!S_ISDIR(entry.st_mode))
        fail(AlreadyExists);

    // Check the folder we actually hold open, so that a swap after the
    // lstat above cannot slip a link or someone else's folder past us.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        fail(FolderErrorCode(errno));
    struct stat opened {};
    const bool statted = ::fstat(fd, &opened) == 0;
    const int statError = errno;
    ::close(fd);
    if (!statted)
        fail(FolderErrorCode(statError));
    if (opened.st_uid != ::geteuid() || othersMayWrite(opened.st_mode))
        fail(AccessDenied);
}

}  // namespace korvex
