// Learner lines, name capitalisation, level tables and the exercise query.
#include <gtest/gtest.h>

#include "home/LearnerLine.h"

namespace {

void ExpectLine(const AnsiString& line, const AnsiString& name, const AnsiString& subject,
                const AnsiString& level) {
    const LearnerLine parsed = ParseLearnerLine(line);
    EXPECT_EQ(parsed.name, name) << line;
    EXPECT_EQ(parsed.subject, subject) << line;
    EXPECT_EQ(parsed.level, level) << line;
}

}  // namespace

TEST(LearnerLineParse, SplitsNameSubjectAndLevel) {
    ExpectLine("Paul@Mathematiques CM1", "Paul", "Mathematiques", "CM1");
    ExpectLine(Utf8ToAnsi("Zoé@Français CE1"), Utf8ToAnsi("Zoé"), Utf8ToAnsi("Français"), "CE1");
}

TEST(LearnerLineParse, BlanksAroundEveryPartAreDropped) {
    ExpectLine("  Paul  @  Mathematiques   CM1  ", "Paul", "Mathematiques", "CM1");
    ExpectLine("\tPaul@Mathematiques  6e\r", "Paul", "Mathematiques", "6e");
}

TEST(LearnerLineParse, NameKeepsItsInnerBlanksAndEndsAtTheFirstAt) {
    ExpectLine("Marie Claire@Mathematiques CP", "Marie Claire", "Mathematiques", "CP");
    // A name typed with "@": the subject is the rest up to its first blank.
    ExpectLine(Utf8ToAnsi("jo@hn@Français 6e"), "jo", "hn@Fran\xE7" "ais", "6e");
}

TEST(LearnerLineParse, MissingPartsFallBackToMathematicsCp) {
    ExpectLine("Paul", "Paul", "Mathematiques", "CP");
    ExpectLine("  Paul  ", "Paul", "Mathematiques", "CP");
    ExpectLine("", "", "Mathematiques", "CP");
    // The subject found replaces the default even when empty; a level needs a blank.
    ExpectLine("Paul@", "Paul", "", "CP");
    ExpectLine("Paul@  ", "Paul", "", "CP");
    ExpectLine(Utf8ToAnsi("Paul@Français"), "Paul", Utf8ToAnsi("Français"), "CP");
    ExpectLine("@Mathematiques CE2", "", "Mathematiques", "CE2");
}

TEST(SubjectLevelSplit, SplitsAtTheFirstBlank) {
    const LearnerLine parts = SplitSubjectLevel(Utf8ToAnsi("  Français   6e "));
    EXPECT_EQ(parts.subject, Utf8ToAnsi("Français"));
    EXPECT_EQ(parts.level, "6e");
    EXPECT_EQ(SplitSubjectLevel("Mathematiques").level, "");
}

TEST(NameCapitalisation, CapitalAfterBlankOrHyphenOnly) {
    EXPECT_EQ(CapitaliseName("  jean-PIERRE  dupont  "), "Jean-Pierre  Dupont");
    EXPECT_EQ(CapitaliseName("d'artagnan"), "D'artagnan");
    EXPECT_EQ(CapitaliseName(Utf8ToAnsi("éloïse")), Utf8ToAnsi("Éloïse"));
    EXPECT_EQ(CapitaliseName(Utf8ToAnsi("ÇA VA")), Utf8ToAnsi("Ça Va"));
    EXPECT_EQ(CapitaliseName(Utf8ToAnsi("œdipe")), Utf8ToAnsi("Œdipe"));
    EXPECT_EQ(CapitaliseName("marie-claire"), "Marie-Claire");
    EXPECT_EQ(CapitaliseName("jean.paul"), "Jean.paul");
    EXPECT_EQ(CapitaliseName("   "), "");
}

