#pragma once
// Dates and times as the screens write them (French formats), the clock and the draw.
#include <functional>

#include "Text.h"

struct TDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const TDateTime&) const = default;
};

// The current time from the replaceable clock (the system clock by default).
TDateTime Now();
// Installs a clock; an empty function restores the system clock.
void SetClock(std::function<TDateTime()> clock);

// "dd/mm/yyyy hh:nn:ss"; the time is left out at exactly midnight.
AnsiString DateTimeText(const TDateTime& t);
// Reads the same formats back; false when the text is not one of them.
bool ParseDateTimeText(const AnsiString& text, TDateTime& out);

// The draw: a whole number from 0 to n - 1, 0 when n <= 0.
int Random(int n);
// Seeds the generator from the clock.
void Randomize();
// Seeds the generator with a given value: the same seed gives the same draws.
void RandSeed(unsigned seed);
// Installs a source of draws (called with n > 0); an empty function restores the generator.
void SetRandomSource(std::function<int(int)> source);
