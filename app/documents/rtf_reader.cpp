#include "app/documents/rtf_reader.h"

#include "app/documents/rtf_tokenizer.h"

#include <algorithm>
#include <array>
#include <map>

namespace korvex {
namespace {

// Deeper nesting is still matched brace for brace, but shares one saved
// state, so that a flood of "{" cannot eat the memory.
constexpr std::size_t MaxSavedGroups = 512;
constexpr std::size_t MaxFontNameLength = 256;
constexpr int DefaultHalfPoints = 24;
constexpr char16_t Replacement = u'\uFFFD';

// Windows code page 1252 for the bytes 0x80 to 0x9F; the rest are Latin-1.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return Cp1252High[byte - 0x80];
    return byte;
}

// Destinations whose text is not part of what the reader shows.
constexpr std::array<std::string_view, 30> SkippedDestinations{
    "annotation", "author", "bkmkend", "bkmkstart", "comment", "datastore", "doccomm", "falt",
    "filetbl", "fldinst", "footer", "footerf", "footerl", "footerr", "footnote", "generator",
    "header", "headerf", "headerl", "headerr", "info", "listoverridetable", "listtable", "object",
    "pict", "revtbl", "rsidtbl", "stylesheet", "themedata", "xe",
};

bool isSkippedDestination(std::string_view word)
{
    return std::find(SkippedDestinations.begin(), SkippedDestinations.end(), word) != SkippedDestinations.end();
}

int clamp(std::int32_t value, int low, int high) { return static_cast<int>(std::clamp<std::int32_t>(value, low, high)); }

enum class Destination { Text, FontTable, ColourTable, Skip };

struct CharState {
    int font = -1;  // -1: the document's default font
    int halfPoints = DefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0;  // index into the colour table; 0 is the automatic colour
    bool operator==(const CharState&) const = default;
};

struct GroupState {
    CharState chars;
    int spaceBefore = 0;
    int spaceAfter = 0;
    Destination destination = Destination::Text;
    int unicodeFallback = 1;  // \ucN: characters that stand in for each \uN
};

// A lone half of a surrogate pair would make an invalid string.
void repairSurrogates(std::u16string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (high || low)
            text[i] = Replacement;
    }
}

class Reader {
public:
    RtfDocument read(std::string_view rtf);

private:
    void groupStart();
    bool groupEnd();  // false once the outermost group has closed
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void textBytes(std::string_view bytes);
    void character(char16_t c);
    bool consumeFallback();
    void endParagraph();
    void fontTableText(std::string_view bytes);
    void fontTableCharacter(char16_t c);
    void commitFont();
    RtfCharFormat resolve(const CharState& chars) const;

    RtfDocument document_;
    RtfParagraph paragraph_;
    CharState runState_;
    GroupState state_;
    std::vector<GroupState> saved_;
    std::size_t unsavedDepth_ = 0;
    int fallbackPending_ = 0;

    std::map<int, std::u16string> fonts_;
    int defaultFont_ = 0;
    int fontId_ = 0;
    std::u16string fontName_;
    std::vector<std::optional<std::uint32_t>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;
};

RtfDocument Reader::read(std::string_view rtf)
{
    RtfTokenizer tokens(rtf);
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            groupStart();
            break;
        case RtfToken::Kind::GroupEnd:
            if (!groupEnd())
                return std::move(document_);
            break;
        case RtfToken::Kind::ControlWord:
            controlWord(token);
            break;
        case RtfToken::Kind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte: {
            const auto c = fromCp1252(static_cast<unsigned char>(token.parameter));
            if (state_.destination == Destination::FontTable)
                fontTableCharacter(c);
            else if (state_.destination == Destination::Text && !consumeFallback())
                character(c);
            break;
        }
        case RtfToken::Kind::Text:
            textBytes(token.text);
            break;
        case RtfToken::Kind::End:
            break;
        }
    }
    // Unclosed groups: keep what was read.
    if (!paragraph_.runs.empty())
        endParagraph();
    return std::move(document_);
}

void Reader::groupStart()
{
    fallbackPending_ = 0;
    if (state_.destination == Destination::FontTable)
        commitFont();
    if (saved_.size() < MaxSavedGroups)
        saved_.push_back(state_);
    else
        ++unsavedDepth_;
}

bool Reader::groupEnd()
{
    fallbackPending_ = 0;
    if (state_.destination == Destination::FontTable)
        commitFont();
    if (unsavedDepth_ > 0) {
        --unsavedDepth_;
        return true;
    }
    if (saved_.empty())
        return true;  // a stray "}" before the first group
    state_ = saved_.back();
    saved_.pop_back();
    if (saved_.empty()) {
        if (!paragraph_.runs.empty())
            endParagraph();
        return false;
    }
    return true;
}

