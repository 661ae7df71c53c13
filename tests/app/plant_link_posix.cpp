#include "tests/app/plant_link.h"

#include <unistd.h>

namespace korvex {

bool PlantLink(const std::string& target, const std::string& at) { return ::symlink(target.c_str(), at.c_str()) == 0; }

}  // namespace korvex
