// The builder refuses content that the program would not show as meant, and says
// where the problem is.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "ContentSource.h"
#include "DataFolder.h"

namespace fs = std::filesystem;

namespace {

// A copy of the content folder that a test may spoil.
class ContentCopy {
public:
    ContentCopy() : dir_(MakeTempDir("exercices-content")) {
        fs::copy(DefaultContentDir(), dir_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    ~ContentCopy() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const std::string& Dir() const { return dir_; }
    std::string File(const std::string& rel) const { return (fs::path(dir_) / rel).string(); }
    void Write(const std::string& rel, const std::string& text) const {
        std::ofstream(File(rel), std::ios::binary | std::ios::trunc) << text;
    }
    void Append(const std::string& rel, const std::string& text) const {
        std::ofstream(File(rel), std::ios::binary | std::ios::app) << text;
    }

private:
    std::string dir_;
};

std::string LoadError(const ContentCopy& content) {
    try {
        LoadContent(content.Dir());
    } catch (const BuildError& e) {
        return e.what();
    }
    return "";
}

const char* const kCm1 = "exercises/exos_math_cm1.txt";

}  // namespace

TEST(ContentRules, ValidContentOfEachKindPasses) {
    EXPECT_EQ(CheckExerciseContent(1, "/#Q#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#0#/"), "");
    EXPECT_EQ(CheckExerciseContent(2, "/#Le ciel est bleu.#/ /#1#/"), "");
    EXPECT_EQ(CheckExerciseContent(3, "/#Combien ?#/ /#12#/"), "");
    EXPECT_EQ(CheckExerciseContent(3, "[0]/#Combien ?#/ /#12#/"), "");
    EXPECT_EQ(CheckExerciseContent(3, "[1]/#P#/ /#a)#/ /##/ /#c)#/ /##/ /#1#/ /##/ /#3#/ /##/"), "");
    EXPECT_EQ(CheckExerciseContent(4, "/#Relie#/ /#x#/ /#y#/ /##/ /##/ /##/ /##/ /##/ /##/"
                                      "/#2#/ /#2#/ /##/ /##/ /##/ /##/ /##/ /##/ /#u#/ /#v#/"), "");
    EXPECT_EQ(CheckExerciseContent(5, "/#S#/ /#a {...} b\n{...}#/ /#x#/ /#y#/"), "");
    EXPECT_EQ(CheckExerciseContent(6, "/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#2#/ /#2#/"), "");
    EXPECT_EQ(CheckExerciseContent(7, "/#S#/ /#le {chat} dort#/"), "");
    EXPECT_EQ(CheckExerciseContent(8, "/#S#/ /#  les {cheval} et les {oiseau}#/ /#chevaux#/ /#oiseaux#/"), "");
}

TEST(ContentRules, EnvelopeFaultsAreRefused) {
    EXPECT_NE(CheckExerciseContent(2, ""), "");
    EXPECT_NE(CheckExerciseContent(2, "Le ciel /#1#/"), "");            // text before the first field
    EXPECT_NE(CheckExerciseContent(2, "/#S#/ oops /#1#/"), "");         // text between fields
    EXPECT_NE(CheckExerciseContent(2, "/#S#/ /#1"), "");                // open last field
    EXPECT_NE(CheckExerciseContent(2, "/##/ /#1#/"), "");               // empty statement
    EXPECT_NE(CheckExerciseContent(2, "/#S#/ /#1#/ /#extra#/"), "");    // a field nobody reads
    EXPECT_NE(CheckExerciseContent(2, "[1]/#S#/ /#1#/"), "");           // prefix on a kind other than QO
    EXPECT_NE(CheckExerciseContent(9, "/#S#/"), "");
}

TEST(ContentRules, KindRulesAreChecked) {
    // QCM: no right choice; a flag on an empty choice; a flag that is neither 0 nor 1.
    EXPECT_NE(CheckExerciseContent(1, "/#Q#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#0#/ /#0#/"), "");
    EXPECT_NE(CheckExerciseContent(1, "/#Q#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#0#/ /#1#/"), "");
    EXPECT_NE(CheckExerciseContent(1, "/#Q#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#oui#/ /#0#/"), "");
    // QB: truth must be 1 or 0.
    EXPECT_NE(CheckExerciseContent(2, "/#S#/ /#vrai#/"), "");
    // QO: no answer; a problem box without answer.
    EXPECT_NE(CheckExerciseContent(3, "/#Combien ?#/"), "");
    EXPECT_NE(CheckExerciseContent(3, "[1]/#P#/ /#a)#/ /#b)#/ /##/ /##/ /#1#/ /##/"), "");
    // QCC: a left element paired with an empty right element.
    EXPECT_NE(CheckExerciseContent(4, "/#Relie#/ /#x#/ /#y#/ /##/ /##/ /##/ /##/ /##/ /##/"
                                      "/#1#/ /#3#/ /##/ /##/ /##/ /##/ /##/ /##/ /#u#/ /#v#/"), "");
    // QTRO: more gaps than answers; an answer left out in the middle; an answer with #.
    EXPECT_NE(CheckExerciseContent(5, "/#S#/ /#{...} {...}#/ /#x#/"), "");
    EXPECT_NE(CheckExerciseContent(5, "/#S#/ /#{...} {...}#/ /#x#/ /##/ /#y#/"), "");
    EXPECT_NE(CheckExerciseContent(5, "/#S#/ /#{...}#/ /#a#b#/"), "");
    // QTRC: bank and gaps disagree; a gap naming an empty bank word.
    EXPECT_NE(CheckExerciseContent(6, "/#S#/ /#{...} et {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/"), "");
    EXPECT_NE(CheckExerciseContent(6, "/#S#/ /#{...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#3#/"), "");
    // QMR: nothing to pick out. QMT: a marked word without its answer.
    EXPECT_NE(CheckExerciseContent(7, "/#S#/ /#le chat dort#/"), "");
    EXPECT_NE(CheckExerciseContent(8, "/#S#/ /#les {cheval} et les {oiseau}#/ /#chevaux#/"), "");
}

TEST(ContentFiles, SampleContentLoads) {
    const ContentSet set = LoadContent(DefaultContentDir());
    EXPECT_EQ(set.programmes.size(), 11u);
    EXPECT_GT(set.exercises.size(), 40u);
}

TEST(ContentFiles, FaultsNameTheFileAndLine) {
    struct Case {
        const char* what;
        std::string block;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"unknown chapter", "\n@exercice 9901\nchapitre: NOPE\ntype: QB\n/#S#/ /#1#/\n", "NOPE"},
        {"unknown kind", "\n@exercice 9902\nchapitre: CM1-NUM\ntype: QXX\n/#S#/ /#1#/\n", "type"},
        {"number used twice", "\n@exercice 4001\nchapitre: CM1-NUM\ntype: QB\n/#S#/ /#1#/\n", "4001"},
        {"picture without recipe", "\n@exercice 9903\nchapitre: CM1-NUM\ntype: QB\nimage: nulle.jpg\n/#S#/ /#1#/\n", "nulle.jpg"},
        {"bad content", "\n@exercice 9904\nchapitre: CM1-NUM\ntype: QB\n/#S#/ /#peut-être#/\n", "9904"},
        {"character outside the 8-bit set", "\n@exercice 9905\nchapitre: CM1-NUM\ntype: QB\n/#2 \xE2\x86\x92 3#/ /#1#/\n", "8-bit"},
    };
    for (const Case& c : cases) {
        ContentCopy content;
        content.Append(kCm1, c.block);
        const std::string error = LoadError(content);
        EXPECT_NE(error.find("exos_math_cm1.txt:"), std::string::npos) << c.what << ": " << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.what << ": " << error;
    }
}

TEST(ContentFiles, ProgrammeFaultsAreRefused) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"blanks instead of tabs", "Titre\n    [CM1-NUM] Les grands nombres\n"},
        {"two levels deeper", "Titre\n\t\t[CM1-NUM] Les grands nombres\n"},
        {"code given twice", "[CM1-NUM] Un\n[CM1-NUM] Deux\n"},
        {"empty code", "[ ] Rien\n"},
        {"code with a double quote", "[A\"B] Titre\n"},
    };
    for (const auto& [what, text] : cases) {
        ContentCopy content;
        content.Write("programmes/exos_math_6e.txt", text);
        const std::string error = LoadError(content);
        EXPECT_NE(error.find("programmes/exos_math_6e.txt:"), std::string::npos) << what << ": " << error;
    }
}

