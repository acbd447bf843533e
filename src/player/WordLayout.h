#pragma once
// Word layout of the text exercises without any screen: how a text is cut into the
// pieces that become word labels, what a word label's Hint holds, and where the
// labels go on their panel. The four text pages (gaps to type, gaps from a word
// bank, words to pick out, words to retype) share these steps.
#include <vector>

#include "platform/Text.h"

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

// One label as the reflow sees it, in reading order.
struct ReflowLabel {
    int left = 0, top = 0, width = 0;
    bool lineStart = false;
};
// Places the labels again after captions changed: the first stays; a line start goes
// one line below the label before it, keeping its Left; any other label follows the
// one before it and wraps at the limit.
void ReflowPlaces(std::vector<ReflowLabel>& labels, WordGrid grid);
