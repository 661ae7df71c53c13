#pragma once
// Fixed facts about the program that several parts of it show.

namespace korvex {

inline constexpr const char* ApplicationTitle = "Korvex Trading Calculator";
inline constexpr const char* VersionLabel = "Version 2.0";

// The maker's web site: opened by the address labels and the simulator panel.
inline constexpr const char* SiteAddress = "https://www.example.com/";
inline constexpr const char* SiteAddressShown = "www.example.com";

}  // namespace korvex
