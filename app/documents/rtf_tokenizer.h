#pragma once
// Splits RTF into groups, control words, control symbols, hex escapes and
// text. Any byte sequence is accepted: malformed input gives odd tokens,
// never an error.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvex {

struct RtfToken {
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };
    Kind kind = Kind::End;
    std::string_view text;       // the letters of a control word, or the bytes of a text run
    bool hasParameter = false;   // a control word with a number after it
    std::int32_t parameter = 0;  // that number (saturated), or the value of a hex escape
    char symbol = 0;             // the character after the backslash of a control symbol
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view input)
        : input_(input)
    {
    }

    // The next token; Kind::End once the input is used up, and after that.
    RtfToken next();

private:
    RtfToken controlAfterBackslash();

    std::string_view input_;
    std::size_t pos_ = 0;
};

}  // namespace korvex
