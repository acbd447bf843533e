// Test data folders and direct database access.
#include "DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include <sqlite3.h>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

class Db {
public:
    explicit Db(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw std::runtime_error(path + ": " + message);
        }
        sqlite3_busy_timeout(db_, 5000);
    }
    ~Db() { sqlite3_close(db_); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    sqlite3_stmt* Prepare(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sql + ": " + sqlite3_errmsg(db_));
        return stmt;
    }
    void Step(sqlite3_stmt* stmt) {
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
            const std::string message = sqlite3_errmsg(db_);
            sqlite3_finalize(stmt);
            throw std::runtime_error(message);
        }
    }
    void Exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "error";
            sqlite3_free(error);
            throw std::runtime_error(sql + ": " + message);
        }
    }
    sqlite3* Handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

void BindText(sqlite3_stmt* stmt, int at, const std::string& text) {
    sqlite3_bind_text(stmt, at, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

const char* const kContents = "\"table_des_mati\xC3\xA8res\"";

}  // namespace

std::string MakeTempDir(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

TempDataFolder::TempDataFolder() : TempDataFolder(nullptr, DefaultContentDir()) {}

TempDataFolder::TempDataFolder(const std::vector<std::string>& learnerLines)
    : TempDataFolder(&learnerLines, DefaultContentDir()) {}

TempDataFolder::TempDataFolder(const std::vector<std::string>* learnerLines, const std::string& contentDir) {
    dir_ = MakeTempDir("exercices-data");
    try {
        LayOutDataFolder(dir_, contentDir);
        if (learnerLines) WriteLearnerFile(*learnerLines);
        previousDir_ = fs::current_path().string();
        fs::current_path(dir_);
    } catch (...) {
        std::error_code ec;
        fs::remove_all(dir_, ec);
        throw;
    }
}

TempDataFolder::~TempDataFolder() {
    std::error_code ec;
    if (!previousDir_.empty()) fs::current_path(previousDir_, ec);
    fs::remove_all(dir_, ec);
}

std::string TempDataFolder::Path(const std::string& name) const {
    return (fs::path(dir_) / name).string();
}

void TempDataFolder::WriteLearnerFile(const std::vector<std::string>& utf8Lines) const {
    std::ofstream out(LearnerFile(), std::ios::binary | std::ios::trunc);
    for (const std::string& line : utf8Lines) out << Utf8ToAnsi(line) << "\r\n";
    if (!out) throw std::runtime_error(LearnerFile() + ": cannot be written");
}

std::vector<DbRow> ReadRows(const std::string& dbPath, const std::string& sql) {
    Db db(dbPath);
    sqlite3_stmt* stmt = db.Prepare(sql);
    std::vector<DbRow> rows;
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) {
            const std::string message = sqlite3_errmsg(db.Handle());
            sqlite3_finalize(stmt);
            throw std::runtime_error(sql + ": " + message);
        }
        DbRow row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const unsigned char* text = sqlite3_column_text(stmt, c);
            row[sqlite3_column_name(stmt, c)] =
                text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt, c)))
                     : std::string();
        }
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    return rows;
}

void ExecSql(const std::string& dbPath, const std::string& sql) {
    Db db(dbPath);
    db.Exec(sql);
}

void InsertExercise(const std::string& dbPath, const std::string& table, const ExerciseRecord& record) {
    Db db(dbPath);
    sqlite3_stmt* stmt = db.Prepare("INSERT INTO " + table +
                                    " (codeExo, typeEXO, numEXO, contenuEXO, imageExo, resoluEXO) VALUES (?, ?, ?, ?, ?, ?)");
    BindText(stmt, 1, record.code);
    sqlite3_bind_int(stmt, 2, record.typeExo);
    BindText(stmt, 3, record.number);
    BindText(stmt, 4, StoredContent(record.content));
    if (record.image.empty()) sqlite3_bind_null(stmt, 5);
    else BindText(stmt, 5, record.image);
    sqlite3_bind_int(stmt, 6, record.resolu);
    db.Step(stmt);
    sqlite3_finalize(stmt);
}

void ClearTable(const std::string& dbPath, const std::string& table) {
    ExecSql(dbPath, "DELETE FROM " + table);
}

void SetProgramme(const std::string& dbPath, const std::string& matiere, const std::string& classe,
                  const std::string& programme) {
    Db db(dbPath);
    sqlite3_stmt* update = db.Prepare(std::string("UPDATE ") + kContents + " SET programme = ? WHERE matiere = ? AND classe = ?");
    BindText(update, 1, programme);
    BindText(update, 2, matiere);
    BindText(update, 3, classe);
    db.Step(update);
    sqlite3_finalize(update);
    if (sqlite3_changes(db.Handle()) > 0) return;
    sqlite3_stmt* insert = db.Prepare(std::string("INSERT INTO ") + kContents + " (matiere, classe, programme) VALUES (?, ?, ?)");
    BindText(insert, 1, matiere);
    BindText(insert, 2, classe);
    BindText(insert, 3, programme);
    db.Step(insert);
    sqlite3_finalize(insert);
}
