#pragma once
// Writing the documents of the work folder and the files the user saves.

#include <string>
#include <string_view>

namespace korvex {

// Replaces the file with these bytes. They go to a fresh file under a
// temporary name in the same folder, which is then renamed into place: a
// second copy of the program never reads half a file, and a link planted
// under the name is replaced, never followed.
// Throws "Cannot create file "<path>". <reason>" or "Stream write error".
void WriteDocument(const std::string& path, std::string_view bytes);

// Replaces a file the user chose in the same way, so that it is either
// complete or as it was: every failure, a full disk included, throws
// "Cannot create file "<path>". <reason>". The bytes reach the disk before
// the rename; a replaced file keeps its permissions and a read-only one is
// refused, a new one gets what the umask allows.
void SaveFile(const std::string& path, std::string_view bytes);

}  // namespace korvex
