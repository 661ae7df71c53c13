#include "tests/app/plant_link.h"

#include <sys/stat.h>
#include <unistd.h>

namespace korvex {

bool PlantLink(const std::string& target, const std::string& at) { return ::symlink(target.c_str(), at.c_str()) == 0; }

bool DenyReading(const std::string& path) { return ::chmod(path.c_str(), 0) == 0 && ::access(path.c_str(), R_OK) != 0; }

}  // namespace korvex
