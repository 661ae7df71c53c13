#pragma once
// Reading a file the program did not necessarily write itself. Only a
// regular file is read, never through a link in its last name, never
// waiting on a pipe or device, and never beyond the caller's limit: anything
// else in its place counts as no file at all.

#include <cstddef>
#include <optional>
#include <string>

namespace korvex {

enum class ReadOutcome {
    Read,      // the bytes are the whole file
    Missing,   // nothing of that name, or a folder on the way is missing
    NotAFile,  // a folder, pipe, device or socket, or a link in the last name
    TooLarge,  // more bytes than the caller accepts
    Refused,   // there, but the platform refused to open it (no permission, ...)
    BrokeOff,  // opened, but reading it failed part-way
};

struct FileContent {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string bytes;   // only when Read
    std::string reason;  // the platform's words for anything but Read
};

// The whole file at the path, if it is a regular file of at most `limit` bytes.
FileContent ReadRegularFile(const std::string& path, std::size_t limit);

// The whole file; throws "Cannot open file "<path>". <reason>" otherwise.
std::string ReadDocument(const std::string& path, std::size_t limit);

// The whole file, or nothing when it cannot be read for any reason.
std::optional<std::string> TryReadDocument(const std::string& path, std::size_t limit);

}  // namespace korvex
