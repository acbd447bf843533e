#pragma once
// Typed answers without any screen: the helpers that make a learner's text comparable
// with the expected one (the short-answer page and the numbers game use them).
#include "platform/Text.h"

// The text without any blank; control characters beside a removed blank go with it.
AnsiString RemoveSpaces(const AnsiString& s);
// The text upper-cased (Windows-1252 table), without blanks, cut after its first
// number: "12 cm" gives "12", "x = 4" gives "X=4", "3,5 kg" gives "3,5" (a comma
// continues a number, a point ends it); a text without digit comes back whole.
AnsiString NumericPrefix(const AnsiString& s);
// 2 when the two texts are equal once blanks are removed and case ignored, 1 when
// their numeric prefixes are equal, 0 otherwise; the order of the two does not matter.
int CompareAnswerQO(const AnsiString& typed, const AnsiString& expected);
