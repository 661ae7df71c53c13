#pragma once

namespace korvex {

// Sets formatSettings() from the separators of the user's locale.
void readFormatSettingsFromLocale();

}  // namespace korvex
