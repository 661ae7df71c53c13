#pragma once
// The program's fonts. The layout was drawn for "MS Sans Serif" 8 pt and
// Arial; where those are missing, metric-compatible open fonts stand in.

#include <QFont>

namespace korvex {

void installFontSubstitutes();

QFont windowFont();                                 // MS Sans Serif 8 pt: 11 pixels
QFont arialFont(int pixelSize, bool bold = false);  // Arial at a pixel size (10 pt = 13 px)

// A font the pages make themselves, drawn as the window's own: on Windows,
// with its glyphs at their design widths, evenly spaced.
QFont evenlySpaced(QFont font);

}  // namespace korvex
