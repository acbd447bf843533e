// The ends of the watch's hands, without screens (the clock's texts are read through
// the player's timer).
#include <tuple>

#include <gtest/gtest.h>

#include "player/Watch.h"

namespace {

std::tuple<int, int, int> End(const WatchHand& h) { return {h.angle, h.x, h.y}; }

}  // namespace

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
    for (const auto& [h, m, s, hour, minute, second] : cases) {
        const WatchHands hands = HandsAt(h, m, s);
        EXPECT_EQ(End(hands.hour), hour) << h << ":" << m << ":" << s;
        EXPECT_EQ(End(hands.minute), minute) << h << ":" << m << ":" << s;
        EXPECT_EQ(End(hands.second), second) << h << ":" << m << ":" << s;
    }
}
