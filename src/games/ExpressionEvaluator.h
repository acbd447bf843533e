#pragma once
// The arithmetic of "LE COMPTE EST BON": one routine decides whether an expression
// text is acceptable and what whole number it is worth. The target of a draw, the
// generator's steps and the learner's answer all pass through it, so its rules are
// the game's rules:
// - every division of a text runs before any multiplication, each leftmost first,
//   then additions and subtractions left to right;
// - an operand below 1 on the left of an operation, or 0 on the right, makes the
//   expression invalid (0 or less is allowed only as the final value);
// - a group's value replaces the group as text, so digits beside a group, or two
//   numbers separated only by blanks, join into one number;
// - a sum, difference, product or run of digits outside the 32-bit range is invalid.
#include "platform/Text.h"

// Evaluates a text with parentheses; false when it is invalid (value then untouched).
bool EvaluateExpression(const AnsiString& text, int& value);
// Evaluates a text without parentheses (a "(" or ")" there is one more token).
bool EvaluateFlatExpression(const AnsiString& text, int& value);
