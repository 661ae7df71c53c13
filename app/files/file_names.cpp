#include "app/files/file_names.h"

#include "app/numbers/ascii_text.h"

namespace korvex {

namespace {

// Bytes of UTF-8; far below every file system's limit of 255, with room
// for the date and suffix that follow.
constexpr std::size_t kLongestStem = 100;

bool refused(unsigned char c)
{
    return c < 0x20 || c == 0x7F
           || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string SafeFileStem(std::string_view text, std::string_view fallback)
{
    text = trimmedText(text);
    std::string stem;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // C1 control characters: U+0080 to U+009F.
        if (c == 0xC2 && i + 1 < text.size() && continuationByte(text[i + 1])
            && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            stem += '_';
            ++i;
            continue;
        }
        stem += refused(c) ? '_' : text[i];
    }
    for (char& c : stem) {
        if (c != '.')
            break;
        c = '_';
    }
    if (stem.size() > kLongestStem) {
        std::size_t cut = kLongestStem;
        while (cut > 0 && continuationByte(stem[cut]))
            --cut;
        stem.resize(cut);
    }
    stem = std::string(trimmedText(stem));
    return stem.empty() ? std::string(fallback) : stem;
}

}  // namespace korvex
