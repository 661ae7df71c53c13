#pragma once
// Reads the subset of RTF the help document is written in: groups, the font
// and colour tables, character formatting (\f \fs \b \i \ul \cf \plain),
// paragraphs (\par \pard \sb \sa), \line, \tab, \'hh and \uN escapes, and
// skips the destinations it does not show. Any input gives a document made
// of the readable text found in it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

struct RtfCharFormat {
    std::u16string fontName;                  // empty: the reader's default font
    int halfPoints = 24;                      // font size in half points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<std::uint32_t> colour;      // 0xRRGGBB; none: the automatic text colour
    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
    RtfCharFormat format;
    std::u16string text;  // U+2028 for \line, U+0009 for \tab
};

struct RtfParagraph {
    int spaceBefore = 0;  // twips
    int spaceAfter = 0;   // twips
    RtfCharFormat markFormat;  // the formatting of its paragraph mark (the height of an empty line)
    std::vector<RtfRun> runs;
    std::u16string text() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
};

RtfDocument ReadRtf(std::string_view rtf);

}  // namespace korvex
