// Marks from the points of a check and chapter codes (the true-or-false judgement is
// tested on its page).
#include <gtest/gtest.h>

#include "player/Marking.h"

TEST(MarkTable, WithoutVerifier) {
    const int expected[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10};
    for (int p = 0; p <= 10; ++p) EXPECT_EQ(MarkForPoints(p, false), expected[p]) << p;
}

TEST(MarkTable, AfterVerifierFullMarksAreOutOfReach) {
    const int expected[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
    for (int p = 0; p <= 10; ++p) EXPECT_EQ(MarkForPoints(p, true), expected[p]) << p;
    for (int p = 0; p <= 10; ++p) EXPECT_FALSE(FullMarks(MarkForPoints(p, true)));
}

TEST(MarkTable, CorrectionStepsKeepTheVerifierPenalty) {
    EXPECT_EQ(MarkBeforeCheck(-1), -1);
    EXPECT_EQ(MarkBeforeCheck(0), 0);
    EXPECT_EQ(MarkBeforeCheck(7), 0);     // points left by an earlier check start over
    EXPECT_EQ(MarkAfterCheck(-1), 0);     // VERIFIER and no points: 0, not -1
    EXPECT_EQ(MarkAfterCheck(8), 9);
    EXPECT_EQ(MarkAfterCheck(9), 9);
    EXPECT_EQ(MarkAfterCheck(10), 10);
    EXPECT_EQ(MarkAfterCheck(14), 10);    // never past the last badge
}

TEST(MarkTable, BadgesAndBanners) {
    EXPECT_EQ(BadgeName(0), "Note0");
    EXPECT_EQ(BadgeName(10), "Note10");
    EXPECT_EQ(BadgeName(-1), "Note0");
    EXPECT_EQ(BadgeName(12), "Note10");
    EXPECT_EQ(VerdictBannerName(10), "ToutBon");
    EXPECT_EQ(VerdictBannerName(9), "PasMal");
    EXPECT_EQ(VerdictBannerName(0), "PasMal");
}

TEST(ChapterCode, CutFromTheEntryData) {
    EXPECT_EQ(ChapterCodeOf("C12 NbExo = 5"), "C12");
    EXPECT_EQ(ChapterCodeOf("  M3.2  NbExo = 14"), "M3.2");
    EXPECT_EQ(ChapterCodeOf("C12"), "C12");
    EXPECT_EQ(ChapterCodeOf(" C12\t"), "C12");
    EXPECT_EQ(ChapterCodeOf(""), "");
    EXPECT_EQ(ChapterCodeOf("   "), "");
}
