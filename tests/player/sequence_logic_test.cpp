// The exercise counter, the jump list and the kind numbering.
#include <gtest/gtest.h>

#include "player/Sequence.h"

using Entries = std::vector<AnsiString>;

TEST(ExoCounterText, ReadsBothSidesOfTheFirstSlash) {
    ExoCounter c = ReadCounter("3/25");
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.k, 3);
    EXPECT_EQ(c.n, 25);

    c = ReadCounter("  7 /  12 ");
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.k, 7);
    EXPECT_EQ(c.n, 12);

    // Leading integers only: what follows the digits is ignored, no digits count 0.
    c = ReadCounter("4x/9/3");
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.k, 4);
    EXPECT_EQ(c.n, 9);
    c = ReadCounter("/");
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.k, 0);
    EXPECT_EQ(c.n, 0);
    c = ReadCounter("-1/-2");
    EXPECT_EQ(c.k, -1);
    EXPECT_EQ(c.n, -2);
}

TEST(ExoCounterText, WithoutSlashTheCounterIsNotRead) {
    EXPECT_FALSE(ReadCounter("").ok);
    EXPECT_FALSE(ReadCounter("12").ok);
}

TEST(ExoCounterText, MovesStopAtBothEnds) {
    EXPECT_EQ(CounterAfterMove("1/3", NavForward), "2/3");
    EXPECT_EQ(CounterAfterMove("2/3", NavForward), "3/3");
    EXPECT_EQ(CounterAfterMove("3/3", NavForward), "3/3");
    EXPECT_EQ(CounterAfterMove("3/3", NavBackward), "2/3");
    EXPECT_EQ(CounterAfterMove("1/3", NavBackward), "1/3");
    // A counter that is not at home stays as written.
    EXPECT_EQ(CounterAfterMove(" 5 / 5 ", NavForward), " 5 / 5 ");
    EXPECT_EQ(CounterAfterMove("0/0", NavBackward), "0/0");
    EXPECT_EQ(CounterAfterMove("nothing", NavForward), "nothing");
    // Written again without blanks once it moves.
    EXPECT_EQ(CounterAfterMove(" 4 / 9", NavBackward), "3/9");
}

TEST(ExoCounterText, RecordAvailabilityFollowsTheDirection) {
    EXPECT_FALSE(RecordAvailable(0, true, true, NavForward));
    EXPECT_FALSE(RecordAvailable(0, true, true, NavBackward));
    // Just opened: Bof raised.
    EXPECT_TRUE(RecordAvailable(3, true, false, NavForward));
    EXPECT_FALSE(RecordAvailable(3, true, false, NavBackward));
    // After a failed forward move.
    EXPECT_FALSE(RecordAvailable(3, false, true, NavForward));
    EXPECT_TRUE(RecordAvailable(3, false, true, NavBackward));
}

TEST(JumpList, SmallChaptersOfferOnlyTheFirstExercise) {
    EXPECT_EQ(JumpListEntries(0), Entries({"1"}));
    EXPECT_EQ(JumpListEntries(1), Entries({"1"}));
    EXPECT_EQ(JumpListEntries(10), Entries({"1"}));
    EXPECT_FALSE(JumpListUseful(10));
    EXPECT_TRUE(JumpListUseful(11));
}

TEST(JumpList, MultiplesOfTenBelowTheCount) {
    EXPECT_EQ(JumpListEntries(11), Entries({" 1", "10"}));
    EXPECT_EQ(JumpListEntries(25), Entries({" 1", "10", "20"}));
    EXPECT_EQ(JumpListEntries(30), Entries({" 1", "10", "20"}));
    EXPECT_EQ(JumpListEntries(31), Entries({" 1", "10", "20", "30"}));
    EXPECT_EQ(JumpListEntries(100),
              Entries({" 1", "10", "20", "30", "40", "50", "60", "70", "80", "90"}));
}

TEST(JumpList, PastAHundredEveryEntryIsPushedRight) {
    EXPECT_EQ(JumpListEntries(101),
              Entries({"  1", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80", " 90", " 100"}));
    const Entries e = JumpListEntries(150);
    ASSERT_EQ(e.size(), 15u);
    EXPECT_EQ(e.front(), "  1");
    EXPECT_EQ(e[1], " 10");
    EXPECT_EQ(e[9], " 90");
    EXPECT_EQ(e[10], " 100");
    EXPECT_EQ(e.back(), " 140");
}

TEST(JumpList, EntriesReadBackAsPositions) {
    for (int n : {5, 25, 150})
        for (const AnsiString& entry : JumpListEntries(n)) EXPECT_GT(JumpListPosition(entry), 0) << entry;
    EXPECT_EQ(JumpListPosition("  1"), 1);
    EXPECT_EQ(JumpListPosition(" 140"), 140);
    EXPECT_EQ(JumpListPosition(""), 0);
}

TEST(ExerciseKinds, TrueFalseAndShortAnswerSwapPlaces) {
    const int pageOfType[9] = {0, 1, 3, 2, 4, 5, 6, 7, 8};
    for (int t = 1; t <= 8; ++t) {
        EXPECT_EQ(PageNumberOfType(t), pageOfType[t]) << t;
        EXPECT_EQ(TypeOfPageNumber(PageNumberOfType(t)), t) << t;
    }
    // Numbers outside 1..8 pass through unchanged.
    EXPECT_EQ(PageNumberOfType(0), 0);
    EXPECT_EQ(PageNumberOfType(9), 9);
}
