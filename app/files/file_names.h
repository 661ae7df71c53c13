#pragma once

#include <string>
#include <string_view>

namespace korvex {

// The start of a file name made from text a user typed (a ticker), safe on
// Linux and Windows alike: blanks at either end go, characters either
// system refuses become "_", and so do leading dots, which would hide the
// file; a long text is cut at a character's boundary. The fallback stands
// in for a text of which nothing remains.
std::string SafeFileStem(std::string_view text, std::string_view fallback);

}  // namespace korvex
