#pragma once
// The words to pick out, without any screen: which word labels are words to find,
// which the learner picked, how each is shown by the check, and the points.
#include "platform/Graphics.h"
#include "platform/Text.h"

// A word to find carries the Hint body "0" (the other words carry their running number).
bool IsWordToFind(const AnsiString& hint);
// A picked word is blue, or green or red since a check coloured it.
bool IsPickedColour(TColor colour);
// The colour a click gives a word: a picked word is put down (black), any other picked (blue).
TColor ColourAfterClick(TColor colour);

// How the check shows a word: as it is, green (a word to find that was picked), red
// (picked but not to find), or, when correcting, purple and underlined (a word to
// find that was missed).
enum class PickMark { AsItIs, Found, Wrong, Missed };
PickMark MarkOfWord(bool toFind, bool picked, bool correcting);

struct PickCount {
    int toFind = 0, found = 0, wrong = 0;
    void Add(bool isToFind, bool picked);
};
// Points of the correction: each wrong word takes back a word found; none for a text
// without any word to find.
int PickPoints(const PickCount& count);
