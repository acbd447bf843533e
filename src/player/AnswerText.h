#pragma once
// Typed answers without any screen: the helpers that make a learner's text comparable
// with the expected one (the short-answer page and the numbers game use them).
#include "platform/Text.h"

// The text without any blank; control characters beside a removed blank go with it.
AnsiString RemoveSpaces(const AnsiString& s);
