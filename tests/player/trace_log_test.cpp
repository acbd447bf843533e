// The trace of results on a real trace database: records that cannot be written wait,
// in order, and are written with the next record once the trace can be written.
#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "DataFolder.h"
#include "LockedDatabase.h"
#include "player/TraceLog.h"

TEST(TraceLog, ResultsWaitWhileTheTraceCannotBeWrittenAndKeepTheirOrder) {
    // What keeps the trace from being written; each returns how it ends.
    using Block = std::function<std::function<void()>(TempDataFolder&)>;
    const auto lock = [](const char* mode) -> Block {
        return [mode](TempDataFolder& d) -> std::function<void()> {
            auto held = std::make_shared<LockedDatabase>(d.TraceDb(), mode);
            EXPECT_TRUE(held->Held());
            return [held] { held->Release(); };
        };
    };
    const auto rename = [](const char* from, const char* to) -> Block {
        return [=](TempDataFolder& d) -> std::function<void()> {
            ExecSql(d.TraceDb(), std::string("ALTER TABLE ") + from + " RENAME TO " + to);
            return [=, &d] { ExecSql(d.TraceDb(), std::string("ALTER TABLE ") + to + " RENAME TO " + from); };
        };
    };
    const Block fileMissing = [](TempDataFolder& d) -> std::function<void()> {
        std::filesystem::rename(d.TraceDb(), d.Path("aside.mdb"));
        return [&d] { std::filesystem::rename(d.Path("aside.mdb"), d.TraceDb()); };
    };
    for (const Block& block : {lock("IMMEDIATE"), lock("EXCLUSIVE"), rename("TraceExo", "Aside"), fileMissing}) {
        TempDataFolder data;
        TADOConnection connection;
        connection.SetConnectionString("Data Source=" + data.TraceDb());
        TADOTable table;
        table.SetConnection(&connection);
        table.SetTableName("TraceExo");
        TraceLog trace(table);
        const auto result = [](const char* code, int mark) {
            return TraceRecord{code, "14/03/2024 09:30:00", "14/03/2024 09:31:00", mark, 0, "QB", "Les fractions", "N2"};
        };
        // Written at once, the connection opened for it and closed again.
        EXPECT_TRUE(trace.Write(result("1", 10)));
        EXPECT_FALSE(connection.Connected());
        connection.Open();
        const std::function<void()> release = block(data);
        EXPECT_FALSE(trace.Write(result("2", 5)));
        EXPECT_FALSE(trace.Write(result("3", 0)));
        EXPECT_FALSE(trace.Flush());
        EXPECT_EQ(trace.Waiting(), 2);
        release();
        EXPECT_TRUE(trace.Write(result("4", 7)));
        EXPECT_EQ(trace.Waiting(), 0);
        std::vector<std::string> written;
        for (const DbRow& r : ReadRows(data.TraceDb(), "SELECT * FROM TraceExo ORDER BY rowid"))
            written.push_back(r.at("ExoCode") + ":" + r.at("ExoNote") + ":" + r.at("ExoChapcode"));
        EXPECT_EQ(written, (std::vector<std::string>{"1:10:N2", "2:5:N2", "3:0:N2", "4:7:N2"}));
    }
}
