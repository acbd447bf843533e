#pragma once
// Connection strings: items "key=value" separated by ";". A value that holds ";", a
// quote or blanks at its ends is written between quotes ('"' or "'"), the quote
// doubled inside, so that it reads back whole.
#include "Text.h"

// The value of an item (key compared without regard to case); "" when absent.
AnsiString ConnectionStringItem(const AnsiString& cs, const AnsiString& key);
// A value written between quotes so that it reads back whole, whatever it holds.
AnsiString QuoteConnectionValue(const AnsiString& value);
