// Rules of the pages that need no screen: blanks of typed answers (the numbers game
// uses them too), gap counts, the cut of a text into word pieces, the watch's hands (the
// pages and the clock using them are tested through the player).
#include <random>
#include <string_view>
#include <tuple>

#include <gtest/gtest.h>

#include "player/AnswerText.h"
#include "player/Watch.h"
#include "player/WordLayout.h"

TEST(RemoveSpaces, DropsEveryBlankAndTheControlCharactersBesideIt) {
    const struct { const char* in; const char* out; } cases[] = {
        {"", ""},        {"   ", ""},   {" 1 2 ", "12"}, {"3 +  4 * ( 2 - 1 )", "3+4*(2-1)"},
        {"a\t b", "ab"},                // the tab beside a blank goes with it
        {"a\tb", "a\tb"},               // a tab with no blank beside it stays
        {"\t12 cm\r\n", "12cm"},
    };
    for (const auto& c : cases) EXPECT_EQ(RemoveSpaces(c.in), c.out) << '"' << c.in << '"';
}

TEST(CountOccurrences, GapsSideBySideAndOverlaps) {
    const struct { const char* pattern; const char* text; int count; } counts[] = {
        {"{...}", "a {...} b {...}{...}", 3}, {"aa", "aaa", 2}, {"{...}", "{..}", 0}, {"", "abc", 0}, {"x", "", 0}};
    for (const auto& c : counts) EXPECT_EQ(CountOccurrences(c.pattern, c.text), c.count) << c.pattern << " in " << c.text;
}

namespace {

// The cut told piece by piece: the first blank, the first gap, or the first "{" and the
// first "}" of what is left of the line.
std::vector<WordPiece> CutByTheRules(const AnsiString& text, WordMarkup markup) {
    constexpr size_t none = std::string_view::npos;
    std::vector<WordPiece> pieces;
    for (const AnsiString& line : SplitLines(text)) {
        const AnsiString ended = line + " ";
        std::string_view rest = ended;
        for (bool first = true; !rest.empty(); first = false) {
            const size_t blank = rest.find(' ');
            size_t mark = none, length = 5;
            if (markup == WordMarkup::Gaps) {
                mark = rest.find("{...}");
            } else if (rest.find('{') < rest.find('}') && rest.find('}') != none) {
                mark = rest.find('{');
                length = rest.find('}') - mark + 1;
            }
            WordPiece piece{AnsiString(rest.substr(0, blank + 1)), first, true};
            if (mark < blank) piece = {AnsiString(rest.substr(0, mark == 0 ? length : mark)), first, false};
            rest.remove_prefix(piece.text.size());
            pieces.push_back(piece);
        }
    }
    return pieces;
}

std::vector<std::string> Shown(const std::vector<WordPiece>& pieces) {
    std::vector<std::string> out;
    for (const WordPiece& p : pieces) out.push_back(p.text + "|" + (p.lineStart ? "1" : "0") + (p.blankFollows ? "b" : ""));
    return out;
}

// Pieces of text drawn at random, line breaks only when `lines`.
AnsiString RandomText(size_t bytes, bool lines, unsigned seed) {
    const char* const bits[] = {"mot", " ", "  ", "{...}", "{", "}", "{a b}", "}{", "(", "),", "{....}", "x{...}y",
                                "{{b}}", "l'", "\r\n", "\n", "\r", "\n\n"};
    std::mt19937 draw(seed);
    std::uniform_int_distribution<size_t> pick(0, std::size(bits) - (lines ? 1 : 5));
    AnsiString text;
    while (text.size() < bytes) text += bits[pick(draw)];
    return text;
}

}  // namespace

TEST(CutTextIntoPieces, ShortAndLongTextsCutAsTheRulesSay) {
    std::vector<AnsiString> texts = {"", " ", "un deux", "  Il {va}   ", "({...}), fin", "{...} a\r\n\r\nb",
                                     "a}{b c} {ouvert", "{trois cent} ans", "l'{arbre} vert\rc\n\nd", "{...}{...}",
                                     "{a}{b}", "}{a}", "a{", "{", "}", "x {...", "{ {...} }"};
    for (unsigned seed = 1; seed <= 40; ++seed) texts.push_back(RandomText(200, true, seed));
    // One line of a few hundred kilobytes, alone and among others.
    const AnsiString longLine = RandomText(300'000, false, 7);
    texts.push_back(longLine);
    texts.push_back("avant\r\n" + longLine + "\r\n\r\n" + longLine + "\napres");
    for (const AnsiString& text : texts)
        for (WordMarkup markup : {WordMarkup::Gaps, WordMarkup::MarkedWords})
            ASSERT_EQ(Shown(CutTextIntoPieces(text, markup)), Shown(CutByTheRules(text, markup)))
                << (text.size() < 300 ? text : "a long text") << (markup == WordMarkup::Gaps ? " (gaps)" : " (marks)");
    // Marks are cut out of the long line, pieces end at its blanks, none is lost.
    const std::vector<WordPiece> pieces = CutTextIntoPieces(longLine, WordMarkup::MarkedWords);
    AnsiString joined;
    for (const WordPiece& p : pieces) joined += p.text;
    EXPECT_EQ(joined, longLine + " ");
    EXPECT_GT(pieces.size(), 40'000u);
    // Handed out one by one, they stop when asked to.
    std::vector<WordPiece> taken;
    CutTextIntoPieces(longLine, WordMarkup::MarkedWords, [&](const WordPiece& p) {
        taken.push_back(p);
        return taken.size() < 3;
    });
    EXPECT_EQ(Shown(taken), Shown({pieces.begin(), pieces.begin() + 3}));
}

TEST(WatchHands, AnglesAndEndPoints) {
    // {hours, minutes, seconds}, then {angle, x, y} of the hour, minute and second hands.
    using End3 = std::tuple<int, int, int>;
    const std::tuple<int, int, int, End3, End3, End3> cases[] = {
        {14, 45, 30, {75, 69, 44}, {270, 20, 50}, {180, 50, 84}},
        // 90 degrees with pi taken as 3.141516 falls just short of a right angle, and
        // both coordinates are cut toward zero.
        {9, 5, 15, {270, 30, 50}, {30, 64, 24}, {90, 84, 49}},
        {0, 0, 0, {0, 50, 30}, {0, 50, 20}, {0, 50, 15}},
        // Past half past, the hour hand jumps on by half an hour; noon counts as 0.
        {14, 30, 0, {60, 67, 39}, {180, 50, 79}, {0, 50, 15}},
        {14, 31, 0, {75, 69, 44}, {186, 46, 79}, {0, 50, 15}},
        {12, 0, 0, {0, 50, 30}, {0, 50, 20}, {0, 50, 15}},
        {23, 59, 59, {345, 44, 30}, {354, 46, 20}, {354, 46, 15}},
    };
    const auto end = [](const WatchHand& h) { return End3{h.angle, h.x, h.y}; };
    for (const auto& [h, m, s, hour, minute, second] : cases) {
        const WatchHands hands = HandsAt(h, m, s);
        EXPECT_EQ(std::make_tuple(end(hands.hour), end(hands.minute), end(hands.second)),
                  std::make_tuple(hour, minute, second)) << h << ":" << m << ":" << s;
    }
}
