#pragma once
// The target of a draw in "LE COMPTE EST BON": one random expression over the drawn
// numbers, each used once in a random order, built by simple local rules (divide when
// the number before is a multiple of the new one, add or subtract large numbers,
// multiply small ones). Its value is the target and the expression is the solution.
#include <vector>

#include "platform/Text.h"

// Builds the expression, trying fresh random orders until its value is valid and not
// negative, at most 500 trials; returns the last trial's text even when it failed.
// With `parentheses`, a pure sum or difference so far may be put in parentheses before
// "/" or "*". Draws through the platform's Random.
AnsiString GenerateExpression(const std::vector<int>& numbers, bool parentheses);