TEST(LevelTable, NamesFollowSubjectAndLevel) {
    EXPECT_EQ(LevelTableName("Mathematiques", "CM1"), "exos_math_cm1");
    EXPECT_EQ(LevelTableName(Utf8ToAnsi("Français"), "6e"), "exos_francais_6e");
    EXPECT_EQ(LevelTableName(Utf8ToAnsi(" français "), " CE1 "), "exos_francais_ce1");
    EXPECT_EQ(LevelTableName("FRANCAIS", "6E"), "exos_francais_6e");
    // Anything that is not French counts as mathematics; an unknown level still names a table.
    EXPECT_EQ(LevelTableName("", "CP"), "exos_math_cp");
    EXPECT_EQ(LevelTableName("Histoire", "Terminale"), "exos_math_terminale");
    EXPECT_EQ(LevelTableName("Mathematiques", ""), "exos_math_");
}

TEST(LevelTable, ClassPicturesOfTheNineLevels) {
    EXPECT_EQ(LevelPictureName("CM1"), "ClasseCM1");
    EXPECT_EQ(LevelPictureName("6e"), "Classe6e");
    EXPECT_EQ(LevelPictureName(" 3E "), "Classe3e");
    EXPECT_EQ(LevelPictureName("cp"), "ClasseCP");
    EXPECT_EQ(LevelPictureName("2nde"), "");
    EXPECT_EQ(LevelPictureName(""), "");
}

TEST(ExerciseQuery, SelectsEveryRecordOfTheLevelTable) {
    EXPECT_EQ(ExerciseQueryText("exos_math_cm1"),
              "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"XXX\")OR(1=1))");
    // Only the first "WWW" is the table's place.
    EXPECT_EQ(ExerciseQueryText("WWW"), "SELECT * FROM WWW WHERE ((codeExo=\"XXX\")OR(1=1))");
}

TEST(SubjectLevelTable, ElevenEntriesWithTheirCountsAndTables) {
    struct Expected { const char* entry; const char* table; const char* picture; const char* count; };
    const Expected expected[] = {
        {"Mathematiques CP", "exos_math_cp", "ClasseCP", "1 241 exercices"},
        {"Mathematiques CE1", "exos_math_ce1", "ClasseCE1", "1 641 exercices"},
        {"Mathematiques CE2", "exos_math_ce2", "ClasseCE2", "2 250 exercices"},
        {"Mathematiques CM1", "exos_math_cm1", "ClasseCM1", "1 414 exercices"},
        {"Mathematiques CM2", "exos_math_cm2", "ClasseCM2", "1 509 exercices"},
        {"Mathematiques 6e", "exos_math_6e", "Classe6e", "1 032 exercices"},
        {"Mathematiques 5e", "exos_math_5e", "Classe5e", "528 exercices"},
        {"Mathematiques 4e", "exos_math_4e", "Classe4e", "1 741 exercices"},
        {"Mathematiques 3e", "exos_math_3e", "Classe3e", "1 806 exercices"},
        {"Français CE1", "exos_francais_ce1", "ClasseCE1", "312 exercices"},
        {"Français 6e", "exos_francais_6e", "Classe6e", "461 exercices"},
    };
    const TStringList list = SubjectLevelList();
    ASSERT_EQ(list.Count(), 11);
    for (int i = 0; i < 11; ++i) {
        const AnsiString entry = Utf8ToAnsi(expected[i].entry);
        EXPECT_EQ(list[i], entry);
        EXPECT_EQ(SubjectLevelEntryText(i), entry);
        EXPECT_EQ(ExerciseCountCaption(i), expected[i].count);
        const LearnerLine parts = SplitSubjectLevel(entry);
        EXPECT_EQ(LevelTableName(parts.subject, parts.level), expected[i].table);
        EXPECT_EQ(LevelPictureName(parts.level), expected[i].picture);
        // The entry read back from a learner line gives the same subject and level.
        const LearnerLine line = ParseLearnerLine("Paul@" + entry);
        EXPECT_EQ(line.subject, parts.subject);
        EXPECT_EQ(line.level, parts.level);
    }
    EXPECT_EQ(SubjectLevelEntryText(9).size(), 12u);   // "Français CE1" in Windows-1252
    EXPECT_EQ(ExerciseCountCaption(-1), "");
    EXPECT_EQ(ExerciseCountCaption(11), "");
}
