// The numbers board's rules without the board.
#include "games/CompteRules.h"

#include <algorithm>
#include <climits>

#include "games/ExpressionEvaluator.h"
#include "platform/DateTime.h"
#include "player/AnswerText.h"

DrawBounds ReadBounds(const AnsiString& minText, const AnsiString& maxText) {
    DrawBounds b{LeadingInt(Trim(minText)), LeadingInt(Trim(maxText))};
    if (b.lower > b.upper) std::swap(b.lower, b.upper);
    return b;
}

std::vector<int> DrawNumbers(const DrawBounds& bounds) {
    // Far-apart bounds would overflow the span: the numbers then stay within the
    // widest span the draw can give, still between the bounds.
    const long long span = std::min<long long>(static_cast<long long>(bounds.upper) - bounds.lower, INT_MAX);
    const int n = Random(3) + 3;
    std::vector<int> numbers;
    for (int k = 0; k < n; ++k) numbers.push_back(bounds.lower + Random(static_cast<int>(span)));
    if (n < 5) numbers.push_back(2 + Random(6));
    return numbers;
}

bool AcceptBound(const AnsiString& answer, AnsiString& accepted) {
    const AnsiString trimmed = Trim(answer);
    if (IntToStr(LeadingInt(trimmed)) != trimmed) return false;
    accepted = trimmed;
    return true;
}

CompositionCheck CheckComposition(const std::vector<AnsiString>& slotTokens, const AnsiString& target) {
    AnsiString composed;
    for (const AnsiString& token : slotTokens) composed += Trim(token);
    if (Trim(composed).empty()) return {};
    int value;
    if (!EvaluateExpression(RemoveSpaces(composed), value))
        return {CompositionVerdict::Incorrect, "Expression incorrecte!"};
    if (IntToStr(value) == Trim(target)) return {CompositionVerdict::Found, "Le compte est bon, bravo!"};
    return {CompositionVerdict::OtherValue, "Tu as " + IntToStr(value) + " au lieu de " + Trim(target)};
}
