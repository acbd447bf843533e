// The builder refuses content that the program would not show as meant, and says
// where the problem is.
#include <filesystem>
#include <fstream>
#include <tuple>

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
    void Write(const std::string& rel, const std::string& text, bool append = false) const {
        std::ofstream(File(rel), std::ios::binary | (append ? std::ios::app : std::ios::trunc)) << text;
    }
    std::string LoadError() const {
        try {
            LoadContent(dir_);
        } catch (const BuildError& e) {
            return e.what();
        }
        return "";
    }
private:
    std::string dir_;
};

const char* const kCm1 = "exercises/exos_math_cm1.txt";
const std::string kNone = "/##/ /##/ /##/ /##/ /##/ /##/ ";   // six empty fields

}  // namespace

TEST(ContentRules, ValidContentOfEachKindPassesAndFaultsAreRefused) {
    const std::vector<std::tuple<int, std::string, bool>> cases = {
        {1, "/#Q#/ /#a#/ /#b#/ " + kNone + "/#1#/ /#0#/", true},
        {2, "/#Le ciel est bleu.#/ /#1#/", true},
        {3, "[0]/#Combien ?#/ /#12#/", true},
        {3, "[1]/#P#/ /#a)#/ /##/ /#c)#/ /##/ /#1#/ /##/ /#3#/ /##/", true},
        {4, "/#Relie#/ /#x#/ /#y#/ " + kNone + "/#2#/ /#2#/ " + kNone + "/#u#/ /#v#/", true},
        {5, "/#S#/ /#a {...} b\n{...}#/ /#x#/ /#y#/", true},
        {6, "/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ " + kNone + "/#2#/ /#2#/", true},
        {7, "/#S#/ /#le {chat} dort#/", true},
        {8, "/#S#/ /#  les {cheval} et les {oiseau}#/ /#chevaux#/ /#oiseaux#/", true},
        {2, "", false},
        {2, "Le ciel /#1#/", false},                  // text before the first field
        {2, "/#S#/ oops /#1#/", false},               // text between fields
        {2, "/#S#/ /#1", false},                      // open last field
        {2, "/##/ /#1#/", false},                     // empty statement
        {2, "/#S#/ /#1#/ /#extra#/", false},          // a field nobody reads
        {2, "[1]/#S#/ /#1#/", false},                 // prefix on a kind other than QO
        {9, "/#S#/", false},
        {1, "/#Q#/ /#a#/ /#b#/ " + kNone + "/#0#/ /#0#/", false},          // QCM: no right choice
        {1, "/#Q#/ /#a#/ /#b#/ " + kNone + "/#1#/ /#0#/ /#1#/", false},    // a flag on an empty choice
        {2, "/#S#/ /#vrai#/", false},                                      // QB: 1 or 0
        {3, "/#Combien ?#/", false},                                       // QO: no answer
        {3, "[1]/#P#/ /#a)#/ /#b)#/ /##/ /##/ /#1#/ /##/", false},         // a problem box without answer
        {4, "/#Relie#/ /#x#/ /#y#/ " + kNone + "/#1#/ /#3#/ " + kNone + "/#u#/ /#v#/", false},   // paired with nothing
        {5, "/#S#/ /#{...} {...}#/ /#x#/", false},                         // QTRO: more gaps than answers
        {5, "/#S#/ /#{...} {...}#/ /#x#/ /##/ /#y#/", false},
        {5, "/#S#/ /#{...}#/ /#a#b#/", false},
        {6, "/#S#/ /#{...} et {...}#/ /#un#/ " + kNone + "/##/ /#1#/ /#1#/", false},   // QTRC: bank and gaps
        {7, "/#S#/ /#le chat dort#/", false},                              // QMR: nothing to pick out
        {8, "/#S#/ /#les {cheval} et les {oiseau}#/ /#chevaux#/", false},  // QMT: a word without answer
    };
    for (const auto& [type, content, valid] : cases) EXPECT_EQ(CheckExerciseContent(type, content).empty(), valid) << content;
}

