#pragma once

#include <string>
#include <string_view>

namespace korvex {

// The text of the error box for an error message: a full stop is added
// unless the message is empty or already ends in a character that sorts at
// or below the full stop (space, punctuation such as "!", '"', "$", "-", ...).
std::string ErrorBoxText(std::string_view message);

}  // namespace korvex
