#pragma once

#include <exception>
#include <functional>
#include <string>

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

}  // namespace korvex
