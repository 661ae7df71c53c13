#pragma once

#include <exception>
#include <functional>
#include <string>

#ifdef _WIN32
#include "app/files/windows_text.h"

#include <algorithm>
#endif

namespace korvex {

// The message of the exception an action throws, or "no error".
inline std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

// What the program says of a file it cannot create, in this system's words:
// on Linux the reason is `posixReason`, on Windows the text of `windowsError`
// after the path with its native separators.
inline std::string cannotCreateText(std::string path, [[maybe_unused]] const char* posixReason,
                                    [[maybe_unused]] unsigned long windowsError)
{
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Cannot create file \"" + path + "\". " + SystemErrorText(windowsError);
#else
    return "Cannot create file \"" + path + "\". " + posixReason;
#endif
}

}  // namespace korvex
