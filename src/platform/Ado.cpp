// The data layer over SQLite: connections, Jet SQL text, datasets read as they move.
#include "Ado.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

#include <sqlite3.h>

#include "ConnectionString.h"
#include "Files.h"

namespace {

const char* const kRowidColumn = "__rowid__";
// Rows read at a time: a small result is read whole at the first look and lets go of
// the database's read lock at once, as a dataset that stays open must.
constexpr size_t kReadAhead = 100;

[[noreturn]] void Fail(sqlite3* db, const AnsiString& context) {
    AnsiString message = db ? Utf8ToAnsi(sqlite3_errmsg(db)) : AnsiString("out of memory");
    throw EDatabaseError(context.empty() ? message : context + ": " + message);
}

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

Variant ColumnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_NULL:
        return Variant();
    case SQLITE_INTEGER:
        return Variant(static_cast<long long>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT: {
        double d = sqlite3_column_double(stmt, i);
        if (std::floor(d) == d && std::fabs(d) < 9.0e18) return Variant(static_cast<long long>(d));
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", d);
        AnsiString text(buf);
        for (char& c : text)
            if (c == '.') c = ',';  // French decimal comma
        return Variant(text);
    }
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(stmt, i);
        int n = sqlite3_column_bytes(stmt, i);
        return Variant(AnsiString(static_cast<const char*>(p ? p : ""), static_cast<size_t>(n)));
    }
    default: {
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        int n = sqlite3_column_bytes(stmt, i);
        return Variant(Utf8ToAnsi(p ? std::string(p, static_cast<size_t>(n)) : std::string()));
    }
    }
}

AnsiString QuoteIdentifier(const AnsiString& name) {
    AnsiString r = "\"";
    for (char c : name) {
        r += c;
        if (c == '"') r += '"';
    }
    return r + "\"";
}

bool IsWordByte(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalnum(u) || c == '_' || c == '$';
}

// Tokens of SQLite SQL text: words, quoted names and literals, single punctuation.
struct Token {
    enum Kind { Word, Name, Literal, Punct } kind;
    AnsiString text;  // a Name without its quotes
};

std::vector<Token> Tokenize(const AnsiString& sql) {
    std::vector<Token> tokens;
    size_t i = 0, n = sql.size();
    while (i < n) {
        char c = sql[i];
        if (static_cast<unsigned char>(c) <= ' ') {
            ++i;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            size_t end = sql.find("*/", i + 2);
            i = end == std::string::npos ? n : end + 2;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            char close = c == '[' ? ']' : c;
            AnsiString text;
            ++i;
            while (i < n) {
                if (sql[i] == close) {
                    if (close != ']' && i + 1 < n && sql[i + 1] == close) {
                        text += close;
                        i += 2;
                        continue;
                    }
                    break;
                }
                text += sql[i++];
            }
            ++i;
            tokens.push_back({c == '\'' ? Token::Literal : Token::Name, text});
        } else if (IsWordByte(c)) {
            size_t start = i;
            while (i < n && IsWordByte(sql[i])) ++i;
            tokens.push_back({Token::Word, sql.substr(start, i - start)});
        } else {
            tokens.push_back({Token::Punct, AnsiString(1, c)});
            ++i;
        }
    }
    return tokens;
}

bool IsWord(const Token& t, const char* word) { return t.kind == Token::Word && SameText(t.text, word); }

