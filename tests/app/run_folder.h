#pragma once
// Every temporary file of one test process lies in a folder of its own,
// "<temporary folder>/korvex-tests/<process id>", removed when the process
// ends; what a killed process left there is removed by the next one.

#include <filesystem>

namespace korvex {

const std::filesystem::path& RunFolder();

}  // namespace korvex
