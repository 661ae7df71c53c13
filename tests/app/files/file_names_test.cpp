#include "app/files/file_names.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(SafeFileStem, TakesWhatEveryFileSystemTakesAndFallsBackWhenNothingRemains)
{
    const std::pair<std::string, std::string> cases[] = {
        {"KVX", "KVX"},
        {"  BRK B\t", "BRK B"},
        {"A/B\\C:D*E?F\"G<H>I|J", "A_B_C_D_E_F_G_H_I_J"},
        {"..", "__"},
        {".SPX.", "_SPX."},
        {"a\x01" "b\x7f" "c\xc2\x85" "d", "a_b_c_d"},
        {"\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"},
        {"   ", "Trade plan"},
        {"", "Trade plan"},
        {std::string(98, 'x') + " \xe2\x82\xac", std::string(98, 'x')},  // no half of the euro sign
        {std::string(150, 'y'), std::string(100, 'y')},
    };
    for (const auto& [typed, stem] : cases)
        EXPECT_EQ(SafeFileStem(typed, "Trade plan"), stem) << typed;
}

}  // namespace
}  // namespace korvex
