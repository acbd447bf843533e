#pragma once
// How far down an exercise page its parts go: the statement label at the top, which
// wraps at its width and grows with its text, then on a text page the text panel (on
// the gap text with a word bank, the bank first). The player places them so, and the
// database builder measures statements with the same label to refuse a text pushed off
// its page.
#include "platform/Graphics.h"
#include "platform/Text.h"
#include "player/WordLayout.h"

class TControl;
class TLabel;

inline constexpr TColor kStatementColour = 0x393024;
inline constexpr int kStatementTop = 32;
// The statement of a text page is as wide as its panel's lines.
inline constexpr int kTextStatementWidth = 785;
// The statement label of every exercise page: "Arial Narrow" 32 pixels, wrapped at
// `width`, its height following its text. Without a parent it measures statements as a
// page would show them (a QApplication is needed, no screen).
TLabel* NewStatementLabel(TControl* parent, const AnsiString& name, int width);

// The word bank of the gap text with a word bank, just under the statement.
inline constexpr int kWordBankHeight = 81;
int WordBankTop(int statementBottom);
// The text panel: just under the statement, or under the word bank on its page.
int TextPanelTop(const TextPageLayout& page, int statementBottom);

// The exercise pages, with their row of tabs; a page is what lies under the tabs.
inline constexpr int kExercisePagesHeight = 641;
int ExercisePageHeight();

// The verdict banner of a text page and the note of a corrected text (what its colours
// mean), at kColourNoteTop or lower but at the lowest just above the banner: a word
// reaching lower would be covered once the text is corrected.
inline constexpr int kTextVerdictTop = 556;
inline constexpr int kColourNoteTop = 508;
inline constexpr int kColourNoteHeight = 44;
inline constexpr int kLowestWordBottom = kTextVerdictTop - kColourNoteHeight;
