// The rules of the word bank and the Hints of its gaps.
#include "player/WordBank.h"

#include "player/WordLayout.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kSelection = "#selection=";
const char* const kSolution = "#solution=";

// The Hint from "#solution=" to its end (the whole Hint when it has none).
AnsiString SolutionPart(const AnsiString& hint) {
    const int at = Pos(kSolution, hint);
    return at > 0 ? SubStringFrom(hint, at) : hint;
}

}  // namespace

int CountGivenNumbers(const std::vector<AnsiString>& numbers) {
    int given = 0;
    for (const AnsiString& n : numbers)
        if (!n.empty() && LeadingInt(n) != 0) ++given;
    return given;
}

bool ReusableBankWord(int slot, const std::vector<AnsiString>& numbers) {
    AnsiString lines;
    for (const AnsiString& n : numbers) lines += n + "\r\n";
    return CountOccurrences(IntToStr(slot), lines) >= 2;
}

bool BankRecordShown(int gaps, int givenNumbers, int bankWords) {
    return gaps == givenNumbers && gaps == bankWords;
}

AnsiString RightNumberOfGap(int k, const std::vector<AnsiString>& numbers) {
    const bool given = k >= 1 && k <= static_cast<int>(numbers.size()) && !numbers[k - 1].empty();
    return given ? numbers[k - 1] : IntToStr(k + 8);
}

AnsiString EmptyGapBody(const AnsiString& rightNumber) {
    return kSolution + rightNumber;
}

AnsiString FilledGapHint(const AnsiString& hint, int slot) {
    return kSelection + IntToStr(slot) + SolutionPart(hint);
}

AnsiString EmptiedGapHint(const AnsiString& hint) {
    return SolutionPart(hint);
}

bool HoldsBankWord(const AnsiString& hint, int slot) {
    const AnsiString key = kSelection + IntToStr(slot) + "#";
    return hint.compare(0, key.size(), key) == 0;
}

GapState ReadGapHint(const AnsiString& hint) {
    // The text after the first "=" up to the next "#", then the same after the next "=".
    const AnsiString first = SolutionOfHint(hint);
    const int equals = Pos("=", hint);
    const AnsiString rest = equals > 0 ? SubStringFrom(hint, equals + 1) : AnsiString();
    const AnsiString second = Pos("=", rest) > 0 ? SolutionOfHint(rest) : AnsiString();
    if (second.empty()) return {"", first};
    return {first, second};
}

int BankSlotOf(const AnsiString& number) {
    return number.size() == 1 && number[0] >= '1' && number[0] <= '8' ? number[0] - '0' : 0;
}

TLabel* NewBankWordLabel(TControl* parent, const AnsiString& name, int left, int top) {
    TLabel* word = FixedLabel(TextLabel(parent, name, 0, 0, "Arial Narrow", 19, fsBold, kBankWordColour, ""), left,
                              top, 156, 23, TAlignment::Center);
    word->SetLayoutCenter(true);
    return word;
}
