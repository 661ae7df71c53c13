#pragma once
// What others do to the files we use, done the way each system does it.

#include <string>

namespace korvex {

// Plants a link at `at` to the folder or file `target`, as an attacker
// would: a symbolic link, on Windows a junction for a folder. False where the
// system lets us make none (Wine makes no reparse points).
bool PlantLink(const std::string& target, const std::string& at);

// Takes every right to the file from everyone: no permission bits, on Windows
// an empty access list. False where we may read it all the same (as root).
bool DenyReading(const std::string& path);

}  // namespace korvex
