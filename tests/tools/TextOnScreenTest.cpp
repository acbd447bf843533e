// The builder lays text exercises out as the player does and refuses those whose gaps,
// marked words or bank words the learner could not see whole.
#include <tuple>

#include <gtest/gtest.h>

#include "ContentSource.h"
#include "TextOnScreen.h"

namespace {

// A text of `lines` short lines, the last one ending with `last`.
std::string Lines(int lines, const std::string& last) {
    std::string text;
    for (int i = 1; i < lines; ++i) text += "ligne " + std::to_string(i) + "\n";
    return text + "fin " + last;
}

// One line of text long enough to wrap over about `lines` lines of the panel.
std::string LongLine(int lines, const std::string& last) {
    std::string text;
    for (int i = 0; i < lines * 12; ++i) text += "mot" + std::to_string(i % 10) + " ";
    return text + last;
}

const std::string kNone = "/##/ /##/ /##/ /##/ /##/ /##/ ";   // six empty fields

std::string Qtro(const std::string& text) { return "/#S#/ /#" + text + "#/ /#x#/"; }
std::string Qtrc(const std::string& text, const std::string& word) {
    return "/#S#/ /#" + text + "#/ /#" + word + "#/ /##/ " + kNone + "/#1#/";
}

}  // namespace

TEST(TextOnScreen, GapsAndWordsTheLearnerCannotSeeAreRefused) {
    // Expected: "" when the exercise passes, otherwise a piece of the message.
    const std::vector<std::tuple<int, std::string, std::string>> cases = {
        {5, Qtro(Lines(9, "{...}")), ""},   // the last line the panel shows whole
        {5, Qtro(Lines(10, "{...}")), "gap 1 falls below the text panel: it is on line 10 and the panel shows 9 lines"},
        {5, Qtro(Lines(11, "{...}")), "gap 1 falls below the text panel: it is on line 11"},
        {5, Qtro("{...}\n" + Lines(11, "")), ""},                  // below, but no gap there
        {5, Qtro(LongLine(11, "{...}")), "gap 1 falls below"},     // lines wrapped count
        {6, Qtrc(Lines(10, "{...}"), "un"), ""},                   // a taller panel
        {6, Qtrc(Lines(11, "{...}"), "un"), "gap 1 falls below the text panel: it is on line 11 and the panel shows 10"},
        {6, Qtrc("Il est {...}.", "anticonstitutionnellement"),
         "bank word 1 \"anticonstitutionnellement\" is wider than its slot ("},
        {6, Qtrc("Il est {...}.", "constitutionnel"), ""},
        {7, "/#S#/ /#" + Lines(10, "{chat}") + "#/", ""},
        {7, "/#S#/ /#" + Lines(11, "{chat}") + "#/", "marked word 1 \"chat\" falls below"},
        {7, "/#S#/ /#le {" + LongLine(2, "") + "}#/", "runs past the right edge of the text panel"},
        {8, "/#S#/ /#" + Lines(12, "{cheval}") + "#/ /#chevaux#/", ""},   // closer lines
        {8, "/#S#/ /#" + Lines(13, "{cheval}") + "#/ /#chevaux#/", "marked word 1 \"cheval\" falls below"},
        {8, "/#S#/ /#  les {cheval} et les {oiseau}#/ /#chevaux#/ /#oiseaux#/", ""},
    };
    for (const auto& [type, content, expected] : cases) {
        const std::string problem = CheckExerciseContent(type, content);
        if (expected.empty())
            EXPECT_EQ(problem, "") << content;
        else
            EXPECT_NE(problem.find(expected), std::string::npos) << problem << "\n" << content;
    }
}
