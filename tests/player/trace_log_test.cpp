// The trace of results on a real trace database: records that cannot be written wait,
// in order, and are written with the next record once the trace can be written.
#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "DataFolder.h"
#include "LockedDatabase.h"
#include "player/TraceLog.h"

namespace {

TraceRecord Result(const char* code, int mark) {
    TraceRecord r;
    r.ExoCode = code;
    r.ExoStart = "14/03/2024 09:30:00";
    r.ExoEnd = "14/03/2024 09:31:00";
    r.ExoNote = mark;
    r.ExoType = "QB";
    r.ExoChap = "Les fractions";
    r.ExoChapcode = "N2";
    return r;
}

}  // namespace

TEST(TraceLog, ResultsWaitWhileTheTraceCannotBeWrittenAndKeepTheirOrder) {
    // What keeps the trace from being written, and how it ends.
    struct Block {
        const char* what;
        std::function<std::function<void()>(TempDataFolder&)> start;   // returns the release
    };
    const auto lock = [](const char* mode) {
        return [mode](TempDataFolder& d) -> std::function<void()> {
            auto held = std::make_shared<LockedDatabase>(d.TraceDb(), mode);
            EXPECT_TRUE(held->Held());
            return [held] { held->Release(); };
        };
    };
    const Block blocks[] = {
        {"locked for writing", lock("IMMEDIATE")},
        {"locked for reading too", lock("EXCLUSIVE")},
        {"table missing", [](TempDataFolder& d) -> std::function<void()> {
             ExecSql(d.TraceDb(), "ALTER TABLE TraceExo RENAME TO Aside");
             return [&d] { ExecSql(d.TraceDb(), "ALTER TABLE Aside RENAME TO TraceExo"); };
         }},
        {"file missing", [](TempDataFolder& d) -> std::function<void()> {
             std::filesystem::rename(d.TraceDb(), d.Path("aside.mdb"));
             return [&d] { std::filesystem::rename(d.Path("aside.mdb"), d.TraceDb()); };
         }},
    };
    for (const Block& block : blocks) {
        SCOPED_TRACE(block.what);
        TempDataFolder data;
        TADOConnection connection;
        connection.SetConnectionString("Data Source=" + data.TraceDb());
        TADOTable table;
        table.SetConnection(&connection);
        table.SetTableName("TraceExo");
        TraceLog trace(table);

        // Written at once, the connection opened for it and closed again.
        EXPECT_TRUE(trace.Write(Result("1", 10)));
        EXPECT_FALSE(connection.Connected());
        connection.Open();
        const std::function<void()> release = block.start(data);
        EXPECT_FALSE(trace.Write(Result("2", 5)));
        EXPECT_FALSE(trace.Write(Result("3", 0)));
        EXPECT_FALSE(trace.Flush());
        EXPECT_EQ(trace.Waiting(), 2);
        EXPECT_EQ(connection.BusyTimeout(), 5000);   // the short wait is the write's own
        release();

        EXPECT_TRUE(trace.Write(Result("4", 7)));
        EXPECT_EQ(trace.Waiting(), 0);
        EXPECT_TRUE(connection.Connected());
        std::vector<std::string> written;
        for (const DbRow& r : ReadRows(data.TraceDb(), "SELECT * FROM TraceExo ORDER BY rowid"))
            written.push_back(r.at("ExoCode") + ":" + r.at("ExoNote") + ":" + r.at("ExoChapcode"));
        EXPECT_EQ(written, (std::vector<std::string>{"1:10:N2", "2:5:N2", "3:0:N2", "4:7:N2"}));
    }
}
