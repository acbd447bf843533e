// The database builder: exercise database, empty trace database, exercise pictures.
#include "Builder.h"

#include <filesystem>
#include <system_error>

#include <sqlite3.h>
#include <unistd.h>

#include "Pictures.h"

namespace fs = std::filesystem;

namespace {

// One SQLite file being written; closed (and, unless kept, removed) on destruction.
class NewDatabase {
public:
    explicit NewDatabase(const std::string& path) : path_(path) {
        Remove();
        try {
            if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
                Fail("cannot be created");
            Exec("PRAGMA journal_mode=MEMORY");
        } catch (...) {
            sqlite3_close(db_);
            Remove();
            throw;
        }
    }
    ~NewDatabase() {
        if (db_) sqlite3_close(db_);
        if (!kept_) Remove();
    }
    NewDatabase(const NewDatabase&) = delete;
    NewDatabase& operator=(const NewDatabase&) = delete;

    void Exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "unknown error";
            sqlite3_free(error);
            throw BuildError(path_ + ": " + message);
        }
    }

    // Runs one statement with the given values bound in order; an empty optional
    // text binds Null.
    struct Value {
        enum Kind { Text, Int, Null } kind;
        std::string text;
        long long number = 0;
    };
    static Value T(const std::string& s) { return {Value::Text, s, 0}; }
    static Value I(long long v) { return {Value::Int, "", v}; }
    static Value TextOrNull(const std::string& s) { return s.empty() ? Value{Value::Null, "", 0} : T(s); }

    void Run(sqlite3_stmt* stmt, const std::vector<Value>& values) {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        for (size_t i = 0; i < values.size(); ++i) {
            const int at = static_cast<int>(i + 1);
            const Value& v = values[i];
            if (v.kind == Value::Text)
                sqlite3_bind_text(stmt, at, v.text.c_str(), static_cast<int>(v.text.size()), SQLITE_TRANSIENT);
            else if (v.kind == Value::Int)
                sqlite3_bind_int64(stmt, at, v.number);
            else
                sqlite3_bind_null(stmt, at);
        }
        if (sqlite3_step(stmt) != SQLITE_DONE) Fail("insert failed");
    }

    sqlite3_stmt* Prepare(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Fail("cannot prepare " + sql);
        return stmt;
    }

    // Closes the file for good; it is then kept unless the caller removes it.
    void Finish() {
        if (sqlite3_close(db_) != SQLITE_OK) {
            db_ = nullptr;
            throw BuildError(path_ + ": cannot be closed");
        }
        db_ = nullptr;
        kept_ = true;
    }

private:
    [[noreturn]] void Fail(const std::string& what) {
        const std::string detail = db_ ? sqlite3_errmsg(db_) : "out of memory";
        throw BuildError(path_ + ": " + what + " (" + detail + ")");
    }
    void Remove() {
        std::error_code ec;
        fs::remove(path_, ec);
        fs::remove(path_ + "-journal", ec);
    }

    std::string path_;
    sqlite3* db_ = nullptr;
    bool kept_ = false;
};

class Statement {
public:
    explicit Statement(sqlite3_stmt* s) : s_(s) {}
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    operator sqlite3_stmt*() const { return s_; }
private:
    sqlite3_stmt* s_;
};

