// The word layout and the input box rules without any screen: cutting texts into
// pieces, the Hints of word labels, the places of labels, and the box's layouts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "player/AnswerEntry.h"
#include "player/WordLayout.h"

namespace {

// A piece written as its text, then "|" for a line start and "+" when a blank label may follow.
std::vector<std::string> Pieces(const char* text, WordMarkup markup) {
    std::vector<std::string> out;
    for (const WordPiece& p : CutTextIntoPieces(text, markup))
        out.push_back(p.text + (p.lineStart ? "|" : "") + (p.blankFollows ? "+" : ""));
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(WordLayout, TextsAreCutAtBlanksGapsAndMarkedWords) {
    const struct {
        const char* text;
        WordMarkup markup;
        Texts pieces;
    } cases[] = {
        // Each word keeps its blank; the line's last word gets the one added at its end.
        {"un deux", WordMarkup::Gaps, {"un |+", "deux +"}},
        // A gap glued between brackets: no blank label after the first two pieces.
        {"({...}), ensuite", WordMarkup::Gaps, {"(|", "{...}", "), +", "ensuite +"}},
        // A gap at the start of a line, then a blank that becomes a word of its own.
        {"{...} fin", WordMarkup::Gaps, {"{...}|", " +", "fin +"}},
        // An empty line is kept as a one-blank word; two blanks make one more.
        {"a\r\n\nb  c", WordMarkup::Gaps, {"a |+", " |+", "b |+", " +", "c +"}},
        // Gap texts do not see braces, marked texts see "{...}" as a marked word.
        {"{mot} {...}", WordMarkup::Gaps, {"{mot} |+", "{...}", " +"}},
        // An apostrophe glued to a marked word, a marked word holding blanks.
        {"l'{arbre} vert", WordMarkup::MarkedWords, {"l'|", "{arbre}", " +", "vert +"}},
        {"{trois cent} ans", WordMarkup::MarkedWords, {"{trois cent}|", " +", "ans +"}},
        // A "{" after the first blank waits for its turn; one whose first "}" comes
        // before it is no mark; nor is one never closed.
        {"le {chat}", WordMarkup::MarkedWords, {"le |+", "{chat}", " +"}},
        {"a}{b c}", WordMarkup::MarkedWords, {"a}{b |+", "c} +"}},
        {"{ouvert", WordMarkup::MarkedWords, {"{ouvert |+"}},
        {"", WordMarkup::Gaps, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Pieces(c.text, c.markup), c.pieces) << c.text;
}

TEST(WordLayout, PiecesAndCountsOfTheMarkUps) {
    EXPECT_TRUE(IsGapPiece("{...}"));
    EXPECT_TRUE(IsGapPiece(" {...} "));
    EXPECT_FALSE(IsGapPiece("({...}"));
    EXPECT_TRUE(IsMarkedPiece("{chat}"));
    EXPECT_TRUE(IsMarkedPiece("{}"));
    EXPECT_FALSE(IsMarkedPiece("{chat} "));
    EXPECT_FALSE(IsMarkedPiece("{"));
    EXPECT_EQ(WithoutBraces("{trois cent}"), "trois cent");
    EXPECT_EQ(WithoutBraces("{}"), "");

    const struct { const char* pattern; const char* text; int count; } counts[] = {
        {"{...}", "a {...} b {...}{...}", 3}, {"aa", "aaa", 2}, {"{...}", "{..}", 0}, {"", "abc", 0}, {"x", "", 0}};
    for (const auto& c : counts) EXPECT_EQ(CountOccurrences(c.pattern, c.text), c.count) << c.pattern << " in " << c.text;
}

TEST(WordLayout, HintsCarryTheLineFlagAndTheSolution) {
    EXPECT_EQ(WordLabelHint("0", true), "0#1");
    EXPECT_EQ(WordLabelHint("#solution=chat", false), "#solution=chat#0");
    const struct {
        const char* hint;
        bool lineStart, hasSolution;
        const char* solution;
    } hints[] = {
        {"0#1", true, false, ""},
        {"0#0", false, false, ""},
        {"#solution=#1", true, true, ""},           // an empty answer on a line start
        {"#solution= 12 #0", false, true, "12"},
        {"#solution=grand-mère#0", false, true, "grand-mère"},
        {"#1", false, false, ""},                    // "#1" counts only after the first character
        {"", false, false, ""},
    };
    for (const auto& h : hints) {
        EXPECT_EQ(IsLineStartHint(h.hint), h.lineStart) << h.hint;
        EXPECT_EQ(HasSolution(h.hint), h.hasSolution) << h.hint;
        EXPECT_EQ(SolutionOfHint(h.hint), h.solution) << h.hint;
    }
    EXPECT_EQ(TextPoints(3, 4), 7);
    EXPECT_EQ(TextPoints(4, 4), 10);
    EXPECT_EQ(TextPoints(1, 3), 3);
    EXPECT_EQ(TextPoints(0, 0), 0);
}

TEST(WordLayout, LabelsWrapAtTheLimitAndLinesAreAStepApart) {
    WordPlacer placer({30, 785});
    placer.StartLine();
    EXPECT_EQ(placer.PlaceWord(700).left, 16);
    // Ending past 785 wraps; a blank label follows its word without the test.
    const WordPlace wrapped = placer.PlaceWord(70);
    EXPECT_EQ(wrapped.left, 16);
    EXPECT_EQ(wrapped.top, 40);
    EXPECT_EQ(placer.PlaceWord(699).left, 86);   // ends exactly at 785
    EXPECT_EQ(placer.PlaceBlank(6).left, 785);
    placer.StartLine();
    // A piece wider than 769 at the start of a line moves down, leaving a line empty.
    EXPECT_EQ(placer.PlaceWord(770).top, 100);

    WordPlacer retyped({26, 785});
    retyped.StartLine();
    retyped.StartLine();
    EXPECT_EQ(retyped.PlaceWord(10).top, 36);
}

TEST(WordLayout, ReflowFollowsChangedWidthsAndKeepsLineStarts) {
    // Two text lines: "a b c" then "d"; widths 100 each.
    std::vector<ReflowLabel> labels = {
        {16, 10, 100, true}, {116, 10, 100, false}, {216, 10, 100, false}, {16, 40, 100, true}};
    labels[1].width = 400;   // a longer answer pushes the next word right
    ReflowPlaces(labels, {30, 785});
    EXPECT_EQ(labels[2].left, 516);
    EXPECT_EQ(labels[2].top, 10);
    labels[1].width = 600;   // ... and then onto a new line
    ReflowPlaces(labels, {30, 785});
    EXPECT_EQ(labels[2].left, 16);
    EXPECT_EQ(labels[2].top, 40);
    // The next line of the text always starts a line, below the label before it.
    EXPECT_EQ(labels[3].left, 16);
    EXPECT_EQ(labels[3].top, 70);
    labels[1].width = 20;    // a shorter one brings them back
    ReflowPlaces(labels, {26, 785});
    EXPECT_EQ(labels[2].left, 136);
    EXPECT_EQ(labels[2].top, 10);
    EXPECT_EQ(labels[3].top, 36);
}

TEST(AnswerEntry, TheExpectedAnswerChoosesTheRowsAndTheOneKeyEntry) {
    const struct {
        const char* expected;
        EntryLayout layout;
    } layouts[] = {{"0", EntryLayout::TextAndKeypad}, {"7", EntryLayout::KeypadOnly},
                   {"1", EntryLayout::KeypadOnly},    {"12", EntryLayout::TextOnly},
                   {"", EntryLayout::TextOnly},       {"a", EntryLayout::TextOnly},
                   {"-", EntryLayout::TextOnly},      {"00", EntryLayout::TextOnly}};
    for (const auto& l : layouts) EXPECT_EQ(EntryLayoutFor(l.expected), l.layout) << l.expected;

    EXPECT_TRUE(EndsEntryAtOnce("7", "3"));
    EXPECT_TRUE(EndsEntryAtOnce("7", "0"));
    EXPECT_FALSE(EndsEntryAtOnce("7", "+"));
    EXPECT_FALSE(EndsEntryAtOnce("7", ""));
    EXPECT_FALSE(EndsEntryAtOnce("0", "3"));
    EXPECT_FALSE(EndsEntryAtOnce("12", "1"));

    const struct {
        const char* hint;
        bool found;
        const char* answer;
    } hints[] = {{"#solution= 12 #0", true, "12"}, {"#solution=#1", true, ""}, {"#solution=7#1", true, "7"},
                 {"0#1", false, "avant"},          {"#solution=sans fin", false, "avant"}};
    for (const auto& h : hints) {
        AnsiString answer = "avant";
        EXPECT_EQ(ExpectedAnswerOfHint(h.hint, answer), h.found) << h.hint;
        EXPECT_EQ(answer, h.answer) << h.hint;
    }
}
