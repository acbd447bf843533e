// The clock labels, the time on the watch and the ends of its hands.
#include "player/Watch.h"

#include <cmath>

#include "platform/DateTime.h"

namespace {

// The text as the clock reads it. At exactly midnight the date and time text holds the
// date alone: it is read as that date at 00:00:00, so that the clock shows the new day
// and the watch its hands at twelve rather than the date in place of the time.
AnsiString WithMidnight(const AnsiString& text) {
    const AnsiString t = Trim(text);
    TDateTime parsed;
    if (Pos(" ", t) == 0 && ParseDateTimeText(t, parsed)) return t + " 00:00:00";
    return text;
}

// Position (1-based) of the last occurrence of c in s, 0 when absent.
int LastPos(char c, const AnsiString& s) {
    const size_t at = s.rfind(c);
    return at == AnsiString::npos ? 0 : static_cast<int>(at) + 1;
}

// Splits u at its first ":" into the number before it and the trimmed rest.
bool TakeField(AnsiString& u, int& value) {
    const int p = Pos(":", u);
    if (p <= 0) return false;
    value = LeadingInt(Trim(SubString(u, 1, p - 1)));
    u = Trim(SubStringFrom(u, p + 1));
    return true;
}

}  // namespace

ClockCaptions ReadClockCaptions(const AnsiString& dateTimeText) {
    ClockCaptions c;
    AnsiString s = WithMidnight(dateTimeText);
    const int blank = Pos(" ", s);
    if (blank > 0) {
        c.hasDate = true;
        c.date = Trim(SubString(s, 1, blank));
        s = Trim(SubStringFrom(s, blank + 1));
    }
    // The seconds go: everything from the last ":" (one standing first does not count).
    const int colon = LastPos(':', s);
    if (colon >= 2) s = Trim(SubString(s, 1, colon - 1));
    c.time = s;
    return c;
}

bool ReadWatchTime(const AnsiString& dateTimeText, WatchTime& time) {
    WatchTime t;
    const AnsiString whole = Trim(WithMidnight(dateTimeText));
    const int blank = Pos(" ", whole);
    AnsiString u = blank > 0 ? Trim(SubStringFrom(whole, blank + 1)) : whole;
    if (TakeField(u, t.hours) && TakeField(u, t.minutes)) t.seconds = LeadingInt(u);
    if (t.hours < 0 || t.minutes < 0 || t.seconds < 0) return false;
    time = t;
    return true;
}

WatchHand HandEnd(int angle, int length, int penWidth) {
    const double r = angle * (1.0 / 180.0) * 3.141516;
    WatchHand h;
    h.angle = angle;
    h.penWidth = penWidth;
    h.x = static_cast<int>(kWatchCentre + std::sin(r) * length);
    h.y = static_cast<int>(kWatchCentre - std::cos(r) * length);
    return h;
}

WatchHands HandsAt(int hours, int minutes, int seconds) {
    const int hourAngle = 30 * (hours >= 12 ? hours - 12 : hours) + (minutes > 30 ? 15 : 0);
    return {HandEnd(hourAngle, 20, 4), HandEnd(6 * minutes, 30, 2), HandEnd(6 * seconds, 35, 1)};
}
