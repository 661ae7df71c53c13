#pragma once
// The work folder the embedded documents are written into: the user's
// temporary folder + "ZADura", with its sub-folder "bbt". Fixed file names in
// a folder another user could reach would let that user plant a link and
// have us overwrite the victim's files, so the folder must be private to us.

#include <string>

namespace korvex {

// "File not found", "Invalid filename", ..., or "I/O error <code>".
std::string FolderErrorMessage(int code);

#ifndef _WIN32
// The code of the folder-creation messages for an errno value (the codes the
// messages were written for: 3 missing path, 5 no access, 183 name in use...).
// Windows gives those codes itself.
int FolderErrorCode(int posixError);
#endif

// Creates the folder unless it exists. An existing entry must be a real
// folder, never a link (on Windows no reparse point: no symbolic link, no
// junction); on Linux it must also be owned by us with nobody else allowed to
// write, and a new one is owner-only (on Windows the temporary folder is the
// user's own already). Anything else is refused with a folder-creation error.
void CreatePrivateFolder(const std::string& path);

// Both paths end in the system's separator.
struct WorkFolders {
    std::string documents;    // GetTempDir() + "ZADura"
    std::string projections;  // documents + "bbt"
};

// Creates the two folders where they are missing, one level at a time.
WorkFolders PrepareWorkFolders();

}  // namespace korvex
