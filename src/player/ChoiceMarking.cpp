// Points and marks of the multiple-choice, short-answer and matching pages.
#include "player/ChoiceMarking.h"

#include "player/AnswerText.h"

QcmJudgement JudgeMultipleChoice(const std::array<QcmChoice, 8>& choices, bool checkOnly) {
    QcmJudgement j;
    int total = 0, ticked = 0, right = 0;
    for (size_t i = 0; i < choices.size(); ++i) {
        const QcmChoice& c = choices[i];
        if (!c.shown) continue;
        ++total;
        if (c.ticked) {
            ++ticked;
            if (c.correct) ++right;
            j.marks[i] = c.correct ? QcmMark::Right : QcmMark::Wrong;
        } else if (!checkOnly) {
            if (c.correct)
                j.marks[i] = QcmMark::ShownTicked;
            else
                ++right;
        }
    }
    // Ticking nothing or everything is no answer: half the credit.
    if (ticked == 0 || ticked == total) right /= 2;
    // A record without any choice gives nothing rather than a division by zero.
    j.points = total > 0 ? right * 10 / total : 0;
    return j;
}

QoBoxResult JudgeAnswerBox(int box, const AnsiString& typed, const AnsiString& expected) {
    if (CompareAnswerQO(typed, expected) > 0) return {true, 10};
    return {false, box == 1 && Trim(typed).empty() ? 1 : 3};
}

PairLine PairLineOf(int n, int k) {
    return {1, 24 + 50 * (n - 1), 70, 24 + 50 * (k - 1)};
}
