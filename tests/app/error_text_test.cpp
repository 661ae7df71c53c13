#include "app/error_text.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersAboveIt)
{
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Floating point division by zero", "Floating point division by zero."},
        {"I/O error 183", "I/O error 183."},
        {"Already ends.", "Already ends."},
        {"Ends in a quote \"C:\\x\"", "Ends in a quote \"C:\\x\""},
        {"Ends in a blank ", "Ends in a blank "},
        {"Bang!", "Bang!"},
        {"Comma,", "Comma,"},
        {"Dash-", "Dash-"},
        {"Paren)", "Paren)"},
        {"Slash/", "Slash/."},
        {"Digit 7", "Digit 7."},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

}  // namespace
}  // namespace korvex
