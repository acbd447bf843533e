// Marks and the true-or-false judgement.
#include "player/Marking.h"

#include <algorithm>

int MarkBeforeCheck(int exoMark) {
    return exoMark >= 0 ? 0 : exoMark;
}

int MarkAfterCheck(int exoMark) {
    if (exoMark <= 8) ++exoMark;
    return std::clamp(exoMark, 0, 10);
}

int MarkForPoints(int points, bool afterVerifier) {
    return MarkAfterCheck(MarkBeforeCheck(afterVerifier ? -1 : 0) + points);
}

AnsiString BadgeName(int mark) {
    return "Note" + IntToStr(std::clamp(mark, 0, 10));
}

AnsiString VerdictBannerName(int mark) {
    return FullMarks(mark) ? "ToutBon" : "PasMal";
}

QbVerdict JudgeTrueFalse(bool trueSelected, bool falseSelected, const AnsiString& expected) {
    QbVerdict v;
    if (!trueSelected && !falseSelected) {
        v.points = 2;
        v.tick = expected == "1" ? QbTick::True : QbTick::False;
        return v;
    }
    if (trueSelected) {
        const bool right = expected == "1";
        v.points = right ? 10 : 4;
        v.banner = right ? QbBanner::Bravo : QbBanner::FauxFaux;
    } else {
        const bool right = expected == "0";
        v.points = right ? 10 : 4;
        v.banner = right ? QbBanner::Bravo : QbBanner::FauxVrai;
    }
    return v;
}

AnsiString ChapterCodeOf(const AnsiString& nodeData) {
    const AnsiString t = Trim(nodeData);
    const int blank = Pos(" ", t);
    return Trim(blank > 0 ? SubString(t, 1, blank - 1) : t);
}
