// The data layer over SQLite: values and connections (datasets: AdoDataSet.cpp).
#include "Ado.h"

#include "AdoSql.h"
#include "ConnectionString.h"
#include "Files.h"

using adosql::Fail;

// ---- Variant ----

AnsiString Variant::AsString() const {
    switch (kind_) {
    case Kind::Null: return "";
    case Kind::Int: return IntToStr(int_);
    default: return text_;
    }
}

long long Variant::AsInteger() const {
    switch (kind_) {
    case Kind::Null: throw EConvertError("Could not convert variant of type (Null) into type (Integer)");
    case Kind::Int: return int_;
    default: return StrToInt(text_);
    }
}


// ---- TADOConnection ----

TADOConnection::~TADOConnection() {
    const std::set<TDataSet*> datasets = datasets_;
    for (TDataSet* ds : datasets) ds->SetConnection(nullptr);
    if (db_) sqlite3_close_v2(db_);
}

void TADOConnection::SetConnectionString(const AnsiString& cs) {
    if (Connected()) Close();
    connectionString_ = cs;
}

AnsiString TADOConnection::DataSource() const {
    return ConnectionStringItem(connectionString_, "Data Source");
}

bool TADOConnection::ReadOnly() const {
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

void TADOConnection::Open() {
    if (db_) return;
    // The Data Source is a path as the system spells it, handed over unchanged.
    const std::string path = DataSource();
    if (path.empty()) throw EDatabaseError("The connection string names no Data Source");
    if (!FileExists(path)) throw EDatabaseError("Cannot open the database \"" + PathText(path) + "\": file not found");
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        AnsiString message = db ? Utf8ToAnsi(sqlite3_errmsg(db)) : AnsiString("out of memory");
        sqlite3_close_v2(db);
        throw EDatabaseError("Cannot open the database \"" + PathText(path) + "\": " + message);
    }
    // The file must really be a database; one that another program holds locked is one
    // (its reads and writes then wait or fail on their own).
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, busyTimeout_);
    if (rc != SQLITE_OK && rc != SQLITE_BUSY && rc != SQLITE_LOCKED) {
        AnsiString message = Utf8ToAnsi(sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        throw EDatabaseError("Cannot open the database \"" + PathText(path) + "\": " + message);
    }
    db_ = db;
}

void TADOConnection::Close() {
    const std::set<TDataSet*> datasets = datasets_;
    for (TDataSet* ds : datasets) ds->Close();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

sqlite3* TADOConnection::Handle() const {
    if (!db_) throw EDatabaseError("The connection is not open");
    return db_;
}

void TADOConnection::SetBusyTimeout(int ms) {
    busyTimeout_ = ms < 0 ? 0 : ms;
    if (db_) sqlite3_busy_timeout(db_, busyTimeout_);
}

int TADOConnection::Execute(const AnsiString& sql) {
    sqlite3* db = Handle();
    const std::string utf8 = AnsiToUtf8(JetToSqlite(sql));
    const char* p = utf8.c_str();
    const char* end = p + utf8.size();
    int changes = 0;
    while (p < end) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, p, static_cast<int>(end - p), &stmt, &tail) != SQLITE_OK) Fail(db, "");
        p = tail ? tail : end;
        if (!stmt) continue;  // blanks or a comment
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) Fail(db, "");
        changes = sqlite3_changes(db);
    }
    return changes;
}

