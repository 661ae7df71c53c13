#pragma once
// Fonts asked for by a family this machine has.

#include <QString>

namespace korvex {

// The first of a family and its substitutes (QFont::substitutes) that is
// installed, as the font database names it; the family itself when none is.
// Qt draws the same face either way, but a family that is not installed
// sends it through fontconfig's fallbacks for every size and weight it loads.
QString installedFamily(const QString& family);

}  // namespace korvex
