#pragma once
// A small ADO-like data layer over SQLite: connections named by a connection string,
// queries with Jet SQL text, tables by name, datasets read as their cursor moves.
// Databases store UTF-8; values cross this layer as Windows-1252 AnsiString.
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "Errors.h"
#include "Text.h"

struct sqlite3;

// Null, an integer or a text.
class Variant {
public:
    Variant() = default;                          // Null
    Variant(long long v) : kind_(Kind::Int), int_(v) {}
    Variant(int v) : kind_(Kind::Int), int_(v) {}
    Variant(const AnsiString& s) : kind_(Kind::Text), text_(s) {}
    Variant(const char* s) : kind_(Kind::Text), text_(s) {}
    bool IsNull() const { return kind_ == Kind::Null; }
    bool IsInt() const { return kind_ == Kind::Int; }
    bool IsText() const { return kind_ == Kind::Text; }
    // Integer as decimal text; Null as "".
    AnsiString AsString() const;
    // Text through StrToInt (throws EConvertError); Null throws EConvertError.
    long long AsInteger() const;
    bool operator==(const Variant&) const = default;
private:
    enum class Kind { Null, Int, Text } kind_ = Kind::Null;
    long long int_ = 0;
    AnsiString text_;
};

class TDataSet;

class TADOConnection {
public:
    TADOConnection() = default;
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    AnsiString ConnectionString() const { return connectionString_; }
    // Changing the string of an open connection closes it first.
    void SetConnectionString(const AnsiString& cs);
    // The Data Source item of the connection string (empty when absent).
    AnsiString DataSource() const;
    bool Connected() const { return db_ != nullptr; }
    // True when the open database cannot be written (a file the system protects is
    // opened for reading only).
    bool ReadOnly() const;
    // Opens Data Source read-write; a missing file is an error (nothing is created).
    void Open();
    // Closes every dataset of the connection, then the database.
    void Close();
    sqlite3* Handle() const;                      // throws EDatabaseError when closed
    // Runs a statement that returns no rows (Jet literals rewritten); returns rows changed.
    int Execute(const AnsiString& sql);
    // How long a statement waits for another program's lock before failing
    // (5000 ms by default); applies now when open, else at the next Open.
    void SetBusyTimeout(int ms);
    int BusyTimeout() const { return busyTimeout_; }

    // Datasets register themselves so that Close closes them.
    void Attach(TDataSet* ds) { datasets_.insert(ds); }
    void Detach(TDataSet* ds) { datasets_.erase(ds); }
private:
    AnsiString connectionString_;
    sqlite3* db_ = nullptr;
    std::set<TDataSet*> datasets_;
    int busyTimeout_ = 5000;
};

// While it lives, the connection waits at most `ms` for another program's lock (a
// shorter wait of its own stands); then its own wait is given back. A screen that must
// not freeze on a locked database reads or writes under one. No connection: nothing.
class TLockWait {
public:
    TLockWait(TADOConnection* connection, int ms)
        : connection_(connection), own_(connection ? connection->BusyTimeout() : 0) {
        if (connection_ && ms < own_) connection_->SetBusyTimeout(ms);
    }
    ~TLockWait() {
        if (connection_) connection_->SetBusyTimeout(own_);
    }
    TLockWait(const TLockWait&) = delete;
    TLockWait& operator=(const TLockWait&) = delete;
private:
    TADOConnection* connection_;
    int own_;
};

// One field of the current record; obtained from TDataSet::FieldByName.
class TField {
public:
    TField(TDataSet& ds, int column) : ds_(ds), column_(column) {}
    Variant Value() const;
    AnsiString AsString() const { return Value().AsString(); }
    long long AsInteger() const { return Value().AsInteger(); }
    bool IsNull() const { return Value().IsNull(); }
    // Only in Edit or Append state; throws EDatabaseError otherwise.
    void SetValue(const Variant& v);
    void SetAsString(const AnsiString& s) { SetValue(Variant(s)); }
    void SetAsInteger(long long v) { SetValue(Variant(v)); }
private:
    TDataSet& ds_;
    int column_;
};

enum class TDataSetState { Inactive, Browse, Edit, Insert };

class TDataSet {
public:
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    TADOConnection* Connection() const { return connection_; }
    void SetConnection(TADOConnection* c);

    // Prepares the statement (the connection must be open; throws EDatabaseError).
    // No row is read yet: rows are read as the cursor reaches them, a hundred at a
    // time, so that opening a large table to append a record costs nothing. While
    // rows are left to read, the statement keeps the database's read lock.
    void Open();
    void Close();
    bool Active() const { return state_ != TDataSetState::Inactive; }
    TDataSetState State() const { return state_; }

