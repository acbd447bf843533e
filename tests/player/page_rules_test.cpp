// Rules of the pages that need no screen: blanks of typed answers (the numbers game
// uses them too), gap counts, the watch's hands (the pages and the clock using them are
// tested through the player).
#include <tuple>

#include <gtest/gtest.h>

#include "player/AnswerText.h"
#include "player/Watch.h"
#include "player/WordLayout.h"

TEST(RemoveSpaces, DropsEveryBlankAndTheControlCharactersBesideIt) {
    const struct { const char* in; const char* out; } cases[] = {
        {"", ""},        {"   ", ""},   {" 1 2 ", "12"}, {"3 +  4 * ( 2 - 1 )", "3+4*(2-1)"},
        {"a\t b", "ab"},                // the tab beside a blank goes with it
        {"a\tb", "a\tb"},               // a tab with no blank beside it stays
        {"\t12 cm\r\n", "12cm"},
    };
    for (const auto& c : cases) EXPECT_EQ(RemoveSpaces(c.in), c.out) << '"' << c.in << '"';
}

TEST(CountOccurrences, GapsSideBySideAndOverlaps) {
    const struct { const char* pattern; const char* text; int count; } counts[] = {
        {"{...}", "a {...} b {...}{...}", 3}, {"aa", "aaa", 2}, {"{...}", "{..}", 0}, {"", "abc", 0}, {"x", "", 0}};
    for (const auto& c : counts) EXPECT_EQ(CountOccurrences(c.pattern, c.text), c.count) << c.pattern << " in " << c.text;
}

TEST(WatchHands, AnglesAndEndPoints) {
    // {hours, minutes, seconds}, then {angle, x, y} of the hour, minute and second hands.
    using End3 = std::tuple<int, int, int>;
    const std::tuple<int, int, int, End3, End3, End3> cases[] = {
        {14, 45, 30, {75, 69, 44}, {270, 20, 50}, {180, 50, 84}},
        // 90 degrees with pi taken as 3.141516 falls just short of a right angle, and
        // both coordinates are cut toward zero.
        {9, 5, 15, {270, 30, 50}, {30, 64, 24}, {90, 84, 49}},
        {0, 0, 0, {0, 50, 30}, {0, 50, 20}, {0, 50, 15}},
        // Past half past, the hour hand jumps on by half an hour; noon counts as 0.
        {14, 30, 0, {60, 67, 39}, {180, 50, 79}, {0, 50, 15}},
        {14, 31, 0, {75, 69, 44}, {186, 46, 79}, {0, 50, 15}},
        {12, 0, 0, {0, 50, 30}, {0, 50, 20}, {0, 50, 15}},
        {23, 59, 59, {345, 44, 30}, {354, 46, 20}, {354, 46, 15}},
    };
    const auto end = [](const WatchHand& h) { return End3{h.angle, h.x, h.y}; };
    for (const auto& [h, m, s, hour, minute, second] : cases) {
        const WatchHands hands = HandsAt(h, m, s);
        EXPECT_EQ(std::make_tuple(end(hands.hour), end(hands.minute), end(hands.second)),
                  std::make_tuple(hour, minute, second)) << h << ":" << m << ":" << s;
    }
}
