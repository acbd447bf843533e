// Learner lines, name capitalisation and level tables.
#include <QString>
#include <gtest/gtest.h>

#include "home/LearnerLine.h"

TEST(LearnerLine, SplitsNameSubjectAndLevel) {
    struct Case { const char* line; const char* name; const char* subject; const char* level; };
    const Case cases[] = {
        {"Paul@Mathematiques CM1", "Paul", "Mathematiques", "CM1"},
        {"Zoé@Français CE1", "Zoé", "Français", "CE1"},
        // Blanks around every part are dropped, also two between subject and level.
        {"  Paul  @  Mathematiques   CM1  ", "Paul", "Mathematiques", "CM1"},
        {"\tPaul@Mathematiques  6e\r", "Paul", "Mathematiques", "6e"},
        // The name keeps its inner blanks and ends at the first "@".
        {"Marie Claire@Mathematiques CP", "Marie Claire", "Mathematiques", "CP"},
        {"jo@hn@Français 6e", "jo", "hn@Français", "6e"},
        // Subject and level start as mathematics CP; each part found replaces them.
        {"Paul", "Paul", "Mathematiques", "CP"},
        {"  Paul ", "  Paul ", "Mathematiques", "CP"},
        {"Paul@", "Paul", "", "CP"},
        {"Paul@Français", "Paul", "Français", "CP"},
        {"@Mathematiques CE2", "", "Mathematiques", "CE2"},
    };
    for (const Case& c : cases) {
        const LearnerLine parsed = ParseLearnerLine(Utf8ToAnsi(c.line));
        EXPECT_EQ(parsed.name, Utf8ToAnsi(c.name)) << c.line;
        EXPECT_EQ(parsed.subject, Utf8ToAnsi(c.subject)) << c.line;
        EXPECT_EQ(parsed.level, Utf8ToAnsi(c.level)) << c.line;
    }
}

TEST(LearnerLine, CapitalAfterBlankOrHyphenOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"  jean-PIERRE  dupont  ", "Jean-Pierre  Dupont"}, {"d'artagnan", "D'artagnan"},
        {"éloïse", "Éloïse"}, {"ÇA VA", "Ça Va"}, {"œdipe", "Œdipe"}, {"jean.paul", "Jean.paul"},
        {"   ", ""},
    };
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(CapitaliseName(Utf8ToAnsi(typed)), Utf8ToAnsi(shown)) << typed;
}

TEST(LearnerLine, TableAndPictureOfASubjectAndLevel) {
    struct Case { const char* subject; const char* level; const char* table; const char* picture; };
    // The eleven entries are checked on the screens; here, what a hand-written line may hold.
    const Case cases[] = {
        {" français ", " CE1 ", "exos_francais_ce1", "ClasseCE1"},
        {"FRANCAIS", "6E", "exos_francais_6e", "Classe6e"},
        {"Mathematiques", "cp", "exos_math_cp", "ClasseCP"},
        // Anything not French is mathematics; an unknown level has no picture but a table.
        {"Histoire", "2nde", "exos_math_2nde", ""},
        {"Mathematiques", "", "exos_math_", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LevelTableName(Utf8ToAnsi(c.subject), c.level), c.table) << c.subject << c.level;
        EXPECT_EQ(LevelPictureName(c.level), c.picture) << c.level;
    }
}

TEST(LearnerLine, TypedNamesTheFileCannotGiveBackAreFound) {
    const std::pair<const char*, NameFault> cases[] = {
        {"Zoé", NameFault::None}, {"  Œdipe l’Ancien  ", NameFault::None}, {"Jean?", NameFault::None},
        {"jo@hn", NameFault::Separator}, {"@", NameFault::Separator},
        {"Łukasz", NameFault::Unwritable}, {"Zoé 😀", NameFault::Unwritable}, {"李", NameFault::Unwritable},
        {"Jo\nhn", NameFault::Unwritable}, {"Jo\rhn", NameFault::Unwritable},
        {"Paul\t\n", NameFault::None},   // blanks at the ends are trimmed away
    };
    for (const auto& [typed, fault] : cases) EXPECT_EQ(TypedNameFault(QString::fromUtf8(typed)), fault) << typed;
}
