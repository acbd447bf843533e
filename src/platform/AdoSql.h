#pragma once
// What the data layer's files share: SQLite statements, column values, and the SQL
// text the datasets build and read (not for use outside the data layer).
#include <vector>

#include <sqlite3.h>

#include "Ado.h"

namespace adosql {

// The column the datasets read each row's rowid into.
inline const char* const kRowidColumn = "__rowid__";

// Throws the database's last error, after a context when one is given.
[[noreturn]] void Fail(sqlite3* db, const AnsiString& context);

// A prepared statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const AnsiString& sql) : db_(db) {
        const std::string utf8 = AnsiToUtf8(sql);
        if (sqlite3_prepare_v2(db, utf8.c_str(), static_cast<int>(utf8.size()), &stmt_, nullptr) !=
            SQLITE_OK)
            Fail(db, "");
        if (!stmt_) throw EDatabaseError("Empty SQL text");
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }
    // true for a row, false when done; throws on failure.
    bool Step() {
        int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        Fail(db_, "");
    }
    void Bind(int index, const Variant& v) {
        int rc;
        if (v.IsNull()) {
            rc = sqlite3_bind_null(stmt_, index);
        } else if (v.IsInt()) {
            rc = sqlite3_bind_int64(stmt_, index, v.AsInteger());
        } else {
            const std::string utf8 = AnsiToUtf8(v.AsString());
            rc = sqlite3_bind_text(stmt_, index, utf8.c_str(), static_cast<int>(utf8.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) Fail(db_, "");
    }
private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A column of the current row as a Variant (text in Windows-1252).
Variant ColumnValue(sqlite3_stmt* stmt, int i);
// A name between double quotes (inner double quotes doubled).
AnsiString QuoteIdentifier(const AnsiString& name);
// The table of a plain one-table SELECT without grouping or aggregates ("" otherwise).
AnsiString SimpleSelectTable(const AnsiString& sqliteSql);
// "SELECT ..." becomes "SELECT rowid AS __rowid__, ...".
AnsiString WithRowid(const AnsiString& sqliteSql);

}  // namespace adosql