// The table of a plain one-table SELECT without grouping or aggregates ("" otherwise).
AnsiString SimpleSelectTable(const AnsiString& sqliteSql) {
    static const char* const kRefused[] = {"DISTINCT", "GROUP", "HAVING", "UNION", "INTERSECT",
                                           "EXCEPT", "JOIN", "WINDOW", "OVER", "VALUES"};
    static const char* const kAggregates[] = {"COUNT", "SUM", "MIN", "MAX", "AVG", "TOTAL",
                                              "GROUP_CONCAT", "STRING_AGG"};
    std::vector<Token> t = Tokenize(sqliteSql);
    if (t.empty() || !IsWord(t[0], "SELECT")) return "";
    int depth = 0;
    size_t from = 0;
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].kind == Token::Punct) {
            if (t[i].text == "(") ++depth;
            else if (t[i].text == ")") --depth;
            else if (t[i].text == ";" && i + 1 < t.size()) return "";
            continue;
        }
        if (depth != 0) continue;
        for (const char* w : kRefused)
            if (IsWord(t[i], w)) return "";
        if (from == 0 && i + 1 < t.size() && t[i + 1].kind == Token::Punct && t[i + 1].text == "(")
            for (const char* w : kAggregates)
                if (IsWord(t[i], w)) return "";
        if (from == 0 && IsWord(t[i], "FROM")) from = i;
    }
    if (from == 0 || from + 1 >= t.size()) return "";
    const Token& table = t[from + 1];
    if (table.kind != Token::Word && table.kind != Token::Name) return "";
    // After the table: an optional alias, then the end or a clause.
    size_t k = from + 2;
    if (k < t.size() && IsWord(t[k], "AS")) k += 2;
    else if (k < t.size() && t[k].kind != Token::Punct && !IsWord(t[k], "WHERE") &&
             !IsWord(t[k], "ORDER") && !IsWord(t[k], "LIMIT"))
        ++k;
    if (k < t.size()) {
        const Token& next = t[k];
        bool ok = IsWord(next, "WHERE") || IsWord(next, "ORDER") || IsWord(next, "LIMIT") ||
                  (next.kind == Token::Punct && next.text == ";");
        if (!ok) return "";
    }
    return table.text;
}

// "SELECT ..." becomes "SELECT rowid AS __rowid__, ...".
AnsiString WithRowid(const AnsiString& sqliteSql) {
    size_t p = 0;
    while (p < sqliteSql.size() && static_cast<unsigned char>(sqliteSql[p]) <= ' ') ++p;
    p += 6;  // SELECT
    return sqliteSql.substr(0, p) + " rowid AS " + kRowidColumn + "," + sqliteSql.substr(p);
}

}  // namespace

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

// ---- Jet SQL ----

