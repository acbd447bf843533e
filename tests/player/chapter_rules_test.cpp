// Rules of the player that need no screen: programme lines, the count query, the jump
// list, marks from points (the screens using them are tested through the player).
#include <gtest/gtest.h>

#include "DataFolder.h"
#include "player/ChapterIndex.h"
#include "player/Marking.h"
#include "player/Sequence.h"

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
        EXPECT_EQ(code + "|" + title, c.coded ? std::string(c.code) + "|" + c.title : "unchanged|unchanged") << c.line;
    }
    EXPECT_EQ(CutRemark("#(tout)"), "");
    EXPECT_EQ(CutRemark("Un # seul (pas de remarque) "), "Un # seul (pas de remarque)");
}

TEST(CountQuery, WalksTheBuildersIndexWithoutSorting) {
    TempDataFolder folder;
    // Per chapter for the contents, and the whole level for the home screen.
    for (const LevelInfo& level : LevelTables()) {
        for (const AnsiString& query : {CountQueryText(level.table), LevelCountQueryText(level.table)}) {
            const auto plan = ReadRows(folder.ExosDb(), "EXPLAIN QUERY PLAN " + query);
            ASSERT_EQ(plan.size(), 1u) << query;   // no "USE TEMP B-TREE FOR GROUP BY"
            EXPECT_NE(plan[0].at("detail").find("COVERING INDEX idx_" + level.table + "_codeExo_typeEXO"),
                      std::string::npos) << plan[0].at("detail");
        }
    }
}

TEST(JumpList, EntriesForTheChapterSize) {
    using Entries = std::vector<AnsiString>;
    EXPECT_EQ(JumpListEntries(10), Entries({"1"}));
    EXPECT_EQ(JumpListEntries(11), Entries({" 1", "10"}));
    EXPECT_EQ(JumpListEntries(31), Entries({" 1", "10", "20", "30"}));
    // Past a hundred every entry is pushed right by one blank.
    EXPECT_EQ(JumpListEntries(101), Entries({"  1", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80",
                                             " 90", " 100"}));
}

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
