#pragma once
// Our texts are UTF-8; Windows takes and gives UTF-16. Built on Windows only.

#include <string>
#include <string_view>

namespace korvex {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The system's own text for a Win32 error code, without its line break.
std::string SystemErrorText(unsigned long code);

}  // namespace korvex
