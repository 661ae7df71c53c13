#pragma once
// uGetDir: the user's temporary folder, and what the system's paths look like.

#include <functional>
#include <string>
#include <string_view>

namespace korvex {

// The user's own temporary folder as UTF-8 text, ending in a separator;
// empty when the platform has none. On Linux this is the per-user runtime
// folder (mode 0700), not the shared /tmp that every local user can write
// into; on Windows it is the folder GetTempPathW names, with its long names.
std::string GetTempDir();

// Replaces where GetTempDir looks (tests point it at a folder of their own);
// an empty function restores the platform's folder.
using TempDirSource = std::function<std::string()>;
void setTempDirSource(TempDirSource source);

char PathSeparator();  // "\" on Windows, "/" elsewhere
bool IsAbsolutePath(std::string_view path);

}  // namespace korvex
