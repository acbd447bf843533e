// The exercise counter and the jump list without screens (the moves at both ends and
// the kinds on their pages are tested through the player).
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
    // A caption that does not move stays as written; one that moves loses its blanks.
    EXPECT_EQ(CounterAfterMove(" 5 / 5 ", NavForward), " 5 / 5 ");
    EXPECT_EQ(CounterAfterMove(" 4 / 9", NavBackward), "3/9");
    EXPECT_EQ(CounterAfterMove("nothing", NavForward), "nothing");
}

TEST(JumpList, EntriesForTheChapterSize) {
    using Entries = std::vector<AnsiString>;
    EXPECT_EQ(JumpListEntries(10), Entries({"1"}));
    EXPECT_EQ(JumpListEntries(11), Entries({" 1", "10"}));
    EXPECT_EQ(JumpListEntries(30), Entries({" 1", "10", "20"}));
    EXPECT_EQ(JumpListEntries(31), Entries({" 1", "10", "20", "30"}));
    // Past a hundred every entry is pushed right by one blank.
    EXPECT_EQ(JumpListEntries(101), Entries({"  1", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80",
                                             " 90", " 100"}));
}
