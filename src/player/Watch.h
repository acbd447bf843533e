#pragma once
// The clock and the watch without any screen: what the two clock labels show for a
// date and time text, the time the watch reads from it, and where its hands end.
#include "platform/Text.h"

// The clock labels for a date and time text: the date before the first blank and the
// time without its seconds. hasDate is false when the text has no blank before which
// a date stands; the date label then keeps its caption.
struct ClockCaptions {
    bool hasDate = false;
    AnsiString date;
    AnsiString time;
};
ClockCaptions ReadClockCaptions(const AnsiString& dateTimeText);

// The time on the watch: the hours, minutes and seconds after the first blank, split
// at ":" and read as leading integers; false when one of them cannot be read (the
// watch then keeps its picture).
struct WatchTime {
    int hours = -1, minutes = -1, seconds = -1;
};
bool ReadWatchTime(const AnsiString& dateTimeText, WatchTime& time);

// One hand of the watch: a line from the centre (50, 50) to (x, y), drawn with a pen
// of that width. The angle is in degrees, clockwise from 12 o'clock.
struct WatchHand {
    int angle = 0;
    int penWidth = 1;
    int x = 50, y = 50;
};
inline constexpr int kWatchCentre = 50;
// The three hands in drawing order: hour, minute, second. The hour hand moves on by
// half an hour's angle once the minutes pass 30.
struct WatchHands {
    WatchHand hour, minute, second;
};
WatchHands HandsAt(int hours, int minutes, int seconds);
// The end of a hand: the centre plus the hand turned by its angle, with pi taken as
// 3.141516 and each coordinate cut toward zero (the watch has always drawn so).
WatchHand HandEnd(int angle, int length, int penWidth);
