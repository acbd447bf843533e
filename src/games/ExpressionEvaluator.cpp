// The numbers game's arithmetic: groups reduced innermost first, each to its value
// written back as text, then a flat pass of divisions, multiplications and the rest.
#include "games/ExpressionEvaluator.h"

#include <climits>
#include <vector>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Blanks and control characters trim to nothing.
bool TrimsAway(char c) { return static_cast<unsigned char>(c) < 33; }
bool InRange(long long v) { return v >= INT_MIN && v <= INT_MAX; }

// A token of the flat pass: a number, or one character worth 0.
struct Token {
    long long value = 0;
    char sign = 0;          // 0 for a number
    bool Is(char c) const { return sign == c; }
};

// Splits a flat text into tokens; false when a run of digits leaves the 32-bit range.
bool Tokenise(const AnsiString& text, std::vector<Token>& tokens) {
    long long pending = 0;
    bool inNumber = false;
    for (char c : text) {
        if (IsDigit(c)) {
            pending = pending * 10 + (c - '0');
            if (pending > INT_MAX) return false;
            inNumber = true;
            continue;
        }
        if (inNumber) tokens.push_back({pending, 0});
        pending = 0;
        inNumber = false;
        if (!TrimsAway(c)) tokens.push_back({0, c});
    }
    if (inNumber) tokens.push_back({pending, 0});
    return true;
}

// One operation; false when an operand is refused or the result leaves the range.
bool Apply(const Token& left, char op, const Token& right, long long& result) {
    if (left.value < 1 || right.value == 0) return false;
    switch (op) {
    case '+': result = left.value + right.value; break;
    case '-': result = left.value - right.value; break;
    case '*': result = left.value * right.value; break;
    case '/': result = left.value / right.value; break;
    default: return false;
    }
    return InRange(result);
}

// Replaces every "left op right" by its result, leftmost first; an operator standing
// first or last ends the pass without failing.
bool ReducePass(std::vector<Token>& tokens, char op) {
    for (;;) {
        size_t k = 0;
        while (k < tokens.size() && !tokens[k].Is(op)) ++k;
        if (k == 0 || k + 1 >= tokens.size()) return true;
        long long result;
        if (!Apply(tokens[k - 1], op, tokens[k + 1], result)) return false;
        tokens[k - 1] = {result, 0};
        tokens.erase(tokens.begin() + k, tokens.begin() + k + 2);
    }
}

}  // namespace

bool EvaluateFlatExpression(const AnsiString& text, int& value) {
    std::vector<Token> tokens;
    tokens.reserve(text.size());
    if (!Tokenise(text, tokens)) return false;
    if (!ReducePass(tokens, '/') || !ReducePass(tokens, '*')) return false;
    // What remains runs left to right; the operator is checked after its operands.
    size_t first = 0;
    while (tokens.size() - first >= 3) {
        const Token& left = tokens[first];
        const Token& op = tokens[first + 1];
        const Token& right = tokens[first + 2];
        long long result;
        if (left.value < 1 || right.value == 0) return false;
        if (op.sign != '+' && op.sign != '-' && op.sign != '*' && op.sign != '/') return false;
        if (!Apply(left, op.sign, right, result)) return false;
        first += 2;
        tokens[first] = {result, 0};
    }
    if (tokens.size() - first != 1) return false;
    value = static_cast<int>(tokens[first].value);
    return true;
}

bool EvaluateExpression(const AnsiString& text, int& value) {
    std::vector<AnsiString> stack;
    stack.reserve(text.size());
    AnsiString pending;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            pending += c;
            if (i + 1 == text.size()) stack.push_back(pending);
            continue;
        }
        if (!pending.empty()) stack.push_back(pending);
        pending.clear();
        if (c != ')') {
            stack.push_back(AnsiString(1, c));
            continue;
        }
        // The group's tokens, back to its "(", become one text worth one number.
        AnsiString group;
        for (;;) {
            if (stack.empty()) return false;
            AnsiString token = std::move(stack.back());
            stack.pop_back();
            if (token == "(") break;
            group.insert(0, Trim(token));
        }
        int groupValue;
        if (!EvaluateFlatExpression(group, groupValue)) return false;
        stack.push_back(IntToStr(groupValue));
    }
    AnsiString whole;
    for (const AnsiString& token : stack) whole += Trim(token);
    return EvaluateFlatExpression(Trim(whole), value);
}
