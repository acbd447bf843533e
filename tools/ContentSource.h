#pragma once
// The exercise sources of content/: programme texts, exercises and picture recipes,
// read and checked before anything is written.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A content or build failure; the message names the file and line when it can.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One of the eleven subject-and-level pairs (texts in UTF-8).
struct LevelInfo {
    std::string table;     // "exos_math_cm1"
    std::string matiere;   // "Mathematiques" or "Français"
    std::string classe;    // "CM1"
};
// The eleven pairs, in the program's order.
const std::vector<LevelInfo>& LevelTables();

// Kind names in typeEXO order: 1 QCM, 2 QB, 3 QO, 4 QCC, 5 QTRO, 6 QTRC, 7 QMR, 8 QMT.
int TypeExoOfKind(const std::string& kindName);   // 0 when unknown (case ignored)
std::string KindNameOfType(int typeExo);          // "" when out of range

struct ProgrammeSource {
    LevelInfo level;
    std::string text;                  // the programme lines joined by "\n" (UTF-8)
    std::vector<std::string> codes;    // chapter codes in order
};

struct ExerciseSource {
    std::string table;
    std::string file;
    int line = 0;                      // line of the "@exercice" header
    std::string number;                // numEXO
    std::string code;                  // codeExo
    int typeExo = 0;
    std::string image;                 // "" when the exercise has no picture
    std::string content;               // clear content, UTF-8, lines joined by "\n"
};

struct PictureRecipe {
    std::string name;                  // file name in exo_images/
    std::string drawing;               // pommes, regle, horloge, fraction, formes, rectangle, angle
    std::vector<std::string> args;
    std::string where;                 // "images.txt:12"
};

struct ContentSet {
    std::vector<ProgrammeSource> programmes;          // one per pair, LevelTables() order
    std::vector<ExerciseSource> exercises;            // table by table, file order
    std::map<std::string, PictureRecipe> pictures;    // by file name
    // The picture names used by the exercises, sorted, each once.
    std::vector<std::string> UsedPictures() const;
    int CountIn(const std::string& table) const;
};

// Reads contentDir/programmes, contentDir/exercises and contentDir/images.txt and
// checks them all; throws BuildError naming the first problem found. Needs a
// QApplication (see CheckExerciseContent).
ContentSet LoadContent(const std::string& contentDir);

// Checks one clear content (UTF-8) against the rules of its kind and, for the text
// kinds, against the player's layout of the text (which needs a QApplication); returns
// "" when it is valid, otherwise what is wrong.
std::string CheckExerciseContent(int typeExo, const std::string& contentUtf8);

// The clear UTF-8 content as it is stored: converted to 8-bit text, scrambled, and
// back to UTF-8.
std::string StoredContent(const std::string& contentUtf8);
