#pragma once

class QPainter;

namespace korvex {

struct RavePage;

// Paints a report page at its physical positions: the painter's device must
// have its origin at the paper's top-left corner. Preview, printer and file
// output all draw through here.
void DrawRavePage(QPainter& painter, const RavePage& page);

}  // namespace korvex
