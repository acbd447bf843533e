// The numbers game's arithmetic without the board: the evaluator's rules and limits,
// the generator's picking orders and trial counter, and many real draws checked again.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GamesFixture.h"
#include "games/CompteRules.h"
#include "games/ExpressionEvaluator.h"
#include "games/ExpressionGenerator.h"

TEST(Evaluator, RulesEdgeCasesAndLimits) {
    const struct { const char* text; bool valid; int value; } cases[] = {
        // Precedence and operand rules.
        {"8/3*3", true, 6}, {"2*3/2", true, 2}, {"8*2/4", false, 0}, {"12/2/3", true, 2},
        {"2+3*4", true, 14}, {"10-2-3", true, 5}, {"5-5", true, 0}, {"3-5", true, -2},
        {"5-5+1", false, 0}, {"3-5+4", false, 0}, {"2/4", true, 0}, {"1+2/4", false, 0},
        // Edge cases.
        {"", false, 0}, {"7", true, 7}, {"007", true, 7}, {"0", true, 0}, {"+", true, 0},
        {"(", true, 0}, {"3+", false, 0}, {"+3", false, 0}, {"*3", false, 0}, {")", false, 0},
        {"()", false, 0}, {"(3+4", false, 0}, {"((3))", true, 3}, {"10-(2+3)", true, 5},
        {"(4 + 3)*2 - 8", true, 6}, {"12 + 6/3 - 4", true, 10}, {"2(3+4)", true, 27},
        {"(3+4)2", true, 72}, {"1 2", true, 12}, {"(2-5)", false, 0}, {"(2-5)*3", false, 0},
        {"10-(3-5)", false, 0}, {"5*0", false, 0}, {"0*5", false, 0}, {"0+5", false, 0},
        {"5+0", false, 0}, {"4 x 7 - 8", false, 0}, {"4*7-8", true, 20},
        {"((1+2)*(3+4))-1", true, 20}, {"(8/3)*3", true, 6},
        // Sums, products and runs of digits leave 32 bits: invalid, never wrapped.
        {"2147483647", true, 2147483647}, {"2147483648", false, 0}, {"99999999999", false, 0},
        {"2147483647+1", false, 0}, {"2147483640+7", true, 2147483647}, {"46340*46340", true, 2147395600},
        {"46341*46341", false, 0}, {"(65536*32768)", false, 0}, {"2(147483648)", false, 0},
        {"1 000 000 000 000", false, 0}, {"1-2147483647", true, -2147483646},
    };
    for (const auto& c : cases) {
        int value = -12345;
        EXPECT_EQ(EvaluateExpression(c.text, value), c.valid) << '"' << c.text << '"';
        EXPECT_EQ(value, c.valid ? c.value : -12345) << '"' << c.text << '"';
    }
    // Without parentheses a bracket is one more token worth 0, and nothing is joined.
    int value;
    EXPECT_TRUE(EvaluateFlatExpression("(", value) && value == 0);
    EXPECT_FALSE(EvaluateFlatExpression("(3)", value) || EvaluateFlatExpression("3 4", value));
}

TEST(Generator, PickingOrdersTrialCounterAndTheGuardedEnd) {
    // Every draw answers 0: each number is picked first of those remaining, so the
    // picking order is the order given. A failing order fails all 500 trials alike.
    const struct { std::vector<int> order; const char *withParentheses, *without; } rows[] = {
        {{12, 4}, "12/4", "12/4"}, {{4, 12}, "4 + 12", "4 + 12"}, {{6, 6}, "6/6", "6/6"},
        {{3, 2, 7}, "3*2 + 7", "3*2 + 7"}, {{5, 7, 4}, "5*7 - 4", "5*7 - 4"},
        {{10, 3, 6}, "10*3 - 6", "10*3 - 6"}, {{5, 12, 4}, "5 + 12/4", "5 + 12/4"},
        {{5, 11, 4}, "(5 + 11)*4", "5 + 11*4"}, {{6, 12, 6}, "(6 + 12)/6", "6 + 12/6"},
        {{20, 13, 3}, "(20 - 13)*3", "20 - 13*3"}, {{20, 13, 3, 5}, "(20 - 13)*3 - 5", "20 - 13*3 + 5"},
        {{6, 13, 19, 6}, "(6 + 13 + 19)*6", "6 + 13 + 19*6"},
        {{18, 6, 2, 14, 4}, "18/6 - 2 + 14*4", "18/6 - 2 + 14*4"},
        {{8, 7, 19, 10, 9}, "8*7 - 19 - 10 - 9", "8*7 - 19 - 10 - 9"},
    };
    {
        ScriptedDraws draws;
        for (const auto& row : rows) {
            EXPECT_EQ(GenerateExpression(row.order, true), row.withParentheses);
            EXPECT_EQ(GenerateExpression(row.order, false), row.without);
        }
    }
    // Trials counted in draws: a failing order then a good one; 500 failing trials; a 0
    // reaching the remainder test ends the generation with the text so far.
    const struct { std::deque<int> script; std::vector<int> numbers; const char* expression; int draws; } trials[] = {
        {{0, 0, 0, 0, 1, 0}, {20, 13, 3}, "20*3 - 13", 6},
        {{}, {20, 13, 3, 5}, "20 - 13*3 + 5", 500 * 4},
        {{}, {6, 4, 0, 5}, "6*4", 3},
    };
    for (const auto& t : trials) {
        ScriptedDraws draws(t.script);
        EXPECT_EQ(GenerateExpression(t.numbers, false), t.expression);
        EXPECT_EQ(draws.calls, t.draws) << t.expression;
    }
    // A 0 picked first only makes the trial fail; a negative number reads as a sign.
    ScriptedDraws draws;
    EXPECT_EQ(GenerateExpression({0, 5}, true), "0/5");
    EXPECT_EQ(GenerateExpression({-3, 5}, false), "-3");
}

TEST(Generator, TenThousandDrawsWithTheDefaultBounds) {
    RandSeed(20240314);
    int withFive = 0, withParentheses = 0;
    for (int draw = 0; draw < 10000; ++draw) {
        const std::vector<int> numbers = DrawNumbers(ReadBounds("2", "20"));
        ASSERT_TRUE(numbers.size() == 4 || numbers.size() == 5);
        withFive += numbers.size() == 5;
        // From the bounds 2 to 19; a four-number draw ends with its small extra number.
        for (size_t k = 0; k < numbers.size(); ++k)
            ASSERT_TRUE(numbers[k] >= 2 && numbers[k] <= (k == 3 && numbers.size() == 4 ? 7 : 19)) << numbers[k];
        const bool parentheses = draw % 2 == 0;
        const AnsiString expression = GenerateExpression(numbers, parentheses);
        int value;
        ASSERT_TRUE(EvaluateExpression(expression, value) && value >= 0) << expression;
        // Each number of the draw once.
        std::vector<int> used, drawn = numbers;
        for (size_t i = 0, length; (i = expression.find_first_of("0123456789", i)) != std::string::npos; i += length)
            used.push_back(std::stoi(expression.substr(i), &length));
        std::sort(used.begin(), used.end());
        std::sort(drawn.begin(), drawn.end());
        ASSERT_EQ(used, drawn) << expression;
        const bool grouped = expression.find('(') != std::string::npos;
        ASSERT_TRUE(parentheses || !grouped) << expression;
        withParentheses += grouped;
    }
    // Both sizes of draw and both forms of expression occur.
    EXPECT_TRUE(withFive > 0 && withFive < 10000 && withParentheses > 0) << withFive << " " << withParentheses;
}
