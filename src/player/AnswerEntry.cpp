// The input box's rules.
#include "player/AnswerEntry.h"

namespace {

const char* const kDigits = "0123456789";

bool IsOneDigitAnswer(const AnsiString& expected) {
    return expected != "0" && expected.size() == 1 && Pos(expected, kDigits) > 0;
}

}  // namespace

EntryLayout EntryLayoutFor(const AnsiString& expected) {
    if (expected == "0") return EntryLayout::TextAndKeypad;
    if (IsOneDigitAnswer(expected)) return EntryLayout::KeypadOnly;
    return EntryLayout::TextOnly;
}

bool EndsEntryAtOnce(const AnsiString& expected, const AnsiString& keyText) {
    return IsOneDigitAnswer(expected) && !keyText.empty() && Pos(keyText, kDigits) > 0;
}

bool ExpectedAnswerOfHint(const AnsiString& hint, AnsiString& answer) {
    const AnsiString tag = "#solution=";
    const int at = Pos(tag, hint);
    if (at == 0) return false;
    const AnsiString s = Trim(SubStringFrom(hint, at + static_cast<int>(tag.size())));
    const int hash = Pos("#", s);
    if (hash == 0) return false;
    answer = Trim(SubString(s, 1, hash - 1));
    return true;
}
