#pragma once
// What the multiple-choice, short-answer and matching pages decide without any screen:
// the points of a check, the marks it shows, the pair colours and lines, the font of
// the matching columns.
#include <array>

#include "platform/Graphics.h"
#include "platform/Text.h"

// ---- Multiple choice --------------------------------------------------------------
struct QcmChoice {
    bool shown = false;     // the choice has a text
    bool ticked = false;
    bool correct = false;
};
enum class QcmMark { None, Right, Wrong, ShownTicked };
struct QcmJudgement {
    int points = 0;                     // 0..10
    std::array<QcmMark, 8> marks{};     // of choices 1..8
};
// A ticked choice is marked right or wrong. With the solution (not checkOnly), a
// missed correct choice is shown ticked and a wrong one left out counts as right.
// Nothing or everything ticked halves the right count; the points are right * 10 /
// shown, 0 when no choice is shown.
QcmJudgement JudgeMultipleChoice(const std::array<QcmChoice, 8>& choices, bool checkOnly);

// ---- Short answer ------------------------------------------------------------------
struct QoBoxResult {
    bool right = false;
    int points = 0;
};
// One answer box: 10 when right (`CompareAnswerQO` 1 or 2); wrong gives 3, except an
// empty first box, which gives 1.
QoBoxResult JudgeAnswerBox(int box, const AnsiString& typed, const AnsiString& expected);
// The points of the page: the boxes' average (no box counts as one).
inline int AverageBoxPoints(int points, int boxes) { return points / (boxes > 0 ? boxes : 1); }

// ---- Matching ------------------------------------------------------------------------
// The colour of the pairs made with right element k (1..8), also the colour of that
// element's picture; black outside.
inline TColor PairColour(int k) {
    constexpr TColor colours[8] = {0xD1BCAD, 0x00D5D5, 0xBC5A25, 0x0000FF, 0x00DD00, 0x000000, 0xDEDEBC, 0xC0C0C0};
    return k >= 1 && k <= 8 ? colours[k - 1] : clBlack;
}
// The line of left element n paired with right element k, in the association picture.
struct PairLine {
    int x1, y1, x2, y2;
};
PairLine PairLineOf(int n, int k);
// right * 10 / count; count must be above 0.
inline int MatchingPoints(int right, int count) { return right * 10 / count; }
// The widest text of a column at the full 32-pixel font decides the font of the whole
// column: 32 pixels (size 24) when it fits in 275 pixels, 16 (size 12) otherwise.
inline constexpr int kMatchingTextRoom = 275;
inline int MatchingFontHeight(int widestText) { return widestText <= kMatchingTextRoom ? 32 : 16; }
