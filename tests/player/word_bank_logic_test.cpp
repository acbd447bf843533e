// The word bank and the words to pick out without any screen: records shown, words
// that serve more than once, what a gap's Hint holds, and the points of the words picked.
#include <gtest/gtest.h>

#include "player/PickedWords.h"
#include "player/WordBank.h"

TEST(WordBank, NumbersWordsAndGapHints) {
    const struct { std::vector<AnsiString> numbers; int given; std::string reusable; } cases[] = {
        {{"1", "2", "2", "", "", "", "", ""}, 3, ".r......"},
        // Only a number that reads as non-zero names a word.
        {{"0", "abc", "", "-2", "3x", "", "", ""}, 2, "........"},
        {{"4", "4", "4", "1", "", "", "", ""}, 4, "...r...."},
    };
    for (const auto& c : cases) {
        std::string reusable;
        for (int n = 1; n <= kBankSlots; ++n) reusable += ReusableBankWord(n, c.numbers) ? 'r' : '.';
        EXPECT_EQ(CountGivenNumbers(c.numbers), c.given);
        EXPECT_EQ(reusable, c.reusable);
    }
    // Gap k takes entry k, or k + 8 when it has none.
    EXPECT_EQ(RightNumberOfGap(1, cases[0].numbers), "1");
    EXPECT_EQ(RightNumberOfGap(4, cases[0].numbers), "12");
    EXPECT_TRUE(BankRecordShown(0, 0, 0));
    EXPECT_FALSE(BankRecordShown(3, 3, 2));

    const AnsiString filled = FilledGapHint(EmptyGapBody("3") + "#1", 2);
    EXPECT_EQ(filled, "#selection=2#solution=3#1");
    EXPECT_EQ(FilledGapHint(filled, 3), "#selection=3#solution=3#1");
    EXPECT_EQ(EmptiedGapHint(filled), "#solution=3#1");
    EXPECT_TRUE(HoldsBankWord(filled, 2));
    EXPECT_FALSE(HoldsBankWord("#selection=12#solution=1#0", 1));
    const struct { const char *hint, *chosen, *right; bool isRight; } states[] = {
        {"#solution=3#0", "", "3", false},
        {"#selection=3#solution= 3 #0", "3", "3", true},
        {"#selection=2#solution=3#1", "2", "3", false},
    };
    for (const auto& s : states) {
        const GapState state = ReadGapHint(s.hint);
        EXPECT_EQ(state.chosen + "|" + state.right, std::string(s.chosen) + "|" + s.right) << s.hint;
        EXPECT_EQ(state.Right(), s.isRight) << s.hint;
    }
    EXPECT_EQ(BankSlotOf("8"), 8);
    for (const char* none : {"0", "9", "10", "", "03"}) EXPECT_EQ(BankSlotOf(none), 0) << none;
}

TEST(PickedWords, PicksAndPoints) {
    EXPECT_TRUE(IsWordToFind("0#1"));
    for (const char* other : {"1#0", "10#1", "", "0"}) EXPECT_FALSE(IsWordToFind(other)) << other;
    // Blue, green and red words are picked: a click puts them down, and picks any other.
    const struct { TColor before, after; } clicks[] = {
        {0x000000, 0xFF0000}, {0xFF0000, 0}, {0x008000, 0}, {0x0000FF, 0}, {0x800080, 0xFF0000}};
    for (const auto& c : clicks) EXPECT_EQ(ColourAfterClick(c.before), c.after) << c.before;
    EXPECT_EQ(MarkOfWord(true, false, true), PickMark::Missed);
    EXPECT_EQ(MarkOfWord(true, false, false), PickMark::AsItIs);
    const struct { int toFind, found, wrong, points; } counts[] = {
        {3, 2, 1, 3}, {3, 3, 0, 10}, {3, 1, 2, 0}, {4, 3, 0, 7}, {0, 0, 2, 0}};
    for (const auto& c : counts) {
        PickCount count;
        for (int i = 0; i < c.toFind; ++i) count.Add(true, i < c.found);
        for (int i = 0; i <= c.wrong; ++i) count.Add(false, i < c.wrong);
        EXPECT_EQ(PickPoints(count), c.points) << c.toFind << " " << c.found << " " << c.wrong;
    }
}
