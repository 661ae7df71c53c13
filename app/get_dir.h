#pragma once
// uGetDir: the user's temporary folder.

#include <QString>

#include <functional>

namespace korvex {

// The user's own temporary folder, ending in a separator; empty when the
// platform has none. On Linux this is the per-user runtime folder (mode
// 0700), not the shared /tmp that every local user can write into.
QString GetTempDir();

// Replaces where GetTempDir looks (tests point it at a folder of their own);
// an empty function restores the platform's folder.
using TempDirSource = std::function<QString()>;
void setTempDirSource(TempDirSource source);

}  // namespace korvex
