#pragma once
// What may lie where the program looks for one of its files, instead of it.

#include "tests/app/plant_link.h"
#include "tests/app/temp_folder.h"

#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvex {

enum class Planted { Pipe, LinkToFile, LinkToPipe, Folder };

inline constexpr struct {
    Planted kind;
    const char* name;
} kPlanted[] = {
#ifdef _WIN32
    // No named pipes in a Windows folder. The link comes last: where none can
    // be made, the test skips what is left after the folder was tried.
    {Planted::Folder, "a folder"},
    {Planted::LinkToFile, "a link to a regular file"},
#else
    {Planted::Pipe, "a named pipe"},
    {Planted::LinkToFile, "a link to a regular file"},
    {Planted::LinkToPipe, "a link to a named pipe"},
    {Planted::Folder, "a folder"},
#endif
};

inline constexpr const char* kNoLinks =
    "this system makes no links for us (Wine makes no reparse points; Windows needs Developer Mode)";

// The regular file a planted link points to.
inline std::string linkTarget(const std::string& at) { return at + ".target"; }

// Puts one at `at`; a link to a file points to linkTarget(at), which holds
// `content` (something the reader would gladly take, were it to follow links).
// False where this system cannot make that kind: then the test skips.
#ifdef _WIN32
inline bool plant(Planted kind, const std::string& at, const std::string& content = "planted")
{
    if (kind == Planted::Folder)
        return std::filesystem::create_directory(utf8Path(at));
    if (kind != Planted::LinkToFile)
        return false;
    writeFile(linkTarget(at), content);
    return PlantLink(linkTarget(at), at);
}
#else
inline bool plant(Planted kind, const std::string& at, const std::string& content = "planted")
{
    switch (kind) {
    case Planted::Pipe:
        ::mkfifo(at.c_str(), 0600);
        break;
    case Planted::LinkToFile:
        writeFile(linkTarget(at), content);
        std::filesystem::create_symlink(linkTarget(at), at);
        break;
    case Planted::LinkToPipe:
        ::mkfifo((at + ".pipe").c_str(), 0600);
        std::filesystem::create_symlink((at + ".pipe"), at);
        break;
    case Planted::Folder:
        ::mkdir(at.c_str(), 0700);
        break;
    }
    return true;
}
#endif

}  // namespace korvex
