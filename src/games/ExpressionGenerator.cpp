// The numbers game's target expression: random orders of the drawn numbers, each
// appended with the operator its neighbours call for, until one trial gives a valid,
// non-negative value.
#include "games/ExpressionGenerator.h"

#include "games/ExpressionEvaluator.h"
#include "platform/DateTime.h"

namespace {

constexpr int kTrialLimit = 1000;   // the counter rises by 2 per trial: 500 trials

bool Holds(const AnsiString& text, const char* what) { return Pos(what, text) > 0; }

// A sum or difference with no product or quotient yet, the only text put in parentheses.
bool PureSum(const AnsiString& text) {
    return (Holds(text, "+") || Holds(text, "-")) && !Holds(text, "*") && !Holds(text, "/");
}

}  // namespace

AnsiString GenerateExpression(const std::vector<int>& numbers, bool parentheses) {
    std::vector<AnsiString> remaining, taken;
    for (int n : numbers) remaining.push_back(IntToStr(n));
    AnsiString expression;
    int counter = 0;
    int value;
    do {
        bool multiplicative = false;
        while (!remaining.empty()) {
            const int i = Random(static_cast<int>(remaining.size()));
            const AnsiString text = remaining[i];
            const long long c = LeadingInt(text);
            if (taken.empty()) {
                expression = text;
            } else if (EvaluateExpression(expression, value)) {
                const long long p = LeadingInt(taken.back());
                // "p is a multiple of 0" cannot be asked: the generation ends here.
                if (c == 0) return expression;
                if (p % c == 0 && !multiplicative) {
                    if (parentheses && PureSum(expression) && value % c == 0)
                        expression = "(" + expression + ")/" + text;
                    else
                        expression += "/" + text;
                    multiplicative = true;
                } else if (c >= 9 || multiplicative) {
                    expression += (c >= value ? " + " : " - ") + text;
                    multiplicative = false;
                } else {
                    if (parentheses && PureSum(expression))
                        expression = "(" + expression + ")*" + text;
                    else
                        expression += "*" + text;
                    multiplicative = true;
                }
            }
            // An invalid text so far passes the number over; it still counts as taken.
            taken.push_back(text);
            remaining.erase(remaining.begin() + i);
        }
        remaining.swap(taken);
        taken.clear();
        ++counter;
        if (EvaluateExpression(expression, value) && value >= 0) counter = kTrialLimit + 1;
        ++counter;
    } while (counter < kTrialLimit);
    return expression;
}
