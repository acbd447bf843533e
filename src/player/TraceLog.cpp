// Appending results to the trace, keeping those that must wait.
#include "player/TraceLog.h"

namespace {

// The eight fields, in the order the trace has always been written.
void SetFields(TADOTable& t, const TraceRecord& r) {
    t.FieldByName("ExoCode").SetValue(r.ExoCode);
    t.FieldByName("ExoStart").SetValue(r.ExoStart);
    t.FieldByName("ExoEnd").SetValue(r.ExoEnd);
    t.FieldByName("ExoNote").SetValue(r.ExoNote);
    t.FieldByName("ExoUseverif").SetValue(r.ExoUseverif);
    t.FieldByName("ExoType").SetValue(r.ExoType);
    t.FieldByName("ExoChap").SetValue(r.ExoChap);
    t.FieldByName("ExoChapcode").SetValue(r.ExoChapcode);
}

}  // namespace

bool TraceLog::Write(const TraceRecord& record) {
    waiting_.push_back(record);
    return Flush();
}

bool TraceLog::Flush() {
    if (waiting_.empty()) return true;
    TADOConnection* connection = table_.Connection();
    if (!connection) return false;
    const bool wasConnected = connection->Connected();
    const TLockWait wait(connection, kLockWaitMs);
    Guarded([&] {
        if (!wasConnected) connection->Open();
        table_.Open();
        while (!waiting_.empty()) {
            table_.Append();
            SetFields(table_, waiting_.front());
            table_.Post();
            // Only once it is stored: a record refused stays first in line.
            waiting_.pop_front();
        }
    });
    Guarded([&] { table_.Cancel(); });
    Guarded([&] { table_.Close(); });
    if (!wasConnected) Guarded([&] { connection->Close(); });
    return waiting_.empty();
}
