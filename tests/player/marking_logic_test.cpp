// Marks from the points of a check (the true-or-false judgement is tested on its page).
#include <gtest/gtest.h>

#include "player/Marking.h"

TEST(MarkTable, WithAndWithoutVerifier) {
    // The correction starts from 0, or from the -1 that VERIFIER leaves; the check adds
    // its points.
    const int plain[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10};
    const int afterVerifier[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
    for (int p = 0; p <= 10; ++p) {
        EXPECT_EQ(MarkAfterCheck(MarkBeforeCheck(0) + p), plain[p]) << p;
        EXPECT_EQ(MarkAfterCheck(MarkBeforeCheck(-1) + p), afterVerifier[p]) << p;
    }
}
