#pragma once

#include <QColor>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

namespace korvex {

struct RavePage;
struct RaveItem;

// A report's pages laid out for one paint device, sheet by sheet. Items sit
// at their physical positions, so the device must have its origin at the
// paper's top-left corner. A memo runs on below its box as far as it needs;
// what does not fit above the page's bottom margin continues on sheets of its
// own, from their top margin, in the same column: no text is ever cut.
// Preview, printer and file output all draw through here.
class RavePrintout {
public:
    RavePrintout(const std::vector<const RavePage*>& pages, QPaintDevice* device);
    RavePrintout(const RavePrintout&) = delete;
    RavePrintout& operator=(const RavePrintout&) = delete;
    ~RavePrintout();

    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    // Sheets count from 0.
    void drawSheet(QPainter& painter, int sheet) const;

    // Half an inch: clear of any printer's unprintable edge.
    static constexpr double kMargin = 0.5;  // inches

private:
    struct PlacedLine {
        QTextLine line;
        int sheet;
        QColor colour;
    };

    void layOutMemo(const RaveItem& memo, int pageSheet, double paperHeight);

    QPaintDevice* device_;
    double dpiX_;
    double dpiY_;
    std::vector<const RavePage*> sheets_;  // the page each sheet belongs to
    std::vector<bool> continues_;          // a sheet that only continues memos
    std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
    std::vector<PlacedLine> lines_;
};

}  // namespace korvex
