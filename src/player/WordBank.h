#pragma once
// The gap text completed from a word bank, without the exercise screen: which records
// can be shown, which bank words may be used more than once, what a gap's Hint holds
// ("#solution=" + the right word's number, after "#selection=" + the chosen word's
// number once the gap is filled), and the label a bank word is shown in.
#include <vector>

#include "platform/Graphics.h"
#include "platform/Text.h"

class TControl;
class TLabel;

inline constexpr int kBankSlots = 8;
inline constexpr TColor kBankWordColour = 0xFF0000;   // blue

// The label of a bank word: "Arial Narrow" 19 pixels bold, 156 by 23, the word centred
// both ways; a word wider than the label is cut at both ends. Without a parent it
// measures words as the bank would show them (a QApplication is needed, no screen).
TLabel* NewBankWordLabel(TControl* parent, const AnsiString& name, int left, int top);

// The numbers given to the gaps (the eight number fields, trimmed) that name a word:
// those whose leading integer is not 0.
int CountGivenNumbers(const std::vector<AnsiString>& numbers);
// A bank word may be used again and again when its number (1..8) is given to two gaps
// or more; otherwise it serves once at a time.
bool ReusableBankWord(int slot, const std::vector<AnsiString>& numbers);
// A text is shown only when its gaps, the numbers given and the bank words agree.
bool BankRecordShown(int gaps, int givenNumbers, int bankWords);
// The right number of gap k (from 1): entry k of the numbers, or k + 8 (a number that
// names no word) when that entry is missing or empty.
AnsiString RightNumberOfGap(int k, const std::vector<AnsiString>& numbers);

// The Hint body of an empty gap.
AnsiString EmptyGapBody(const AnsiString& rightNumber);
// The Hint of a gap that takes bank word `slot`: any word chosen before is dropped.
AnsiString FilledGapHint(const AnsiString& hint, int slot);
// The Hint of a gap emptied again.
AnsiString EmptiedGapHint(const AnsiString& hint);
// Whether the gap holds bank word `slot`.
bool HoldsBankWord(const AnsiString& hint, int slot);

// What a gap's Hint says: the number of the word chosen (empty while the gap is
// empty) and the number of the right word.
struct GapState {
    AnsiString chosen, right;
    bool Right() const { return !chosen.empty() && chosen == right; }
};
GapState ReadGapHint(const AnsiString& hint);
// The bank slot 1..8 that a number names, 0 for none.
int BankSlotOf(const AnsiString& number);
