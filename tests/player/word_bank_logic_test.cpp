// The word bank and the words to pick out without any screen: which records are shown,
// which words serve more than once, what a gap's Hint holds, and the count and points
// of the words picked.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "player/PickedWords.h"
#include "player/WordBank.h"

namespace {

using Numbers = std::vector<AnsiString>;

// The eight gap numbers, the missing ones empty.
Numbers Eight(Numbers given) {
    given.resize(8);
    return given;
}

}  // namespace

TEST(WordBank, NumbersNameWordsAndMakeThemReusable) {
    const struct {
        Numbers numbers;
        int given;
        std::string reusable;   // slots 1..8: "r" reusable, "." once at a time
    } cases[] = {
        {Eight({"1", "2", "3"}), 3, "........"},
        // Word 2 given to two gaps serves again and again.
        {Eight({"1", "2", "2"}), 3, ".r......"},
        {Eight({"4", "4", "4", "1"}), 4, "...r...."},
        // Only a number that reads as non-zero names a word.
        {Eight({"0", "abc", "", "-2", "3x"}), 2, "........"},
        {Eight({}), 0, "........"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountGivenNumbers(c.numbers), c.given);
        std::string reusable;
        for (int n = 1; n <= kBankSlots; ++n) reusable += ReusableBankWord(n, c.numbers) ? 'r' : '.';
        EXPECT_EQ(reusable, c.reusable);
    }
    // Gap k takes entry k, or k + 8 when it has none.
    const Numbers n = Eight({"3", "", "1"});
    EXPECT_EQ(RightNumberOfGap(1, n), "3");
    EXPECT_EQ(RightNumberOfGap(2, n), "10");
    EXPECT_EQ(RightNumberOfGap(9, n), "17");
    EXPECT_TRUE(BankRecordShown(3, 3, 3));
    EXPECT_TRUE(BankRecordShown(0, 0, 0));
    EXPECT_FALSE(BankRecordShown(3, 3, 2));
    EXPECT_FALSE(BankRecordShown(2, 3, 3));
}

TEST(WordBank, GapHintsHoldTheChosenAndTheRightWord) {
    const AnsiString empty = EmptyGapBody("3") + "#1";
    EXPECT_EQ(empty, "#solution=3#1");
    const AnsiString filled = FilledGapHint(empty, 2);
    EXPECT_EQ(filled, "#selection=2#solution=3#1");
    // Another word replaces the first; emptying keeps the right number and the line flag.
    EXPECT_EQ(FilledGapHint(filled, 3), "#selection=3#solution=3#1");
    EXPECT_EQ(EmptiedGapHint(filled), "#solution=3#1");
    EXPECT_TRUE(HoldsBankWord(filled, 2));
    EXPECT_FALSE(HoldsBankWord(filled, 3));
    EXPECT_FALSE(HoldsBankWord(empty, 3));
    EXPECT_FALSE(HoldsBankWord("#selection=12#solution=1#0", 1));

    const struct {
        const char* hint;
        const char *chosen, *right;
        bool isRight;
    } states[] = {
        {"#solution=3#0", "", "3", false},
        {"#selection=3#solution=3#0", "3", "3", true},
        {"#selection=2#solution=3#1", "2", "3", false},
        {"#selection=9#solution= 9 #0", "9", "9", true},
        {"#solution=11#0", "", "11", false},
    };
    for (const auto& s : states) {
        const GapState state = ReadGapHint(s.hint);
        EXPECT_EQ(state.chosen, s.chosen) << s.hint;
        EXPECT_EQ(state.right, s.right) << s.hint;
        EXPECT_EQ(state.Right(), s.isRight) << s.hint;
    }
    EXPECT_EQ(BankSlotOf("1"), 1);
    EXPECT_EQ(BankSlotOf("8"), 8);
    for (const char* none : {"0", "9", "10", "", "03", "a"}) EXPECT_EQ(BankSlotOf(none), 0) << none;
}

TEST(PickedWords, WordsToFindPicksAndPoints) {
    EXPECT_TRUE(IsWordToFind("0#0"));
    EXPECT_TRUE(IsWordToFind("0#1"));
    for (const char* other : {"1#0", "10#1", "", "0", "#0"}) EXPECT_FALSE(IsWordToFind(other)) << other;
    // Blue, green and red are picked: a click puts them down, and picks any other.
    const struct { TColor before, after; bool picked; } clicks[] = {
        {0x000000, 0xFF0000, false}, {0xFF0000, 0x000000, true}, {0x008000, 0x000000, true},
        {0x0000FF, 0x000000, true},  {0x800080, 0xFF0000, false},
    };
    for (const auto& c : clicks) {
        EXPECT_EQ(IsPickedColour(c.before), c.picked) << c.before;
        EXPECT_EQ(ColourAfterClick(c.before), c.after) << c.before;
    }
    EXPECT_EQ(MarkOfWord(true, true, false), PickMark::Found);
    EXPECT_EQ(MarkOfWord(false, true, true), PickMark::Wrong);
    EXPECT_EQ(MarkOfWord(true, false, true), PickMark::Missed);
    EXPECT_EQ(MarkOfWord(true, false, false), PickMark::AsItIs);
    EXPECT_EQ(MarkOfWord(false, false, true), PickMark::AsItIs);

    const struct { int toFind, found, wrong, points; } counts[] = {
        {3, 2, 1, 3}, {3, 3, 0, 10}, {3, 1, 2, 0}, {4, 3, 0, 7}, {0, 0, 2, 0}, {1, 1, 1, 0},
    };
    for (const auto& c : counts) {
        PickCount count;
        for (int i = 0; i < c.toFind; ++i) count.Add(true, i < c.found);
        for (int i = 0; i < c.wrong; ++i) count.Add(false, true);
        count.Add(false, false);
        EXPECT_EQ(PickPoints(count), c.points) << c.toFind << " " << c.found << " " << c.wrong;
    }
}
