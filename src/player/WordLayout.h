#pragma once
// Word layout of the text exercises without the exercise screen: how a text is cut
// into the pieces that become word labels, what a word label's Hint holds, and where
// the labels go on their panel. The four text pages (gaps to type, gaps from a word
// bank, words to pick out, words to retype) share these steps, and the database
// builder lays texts out with them to refuse those the learner could not answer.
#include <functional>
#include <vector>

#include "platform/Text.h"

class TControl;
class TLabel;

// A gap of a text to complete: "{...}".
inline constexpr const char* kGapToken = "{...}";

// Which mark-up cuts a text besides its blanks: gaps "{...}", or marked words
// "{word}" (which may hold blanks).
enum class WordMarkup { Gaps, MarkedWords };

struct WordPiece {
    AnsiString text;             // as cut: a word keeps the blank it ended at
    bool lineStart = false;      // first piece of a line of the text
    bool blankFollows = false;   // cut at a blank: a blank label may follow it
};

// Cuts a text into its pieces, line by line (lines end at CR, LF or CR LF). Each line
// gets one blank added at its end, so its last word keeps a blank too; an empty line
// gives one one-blank piece (an empty text gives none). A gap or a marked word is a piece of its own, never
// followed by a blank label; pieces are never split.
std::vector<WordPiece> CutTextIntoPieces(const AnsiString& text, WordMarkup markup);
// The same pieces handed to `take` in reading order, as they are cut, until it returns
// false.
void CutTextIntoPieces(const AnsiString& text, WordMarkup markup, const std::function<bool(const WordPiece&)>& take);

// A piece that is a gap ("{...}" once trimmed), or a marked word ("{" ... "}").
bool IsGapPiece(const AnsiString& piece);
bool IsMarkedPiece(const AnsiString& piece);
// A marked word as shown: without its two braces.
AnsiString WithoutBraces(const AnsiString& markedPiece);

// Occurrences of pattern in text, searching again from the character after the start
// of each one found (so "aa" occurs twice in "aaa"); 0 for an empty pattern.
int CountOccurrences(const AnsiString& pattern, const AnsiString& text);

// A word label's Hint: the body followed by the line flag ("#1" first piece of a line
// of the text, "#0" otherwise).
AnsiString WordLabelHint(const AnsiString& body, bool lineStart);
// A label starts a line of the text when "#1" comes after the Hint's first character.
bool IsLineStartHint(const AnsiString& hint);
// Whether the Hint carries an answer to check ("#solution").
bool HasSolution(const AnsiString& hint);
// The answer a check compares with: the text between the first "=" of the Hint and
// the next "#", trimmed.
AnsiString SolutionOfHint(const AnsiString& hint);
// Points of a text check: right x 10 / total, rounded down; 0 for a text without any.
int TextPoints(int right, int total);

// Where the labels of a text go: lines start at Left 16 and are lineStep pixels apart
// (the first at Top 10); a label that would end past `limit` wraps to a new line.
struct WordGrid {
    int lineStep = 30;
    int limit = 785;   // the panel's Width - 10
};
inline constexpr int kWordLeft = 16;

// How a text page lays its text out: the size of its text panel (a label beyond it
// is cut away), how far apart its lines are, its mark-up, whether a blank label
// follows each piece cut at a blank, and whether a word bank stands above the panel.
struct TextPageLayout {
    int width = 795, height = 297, lineStep = 30;
    WordMarkup markup = WordMarkup::Gaps;
    bool blankLabels = true;
    bool wordBank = false;
    WordGrid Grid() const { return {lineStep, width - 10}; }
};
inline constexpr TextPageLayout kTextQTRO{795, 297, 30, WordMarkup::Gaps, true};
inline constexpr TextPageLayout kTextQTRC{795, 321, 30, WordMarkup::Gaps, true, true};
inline constexpr TextPageLayout kTextQMR{795, 321, 30, WordMarkup::MarkedWords, true};
// The words to retype: closer lines, no blank labels.
inline constexpr TextPageLayout kTextQMT{795, 337, 26, WordMarkup::MarkedWords, false};

struct WordPlace {
    int left = 0, top = 0;
};

// The running place while a text is laid out.
class WordPlacer {
public:
    explicit WordPlacer(WordGrid grid) : grid_(grid) {}
    // A line of the text begins.
    void StartLine();
    // A word label of that width: wrapped when it would end past the limit.
    WordPlace PlaceWord(int width);
    // A blank label after a word: beside it, never wrapped.
    WordPlace PlaceBlank(int width);

private:
    WordGrid grid_;
    int line_ = -1;
    int left_ = kWordLeft;
};

// The font of the words: "Arial Narrow" size 18.
inline constexpr const char* kWordFontName = "Arial Narrow";
inline constexpr int kWordFontPx = 24;
// A word label as every text page makes it: in the words' font, fitted to its caption,
// transparent. Without a parent it measures captions as the page would show them (a
// QApplication is needed, no screen).
TLabel* NewWordLabel(TControl* parent);

// Lays a text out as the text pages do, label by label in reading order: each piece
// gets a word label on the running line (wrapped at the limit), then, when the page
// makes them and the piece was cut at a blank, a blank label beside it. `make` makes
// the label of a piece (a blank label when the piece is null) and gives its width;
// `place` puts the label just made and says whether to go on (false ends the layout).
void LayOutText(const AnsiString& text, const TextPageLayout& page,
                const std::function<int(const WordPiece* piece)>& make,
                const std::function<bool(WordPlace at)>& place);

// One label as the reflow sees it, in reading order.
struct ReflowLabel {
    int left = 0, top = 0, width = 0;
    bool lineStart = false;
};
// Places the labels again after captions changed: the first stays; a line start goes
// one line below the label before it, keeping its Left; any other label follows the
// one before it and wraps at the limit.
void ReflowPlaces(std::vector<ReflowLabel>& labels, WordGrid grid);
