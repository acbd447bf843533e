#pragma once
// The trace of results: one record per corrected exercise or finished game, appended
// to TraceExo. A record that cannot be written now (the database locked by another
// program, missing or unreadable) is kept and written before the next one, so that no
// result is lost while the program runs.
#include <deque>

#include "platform/Ado.h"

struct TraceRecord {
    AnsiString ExoCode, ExoStart, ExoEnd;
    Variant ExoNote;                // the mark; a game writes its own value
    int ExoUseverif = 0;
    AnsiString ExoType, ExoChap, ExoChapcode;
};

class TraceLog {
public:
    // Writes through this table (TraceExo) and its connection, opened when needed.
    explicit TraceLog(TADOTable& table) : table_(table) {}
    // Queues the record after those still waiting and writes them all, oldest first.
    // Returns true when nothing is left waiting.
    bool Write(const TraceRecord& record);
    // Writes the records still waiting; true when none is left.
    bool Flush();
    int Waiting() const { return static_cast<int>(waiting_.size()); }
    // Gives up the records still waiting (the program ends).
    void Abandon() { waiting_.clear(); }

    // How long a write waits for another program's lock: long enough for another copy
    // of the program to finish its own write, short enough not to freeze the screen.
    static constexpr int kLockWaitMs = 250;

private:
    TADOTable& table_;
    std::deque<TraceRecord> waiting_;
};