void Reader::controlWord(const RtfToken& token)
{
    const std::string_view word = token.text;
    const std::int32_t n = token.hasParameter ? token.parameter : 0;
    const bool on = !token.hasParameter || token.parameter != 0;

    if (word == "fonttbl") {
        state_.destination = Destination::FontTable;
        fontName_.clear();
        return;
    }
    if (word == "colortbl") {
        state_.destination = Destination::ColourTable;
        return;
    }
    if (isSkippedDestination(word)) {
        state_.destination = Destination::Skip;
        return;
    }
    if (state_.destination == Destination::Skip)
        return;
    if (state_.destination == Destination::FontTable) {
        if (word == "f") {
            commitFont();
            fontId_ = n;
        }
        return;
    }
    if (state_.destination == Destination::ColourTable) {
        const int component = clamp(n, 0, 255);
        if (word == "red")
            red_ = component;
        else if (word == "green")
            green_ = component;
        else if (word == "blue")
            blue_ = component;
        else
            return;
        colourGiven_ = true;
        return;
    }

    if (word == "u") {
        if (consumeFallback())
            return;
        character(static_cast<char16_t>(static_cast<std::uint16_t>(n)));
        fallbackPending_ = state_.unicodeFallback;
        return;
    }
    if (consumeFallback())
        return;

    CharState& chars = state_.chars;
    if (word == "par" || word == "sect" || word == "page" || word == "row")
        endParagraph();
    else if (word == "line")
        character(u'\u2028');
    else if (word == "tab" || word == "cell")
        character(u'\t');
    else if (word == "pard")
        state_.spaceBefore = state_.spaceAfter = 0;
    else if (word == "plain")
        chars = CharState{};
    else if (word == "sb")
        state_.spaceBefore = clamp(n, 0, 31680);
    else if (word == "sa")
        state_.spaceAfter = clamp(n, 0, 31680);
    else if (word == "f")
        chars.font = std::max(n, 0);
    else if (word == "fs")
        chars.halfPoints = token.hasParameter ? clamp(n, 2, 3276) : DefaultHalfPoints;
    else if (word == "b")
        chars.bold = on;
    else if (word == "i")
        chars.italic = on;
    else if (word == "ul")
        chars.underline = on;
    else if (word == "ulnone")
        chars.underline = false;
    else if (word == "cf")
        chars.colour = std::max(n, 0);
    else if (word == "deff")
        defaultFont_ = n;
    else if (word == "uc")
        state_.unicodeFallback = clamp(n, 0, 16);
    else if (word == "emdash")
        character(u'\u2014');
    else if (word == "endash")
        character(u'\u2013');
    else if (word == "bullet")
        character(u'\u2022');
    else if (word == "lquote")
        character(u'\u2018');
    else if (word == "rquote")
        character(u'\u2019');
    else if (word == "ldblquote")
        character(u'\u201C');
    else if (word == "rdblquote")
        character(u'\u201D');
}

void Reader::controlSymbol(char symbol)
{
    if (symbol == '*') {
        state_.destination = Destination::Skip;
        return;
    }
    if (state_.destination == Destination::FontTable && (symbol == '\\' || symbol == '{' || symbol == '}')) {
        fontTableCharacter(static_cast<char16_t>(symbol));
        return;
    }
    if (state_.destination != Destination::Text || consumeFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        character(static_cast<char16_t>(symbol));
        break;
    case '~':
        character(u'\u00A0');
        break;
    case '_':
        character(u'\u2011');
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    default:
        break;  // optional hyphens and symbols of no use here
    }
}

void Reader::textBytes(std::string_view bytes)
{
    switch (state_.destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        fontTableText(bytes);
        return;
    case Destination::ColourTable:
        for (const char c : bytes) {
            if (c != ';')
                continue;
            colours_.push_back(colourGiven_ ? std::optional<std::uint32_t>(
                                                  static_cast<std::uint32_t>(red_ << 16 | green_ << 8 | blue_))
                                            : std::nullopt);
            red_ = green_ = blue_ = 0;
            colourGiven_ = false;
        }
        return;
    case Destination::Text:
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (!consumeFallback())
                character(fromCp1252(byte));
        }
        return;
    }
}

bool Reader::consumeFallback()
{
    if (fallbackPending_ <= 0)
        return false;
    --fallbackPending_;
    return true;
}

void Reader::character(char16_t c)
{
    // A control character would break the paragraph structure of the document.
    if (c < 0x20 && c != u'\t')
        return;
    auto& runs = paragraph_.runs;
    if (runs.empty() || !(state_.chars == runState_)) {
        RtfCharFormat format = resolve(state_.chars);
        runState_ = state_.chars;
        if (runs.empty() || !(runs.back().format == format))
            runs.push_back(RtfRun{std::move(format), {}});
    }
    runs.back().text.push_back(c);
}

void Reader::endParagraph()
{
    for (RtfRun& run : paragraph_.runs)
        repairSurrogates(run.text);
    paragraph_.spaceBefore = state_.spaceBefore;
    paragraph_.spaceAfter = state_.spaceAfter;
    paragraph_.markFormat = resolve(state_.chars);
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = RtfParagraph{};
}

void Reader::fontTableText(std::string_view bytes)
{
    for (const char c : bytes)
        fontTableCharacter(fromCp1252(static_cast<unsigned char>(c)));
}

void Reader::fontTableCharacter(char16_t c)
{
    if (c == u';')
        commitFont();
    else if (fontName_.size() < MaxFontNameLength)
        fontName_.push_back(c);
}

void Reader::commitFont()
{
    const auto first = fontName_.find_first_not_of(u' ');
    if (first != std::u16string::npos) {
        const auto last = fontName_.find_last_not_of(u' ');
        fonts_[fontId_] = fontName_.substr(first, last - first + 1);
        repairSurrogates(fonts_[fontId_]);
    }
    fontName_.clear();
}

RtfCharFormat Reader::resolve(const CharState& chars) const
{
    RtfCharFormat format;
    const auto font = fonts_.find(chars.font < 0 ? defaultFont_ : chars.font);
    if (font != fonts_.end())
        format.fontName = font->second;
    format.halfPoints = chars.halfPoints;
    format.bold = chars.bold;
    format.italic = chars.italic;
    format.underline = chars.underline;
    if (chars.colour > 0 && static_cast<std::size_t>(chars.colour) < colours_.size())
        format.colour = colours_[static_cast<std::size_t>(chars.colour)];
    return format;
}

}  // namespace

std::u16string RtfParagraph::text() const
{
    std::u16string all;
    for (const RtfRun& run : runs)
        all += run.text;
    return all;
}

RtfDocument ReadRtf(std::string_view rtf) { return Reader().read(rtf); }

}  // namespace korvex
