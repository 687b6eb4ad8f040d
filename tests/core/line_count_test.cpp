#include <gtest/gtest.h>

#include "top_lines_copy.h"

namespace {

struct CountCase {
    const char* name;
    const char* text;
    std::int32_t expected;
};

TEST(LineCountFromText, ConvertsLikeTheDialogExpects) {
    const CountCase cases[] = {
        {"plain", "25", 25},
        {"leading blanks", "  25", 25},
        {"leading tab, LF, VT, FF, CR", "\t\n\v\f\r9", 9},
        {"trailing words ignored", "7 lines", 7},
        {"digits then letters", " 12abc", 12},
        {"plus sign", "+3", 3},
        {"minus sign", "-4", -4},
        {"letters only", "abc", 0},
        {"letter first", "x5", 0},
        {"blank only", " ", 0},
        {"sign only", "-", 0},
        {"blank after sign", "- 5", 0},
        {"two signs", "+-5", 0},
        {"leading zeros", "007", 7},
        {"largest", "2147483647", 2147483647},
        {"one past largest saturates", "2147483648", 2147483647},
        {"far past largest saturates", "99999999999999999999999999", 2147483647},
        {"smallest", "-2147483648", -2147483647 - 1},
        {"one past smallest saturates", "-2147483649", -2147483647 - 1},
        {"far past smallest saturates", "-99999999999999999999999999", -2147483647 - 1},
        {"byte above 0x7F is no blank",
         "\xA0"
         "5",
         0},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(LineCountFromText(c.text), c.expected) << c.name;
    }
}

}  // namespace
