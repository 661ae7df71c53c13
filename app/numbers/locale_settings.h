#pragma once
// The separators of the user's regional settings.

#include "app/numbers/numbers.h"

namespace korvex {

// Sets formatSettings() from the separators of the user's locale: on Windows
// from the regional settings (GetLocaleInfoEx), elsewhere as Qt reads the
// locale of the environment.
void readFormatSettingsFromLocale();

// The settings for the first characters of the locale's decimal and
// thousands separators (0: the locale has none).
FormatSettings FormatSettingsFor(char32_t decimal, char32_t thousand);

}  // namespace korvex
