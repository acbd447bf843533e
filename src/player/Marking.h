#pragma once
// Marks and verdicts without any screen: the mark from the points of a check, the
// true-or-false judgement, and the chapter code kept in a table-of-contents entry.
#include "platform/Text.h"

// The mark the correction starts from: 0, except the -1 left by VERIFIER, which stays.
int MarkBeforeCheck(int exoMark);
// The mark once the check has added its points: up to 8 gains one (9 and 10 stay).
int MarkAfterCheck(int exoMark);
// Full marks earn the "ToutBon" banner and the animation.
inline bool FullMarks(int mark) { return mark == 10; }

// True or false: the learner's pick against the expected answer ("1" true, "0" false).
enum class QbBanner { None, Bravo, FauxVrai, FauxFaux };
enum class QbTick { None, True, False };
struct QbVerdict {
    int points = 0;
    QbBanner banner = QbBanner::None;   // None: the banner stays hidden
    QbTick tick = QbTick::None;         // the answer ticked to show the solution
};
// 10 for the right answer, 4 for the wrong one (banner "faux" picked for a true
// statement, "vrai" for a false one), 2 with nothing picked (the right answer ticked:
// "vrai" only when the expected answer is "1").
QbVerdict JudgeTrueFalse(bool trueSelected, bool falseSelected, const AnsiString& expected);

// The chapter code of an entry's data ("C12 NbExo = 5" gives "C12"): trimmed, cut
// before the first blank, trimmed again; "" for an entry without data.
AnsiString ChapterCodeOf(const AnsiString& nodeData);
