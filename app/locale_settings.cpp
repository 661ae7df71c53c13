#include "app/locale_settings.h"

#include "app/numbers.h"

#include <QLocale>

namespace korvex {

namespace {

// The separators are single bytes of our texts. A locale whose separator is
// not plain ASCII (a no-break space, for one) is given the nearest ASCII one.
char separatorChar(const QString& text, char fallback)
{
    if (text.isEmpty())
        return fallback;
    const QChar c = text.front();
    if (c.unicode() < 0x80)
        return static_cast<char>(c.unicode());
    return c.isSpace() ? ' ' : fallback;
}

}  // namespace

void readFormatSettingsFromLocale()
{
    const QLocale locale = QLocale::system();
    FormatSettings& settings = formatSettings();
    settings.decimalSeparator = separatorChar(locale.decimalPoint(), '.');
    settings.thousandSeparator = separatorChar(locale.groupSeparator(), '\0');
    if (settings.thousandSeparator == settings.decimalSeparator)
        settings.thousandSeparator = '\0';
}

}  // namespace korvex
