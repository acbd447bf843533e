// Marks and the true-or-false judgement.
#include "player/Marking.h"

int MarkBeforeCheck(int exoMark) {
    return exoMark >= 0 ? 0 : exoMark;
}

int MarkAfterCheck(int exoMark) {
    return exoMark <= 8 ? exoMark + 1 : exoMark;
}

QbVerdict JudgeTrueFalse(bool trueSelected, bool falseSelected, const AnsiString& expected) {
    QbVerdict v;
    if (!trueSelected && !falseSelected) {
        v.points = 2;
        v.tick = expected == "1" ? QbTick::True : QbTick::False;
        return v;
    }
    const bool right = expected == (trueSelected ? "1" : "0");
    v.points = right ? 10 : 4;
    v.banner = right ? QbBanner::Bravo : trueSelected ? QbBanner::FauxFaux : QbBanner::FauxVrai;
    return v;
}

AnsiString ChapterCodeOf(const AnsiString& nodeData) {
    const AnsiString t = Trim(nodeData);
    const int blank = Pos(" ", t);
    return Trim(blank > 0 ? SubString(t, 1, blank - 1) : t);
}