    // Cursor: Bof is raised on open, by First, and by a failed backward move;
    // Eof when the dataset is empty and by a failed forward move; a move that
    // succeeds clears both. A failed move leaves the cursor where it was.
    // Records appended through the dataset come after all the others.
    void First();
    void Last();
    void Next();
    void Prior();
    // Moves by n records (n > 0 forward, n < 0 backward) one at a time; returns the
    // number actually moved (negative when moving backward). Last puts the cursor on
    // the last record and, like any successful move, clears both flags.
    int MoveBy(int n);
    bool Bof() const { return bof_; }
    bool Eof() const;
    // Counted by the database while rows are left to read (they are not read).
    int RecordCount() const;
    int RecNo() const;                             // 1-based; 0 when empty

    // Case-insensitive field lookup; throws EDatabaseError for an unknown name.
    TField FieldByName(const AnsiString& name);
    std::vector<AnsiString> FieldNames() const { return columns_; }

    // Edit the current record / append a new one; Post writes it, Cancel drops it.
    void Edit();
    void Append();
    void Post();
    void Cancel();

protected:
    TDataSet();
    // The SELECT text to run when opened.
    virtual AnsiString SelectText() const = 0;
    // The table that Edit/Append write to (empty: not writable).
    virtual AnsiString WriteTable() const = 0;

private:
    friend class TField;
    struct Reader;                                // the statement rows are read from
    struct Record {
        std::vector<Variant> values;
        long long rowid = -1;                     // -1 when the row has no rowid
    };
    void RequireActive() const;
    void RequireRecord() const;
    void RequireWritable() const;
    bool Step(bool forward);
    // Reads rows until `count` are read or none is left; true when there are `count`.
    bool ReadUpTo(size_t count) const;
    void ReadAll() const;
    // The rows the statement gives, counted by the database while some are unread.
    int StatementRows() const;
    // Before the first look at the cursor after opening: the first record, if any.
    void Place() const;
    const Record& Current() const;
    void MoveTo(bool added, int index) const;
    // Reads the columns of the table behind the dataset back for one row.
    void Reread(const AnsiString& table, long long rowid, std::vector<Variant>& row);
    TADOConnection* connection_ = nullptr;
    TDataSetState state_ = TDataSetState::Inactive;
    AnsiString select_;                           // the statement as run (with the rowid)
    bool withRowid_ = false;
    std::vector<AnsiString> columns_;
    std::vector<AnsiString> origins_;             // table column behind each field ("" if none)
    AnsiString writeTable_;                       // "" when the rows cannot be written
    mutable std::unique_ptr<Reader> reader_;      // null once every row is read
    mutable std::vector<Record> rows_;            // the statement's rows read so far
    std::vector<Record> added_;                   // records appended through the dataset
    // Rows written while the statement still runs: it may give them again, so they
    // are passed over.
    std::unordered_set<long long> written_;
    mutable int statementRows_ = -1;              // once counted or all read
    mutable bool placed_ = false;
    mutable bool onAdded_ = false;                // the cursor is on an appended record
    mutable int cursor_ = -1;                     // index in rows_ or added_; -1: no record
    mutable bool bof_ = true, eof_ = true;
    std::vector<Variant> buffer_;                 // the record being edited/appended
    std::vector<bool> changed_;
};

// A query given by its SQL text (Jet dialect: "..." is a string literal).
class TADOQuery : public TDataSet {
public:
    TStringList& SQL() { return sql_; }
    const TStringList& SQL() const { return sql_; }
    // Replaces all lines of the SQL text by one text (closes the dataset if open).
    void SetSQLText(const AnsiString& sql);
    AnsiString SQLText() const;                   // the lines joined by blanks
protected:
    AnsiString SelectText() const override;
    AnsiString WriteTable() const override;        // the table after FROM, if simple
private:
    TStringList sql_;
};

// A whole table by name.
class TADOTable : public TDataSet {
public:
    AnsiString TableName() const { return tableName_; }
    void SetTableName(const AnsiString& name);      // closes the dataset if open
protected:
    AnsiString SelectText() const override;
    AnsiString WriteTable() const override { return tableName_; }
private:
    AnsiString tableName_;
};

// Jet SQL to SQLite SQL: "..." literals become '...' (inner single quotes doubled,
// a doubled double quote inside a literal read as one double quote).
AnsiString JetToSqlite(const AnsiString& sql);
