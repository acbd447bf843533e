// The builder lays text exercises out as the player does and refuses those whose words
// or bank words the learner could not see whole, or whose statement pushes the text off
// the page or under what the correction shows.
#include <tuple>

#include <gtest/gtest.h>

#include "ContentSource.h"
#include "TextOnScreen.h"

namespace {

// A text of `lines` short lines, the last one being `last`.
std::string Lines(int lines, const std::string& last) {
    std::string text;
    for (int i = 1; i < lines; ++i) text += "ligne " + std::to_string(i) + "\n";
    return text + last;
}

// One line of text long enough to wrap over about `lines` lines of the panel.
std::string LongLine(int lines, const std::string& last) {
    std::string text;
    for (int i = 0; i < lines * 12; ++i) text += "mot" + std::to_string(i % 10) + " ";
    return text + last;
}

const std::string kNone = "/##/ /##/ /##/ /##/ /##/ /##/ ";   // six empty fields

std::string Qtro(const std::string& text, const std::string& statement = "S") {
    return "/#" + statement + "#/ /#" + text + "#/ /#x#/";
}
std::string Qtrc(const std::string& text, const std::string& word, const std::string& statement = "S") {
    return "/#" + statement + "#/ /#" + text + "#/ /#" + word + "#/ /##/ " + kNone + "/#1#/";
}
std::string Qmr(const std::string& text, const std::string& statement = "S") {
    return "/#" + statement + "#/ /#" + text + "#/";
}
std::string Qmt(const std::string& text, const std::string& statement = "S") {
    return "/#" + statement + "#/ /#" + text + "#/ /#chevaux#/";
}

// A statement of `lines` lines: its own line breaks, or (wrapped) words wrapped at the
// statement's width.
std::string Statement(int lines, bool wrapped = false) {
    std::string statement = "Lis bien.";
    for (int i = 1; i < lines; ++i) statement += wrapped ? " Lis bien." : "\nLis bien.";
    return statement;
}

// Kind, content, and what the check says: "" when the exercise passes, otherwise a piece
// of the message.
using Cases = std::vector<std::tuple<int, std::string, std::string>>;
void ExpectProblems(const Cases& cases) {
    for (const auto& [type, content, expected] : cases) {
        const std::string problem = CheckExerciseContent(type, content);
        if (expected.empty())
            EXPECT_EQ(problem, "") << content;
        else
            EXPECT_NE(problem.find(expected), std::string::npos) << problem << "\n" << content;
    }
}

}  // namespace

TEST(TextOnScreen, WordsTheLearnerCannotSeeAreRefused) {
    const Cases cases = {
        {5, Qtro(Lines(9, "fin {...}")), ""},   // the last line the panel shows whole
        {5, Qtro(Lines(10, "{...}")), "gap 1 falls below the text panel: it is on line 10 and the panel shows 9 lines"},
        {5, Qtro(Lines(11, "fin {...}")), "the word \"ligne\" falls below the text panel: it is on line 10"},
        // Plain words count as much as the gaps, and the first one out of sight is told.
        {5, Qtro("{...}\n" + Lines(11, "")), "the word \"ligne\" falls below the text panel: it is on line 10 and the panel shows 9"},
        {5, Qtro("{...}\n" + Lines(8, "fin.") + "\n\n"), ""},   // blank lines at the end are dropped
        {5, Qtro(LongLine(11, "{...}")), "the word \"mot"},           // lines wrapped count
        {5, Qtro("{...} " + std::string(120, 'm')), std::string(40, 'm') + "...\" runs past the right edge of the text panel"},
        {6, Qtrc(Lines(10, "fin {...}"), "un"), ""},                   // a taller panel
        {6, Qtrc(Lines(11, "{...}"), "un"), "gap 1 falls below the text panel: it is on line 11 and the panel shows 10"},
        {6, Qtrc("Il est {...}.", "anticonstitutionnellement"),
         "bank word 1 \"anticonstitutionnellement\" is wider than its slot ("},
        {6, Qtrc("Il est {...}.", "constitutionnel"), ""},
        {7, Qmr(Lines(10, "fin {chat}")), ""},
        {7, Qmr(Lines(11, "{chat}")), "marked word 1 \"chat\" falls below"},
        {7, Qmr("{le} " + Lines(12, "")), "the word \"ligne\" falls below"},
        {7, Qmr("le {" + LongLine(2, "") + "}"), "runs past the right edge of the text panel"},
        {8, Qmt(Lines(12, "fin {cheval}")), ""},   // closer lines
        {8, Qmt(Lines(13, "{cheval}")), "marked word 1 \"cheval\" falls below"},
        {8, "/#S#/ /#  les {cheval} et les {oiseau}#/ /#chevaux#/ /#oiseaux#/", ""},
    };
    ExpectProblems(cases);
}

TEST(TextOnScreen, StatementsThatPushTheTextOffThePageAreRefused) {
    // The text panel goes under the statement (and the bank); each kind has its panel.
    const Cases cases = {
        {6, Qtrc("Il {...}.", "a", Statement(4)), ""},
        {6, Qtrc("Il {...}.", "a", Statement(5)), "the statement, on 5 lines, pushes the text panel "},
        {6, Qtrc("Il {...}.", "a", Statement(5)), " pixels below the page (4 lines at most)"},
        {6, Qtrc("Il {...}.", "a", Statement(30, true)), "the statement, on 5 lines"},   // wrapped at its width
        {5, Qtro("Il {...}.", Statement(7)), ""},
        {5, Qtro("Il {...}.", Statement(8)), "the statement, on 8 lines"},
        {7, Qmr("Il {est}.", Statement(7)), ""},
        {7, Qmr("Il {est}.", Statement(8)), "the statement, on 8 lines"},
        {8, Qmt("Les {cheval}.", Statement(6)), ""},
        {8, Qmt("Les {cheval}.", Statement(7)), "the statement, on 7 lines"},
    };
    ExpectProblems(cases);
}

TEST(TextOnScreen, WordsTheCorrectionWouldCoverAreRefused) {
    // Once corrected, a text page shows its verdict and, just above it, what the colours
    // mean: a long statement brings a full text down under them.
    const Cases cases = {
        {5, Qtro(Lines(9, "fin {...}"), Statement(5)), ""},
        {5, Qtro(Lines(9, "fin {...}"), Statement(6)), "the word \"fin\" would lie under the note and the verdict"},
        {5, Qtro(Lines(8, "fin {...}"), Statement(6)), ""},
        {6, Qtrc(Lines(9, "fin {...}"), "un", Statement(3)), ""},
        {6, Qtrc(Lines(10, "{...}"), "un", Statement(3)), "gap 1 would lie under the note and the verdict"},
        {7, Qmr(Lines(7, "fin {chat}"), Statement(7)), ""},
        {7, Qmr(Lines(8, "fin {chat}"), Statement(7)), "the word \"fin\" would lie under"},
        {8, Qmt(Lines(10, "fin {cheval}"), Statement(5)), ""},
        {8, Qmt(Lines(11, "fin {cheval}"), Statement(5)), "the word \"fin\" would lie under"},
    };
    ExpectProblems(cases);
}