// A temporary name beside the final file, in the same folder so that the rename
// stays on one file system.
std::string TempBeside(const std::string& path) {
    static int counter = 0;
    return path + ".building-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

const char* const kLevelColumns =
    "(codeExo TEXT, typeEXO INTEGER, numEXO TEXT, contenuEXO TEXT, imageExo TEXT NULL, "
    "resoluEXO INTEGER DEFAULT 0)";

void WriteExerciseDatabase(const ContentSet& content, const std::string& outPath) {
    const std::string temp = TempBeside(outPath);
    {
        NewDatabase db(temp);
        db.Exec("BEGIN");
        db.Exec("CREATE TABLE \"table_des_mati\xC3\xA8res\" (matiere TEXT, classe TEXT, programme TEXT)");
        {
            Statement insert(db.Prepare("INSERT INTO \"table_des_mati\xC3\xA8res\" VALUES (?, ?, ?)"));
            for (const ProgrammeSource& prog : content.programmes)
                db.Run(insert, {NewDatabase::T(prog.level.matiere), NewDatabase::T(prog.level.classe),
                                NewDatabase::T(prog.text)});
        }
        for (const LevelInfo& level : LevelTables()) {
            db.Exec("CREATE TABLE " + level.table + " " + kLevelColumns);
            Statement insert(db.Prepare("INSERT INTO " + level.table +
                                        " (codeExo, typeEXO, numEXO, contenuEXO, imageExo, resoluEXO)"
                                        " VALUES (?, ?, ?, ?, ?, 0)"));
            for (const ExerciseSource& ex : content.exercises)
                if (ex.table == level.table)
                    db.Run(insert, {NewDatabase::T(ex.code), NewDatabase::I(ex.typeExo), NewDatabase::T(ex.number),
                                    NewDatabase::T(StoredContent(ex.content)), NewDatabase::TextOrNull(ex.image)});
            db.Exec(LevelTableIndexSql(level.table));
        }
        db.Exec("COMMIT");
        db.Finish();
    }
    std::error_code ec;
    fs::rename(temp, outPath, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw BuildError(outPath + ": cannot be replaced");
    }
}

int WritePictures(const ContentSet& content, const std::string& imagesDir) {
    std::error_code ec;
    fs::create_directories(imagesDir, ec);
    if (!fs::is_directory(imagesDir)) throw BuildError(imagesDir + ": cannot make the pictures folder");
    int count = 0;
    for (const std::string& name : content.UsedPictures()) {
        const PictureRecipe& recipe = content.pictures.at(name);
        const fs::path path = fs::path(imagesDir) / name;
        if (MakesNoPicture(recipe)) {
            // Missing on purpose, also in a folder laid out before.
            fs::remove(path, ec);
            continue;
        }
        SavePicture(DrawPicture(recipe), path.string());
        ++count;
    }
    return count;
}

}  // namespace

std::string DefaultContentDir() {
#ifdef CONTENT_DIR
    return CONTENT_DIR;
#else
    return "content";
#endif
}

std::string LevelTableIndexSql(const std::string& table) {
    // A chapter's exercises are looked up by code, in the order they were written,
    // which an index on the code alone keeps. The player counts the exercises of the
    // eight kinds per code and kind: walking an index on both spares it sorting the
    // table at every showing. That index holds only the counted rows, so a chapter's
    // lookup (which names no kind) can never take it and change the order.
    return "CREATE INDEX IF NOT EXISTS idx_" + table + "_codeExo ON " + table + " (codeExo);"
           "CREATE INDEX IF NOT EXISTS idx_" + table + "_codeExo_typeEXO ON " + table +
           " (codeExo, typeEXO) WHERE typeEXO IN (1, 2, 3, 4, 5, 6, 7, 8)";
}

void BuildExerciseDatabase(const std::string& contentDir, const std::string& outPath) {
    WriteExerciseDatabase(LoadContent(contentDir), outPath);
}

void CreateTraceDatabase(const std::string& path) {
    if (fs::exists(path)) throw BuildError(path + ": already exists, kept as it is");
    const std::string temp = TempBeside(path);
    {
        NewDatabase db(temp);
        db.Exec("BEGIN");
        db.Exec("CREATE TABLE TraceExo (ExoCode TEXT, ExoStart TEXT, ExoEnd TEXT, ExoNote NUMERIC, "
                "ExoUseverif INTEGER, ExoType TEXT, ExoChap TEXT, ExoChapcode TEXT)");
        db.Exec("CREATE TABLE OptionApp (optionExo INTEGER, optionJeux INTEGER)");
        db.Exec("CREATE TABLE Apprenant (prenom TEXT, classe TEXT)");
        db.Exec("COMMIT");
        db.Finish();
    }
    // A hard link never replaces an existing file, even one made meanwhile.
    const bool linked = ::link(temp.c_str(), path.c_str()) == 0;
    std::error_code ec;
    fs::remove(temp, ec);
    if (!linked) throw BuildError(path + ": cannot be created");
}

int MakeExercisePictures(const std::string& contentDir, const std::string& imagesDir) {
    return WritePictures(LoadContent(contentDir), imagesDir);
}

BuildSummary LayOutDataFolder(const std::string& dir, const std::string& contentDir) {
    const ContentSet content = LoadContent(contentDir);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir)) throw BuildError(dir + ": cannot make the data folder");

    BuildSummary summary;
    const fs::path root(dir);
    WriteExerciseDatabase(content, (root / "bd_exos.mdb").string());
    summary.exercises = static_cast<int>(content.exercises.size());
    summary.tables = static_cast<int>(LevelTables().size());
    const std::string trace = (root / "bd_trace.mdb").string();
    if (!fs::exists(trace)) {
        CreateTraceDatabase(trace);
        summary.traceCreated = true;
    }
    summary.pictures = WritePictures(content, (root / "exo_images").string());
    return summary;
}
