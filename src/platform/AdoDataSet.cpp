// Datasets over SQLite: queries and tables read as their cursor moves, records edited
// and appended by rowid.
#include "Ado.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "AdoSql.h"

using namespace adosql;

namespace {

// Rows read at a time: a small result is read whole at the first look and lets go of
// the database's read lock at once, as a dataset that stays open must.
constexpr size_t kReadAhead = 100;

}  // namespace

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

