// Date and time texts and the draw.
#include <set>

#include <gtest/gtest.h>

#include "DateTime.h"

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return TDateTime{y, mo, d, h, mi, s};
}

}  // namespace

TEST(DateTimeText, FrenchFormatsWithoutTimeAtMidnightAndBack) {
    EXPECT_EQ(DateTimeText(At(2024, 3, 7, 9, 5, 3)), "07/03/2024 09:05:03");
    EXPECT_EQ(DateTimeText(At(2024, 3, 7)), "07/03/2024");
    EXPECT_EQ(DateTimeText(At(2024, 12, 31, 0, 0, 1)), "31/12/2024 00:00:01");
    TDateTime t;
    ASSERT_TRUE(ParseDateTimeText("7/3/2024 9:05:03", t));
    EXPECT_EQ(t, At(2024, 3, 7, 9, 5, 3));
    for (const auto& when : {At(2023, 11, 30, 14, 0, 0), At(2000, 2, 29), At(1999, 1, 2, 0, 0, 59)}) {
        ASSERT_TRUE(ParseDateTimeText(DateTimeText(when), t));
        EXPECT_EQ(t, when);
    }
    const TDateTime untouched = At(2001, 2, 3, 4, 5, 6);
    for (const char* text : {"", "abc", "07/03/24", "32/01/2024", "29/02/2023", "00/01/2024", "01/13/2024",
                             "01/02/2024 24:00:00", "01/02/2024 10:60:00", "01/02/2024 10:00",
                             "01/02/2024x", "01/02/2024 10:00:00 pm", "01-02-2024"}) {
        TDateTime r = untouched;
        EXPECT_FALSE(ParseDateTimeText(text, r)) << text;
        EXPECT_EQ(r, untouched) << text;
    }
}

// The clock and the draw are replaced by the screen tests; restored, both are real again.
TEST(Sources, DrawsOfEmptyRangesAndScriptedDrawsOutOfRange) {
    std::vector<int> asked;
    SetRandomSource([&](int n) {
        asked.push_back(n);
        return 7;
    });
    EXPECT_EQ(Random(0), 0);   // no draw asked for an empty range
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(2), 1);   // a scripted draw beyond the range is brought back into it
    EXPECT_EQ(asked, (std::vector<int>{2}));
    SetRandomSource({});
    SetClock({});
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(Random(6));
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_GE(Now().year, 2023);
}
