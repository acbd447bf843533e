// The exercise counter, the jump list and the kind numbering.
#include <gtest/gtest.h>

#include "player/Sequence.h"

TEST(ExoCounterText, ReadBackFromTheCaption) {
    // Trimmed sides of the first "/", read as leading integers (no digits count 0).
    const std::tuple<const char*, bool, int, int> cases[] = {
        {"3/25", true, 3, 25}, {"  7 /  12 ", true, 7, 12}, {"4x/9/3", true, 4, 9}, {"/", true, 0, 0},
        {"-1/-2", true, -1, -2}, {"12", false, 0, 0}, {"", false, 0, 0}};
    for (const auto& [caption, ok, k, n] : cases) {
        const ExoCounter r = ReadCounter(caption);
        EXPECT_EQ(std::make_tuple(r.ok, r.k, r.n), std::make_tuple(ok, k, n)) << caption;
    }
}

TEST(ExoCounterText, MovesStopAtBothEnds) {
    const std::tuple<const char*, NavDir, const char*> cases[] = {
        {"1/3", NavForward, "2/3"},  {"2/3", NavForward, "3/3"},  {"3/3", NavForward, "3/3"},
        {"3/3", NavBackward, "2/3"}, {"1/3", NavBackward, "1/3"}, {"0/0", NavBackward, "0/0"},
        // A caption that does not move stays as written; one that moves loses its blanks.
        {" 5 / 5 ", NavForward, " 5 / 5 "}, {"nothing", NavForward, "nothing"}, {" 4 / 9", NavBackward, "3/9"}};
    for (const auto& [before, direction, after] : cases) EXPECT_EQ(CounterAfterMove(before, direction), after) << before;
}

TEST(JumpList, EntriesForTheChapterSize) {
    using Entries = std::vector<AnsiString>;
    EXPECT_EQ(JumpListEntries(1), Entries({"1"}));
    EXPECT_EQ(JumpListEntries(10), Entries({"1"}));
    EXPECT_EQ(JumpListEntries(11), Entries({" 1", "10"}));
    EXPECT_EQ(JumpListEntries(25), Entries({" 1", "10", "20"}));
    EXPECT_EQ(JumpListEntries(30), Entries({" 1", "10", "20"}));
    EXPECT_EQ(JumpListEntries(31), Entries({" 1", "10", "20", "30"}));
    EXPECT_EQ(JumpListEntries(100), Entries({" 1", "10", "20", "30", "40", "50", "60", "70", "80", "90"}));
    // Past a hundred every entry is pushed right by one blank.
    EXPECT_EQ(JumpListEntries(150), Entries({"  1", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80",
                                             " 90", " 100", " 110", " 120", " 130", " 140"}));
    EXPECT_FALSE(JumpListUseful(10));
    EXPECT_TRUE(JumpListUseful(11));
}

TEST(ExerciseKinds, TrueFalseAndShortAnswerSwapPlaces) {
    const int pageOfType[] = {0, 1, 3, 2, 4, 5, 6, 7, 8, 9};
    for (int t = 0; t <= 9; ++t) EXPECT_EQ(std::make_pair(PageNumberOfType(t), TypeOfPageNumber(pageOfType[t])),
                                           std::make_pair(pageOfType[t], t)) << t;
}
