// Points and marks of the multiple-choice, short-answer and matching pages, without
// the screen (the pages' own tests drive the same rules through their handlers).
#include <gtest/gtest.h>

#include "player/ChoiceMarking.h"

namespace {

// Four choices, the second and fourth correct, ticked as the pattern says ("x" ticked).
std::array<QcmChoice, 8> FourChoices(const char* ticks) {
    std::array<QcmChoice, 8> c{};
    for (int i = 0; i < 4; ++i) c[i] = {true, ticks[i] == 'x', i == 1 || i == 3};
    return c;
}

}  // namespace

TEST(MultipleChoice, PointsOfTheFourChoiceCase) {
    const struct { const char* ticks; int points; } cases[] = {
        {".x.x", 10},   // exactly the two correct
        {".x..", 7},    // one missed: 3 right of 4
        {"xx..", 5},    // one right, one wrong ticked
        {"....", 2},    // nothing: 2 right halved
        {"xxxx", 2},    // everything: 2 right halved
    };
    for (const auto& c : cases) EXPECT_EQ(JudgeMultipleChoice(FourChoices(c.ticks), false).points, c.points) << c.ticks;
}

TEST(MultipleChoice, MarksWithAndWithoutTheSolution) {
    using M = QcmMark;
    const auto solved = JudgeMultipleChoice(FourChoices("x.x."), false).marks;
    EXPECT_EQ(std::vector<M>(solved.begin(), solved.begin() + 4),
              std::vector<M>({M::Wrong, M::ShownTicked, M::Wrong, M::ShownTicked}));
    const auto checked = JudgeMultipleChoice(FourChoices("xx.."), true).marks;
    EXPECT_EQ(std::vector<M>(checked.begin(), checked.begin() + 4), std::vector<M>({M::Wrong, M::Right, M::None, M::None}));
    // Rows without text neither count nor get marks; no row at all gives nothing.
    std::array<QcmChoice, 8> gaps{};
    gaps[0] = {true, true, true};
    gaps[1] = {false, false, true};   // an empty row between two others
    gaps[2] = {true, false, false};
    const QcmJudgement j = JudgeMultipleChoice(gaps, false);
    EXPECT_EQ(j.points, 10);
    EXPECT_EQ(j.marks[1], M::None);
    EXPECT_EQ(JudgeMultipleChoice({}, false).points, 0);
}

TEST(ShortAnswer, BoxPointsAndTheirAverage) {
    EXPECT_EQ(JudgeAnswerBox(1, "12 cm", "12").points, 10);
    EXPECT_EQ(JudgeAnswerBox(1, "douze", "12").points, 3);
    EXPECT_EQ(JudgeAnswerBox(1, "  ", "12").points, 1);   // an empty first box
    EXPECT_EQ(JudgeAnswerBox(3, "", "12").points, 3);     // the other boxes give 3 all the same
    EXPECT_TRUE(JudgeAnswerBox(2, "x=4", "X = 4").right);
    EXPECT_EQ(AverageBoxPoints(13, 2), 6);
    EXPECT_EQ(AverageBoxPoints(0, 0), 0);
}

TEST(Matching, ColoursLinesPointsAndFont) {
    EXPECT_EQ(PairColour(4), 0x0000FF);
    EXPECT_EQ(PairColour(6), 0x000000);
    const PairLine l = PairLineOf(7, 1);
    EXPECT_EQ(std::vector<int>({l.x1, l.y1, l.x2, l.y2}), std::vector<int>({1, 324, 70, 24}));
    EXPECT_EQ(MatchingPoints(2, 3), 6);
    EXPECT_EQ(MatchingFontHeight(275), 32);
    EXPECT_EQ(MatchingFontHeight(276), 16);
}
