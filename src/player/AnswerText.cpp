#include "player/AnswerText.h"

AnsiString RemoveSpaces(const AnsiString& s) {
    AnsiString t = Trim(s);
    // Each blank goes, with whatever below code 33 stands on either side of it.
    for (int p = Pos(" ", t); p > 0; p = Pos(" ", t))
        t = Trim(SubString(t, 1, p - 1)) + Trim(SubStringFrom(t, p + 1));
    return t;
}

AnsiString NumericPrefix(const AnsiString& s) {
    const AnsiString w = AnsiUpperCase(Trim(s));
    AnsiString result;
    enum { Before, Inside, After } state = Before;
    for (char c : w) {
        const bool inNumber = (c >= '0' && c <= '9') || (c == ',' && state == Inside);
        if (inNumber)
            state = Inside;
        else if (state == Inside)
            state = After;
        if (c != ' ' && state != After) result += c;
        if (state == After) break;
    }
    return result;
}

int CompareAnswerQO(const AnsiString& typed, const AnsiString& expected) {
    const AnsiString a = RemoveSpaces(typed), b = RemoveSpaces(expected);
    if (AnsiUpperCase(Trim(a)) == AnsiUpperCase(Trim(b))) return 2;
    return NumericPrefix(a) == NumericPrefix(b) ? 1 : 0;
}
