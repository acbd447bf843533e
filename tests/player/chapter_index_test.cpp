// Programme lines of the table of contents without screens (the counts, entry data and
// narrowed query are tested through the player's table of contents).
#include <gtest/gtest.h>

#include "player/ChapterIndex.h"

TEST(ChapterLine, CodesTitlesAndRemarks) {
    const struct { const char* line; bool coded; const char* code; const char* title; } cases[] = {
        {"\t\t[ N1.2 ]  Les nombres jusqu'a 100 ", true, "N1.2", "Les nombres jusqu'a 100"},
        {"[A]B] reste", true, "A", "B] reste"},         // the code ends at the first "]"
        {"[]x", true, "", "x"},
        {"Numeration", false, "", ""},
        {"  [N1 sans crochet fermant", false, "", ""},
        {"[]", false, "", ""},                           // fewer than 3 characters
        {"Titre [N1] au milieu", false, "", ""},
    };
    for (const auto& c : cases) {
        AnsiString code = "unchanged", title = "unchanged";
        EXPECT_EQ(SplitChapterLine(c.line, code, title), c.coded) << c.line;
        EXPECT_EQ(code, c.coded ? c.code : "unchanged") << c.line;
        EXPECT_EQ(title, c.coded ? c.title : "unchanged") << c.line;
    }
    EXPECT_EQ(CutRemark("#(tout)"), "");
    EXPECT_EQ(CutRemark("Un # seul (pas de remarque) "), "Un # seul (pas de remarque)");
}

// Counts as the grouped query returns them: one row per code and kind of the table
// (typeEXO 2 is true or false, page 3; typeEXO 3 short answer, page 2).
TEST(CountTable, CountsByKindAndOneTotalPerCode) {
    ChapterCountTable t;
    t.Add("N1", 1, 2);
    t.Add("", 1, 9);       // no code
    t.Add("N1", 9, 4);     // not a kind of exercise
    t.Add("B", 2, 125);
    t.Add("B", 5, 37);
    t.Add("N1", 8, 3);
    t.Add("b", 3, 1);      // codes are compared exactly
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.Counts("N1"), "2, 0, 0, 0, 0, 0, 0, 3");
    EXPECT_EQ(t.Counts("B"), "0, 0, 125, 0, 37, 0, 0, 0");
    EXPECT_EQ(t.Counts("b"), "0, 1, 0, 0, 0, 0, 0, 0");
    EXPECT_EQ(t.Counts("none"), "");

    // Only the first entry of a code gets its total.
    AnsiString data;
    EXPECT_FALSE(t.TakeEntryData("none", data));
    EXPECT_TRUE(t.TakeEntryData("B", data));
    EXPECT_EQ(data, "B NbExo = 162");
    EXPECT_FALSE(t.TakeEntryData("B", data));
    EXPECT_TRUE(t.TakeEntryData("N1", data));
    EXPECT_EQ(data, "N1 NbExo = 5");
}
