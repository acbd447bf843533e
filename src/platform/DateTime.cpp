// The clock, the French date and time texts, and the draw.
#include "DateTime.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

namespace {

std::function<TDateTime()>& Clock() {
    static std::function<TDateTime()> clock;
    return clock;
}

std::function<int(int)>& RandomSource() {
    static std::function<int(int)> source;
    return source;
}

std::mt19937& Generator() {
    static std::mt19937 generator(0);
    return generator;
}

TDateTime SystemNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    TDateTime r;
    r.year = tm.tm_year + 1900;
    r.month = tm.tm_mon + 1;
    r.day = tm.tm_mday;
    r.hour = tm.tm_hour;
    r.minute = tm.tm_min;
    r.second = tm.tm_sec;
    return r;
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
    return days[month - 1];
}

// Reads minDigits..maxDigits decimal digits at i.
bool ReadNumber(const AnsiString& s, size_t& i, int minDigits, int maxDigits, int& out) {
    int n = 0;
    out = 0;
    while (i < s.size() && n < maxDigits && s[i] >= '0' && s[i] <= '9') {
        out = out * 10 + (s[i] - '0');
        ++i;
        ++n;
    }
    return n >= minDigits;
}

bool Expect(const AnsiString& s, size_t& i, char c) {
    if (i < s.size() && s[i] == c) {
        ++i;
        return true;
    }
    return false;
}

}  // namespace

TDateTime Now() { return Clock() ? Clock()() : SystemNow(); }

void SetClock(std::function<TDateTime()> clock) { Clock() = std::move(clock); }

AnsiString DateTimeText(const TDateTime& t) {
    char buf[64];
    if (t.hour == 0 && t.minute == 0 && t.second == 0)
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.day, t.month, t.year);
    else
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year,
                      t.hour, t.minute, t.second);
    return buf;
}

bool ParseDateTimeText(const AnsiString& text, TDateTime& out) {
    const AnsiString s = Trim(text);
    size_t i = 0;
    TDateTime t;
    t.hour = t.minute = t.second = 0;
    if (!ReadNumber(s, i, 1, 2, t.day) || !Expect(s, i, '/') ||
        !ReadNumber(s, i, 1, 2, t.month) || !Expect(s, i, '/') ||
        !ReadNumber(s, i, 4, 4, t.year))
        return false;
    if (i < s.size()) {
        if (!Expect(s, i, ' ')) return false;
        while (i < s.size() && s[i] == ' ') ++i;
        if (!ReadNumber(s, i, 1, 2, t.hour) || !Expect(s, i, ':') ||
            !ReadNumber(s, i, 1, 2, t.minute) || !Expect(s, i, ':') ||
            !ReadNumber(s, i, 1, 2, t.second) || i != s.size())
            return false;
    }
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 59)
        return false;
    out = t;
    return true;
}

int Random(int n) {
    if (n <= 0) return 0;
    if (RandomSource()) {
        // A scripted draw still stays within 0..n-1.
        int r = RandomSource()(n) % n;
        return r < 0 ? r + n : r;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(Generator());
}

void Randomize() {
    auto ticks = std::chrono::system_clock::now().time_since_epoch().count() ^
                 std::chrono::steady_clock::now().time_since_epoch().count();
    Generator().seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

void RandSeed(unsigned seed) { Generator().seed(seed); }

void SetRandomSource(std::function<int(int)> source) { RandomSource() = std::move(source); }
