#pragma once
// The input box's rules without any screen: which rows it shows for an expected
// answer, when a key ends the entry by itself, and the answer a word label expects.
#include "platform/Text.h"

// The rows of the box: the text row (edit, EFFACER, ANNULER, VALIDER) and the keypad.
enum class EntryLayout {
    TextAndKeypad,   // the answer "0"
    KeypadOnly,      // a one-digit answer "1" to "9" (ANNULER and VALIDER stay)
    TextOnly         // anything else: numbers of several digits, words, no answer
};
EntryLayout EntryLayoutFor(const AnsiString& expected);

// Whether the key just pressed ends the entry, accepted: for a one-digit answer from
// 1 to 9, any key whose text is found in "0123456789".
bool EndsEntryAtOnce(const AnsiString& expected, const AnsiString& keyText);

// The answer held in a word label's Hint: the trimmed text after "#solution=" up to
// the next "#". False, leaving answer as it was, when the Hint has no "#solution=" or
// no "#" after it.
bool ExpectedAnswerOfHint(const AnsiString& hint, AnsiString& answer);
