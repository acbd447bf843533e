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

TEST(NumericPrefix, UpperCaseWithoutBlanksCutAfterTheFirstNumber) {
    const struct { const char* in; const char* out; } cases[] = {
        {"12 cm", "12"},   {"12.0", "12"},      {"3,5 kg", "3,5"}, {"3.5", "3"},   {"x = 4 cm", "X=4"},
        {"douze", "DOUZE"}, {" le chat ", "LECHAT"}, {"", ""},       {",5", ",5"},   {"12,", "12,"},
        {"012", "012"},    {"a1b2", "A1"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumericPrefix(c.in), c.out) << '"' << c.in << '"';
    // Accented letters keep their accent when upper-cased.
    EXPECT_EQ(NumericPrefix(Utf8ToAnsi("été")), Utf8ToAnsi("ÉTÉ"));
}

TEST(CompareAnswerQO, BlanksCaseAndWhatFollowsTheNumberDoNotCount) {
    const struct { const char* typed; const char* expected; int result; } cases[] = {
        {"12", "12", 2},      {" 1 2 ", "12", 2},    {"12 cm", "12", 1},  {"12cm", "12", 1},
        {"12.0", "12", 1},    {"douze", "12", 0},    {"012", "12", 0},    {"", "12", 0},
        {"Le Chat", "lechat", 2}, {"3,5", "3,5 cm", 1}, {"3.5", "3,5", 0}, {"x=4", "X = 4", 2},
        {"x=4", "4", 0},      {"", "", 2},           {"  ", "", 2},       {"7,5 cm", "7,5cm", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareAnswerQO(c.typed, c.expected), c.result) << '"' << c.typed << "\" / \"" << c.expected << '"';
        EXPECT_EQ(CompareAnswerQO(c.expected, c.typed), c.result) << "either order";
    }
    // The platform's Windows-1252 upper case: é equals É, not e.
    EXPECT_EQ(CompareAnswerQO(Utf8ToAnsi("éléphant"), Utf8ToAnsi("ÉLÉPHANT")), 2);
    EXPECT_EQ(CompareAnswerQO(Utf8ToAnsi("éléphant"), "ELEPHANT"), 0);
}