TEST(ContentFiles, FaultsNameTheFileAndLine) {
    const std::vector<std::pair<std::string, const char*>> exercises = {
        {"@exercice 9901\nchapitre: NOPE\ntype: QB\n/#S#/ /#1#/\n", "NOPE"},
        {"@exercice 9902\nchapitre: CM1-NUM\ntype: QXX\n/#S#/ /#1#/\n", "type"},
        {"@exercice 4001\nchapitre: CM1-NUM\ntype: QB\n/#S#/ /#1#/\n", "4001"},   // number used twice
        {"@exercice 9903\nchapitre: CM1-NUM\ntype: QB\nimage: nulle.jpg\n/#S#/ /#1#/\n", "nulle.jpg"},
        {"@exercice 9904\nchapitre: CM1-NUM\ntype: QB\n/#S#/ /#peut-être#/\n", "9904"},
        {"@exercice 9905\nchapitre: CM1-NUM\ntype: QB\n/#2 \xE2\x86\x92 3#/ /#1#/\n", "8-bit"},
    };
    for (const auto& [block, expected] : exercises) {
        ContentCopy content;
        content.Write(kCm1, "\n" + block, true);
        const std::string error = content.LoadError();
        EXPECT_NE(error.find("exos_math_cm1.txt:"), std::string::npos) << error;
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
    // Programme lines, with the line at fault; codes the program would read otherwise.
    const std::vector<std::pair<std::string, int>> programmes = {
        {"Titre\n    [CM1-NUM] Blancs au lieu de tabulations\n", 2}, {"Titre\n\t\t[X] Trop profond\n", 2},
        {"[A] Un\n[A] Deux\n", 2}, {"[ ] Rien\n", 1}, {"[A\"B] Titre\n", 1},
        {"Titre\n\t[A=3] Un\n", 2}, {"Titre\n\t[A NbExo] Un\n", 2}, {"[\xC3\xA9t\xC3\xA9] Un\n[\xC3\x89T\xC3\x89] Deux\n", 2},
        {"Titre\r\t[A] Un\r\t[a] Deux\r", 3},   // lines ended by a lone CR are lines
    };
    for (const auto& [programme, line] : programmes) {
        ContentCopy content;
        content.Write("programmes/exos_math_6e.txt", programme);
        EXPECT_NE(content.LoadError().find("programmes/exos_math_6e.txt:" + std::to_string(line) + ":"), std::string::npos)
            << content.LoadError();
    }
}

TEST(ContentFiles, TextsTheLearnerCannotSeeAreRefusedWithTheirBlock) {
    const std::vector<std::pair<std::string, const char*>> blocks = {
        {"type: QTRO\n/#Complète.#/\n/#1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11 {...}#/ /#onze#/\n", "the word \"10\" falls below"},
        {"type: QTRO\n/#Complète.\n2\n3\n4\n5\n6\n7\n8#/\n/#1 {...}#/ /#un#/\n", "the statement, on 8 lines"},
        {"type: QTRC\n/#Complète.#/\n/#C'est {...}.#/ /#anticonstitutionnellement#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/\n",
         "bank word 1"},
    };
    for (const auto& [block, expected] : blocks) {
        ContentCopy content;
        content.Write(kCm1, "Notes.\n\n@exercice 7\nchapitre: CM1-NUM\n" + block);
        const std::string error = content.LoadError();
        EXPECT_EQ(error.rfind(content.File(kCm1) + ":3: ", 0), 0u) << error;
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

TEST(ContentFiles, MissingProgrammeAndStrayFilesAreRefused) {
    ContentCopy content;
    fs::remove(content.File("exercises/exos_math_5e.txt"));   // a level without exercises is empty
    EXPECT_EQ(content.LoadError(), "");
    EXPECT_EQ(LoadContent(content.Dir()).CountIn("exos_math_5e"), 0);
    content.Write("exercises/exos_math_cm3.txt", "");
    EXPECT_NE(content.LoadError().find("exos_math_cm3"), std::string::npos);
    fs::remove(content.File("exercises/exos_math_cm3.txt"));
    fs::remove(content.File("programmes/exos_math_5e.txt"));
    EXPECT_NE(content.LoadError().find("exos_math_5e"), std::string::npos);
}

TEST(ContentFiles, LinesAndBlocksAreReadAsTheProgramReadsThem) {
    ContentCopy content;
    // CR LF, LF and a lone CR all end a line.
    content.Write(kCm1, "\xEF\xBB\xBFnotes\r\n@exercice 1\r\nchapitre: CM1-NUM\r\ntype: qtro\r\nnote: rien\r\n\r\n"
                        "/#Complète.#/\r\n/#a {...}\r\nb {...}#/\r\n/#1#/ /#2#/\r\n\r\n\r\n"
                        "@exercice 2\nCHAPITRE: CM1-GEO\rType: QMT\rimage: formes_4.jpg\n/#S#/ /#  le {x}#/ /#y#/\r");
    content.Write("programmes/exos_math_6e.txt", "Titre\r\t[A] Un\r\t[B] Deux\r");
    fs::remove(content.File("exercises/exos_math_6e.txt"));
    const ContentSet loaded = LoadContent(content.Dir());
    EXPECT_EQ(loaded.programmes.at(5).text, "Titre\n\t[A] Un\n\t[B] Deux");
    EXPECT_EQ(loaded.programmes.at(5).codes, (std::vector<std::string>{"A", "B"}));
    std::vector<std::string> cm1;
    for (const ExerciseSource& ex : loaded.exercises)
        if (ex.table == "exos_math_cm1")
            cm1.push_back(ex.number + "|" + ex.code + "|" + std::to_string(ex.typeExo) + "|" + ex.image + "|" + ex.content +
                          "|" + std::to_string(ex.line));
    EXPECT_EQ(cm1, (std::vector<std::string>{"1|CM1-NUM|5||/#Compl\xC3\xA8te.#/\n/#a {...}\nb {...}#/\n/#1#/ /#2#/|2",
                                             "2|CM1-GEO|8|formes_4.jpg|/#S#/ /#  le {x}#/ /#y#/|13"}));
}
