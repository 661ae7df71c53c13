#include "app/documents/rtf_tokenizer.h"

#include "app/numbers/ascii_text.h"

#include <algorithm>
#include <limits>

namespace korvex {
namespace {

RtfToken tokenOf(RtfToken::Kind kind)
{
    RtfToken token;
    token.kind = kind;
    return token;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

RtfToken RtfTokenizer::next()
{
    // Line ends between tokens carry no meaning in RTF.
    while (pos_ < input_.size() && isLineEnd(input_[pos_]))
        ++pos_;
    if (pos_ >= input_.size())
        return {};
    const char c = input_[pos_];
    if (c == '{') {
        ++pos_;
        return tokenOf(RtfToken::Kind::GroupStart);
    }
    if (c == '}') {
        ++pos_;
        return tokenOf(RtfToken::Kind::GroupEnd);
    }
    if (c == '\\') {
        ++pos_;
        return controlAfterBackslash();
    }
    const std::size_t start = pos_;
    while (pos_ < input_.size() && input_[pos_] != '\\' && input_[pos_] != '{' && input_[pos_] != '}'
           && !isLineEnd(input_[pos_]))
        ++pos_;
    RtfToken token = tokenOf(RtfToken::Kind::Text);
    token.text = input_.substr(start, pos_ - start);
    return token;
}

RtfToken RtfTokenizer::controlAfterBackslash()
{
    if (pos_ >= input_.size())
        return {};
    const char c = input_[pos_];
    if (!isLetter(c)) {
        ++pos_;
        if (c == '\'' && pos_ + 1 < input_.size()) {
            const int high = hexDigitValue(input_[pos_]);
            const int low = hexDigitValue(input_[pos_ + 1]);
            if (high >= 0 && low >= 0) {
                pos_ += 2;
                RtfToken token = tokenOf(RtfToken::Kind::HexByte);
                token.parameter = high * 16 + low;
                return token;
            }
        }
        RtfToken token = tokenOf(RtfToken::Kind::ControlSymbol);
        token.symbol = c;
        return token;
    }

    const std::size_t start = pos_;
    while (pos_ < input_.size() && isLetter(input_[pos_]))
        ++pos_;
    RtfToken token = tokenOf(RtfToken::Kind::ControlWord);
    token.text = input_.substr(start, pos_ - start);

    const bool negative = pos_ + 1 < input_.size() && input_[pos_] == '-' && isAsciiDigit(input_[pos_ + 1]);
    if (negative)
        ++pos_;
    if (pos_ < input_.size() && isAsciiDigit(input_[pos_])) {
        constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
        std::int64_t value = 0;
        while (pos_ < input_.size() && isAsciiDigit(input_[pos_])) {
            value = value * 10 + (input_[pos_] - '0');
            if (value > limit)
                value = limit;
            ++pos_;
        }
        token.hasParameter = true;
        token.parameter = static_cast<std::int32_t>(negative ? -value : value);
    }
    if (pos_ < input_.size() && input_[pos_] == ' ')
        ++pos_;

    // \binN is followed by N raw bytes that must not be read as RTF.
    if (token.text == "bin" && token.hasParameter && token.parameter > 0) {
        const auto length = static_cast<std::size_t>(token.parameter);
        pos_ += std::min(length, input_.size() - pos_);
    }
    return token;
}

}  // namespace korvex
