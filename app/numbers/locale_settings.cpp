#include "app/numbers/locale_settings.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvex {

namespace {

// The spaces of Unicode: line and paragraph separators, the space separators
// and the ASCII and Latin-1 blanks.
bool isUnicodeSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0d) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f || c == 0x205f
           || c == 0x3000;
}

// The separators are single bytes of our texts. A locale whose separator is
// not plain ASCII (a no-break space, for one) is given the nearest ASCII one.
char separatorChar(char32_t c, char fallback)
{
    if (c == 0)
        return fallback;
    if (c < 0x80)
        return static_cast<char>(c);
    return isUnicodeSpace(c) ? ' ' : fallback;
}

}  // namespace

FormatSettings FormatSettingsFor(char32_t decimal, char32_t thousand)
{
    FormatSettings settings;
    settings.decimalSeparator = separatorChar(decimal, '.');
    settings.thousandSeparator = separatorChar(thousand, '\0');
    if (settings.thousandSeparator == settings.decimalSeparator)
        settings.thousandSeparator = '\0';
    return settings;
}

#ifdef _WIN32

namespace {

// The first character of a locale value; the fallback when the system
// reports nothing, 0 when the value is empty.
char32_t firstCharacter(LCTYPE type, char32_t fallback)
{
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 16) == 0)
        return fallback;
    return text[0];
}

}  // namespace

void readFormatSettingsFromLocale()
{
    formatSettings()
        = FormatSettingsFor(firstCharacter(LOCALE_SDECIMAL, '.'), firstCharacter(LOCALE_STHOUSAND, ','));
}

#endif

}  // namespace korvex
