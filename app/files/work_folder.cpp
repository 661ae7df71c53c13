#include "app/files/work_folder.h"

#include "app/files/get_dir.h"
#include "app/numbers/numbers.h"

#include <stdexcept>

#ifdef _WIN32
#include "app/files/windows_text.h"

#include <windows.h>
#else
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvex {
namespace {

constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int AlreadyExists = 183;

[[noreturn]] void fail(int code) { throw std::runtime_error(FolderErrorMessage(code)); }

bool isSeparator(char c) { return c == PathSeparator() || c == '/'; }

std::string withoutTrailingSeparators(std::string path)
{
    // A trailing separator would make the system follow a link in the last name.
    while (path.size() > 1 && isSeparator(path.back()))
        path.pop_back();
    return path;
}

}  // namespace

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

WorkFolders PrepareWorkFolders()
{
    const std::string temporary = GetTempDir();
    // Without a temporary folder the work folder would land wherever we were started.
    if (!IsAbsolutePath(temporary))
        fail(PathNotFound);
    WorkFolders folders;
    folders.documents = temporary + "ZADura" + PathSeparator();
    folders.projections = folders.documents + "bbt" + PathSeparator();
    CreatePrivateFolder(folders.documents);
    CreatePrivateFolder(folders.projections);
    return folders;
}

#ifdef _WIN32

// Error codes come straight from the system: 2, 3, 4, 5 have their texts,
// any other (183 for a file in the way, 112 for a full disk) is 'I/O error n'.
void CreatePrivateFolder(const std::string& path)
{
    const std::wstring folder = WideFromUtf8(withoutTrailingSeparators(path));
    if (folder.empty())
        fail(PathNotFound);
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS)
            fail(static_cast<int>(error));
    }
    // The attributes of a link itself, never of what it points to.
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        fail(static_cast<int>(GetLastError()));
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        fail(AccessDenied);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        fail(AlreadyExists);
}

#else

namespace {

constexpr int TooManyOpenFiles = 4;
constexpr int GeneralFailure = 31;
constexpr int DiskFull = 101;
constexpr int NameTooLong = 206;

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

#endif

}  // namespace korvex