TEST(ContentFiles, MissingProgrammeAndStrayFilesAreRefused) {
    {
        ContentCopy content;
        fs::remove(content.File("programmes/exos_math_5e.txt"));
        EXPECT_NE(LoadError(content).find("exos_math_5e"), std::string::npos);
    }
    {
        ContentCopy content;
        content.Write("exercises/exos_math_cm3.txt", "");
        EXPECT_NE(LoadError(content).find("exos_math_cm3"), std::string::npos);
    }
    {
        ContentCopy content;   // a level without exercise file is simply empty
        fs::remove(content.File("exercises/exos_math_5e.txt"));
        EXPECT_EQ(LoadError(content), "");
        EXPECT_EQ(LoadContent(content.Dir()).CountIn("exos_math_5e"), 0);
    }
}

TEST(ContentFiles, BlockLayoutIsReadAsDocumented) {
    ContentCopy content;
    content.Write(kCm1,
                  "\xEF\xBB\xBFnotes\r\n@exercice 1\r\nchapitre: CM1-NUM\r\ntype: qtro\r\nnote: rien\r\n\r\n"
                  "/#Complète.#/\r\n/#a {...}\r\nb {...}#/\r\n/#1#/ /#2#/\r\n\r\n\r\n"
                  "@exercice 2\nCHAPITRE: CM1-GEO\nType: QMT\nimage: formes_4.jpg\n/#S#/ /#  le {x}#/ /#y#/\n");
    const ContentSet set = LoadContent(content.Dir());
    std::vector<ExerciseSource> cm1;
    for (const ExerciseSource& ex : set.exercises)
        if (ex.table == "exos_math_cm1") cm1.push_back(ex);
    ASSERT_EQ(cm1.size(), 2u);
    EXPECT_EQ(cm1[0].number, "1");
    EXPECT_EQ(cm1[0].code, "CM1-NUM");
    EXPECT_EQ(cm1[0].typeExo, 5);
    EXPECT_EQ(cm1[0].image, "");
    EXPECT_EQ(cm1[0].content, "/#Compl\xC3\xA8te.#/\n/#a {...}\nb {...}#/\n/#1#/ /#2#/");
    EXPECT_EQ(cm1[0].line, 2);
    EXPECT_EQ(cm1[1].code, "CM1-GEO");
    EXPECT_EQ(cm1[1].typeExo, 8);
    EXPECT_EQ(cm1[1].image, "formes_4.jpg");
    EXPECT_EQ(cm1[1].content, "/#S#/ /#  le {x}#/ /#y#/");
}
