#pragma once

#include <string>

namespace korvex {

// Plants a link at `at` to the folder or file `target`, as an attacker
// would: a symbolic link, on Windows a junction for a folder. False where the
// system lets us make none (Wine makes no reparse points).
bool PlantLink(const std::string& target, const std::string& at);

}  // namespace korvex
