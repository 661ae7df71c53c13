#pragma once
// The work folder the embedded documents are written into. Fixed file names in
// a folder another user could reach would let that user plant a link and have
// us overwrite the victim's files, so the folder must be private to us.

#include <string>

namespace korvex {

// The code of the folder-creation messages for an errno value (the codes the
// messages were written for: 3 missing path, 5 no access, 183 name in use...).
int FolderErrorCode(int posixError);

// "File not found", "Invalid filename", ..., or "I/O error <code>".
std::string FolderErrorMessage(int code);

// Creates the folder with owner-only permissions unless it exists. An
// existing entry must be a real folder (not a link) owned by us that nobody
// else may write to; anything else is refused with a folder-creation error.
void CreatePrivateFolder(const std::string& path);

}  // namespace korvex
