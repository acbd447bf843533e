#include "TextFit.h"

namespace {
const AnsiString kEllipsis = "\x85";   // "…" in Windows-1252
}

AnsiString FitText(const AnsiString& text, int width,
                   const std::function<int(const AnsiString&)>& widthOf) {
    if (widthOf(text) <= width) return text;
    auto cut = [&](size_t n) { return TrimRight(text.substr(0, n)) + kEllipsis; };
    if (widthOf(kEllipsis) > width) return "";
    // The longest beginning that fits, found by halving (at least none of it fits).
    size_t fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const size_t mid = (fits + tooLong) / 2;
        if (widthOf(cut(mid)) <= width) fits = mid;
        else tooLong = mid;
    }
    return cut(fits);
}
