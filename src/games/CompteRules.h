#pragma once
// The decisions of the numbers board that need no screen: the bounds and numbers of a
// draw, the bounds the learner types, and the verdict on a composed expression.
#include <vector>

#include "platform/Text.h"

struct DrawBounds {
    int lower = 0, upper = 0;
};
// The bounds as the two fields hold them (leading integers, 0 when none), exchanged
// for the draw when the lower one is the greater.
DrawBounds ReadBounds(const AnsiString& minText, const AnsiString& maxText);

// The numbers of one draw, in drawing order: 3, 4 or 5 numbers from the lower bound up
// to the upper bound minus 1 (the lower bound itself when they are equal), then, when
// fewer than 5, one small number from 2 to 7. Draws through the platform's Random.
std::vector<int> DrawNumbers(const DrawBounds& bounds);

// A bound typed by the learner, trimmed: accepted only as a plain decimal integer that
// reads back the same (an optional "-", no "+", no leading zero, within 32 bits).
bool AcceptBound(const AnsiString& answer, AnsiString& accepted);

enum class CompositionVerdict { Nothing, Found, OtherValue, Incorrect };
struct CompositionCheck {
    CompositionVerdict verdict = CompositionVerdict::Nothing;
    AnsiString text;    // what the verdict picture shows
};
// The composition read from the slots' tokens, in order, against the target's text:
// nothing to check when all are empty; else its blanks removed and evaluated.
CompositionCheck CheckComposition(const std::vector<AnsiString>& slotTokens, const AnsiString& target);
