// The table of contents without screens: programme lines, count texts, entry data and
// the query narrowed to one chapter.
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
    EXPECT_EQ(CutRemark("Les fractions   #(a revoir)"), "Les fractions");
    EXPECT_EQ(CutRemark("#(tout)"), "");
    EXPECT_EQ(CutRemark("Un # seul (pas de remarque) "), "Un # seul (pas de remarque)");
}

TEST(CountText, SumOfCommaSeparatedNumbers) {
    EXPECT_EQ(SumTypeCountsText("2, 0, 0, 0, 0, 0, 0, 3"), " T = 5");
    EXPECT_EQ(SumTypeCountsText(""), " T = 0");
    // Non-numbers count 0, signs and leading digits are read.
    EXPECT_EQ(SumTypeCountsText("x, -2, 4abc,, 10"), " T = 12");
}

// Counts given page by page, as the eight count queries return them.
TEST(CountTable, CountTextsBuiltPageByPage) {
    ChapterCountTable t;
    for (int page = 1; page <= 8; ++page) {
        t.BeginPage(page);
        if (page == 1) t.Add("N1", page, 2);
        if (page == 1) t.Add("", page, 9);              // an empty code is skipped
        if (page == 3) t.Add("B", page, 125);            // first met on page 3
        if (page == 5) t.Add("B", page, 37);
        if (page == 8) t.Add("N1", page, 3);
    }
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Counts(0), "2, 0, 0, 0, 0, 0, 0, 3");
    EXPECT_EQ(t.Total(0), "5");
    EXPECT_EQ(EntryDataWithTotal(t.Code(0), t.Total(0)), "N1 NbExo = 5");
    EXPECT_EQ(t.Code(1), "B");
    EXPECT_EQ(t.Counts(1), "0, 0, 125, 0, 37, 0, 0, 0");
    EXPECT_EQ(t.Total(1), "162");
}

TEST(EntryData, CountCodeAndNarrowedQuery) {
    EXPECT_EQ(EntryExerciseCount("N1 NbExo = 12"), 12);
    EXPECT_EQ(EntryExerciseCount("N1"), 0);
    EXPECT_EQ(EntryChapterCode("  N1 NbExo = 12"), "N1");
    EXPECT_EQ(EntryChapterCode("  N1  "), "N1");
    // The screen tests open chapters through the narrowed query; a text without "="
    // is kept, and a double quote in a code is doubled.
    EXPECT_EQ(NarrowQueryToChapter("SELECT * FROM t", "G3"), "SELECT * FROM t");
    EXPECT_EQ(NarrowQueryToChapter("SELECT * FROM t WHERE ((codeExo=\"XXX\")OR(1=1))", "A\")OR(1=1"),
              "SELECT * FROM t WHERE ((codeExo=\"A\"\")OR(1=1\"))");
}
