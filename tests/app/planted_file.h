#pragma once
// What may lie where the program looks for one of its files, instead of it.

#include "tests/app/temp_folder.h"

#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace korvex {

enum class Planted { Pipe, LinkToFile, LinkToPipe, Folder };

inline constexpr struct {
    Planted kind;
    const char* name;
} kPlanted[] = {
    {Planted::Pipe, "a named pipe"},
    {Planted::LinkToFile, "a link to a regular file"},
    {Planted::LinkToPipe, "a link to a named pipe"},
    {Planted::Folder, "a folder"},
};

// The regular file a planted link points to.
inline std::string linkTarget(const std::string& at) { return at + ".target"; }

// Puts one at `at`; a link to a file points to linkTarget(at), which holds
// `content` (something the reader would gladly take, were it to follow links).
inline void plant(Planted kind, const std::string& at, const std::string& content = "planted")
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
}

}  // namespace korvex
