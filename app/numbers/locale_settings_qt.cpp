// Off Windows the separators are those Qt reads from the environment's locale.
#include "app/numbers/locale_settings.h"

#include <QLocale>

namespace korvex {

namespace {

char32_t firstCharacter(const QString& text) { return text.isEmpty() ? 0 : text.front().unicode(); }

}  // namespace

void readFormatSettingsFromLocale()
{
    const QLocale locale = QLocale::system();
    formatSettings()
        = FormatSettingsFor(firstCharacter(locale.decimalPoint()), firstCharacter(locale.groupSeparator()));
}

}  // namespace korvex
