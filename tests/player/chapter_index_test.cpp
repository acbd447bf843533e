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