AnsiString JetToSqlite(const AnsiString& sql) {
    AnsiString out;
    out.reserve(sql.size() + 8);
    size_t i = 0, n = sql.size();
    while (i < n) {
        char c = sql[i];
        if (c == '"') {
            // A Jet string literal.
            out += '\'';
            ++i;
            while (i < n) {
                if (sql[i] == '"') {
                    if (i + 1 < n && sql[i + 1] == '"') {
                        out += '"';
                        i += 2;
                        continue;
                    }
                    break;
                }
                if (sql[i] == '\'') out += '\'';
                out += sql[i++];
            }
            if (i < n) {
                out += '\'';
                ++i;
            }
        } else if (c == '\'' || c == '[' || c == '`') {
            // Passed through whole: single-quoted literals and bracketed names.
            char close = c == '[' ? ']' : c;
            out += sql[i++];
            while (i < n) {
                out += sql[i];
                if (sql[i] == close) {
                    if (close != ']' && i + 1 < n && sql[i + 1] == close) {
                        out += sql[i + 1];
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') out += sql[i++];
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            size_t end = sql.find("*/", i + 2);
            end = end == std::string::npos ? n : end + 2;
            out += sql.substr(i, end - i);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
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

// ---- TField ----

Variant TField::Value() const {
    ds_.RequireActive();
    if (ds_.state_ == TDataSetState::Edit || ds_.state_ == TDataSetState::Insert)
        return ds_.buffer_.at(static_cast<size_t>(column_));
    ds_.Place();
    if (ds_.cursor_ < 0) return Variant();  // an empty dataset reads Null
    return ds_.Current().values.at(static_cast<size_t>(column_));
}

void TField::SetValue(const Variant& v) {
    if (ds_.state_ != TDataSetState::Edit && ds_.state_ != TDataSetState::Insert)
        throw EDatabaseError("Dataset not in edit or insert mode");
    ds_.buffer_.at(static_cast<size_t>(column_)) = v;
    ds_.changed_.at(static_cast<size_t>(column_)) = true;
}

// ---- TDataSet ----

struct TDataSet::Reader {
    Reader(sqlite3* db, const AnsiString& sql) : statement(db, sql) {}
    Statement statement;
    long long given = 0;    // rows the statement gave since it (re)started
    long long seen = 0;     // rows already taken before a failed step, passed over on the retry
};

TDataSet::TDataSet() = default;

TDataSet::~TDataSet() {
    if (connection_) connection_->Detach(this);
}

void TDataSet::SetConnection(TADOConnection* c) {
    if (c == connection_) return;
    Close();
    if (connection_) connection_->Detach(this);
    connection_ = c;
    if (connection_) connection_->Attach(this);
}

void TDataSet::Open() {
    if (Active()) return;
    if (!connection_) throw EDatabaseError("The dataset has no connection");
    sqlite3* db = connection_->Handle();
    const AnsiString select = SelectText();
    const AnsiString table = WriteTable();

    std::unique_ptr<Reader> reader;
    bool withRowid = false;
    if (!table.empty()) {
        try {
            reader = std::make_unique<Reader>(db, WithRowid(select));
            withRowid = true;
        } catch (const EDatabaseError&) {
            // No rowid there (a view, for instance): read-only.
        }
    }
    if (!reader) reader = std::make_unique<Reader>(db, select);
    sqlite3_stmt* s = reader->statement.get();
    const int count = sqlite3_column_count(s);
    if (count == 0) throw EDatabaseError("The command returns no records");

    std::vector<AnsiString> columns, origins;
    for (int i = withRowid ? 1 : 0; i < count; ++i) {
        const char* name = sqlite3_column_name(s, i);
        const char* origin = sqlite3_column_origin_name(s, i);
        columns.push_back(Utf8ToAnsi(name ? name : ""));
        origins.push_back(Utf8ToAnsi(origin ? origin : ""));
    }
    Close();
    select_ = withRowid ? WithRowid(select) : select;
    withRowid_ = withRowid;
    columns_ = std::move(columns);
    origins_ = std::move(origins);
    writeTable_ = withRowid ? table : AnsiString();
    reader_ = std::move(reader);
    state_ = TDataSetState::Browse;
}

void TDataSet::Close() {
    state_ = TDataSetState::Inactive;
    reader_.reset();
    select_.clear();
    withRowid_ = false;
    columns_.clear();
    origins_.clear();
    writeTable_.clear();
    rows_.clear();
    added_.clear();
    written_.clear();
    statementRows_ = -1;
    placed_ = onAdded_ = false;
    cursor_ = -1;
    bof_ = eof_ = true;
    buffer_.clear();
    changed_.clear();
}

bool TDataSet::ReadUpTo(size_t count) const {
    if (rows_.size() >= count) return true;
    if (!reader_) return false;
    Reader& r = *reader_;
    sqlite3_stmt* s = r.statement.get();
    const int columns = sqlite3_column_count(s);
    const int first = withRowid_ ? 1 : 0;
    const size_t target = std::max(count, rows_.size() + kReadAhead);
    while (rows_.size() < target) {
        bool row;
        try {
            row = r.statement.Step();
        } catch (const EDatabaseError&) {
            // The next look starts the statement again and passes over what was taken.
            sqlite3_reset(s);
            r.seen = std::max(r.seen, r.given);
            r.given = 0;
            throw;
        }
        if (!row) {
            reader_.reset();   // lets go of the read lock
            statementRows_ = static_cast<int>(rows_.size());
            break;
        }
        if (r.given++ < r.seen) continue;
        const long long rowid = withRowid_ && sqlite3_column_type(s, 0) == SQLITE_INTEGER
                                    ? static_cast<long long>(sqlite3_column_int64(s, 0))
                                    : -1;
        if (rowid >= 0 && written_.count(rowid)) continue;
        Record record;
        record.rowid = rowid;
        record.values.reserve(static_cast<size_t>(columns - first));
        for (int i = first; i < columns; ++i) record.values.push_back(ColumnValue(s, i));
        rows_.push_back(std::move(record));
    }
    return rows_.size() >= count;
}

void TDataSet::ReadAll() const { ReadUpTo(std::numeric_limits<size_t>::max()); }

int TDataSet::StatementRows() const {
    if (statementRows_ >= 0) return statementRows_;
    ReadUpTo(kReadAhead);
    if (!reader_) return statementRows_;
    // Counted by the database, without the records appended through this dataset.
    AnsiString sql = AnsiString("SELECT count(*) FROM (\n") + select_ + "\n)";
    if (withRowid_ && !added_.empty()) {
        sql += AnsiString(" WHERE ") + kRowidColumn + " NOT IN (";
        for (size_t i = 0; i < added_.size(); ++i) {
            if (i) sql += ',';
            sql += IntToStr(added_[i].rowid);
        }
        sql += ")";
    }
    try {
        Statement count(connection_->Handle(), sql);
        if (count.Step()) statementRows_ = sqlite3_column_int(count.get(), 0);
    } catch (const EDatabaseError&) {
        // A text that cannot be counted apart is read instead.
        ReadAll();
    }
    if (statementRows_ < 0) ReadAll();
    return statementRows_;
}

void TDataSet::MoveTo(bool added, int index) const {
    onAdded_ = added && index >= 0;
    cursor_ = index;
}

void TDataSet::Place() const {
    if (placed_) return;
    const bool any = ReadUpTo(1);
    placed_ = true;
    MoveTo(false, any ? 0 : -1);
    bof_ = true;
    eof_ = !any;
}

const TDataSet::Record& TDataSet::Current() const {
    return onAdded_ ? added_.at(static_cast<size_t>(cursor_)) : rows_.at(static_cast<size_t>(cursor_));
}

bool TDataSet::Eof() const {
    if (Active()) Place();
    return eof_;
}

int TDataSet::RecordCount() const {
    if (!Active()) return 0;
    return StatementRows() + static_cast<int>(added_.size());
}

int TDataSet::RecNo() const {
    if (!Active()) return 0;
    Place();
    if (cursor_ < 0) return 0;
    return (onAdded_ ? StatementRows() : 0) + cursor_ + 1;
}

void TDataSet::RequireActive() const {
    if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

void TDataSet::RequireRecord() const {
    RequireActive();
    Place();
    if (cursor_ < 0) throw EDatabaseError("No current record");
}

void TDataSet::RequireWritable() const {
    RequireActive();
    if (writeTable_.empty()) throw EDatabaseError("Cannot modify a read-only dataset");
}

void TDataSet::First() {
    RequireActive();
    if (state_ != TDataSetState::Browse) Post();
    const bool any = ReadUpTo(1);
    placed_ = true;
    MoveTo(!any, any ? 0 : added_.empty() ? -1 : 0);
    bof_ = true;
    eof_ = cursor_ < 0;
}

void TDataSet::Last() {
    RequireActive();
    if (state_ != TDataSetState::Browse) Post();
    if (added_.empty()) ReadAll();
    placed_ = true;
    if (!added_.empty())
        MoveTo(true, static_cast<int>(added_.size()) - 1);
    else
        MoveTo(false, static_cast<int>(rows_.size()) - 1);
    bof_ = eof_ = cursor_ < 0;
}

bool TDataSet::Step(bool forward) {
    RequireActive();
    if (state_ != TDataSetState::Browse) Post();
    Place();
    bool moved = false;
    if (cursor_ >= 0 && forward) {
        if (!onAdded_ && ReadUpTo(static_cast<size_t>(cursor_) + 2)) {
            MoveTo(false, cursor_ + 1);
            moved = true;
        } else if (onAdded_ ? cursor_ + 1 < static_cast<int>(added_.size()) : !added_.empty()) {
            MoveTo(true, onAdded_ ? cursor_ + 1 : 0);
            moved = true;
        }
    } else if (cursor_ >= 0) {
        if (cursor_ > 0) {
            MoveTo(onAdded_, cursor_ - 1);
            moved = true;
        } else if (onAdded_) {
            // The record before the first appended one is the statement's last.
            ReadAll();
            if (!rows_.empty()) {
                MoveTo(false, static_cast<int>(rows_.size()) - 1);
                moved = true;
            }
        }
    }
    if (moved)
        bof_ = eof_ = false;
    else
        (forward ? eof_ : bof_) = true;
    return moved;
}

void TDataSet::Next() { Step(true); }

void TDataSet::Prior() { Step(false); }

int TDataSet::MoveBy(int n) {
    RequireActive();
    int moved = 0;
    for (; n > 0 && Step(true); --n) ++moved;
    for (; n < 0 && Step(false); ++n) --moved;
    return moved;
}

TField TDataSet::FieldByName(const AnsiString& name) {
    RequireActive();
    for (size_t i = 0; i < columns_.size(); ++i)
        if (SameText(columns_[i], name)) return TField(*this, static_cast<int>(i));
    throw EDatabaseError("Field '" + name + "' not found");
}

void TDataSet::Edit() {
    RequireWritable();
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) return;
    RequireRecord();
    if (Current().rowid < 0) throw EDatabaseError("The record cannot be modified");
    buffer_ = Current().values;
    changed_.assign(columns_.size(), false);
    state_ = TDataSetState::Edit;
}

void TDataSet::Append() {
    RequireWritable();
    if (state_ != TDataSetState::Browse) Post();
    buffer_.assign(columns_.size(), Variant());
    changed_.assign(columns_.size(), false);
    state_ = TDataSetState::Insert;
}

void TDataSet::Post() {
    RequireActive();
    if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert)
        throw EDatabaseError("Dataset not in edit or insert mode");
    sqlite3* db = connection_->Handle();

    std::vector<size_t> fields;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!changed_[i]) continue;
        if (origins_[i].empty()) throw EDatabaseError("Field '" + columns_[i] + "' cannot be modified");
        fields.push_back(i);
    }
    const AnsiString table = QuoteIdentifier(writeTable_);
    long long rowid;
    if (state_ == TDataSetState::Edit) {
        rowid = Current().rowid;
        if (!fields.empty()) {
            // Counted before the change, which may take the row out of the statement's reach.
            if (reader_) StatementRows();
            AnsiString sql = "UPDATE " + table + " SET ";
            for (size_t k = 0; k < fields.size(); ++k)
                sql += (k ? ", " : "") + QuoteIdentifier(origins_[fields[k]]) + " = ?";
            sql += " WHERE rowid = ?";
            Statement stmt(db, sql);
            int index = 1;
            for (size_t f : fields) stmt.Bind(index++, buffer_[f]);
            stmt.Bind(index, Variant(rowid));
            stmt.Step();
            if (sqlite3_changes(db) == 0)
                throw EDatabaseError("Row cannot be located for updating");
            if (reader_) written_.insert(rowid);
        }
    } else {
        AnsiString sql = "INSERT INTO " + table;
        if (fields.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            AnsiString names, marks;
            for (size_t k = 0; k < fields.size(); ++k) {
                names += (k ? ", " : "") + QuoteIdentifier(origins_[fields[k]]);
                marks += k ? ", ?" : "?";
            }
            sql += " (" + names + ") VALUES (" + marks + ")";
        }
        Statement stmt(db, sql);
        int index = 1;
        for (size_t f : fields) stmt.Bind(index++, buffer_[f]);
        stmt.Step();
        rowid = sqlite3_last_insert_rowid(db);
        if (reader_) written_.insert(rowid);
    }

    // The row as stored (defaults, type conversions); fields without a column keep
    // what was given.
    std::vector<Variant> row = buffer_;
    try {
        Reread(writeTable_, rowid, row);
    } catch (const EDatabaseError&) {
        // Written; the values given stand.
    }
    if (state_ == TDataSetState::Edit) {
        (onAdded_ ? added_ : rows_).at(static_cast<size_t>(cursor_)).values = std::move(row);
    } else {
        added_.push_back({std::move(row), rowid});
        placed_ = true;
        MoveTo(true, static_cast<int>(added_.size()) - 1);
        bof_ = eof_ = false;
    }
    buffer_.clear();
    changed_.clear();
    state_ = TDataSetState::Browse;
}

void TDataSet::Reread(const AnsiString& table, long long rowid, std::vector<Variant>& row) {
    std::vector<size_t> fields;
    AnsiString sql = "SELECT ";
    for (size_t i = 0; i < origins_.size(); ++i) {
        if (origins_[i].empty()) continue;
        sql += (fields.empty() ? "" : ", ") + QuoteIdentifier(origins_[i]);
        fields.push_back(i);
    }
    if (fields.empty()) return;
    sql += " FROM " + QuoteIdentifier(table) + " WHERE rowid = ?";
    Statement stmt(connection_->Handle(), sql);
    stmt.Bind(1, Variant(rowid));
    if (!stmt.Step()) return;
    for (size_t k = 0; k < fields.size(); ++k) row[fields[k]] = ColumnValue(stmt.get(), static_cast<int>(k));
}

void TDataSet::Cancel() {
    if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert) return;
    buffer_.clear();
    changed_.clear();
    state_ = TDataSetState::Browse;
}

// ---- TADOQuery / TADOTable ----

void TADOQuery::SetSQLText(const AnsiString& sql) {
    Close();
    sql_.Clear();
    sql_.Add(sql);
}

AnsiString TADOQuery::SQLText() const {
    AnsiString r;
    for (int i = 0; i < sql_.Count(); ++i) {
        if (i) r += ' ';
        r += sql_[i];
    }
    return r;
}

AnsiString TADOQuery::SelectText() const { return JetToSqlite(SQLText()); }

AnsiString TADOQuery::WriteTable() const { return SimpleSelectTable(SelectText()); }

void TADOTable::SetTableName(const AnsiString& name) {
    Close();
    tableName_ = name;
}

AnsiString TADOTable::SelectText() const { return "SELECT * FROM " + QuoteIdentifier(tableName_); }
