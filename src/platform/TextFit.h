#pragma once
// Fitting a text to a width, as a label too narrow for its text shows it.
#include <functional>

#include "Text.h"

// The text itself when it fits `width`; otherwise its longest beginning that fits with
// "…" after it (the blanks before the "…" dropped), or "" when not even "…" fits.
// `widthOf` measures a text as it is drawn (widths grow with the text).
AnsiString FitText(const AnsiString& text, int width,
                   const std::function<int(const AnsiString&)>& widthOf);
