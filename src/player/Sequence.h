#pragma once
// The walk through a chapter's exercises without any screen: the counter "k/n" beside
// the clock, the entries of the jump list, and the numbering of exercise kinds.
#include <vector>

#include "platform/Text.h"

// Direction of travel through the chapter list.
enum NavDir { NavForward = 0, NavBackward = 1 };

// The counter read back from its caption: the trimmed texts before and after the
// first "/", each read as a leading integer. ok is false when there is no "/".
struct ExoCounter {
    bool ok = false;
    int k = 0;
    int n = 0;
};
ExoCounter ReadCounter(const AnsiString& caption);
// "k/n".
AnsiString CounterText(int k, int n);
// The caption after a move by one record: forward and k < n gives k+1, backward and
// k > 1 gives k-1; otherwise the caption is kept as it was.
AnsiString CounterAfterMove(const AnsiString& caption, int direction);

// A record can be reached in the direction of travel: the list holds a record and
// the end flag of that direction is not raised.
bool RecordAvailable(int recordCount, bool bof, bool eof, int direction);

// Entries of the jump list for a chapter of n exercises: "1" (" 1" past 10, "  1"
// past 100), then every multiple of ten below n (one blank before it past 100).
std::vector<AnsiString> JumpListEntries(int n);
// More than ten exercises give the learner the jump list.
inline bool JumpListUseful(int n) { return n > 10; }

// The exercise table numbers true-or-false 2 and short answer 3; the pages are the
// other way round. The swap goes both ways.
int PageNumberOfType(int typeExo);
int TypeOfPageNumber(int pageNumber);
