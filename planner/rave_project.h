#pragma once
// The report project as data: reports, their pages and the text items and
// memos on them, with lengths in inches. Printing fills the items' texts and
// hands a page to the output system; nothing here knows how it is drawn.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

struct RaveFont {
    std::string name = "Arial";
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    std::uint32_t color = 0x000000;  // 0xRRGGBB
};

enum class RaveKind { Text, Memo };

// A text item prints on one line from its left edge; a memo wraps within its
// width and runs on below its box as far as its text needs.
struct RaveItem {
    std::string name;
    RaveKind kind = RaveKind::Text;
    std::string text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;  // a text item's box is 1.2 times its font size high
    RaveFont font;
};

enum class RaveOrientation { PrinterDefault, Portrait, Landscape };

struct RavePage {
    std::string name;
    std::string paperName;  // "A4"
    RaveOrientation orientation = RaveOrientation::PrinterDefault;
    double paperWidth = 0;
    double paperHeight = 0;
    std::vector<RaveItem> items;
};

struct RaveReport {
    std::string name;
    std::vector<RavePage> pages;
};

struct RaveProject {
    std::string name;
    std::vector<RaveReport> reports;
};

// Rejects what could not be printed sensibly: missing or repeated names,
// lengths that are negative or absurd, fonts without a size. The message
// says which item is wrong.
void ValidateRaveProject(const RaveProject& project);

// Looks components up by name, the way a filled report reaches its items.
class RaveProjectManager {
public:
    explicit RaveProjectManager(RaveProject& project);

    // "Report1.Page1": a report name, a dot and a page name.
    RavePage& FindPage(std::string_view fullName) const;
    // Items by their plain name within a page, of the kind the caller needs.
    static RaveItem& FindText(RavePage& page, std::string_view name);
    static RaveItem& FindMemo(RavePage& page, std::string_view name);

private:
    RaveProject& project_;
};

}  // namespace korvex
