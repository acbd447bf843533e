// The clock labels, the time on the watch and the ends of its hands, without screens.
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
    const WatchHands hands = HandsAt(14, 45, 30);
    EXPECT_EQ(std::make_tuple(hands.hour.length, hands.minute.length, hands.second.length), std::make_tuple(20, 30, 35));
    EXPECT_EQ(std::make_tuple(hands.hour.penWidth, hands.minute.penWidth, hands.second.penWidth),
              std::make_tuple(4, 2, 1));
}

TEST(ClockText, LabelsAndTheTimeOnTheWatch) {
    struct Case {
        const char* text;
        bool hasDate;
        const char* date;
        const char* time;
        bool watch;
        int h, m, s;
    };
    const Case cases[] = {
        {"14/03/2024 15:47:16", true, "14/03/2024", "15:47", true, 15, 47, 16},
        {"01/01/2025   08:05:09", true, "01/01/2025", "08:05", true, 8, 5, 9},
        // At midnight the text holds the date alone: the new day at 00:00:00.
        {"15/03/2024", true, "15/03/2024", "00:00", true, 0, 0, 0},
        // Texts that are not a date and time: the time label takes what is left, the
        // date label and the watch stay as they were.
        {"bonjour", false, "", "bonjour", false, -1, -1, -1},
        {"mardi 12h30", true, "mardi", "12h30", false, -1, -1, -1},
        {"x 12:30", true, "x", "12", false, -1, -1, -1},
        {"x :30:15", true, "x", ":30", true, 0, 30, 15},
    };
    for (const Case& c : cases) {
        const ClockCaptions captions = ReadClockCaptions(c.text);
        EXPECT_EQ(captions.hasDate, c.hasDate) << c.text;
        EXPECT_EQ(captions.date, c.date) << c.text;
        EXPECT_EQ(captions.time, c.time) << c.text;
        WatchTime t;
        EXPECT_EQ(ReadWatchTime(c.text, t), c.watch) << c.text;
        if (c.watch) {
            EXPECT_EQ(std::make_tuple(t.hours, t.minutes, t.seconds), std::make_tuple(c.h, c.m, c.s)) << c.text;
        }
    }
}
