// The table of contents without screens: programme lines, count texts, entry data and
// the query narrowed to one chapter.
#include <gtest/gtest.h>

#include "platform/Ado.h"
#include "player/ChapterIndex.h"

TEST(ChapterLine, CodedLineGivesTrimmedCodeAndTitle) {
    AnsiString code, title;
    ASSERT_TRUE(SplitChapterLine("\t\t[ N1.2 ]  Les nombres jusqu'à 100 ", code, title));
    EXPECT_EQ(code, "N1.2");
    EXPECT_EQ(title, "Les nombres jusqu'à 100");
}

TEST(ChapterLine, LinesWithoutCodeAreTitles) {
    AnsiString code = "unchanged", title = "unchanged";
    EXPECT_FALSE(SplitChapterLine("Numération", code, title));
    EXPECT_FALSE(SplitChapterLine("  [N1 sans crochet fermant", code, title));
    EXPECT_FALSE(SplitChapterLine("[]", code, title));          // fewer than 3 characters
    EXPECT_FALSE(SplitChapterLine("Titre [N1] au milieu", code, title));
    EXPECT_EQ(code, "unchanged");
    EXPECT_EQ(title, "unchanged");
}

TEST(ChapterLine, CodeEndsAtFirstClosingBracket) {
    AnsiString code, title;
    ASSERT_TRUE(SplitChapterLine("[A]B] reste", code, title));
    EXPECT_EQ(code, "A");
    EXPECT_EQ(title, "B] reste");
    ASSERT_TRUE(SplitChapterLine("[]x", code, title));
    EXPECT_EQ(code, "");
    EXPECT_EQ(title, "x");
}

TEST(ChapterLine, RemarkIsCutWithItsBlanks) {
    EXPECT_EQ(CutRemark("Les fractions   #(à revoir)"), "Les fractions");
    EXPECT_EQ(CutRemark("  Sans remarque  "), "Sans remarque");
    EXPECT_EQ(CutRemark("#(tout)"), "");
    EXPECT_EQ(CutRemark("Un # seul (pas de remarque)"), "Un # seul (pas de remarque)");
}

TEST(CountText, SumOfCommaSeparatedNumbers) {
    EXPECT_EQ(SumTypeCountsText("2, 0, 0, 0, 0, 0, 0, 3"), " T = 5");
    EXPECT_EQ(SumTypeCountsText("  7 "), " T = 7");
    EXPECT_EQ(SumTypeCountsText(""), " T = 0");
    // Non-numbers count 0, signs and leading digits are read.
    EXPECT_EQ(SumTypeCountsText("x, -2, 4abc,, 10"), " T = 12");
}

TEST(CountTable, CodeCountedOnFirstAndLastPage) {
    ChapterCountTable t;
    for (int page = 1; page <= 8; ++page) {
        t.BeginPage(page);
        if (page == 1) t.Add("N1", page, 2);
        if (page == 8) t.Add("N1", page, 3);
    }
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Counts(0), "2, 0, 0, 0, 0, 0, 0, 3");
    EXPECT_EQ(t.Total(0), "5");
    EXPECT_EQ(EntryDataWithTotal(t.Code(0), t.Total(0)), "N1 NbExo = 5");
}

TEST(CountTable, CodeFirstMetOnPageThreeStartsWithTwoZeros) {
    ChapterCountTable t;
    for (int page = 1; page <= 8; ++page) {
        t.BeginPage(page);
        if (page == 1) t.Add("A", page, 1);
        if (page == 3) t.Add("B", page, 4);
        if (page == 5) t.Add("B", page, 6);
    }
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Counts(0), "1, 0, 0, 0, 0, 0, 0, 0");
    EXPECT_EQ(t.Counts(1), "0, 0, 4, 0, 6, 0, 0, 0");
    EXPECT_EQ(t.Total(1), "10");
}

TEST(CountTable, EmptyCodesAreSkippedAndLargeCountsKept) {
    ChapterCountTable t;
    t.BeginPage(1);
    t.Add("", 1, 9);
    t.Add("G", 1, 125);
    t.BeginPage(2);
    t.Add("G", 2, 37);
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Counts(0), "125, 37");
    EXPECT_EQ(t.Total(0), "162");
}

TEST(EntryData, CountAndCodeOfAnEntry) {
    EXPECT_EQ(EntryExerciseCount("N1 NbExo = 12"), 12);
    EXPECT_EQ(EntryExerciseCount("N1"), 0);
    EXPECT_EQ(EntryExerciseCount(""), 0);
    EXPECT_EQ(EntryChapterCode("N1 NbExo = 12"), "N1");
    EXPECT_EQ(EntryChapterCode("  N1  "), "N1");
}

TEST(NarrowQuery, LevelQueryBecomesChapterQuery) {
    const AnsiString level = "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"XXX\")OR(1=1))";
    const AnsiString one = NarrowQueryToChapter(level, "N1.2");
    EXPECT_EQ(one, "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"N1.2\"))");
    // A query already narrowed is narrowed again the same way.
    EXPECT_EQ(NarrowQueryToChapter(one, "G3"), "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"G3\"))");
    // Without "=" the text is kept.
    EXPECT_EQ(NarrowQueryToChapter("SELECT * FROM t", "G3"), "SELECT * FROM t");
}

TEST(NarrowQuery, DoubleQuoteInCodeStaysInsideTheLiteral) {
    const AnsiString sql = NarrowQueryToChapter(
        "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"XXX\")OR(1=1))", "A\")OR(1=1");
    EXPECT_EQ(sql, "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"A\"\")OR(1=1\"))");
    // The data layer reads it as one literal holding the code.
    EXPECT_EQ(JetToSqlite(sql), "SELECT * FROM exos_math_cm1 WHERE ((codeExo='A\")OR(1=1'))");
}

TEST(CountQuery, TextOfOneKind) {
    EXPECT_EQ(CountQueryText("exos_math_ce2", 3),
              "SELECT codeExo, COUNT(*) AS NbExo FROM exos_math_ce2 WHERE (typeExo=3) GROUP BY codeExo");
}
