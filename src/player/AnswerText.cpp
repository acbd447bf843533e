#include "player/AnswerText.h"

AnsiString RemoveSpaces(const AnsiString& s) {
    AnsiString t = Trim(s);
    // Each blank goes, with whatever below code 33 stands on either side of it.
    for (int p = Pos(" ", t); p > 0; p = Pos(" ", t))
        t = Trim(SubString(t, 1, p - 1)) + Trim(SubStringFrom(t, p + 1));
    return t;
}
