// Typed answers made comparable: blanks removed the way both the short-answer page and
// the numbers game need.
#include <gtest/gtest.h>

#include "player/AnswerText.h"

TEST(RemoveSpaces, DropsEveryBlankAndTheControlCharactersBesideIt) {
    const struct { const char* in; const char* out; } cases[] = {
        {"", ""},
        {"   ", ""},
        {"12", "12"},
        {" 1 2 ", "12"},
        {"3 +  4 * ( 2 - 1 )", "3+4*(2-1)"},
        {"a\t b", "ab"},          // the tab beside a blank goes with it
        {"a\tb", "a\tb"},         // a tab with no blank beside it stays
        {"\t12 cm\r\n", "12cm"},
    };
    for (const auto& c : cases) EXPECT_EQ(RemoveSpaces(c.in), c.out) << '"' << c.in << '"';
}
