// The counter, the jump list and the kind numbering of the exercise walk.
#include "player/Sequence.h"

ExoCounter ReadCounter(const AnsiString& caption) {
    ExoCounter c;
    const int slash = Pos("/", caption);
    if (slash == 0) return c;
    c.ok = true;
    c.k = LeadingInt(Trim(SubString(caption, 1, slash - 1)));
    c.n = LeadingInt(Trim(SubStringFrom(caption, slash + 1)));
    return c;
}

AnsiString CounterText(int k, int n) {
    return IntToStr(k) + "/" + IntToStr(n);
}

AnsiString CounterAfterMove(const AnsiString& caption, int direction) {
    const ExoCounter c = ReadCounter(caption);
    if (!c.ok) return caption;
    if (direction == NavForward && c.k < c.n) return CounterText(c.k + 1, c.n);
    if (direction == NavBackward && c.k > 1) return CounterText(c.k - 1, c.n);
    return caption;
}

bool RecordAvailable(int recordCount, bool bof, bool eof, int direction) {
    if (recordCount < 1) return false;
    return direction == NavBackward ? !bof : !eof;
}

std::vector<AnsiString> JumpListEntries(int n) {
    std::vector<AnsiString> entries;
    if (n > 100)
        entries.push_back("  1");
    else if (n > 10)
        entries.push_back(" 1");
    else
        entries.push_back("1");
    const AnsiString lead = n > 100 ? " " : "";
    for (int v = 10; v < n; v += 10) entries.push_back(lead + IntToStr(v));
    return entries;
}

int PageNumberOfType(int typeExo) {
    return (typeExo == 2 || typeExo == 3) ? 5 - typeExo : typeExo;
}

int TypeOfPageNumber(int pageNumber) {
    return PageNumberOfType(pageNumber);
}
