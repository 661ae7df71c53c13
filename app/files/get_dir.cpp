#include "app/files/get_dir.h"

#include <utility>

#ifdef _WIN32
#include "app/files/windows_text.h"

#include <windows.h>
#else
#include <cstdlib>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvex {
namespace {

TempDirSource& tempDirSource()
{
    static TempDirSource source;
    return source;
}

#ifdef _WIN32

// GetTempPathW may give the short 8.3 names (C:\Users\JRGENM~1\...); the
// messages show the folder as the user knows it.
std::string platformTempDir()
{
    std::wstring path(MAX_PATH + 1, L'\0');
    const DWORD length = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    if (length == 0 || length >= path.size())
        return {};
    path.resize(length);
    std::wstring full(32768, L'\0');
    const DWORD fullLength = GetLongPathNameW(path.c_str(), full.data(), static_cast<DWORD>(full.size()));
    if (fullLength > 0 && fullLength < full.size())
        path.assign(full.data(), fullLength);
    return Utf8FromWide(path);
}

#else

std::string userName()
{
    const passwd* entry = ::getpwuid(::geteuid());
    return entry && entry->pw_name && *entry->pw_name ? entry->pw_name : std::to_string(::geteuid());
}

// A folder of ours that nobody else may write into; the work folder goes
// below it, and whoever may write here could swap it for a link.
std::string privateFolder(const std::string& folder)
{
    struct stat entry {};
    if (::lstat(folder.c_str(), &entry) != 0 || !S_ISDIR(entry.st_mode) || entry.st_uid != ::geteuid()
        || (entry.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {};
    return folder;
}

// Without a runtime folder, one of our own in the shared temporary folder.
std::string fallbackRuntimeDir()
{
    const char* shared = std::getenv("TMPDIR");
    std::string folder = shared && *shared ? shared : "/tmp";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    folder += "/runtime-" + userName();
    ::mkdir(folder.c_str(), S_IRWXU);
    return folder;
}

std::string platformTempDir()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return privateFolder(runtime && *runtime ? runtime : fallbackRuntimeDir());
}

#endif

}  // namespace

std::string GetTempDir()
{
    std::string folder = tempDirSource() ? tempDirSource()() : platformTempDir();
    if (!folder.empty() && folder.back() != PathSeparator() && folder.back() != '/')
        folder += PathSeparator();
    return folder;
}

void setTempDirSource(TempDirSource source) { tempDirSource() = std::move(source); }

#ifdef _WIN32

char PathSeparator() { return '\\'; }

// "C:\..." or a network path "\\server\...".
bool IsAbsolutePath(std::string_view path)
{
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 3 && path[1] == ':' && separator(path[2]))
        return true;
    return path.size() >= 2 && separator(path[0]) && separator(path[1]);
}

#else

char PathSeparator() { return '/'; }

bool IsAbsolutePath(std::string_view path) { return !path.empty() && path.front() == '/'; }

#endif

}  // namespace korvex
