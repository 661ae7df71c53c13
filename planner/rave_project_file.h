#pragma once
// The report project file: JSON as written in resources/documents/rvReport.rav.

#include "planner/rave_project.h"

#include <QByteArray>

namespace korvex {

// Reads and validates a project; throws std::runtime_error naming what is
// wrong (bad JSON, a missing or mistyped key, an item out of range).
RaveProject ReadRaveProject(const QByteArray& json);

}  // namespace korvex
