#pragma once
// Writing the documents of the work folder.

#include <string>
#include <string_view>

namespace korvex {

// Replaces the file with these bytes. They go to a fresh file under a
// temporary name in the same folder, which is then renamed into place: a
// second copy of the program never reads half a file, and a link planted
// under the name is replaced, never followed.
// Throws "Cannot create file "<path>". <reason>" or "Stream write error".
void WriteDocument(const std::string& path, std::string_view bytes);

}  // namespace korvex
