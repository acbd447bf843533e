// The exercise and trace databases made by the builder, and the data folder layout.
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Builder.h"
#include "DataFolder.h"
#include "player/ContentCodec.h"

namespace fs = std::filesystem;

namespace {

const char* const kContents = "\"table_des_mati\xC3\xA8res\"";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Columns(const std::string& db, const std::string& table) {
    std::vector<std::string> names;
    for (const DbRow& row : ReadRows(db, "PRAGMA table_info(" + table + ")")) names.push_back(row.at("name"));
    return names;
}

std::set<std::string> FolderEntries(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

ContentKind KindOf(int typeExo) {
    return typeExo == 3 ? ContentKind::QO : typeExo == 8 ? ContentKind::QMT : ContentKind::Plain;
}

// Fields a record of each kind is written with in the sample, given its parse.
int ExpectedFields(int typeExo, const ParsedContent& p) {
    auto countOf = [](const AnsiString& text, const AnsiString& what) {
        int n = 0;
        for (size_t at = text.find(what); at != AnsiString::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    switch (typeExo) {
    case 1: return 17;
    case 2: return 2;
    case 3: return p.qoKind == "probleme" ? 9 : 2;
    case 4: return 25;
    case 5: return 2 + countOf(p.Field(1), "{...}");
    case 6: return 10 + countOf(p.Field(1), "{...}");
    case 7: return 2;
    case 8: return 2 + countOf(p.Field(1), "{");
    }
    return -1;
}

// One data folder laid out for all the read-only checks of this file.
class SampleDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() { folder_ = new TempDataFolder(); }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    static TempDataFolder* folder_;
};
TempDataFolder* SampleDatabase::folder_ = nullptr;

}  // namespace

TEST_F(SampleDatabase, BothDatabasesAndThePicturesFolderAreMade) {
    EXPECT_TRUE(fs::is_regular_file(folder_->ExosDb()));
    EXPECT_TRUE(fs::is_regular_file(folder_->TraceDb()));
    EXPECT_TRUE(fs::is_directory(folder_->ImagesDir()));
    EXPECT_FALSE(fs::exists(folder_->LearnerFile()));
    // Nothing of the build is left behind.
    EXPECT_EQ(FolderEntries(folder_->Dir()), (std::set<std::string>{"bd_exos.mdb", "bd_trace.mdb", "exo_images"}));
}

TEST_F(SampleDatabase, LevelTablesHaveTheirColumns) {
    const std::vector<std::string> columns = {"codeExo", "typeEXO", "numEXO", "contenuEXO", "imageExo", "resoluEXO"};
    ASSERT_EQ(LevelTables().size(), 11u);
    for (const LevelInfo& level : LevelTables()) EXPECT_EQ(Columns(folder_->ExosDb(), level.table), columns) << level.table;
    EXPECT_EQ(Columns(folder_->ExosDb(), kContents), (std::vector<std::string>{"matiere", "classe", "programme"}));
    // The player's queries name the kind field both ways, and the done flag as resoluExo.
    EXPECT_NO_THROW(ReadRows(folder_->ExosDb(),
                             "SELECT codeExo, COUNT(*) AS NbExo FROM exos_math_cm1 WHERE (typeExo=2) GROUP BY codeExo"));
    EXPECT_NO_THROW(ExecSql(folder_->ExosDb(), "UPDATE exos_math_cp SET resoluExo = 0 WHERE 0"));
}

TEST_F(SampleDatabase, TableOfContentsHasElevenRows) {
    const auto rows = ReadRows(folder_->ExosDb(), std::string("SELECT * FROM ") + kContents + " ORDER BY rowid");
    ASSERT_EQ(rows.size(), 11u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Mathematiques", "CP"}, {"Mathematiques", "CE1"}, {"Mathematiques", "CE2"}, {"Mathematiques", "CM1"},
        {"Mathematiques", "CM2"}, {"Mathematiques", "6e"},  {"Mathematiques", "5e"},  {"Mathematiques", "4e"},
        {"Mathematiques", "3e"}, {"Fran\xC3\xA7" "ais", "CE1"}, {"Fran\xC3\xA7" "ais", "6e"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].at("matiere"), expected[i].first);
        EXPECT_EQ(rows[i].at("classe"), expected[i].second);
        // A programme has chapters with codes, headings without, and tab-indented sub-chapters.
        const std::vector<AnsiString> lines = SplitLines(rows[i].at("programme"));
        int coded = 0, headings = 0, indented = 0, top = 0;
        for (const AnsiString& line : lines) {
            const AnsiString t = Trim(line);
            if (t.size() >= 3 && t[0] == '[' && t.find(']') != AnsiString::npos) ++coded;
            else ++headings;
            if (line[0] == '\t') ++indented;
            else ++top;
        }
        EXPECT_GE(top, 3) << rows[i].at("classe");
        EXPECT_LE(top, 6) << rows[i].at("classe");
        EXPECT_GE(coded, 3);
        EXPECT_GE(headings, 1);
        EXPECT_GE(indented, 1);
    }
}

TEST_F(SampleDatabase, EveryContentIsStoredScrambledAndParses) {
    const ContentSet source = LoadContent(DefaultContentDir());
    size_t next = 0;
    for (const LevelInfo& level : LevelTables()) {
        const auto rows = ReadRows(folder_->ExosDb(), "SELECT * FROM " + level.table + " ORDER BY rowid");
        for (const DbRow& row : rows) {
            ASSERT_LT(next, source.exercises.size());
            const ExerciseSource& ex = source.exercises[next++];
            SCOPED_TRACE(level.table + " " + row.at("numEXO"));
            EXPECT_EQ(row.at("numEXO"), ex.number);   // file order is kept
            EXPECT_EQ(row.at("codeExo"), ex.code);
            const AnsiString stored = Utf8ToAnsi(row.at("contenuEXO"));
            const AnsiString clear = UnscrambleContent(stored);
            EXPECT_EQ(AnsiToUtf8(clear), ex.content);
            EXPECT_EQ(stored, ScrambleContent(clear));
            if (clear.find_first_of("aeiouy") != AnsiString::npos) {
                EXPECT_NE(stored, clear);
            }
            EXPECT_EQ(row.at("resoluEXO"), "0");

            const int type = std::stoi(row.at("typeEXO"));
            ASSERT_GE(type, 1);
            ASSERT_LE(type, 8);
            const ParsedContent parsed = ParseExerciseContent(clear, KindOf(type));
            EXPECT_EQ(parsed.written, ExpectedFields(type, parsed));
            EXPECT_EQ(CheckExerciseContent(type, AnsiToUtf8(clear)), "");
            // The envelope reads the same before unscrambling.
            EXPECT_EQ(ParseExerciseContent(stored, KindOf(type)).written, parsed.written);
        }
    }
    EXPECT_EQ(next, source.exercises.size());
}

TEST_F(SampleDatabase, PicturesAreNamedOrNull) {
    const auto rows = ReadRows(folder_->ExosDb(),
                               "SELECT imageExo, imageExo IS NULL AS none FROM exos_math_cm1 UNION ALL "
                               "SELECT imageExo, imageExo IS NULL FROM exos_math_cp");
    int pictures = 0;
    for (const DbRow& row : rows) {
        if (row.at("none") == "1") continue;
        ++pictures;
        EXPECT_TRUE(fs::is_regular_file(fs::path(folder_->ImagesDir()) / row.at("imageExo"))) << row.at("imageExo");
    }
    EXPECT_GE(pictures, 3);
    EXPECT_LT(pictures, static_cast<int>(rows.size()));   // most exercises have none: Null
}

TEST_F(SampleDatabase, SampleServesTheScreenTests) {
    // Chapter codes are those of the level's programme; numbers are unique per table.
    const auto programmes = ReadRows(folder_->ExosDb(), std::string("SELECT * FROM ") + kContents + " ORDER BY rowid");
    std::map<int, int> perKind;
    for (size_t i = 0; i < LevelTables().size(); ++i) {
        const std::string& table = LevelTables()[i].table;
        const std::string programme = programmes[i].at("programme");
        std::set<std::string> numbers;
        for (const DbRow& row : ReadRows(folder_->ExosDb(), "SELECT * FROM " + table)) {
            EXPECT_TRUE(numbers.insert(row.at("numEXO")).second) << table << " " << row.at("numEXO");
            EXPECT_NE(programme.find("[" + row.at("codeExo") + "]"), std::string::npos) << table << " " << row.at("codeExo");
            ++perKind[std::stoi(row.at("typeEXO"))];
        }
    }
    for (int t = 1; t <= 8; ++t) EXPECT_GE(perKind[t], 4) << "kind " << t;

    const std::string db = folder_->ExosDb();
    EXPECT_GE(ReadRows(db, "SELECT * FROM exos_math_cm1").size(), 20u);
    // A chapter of exactly three true-or-false exercises, and a long one for the jump list.
    const auto chapters = ReadRows(db, "SELECT codeExo, COUNT(*) AS n, SUM(typeEXO = 2) AS qb, COUNT(DISTINCT typeEXO) AS kinds "
                                       "FROM exos_math_cm1 GROUP BY codeExo");
    bool threeTrueOrFalse = false, longChapter = false;
    for (const DbRow& c : chapters) {
        if (c.at("n") == "3" && c.at("qb") == "3") threeTrueOrFalse = true;
        if (std::stoi(c.at("n")) >= 12 && c.at("kinds") == "8") longChapter = true;
    }
    EXPECT_TRUE(threeTrueOrFalse);
    EXPECT_TRUE(longChapter);
}

TEST_F(SampleDatabase, TraceDatabaseIsEmptyWithItsTables) {
    const std::string db = folder_->TraceDb();
    EXPECT_EQ(Columns(db, "TraceExo"), (std::vector<std::string>{"ExoCode", "ExoStart", "ExoEnd", "ExoNote", "ExoUseverif",
                                                                  "ExoType", "ExoChap", "ExoChapcode"}));
    EXPECT_EQ(Columns(db, "OptionApp"), (std::vector<std::string>{"optionExo", "optionJeux"}));
    EXPECT_EQ(Columns(db, "Apprenant"), (std::vector<std::string>{"prenom", "classe"}));
    for (const char* table : {"TraceExo", "OptionApp", "Apprenant"})
        EXPECT_TRUE(ReadRows(db, std::string("SELECT * FROM ") + table).empty());
}

TEST(TraceDatabase, MarkColumnTakesTheGamesTextAndThePlayersNumber) {
    const std::string dir = MakeTempDir("exercices-trace");
    const std::string db = dir + "/bd_trace.mdb";
    CreateTraceDatabase(db);
    ExecSql(db, "INSERT INTO TraceExo (ExoCode, ExoNote, ExoUseverif) VALUES ('4001', 7, 1);"
                "INSERT INTO TraceExo (ExoCode, ExoNote, ExoUseverif) VALUES ('jeu', '23', 0)");
    const auto rows = ReadRows(db, "SELECT ExoCode, ExoNote, typeof(ExoNote) AS t FROM TraceExo ORDER BY rowid");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("ExoNote"), "7");
    EXPECT_EQ(rows[1].at("ExoNote"), "23");
    EXPECT_EQ(rows[1].at("t"), "integer");
    fs::remove_all(dir);
}

TEST(TraceDatabase, AnExistingFileIsNeverReplaced) {
    const std::string dir = MakeTempDir("exercices-trace");
    const std::string db = dir + "/bd_trace.mdb";
    std::ofstream(db) << "previous";
    EXPECT_THROW(CreateTraceDatabase(db), BuildError);
    EXPECT_EQ(ReadBytes(db), "previous");
    EXPECT_EQ(FolderEntries(dir), (std::set<std::string>{"bd_trace.mdb"}));
    fs::remove_all(dir);
}

TEST(LayOut, KeepsTheTraceAndTheLearnerFileAndRebuildsExercises) {
    TempDataFolder folder({"Paul@Mathematiques CM1", "Zo\xC3\xA9@Fran\xC3\xA7" "ais 6e"});
    const std::string learners = ReadBytes(folder.LearnerFile());
    EXPECT_EQ(learners, "Paul@Mathematiques CM1\r\nZo\xE9@Fran\xE7" "ais 6e\r\n");
    ExecSql(folder.TraceDb(), "INSERT INTO TraceExo (ExoCode, ExoNote) VALUES ('4001', 9)");
    ExecSql(folder.TraceDb(), "INSERT INTO OptionApp VALUES (1, 0)");
    ExecSql(folder.ExosDb(), "UPDATE exos_math_cm1 SET resoluEXO = 1");
    fs::remove(fs::path(folder.ImagesDir()) / "pommes_7.jpg");

    const BuildSummary summary = LayOutDataFolder(folder.Dir());
    EXPECT_FALSE(summary.traceCreated);
    EXPECT_EQ(summary.tables, 11);
    EXPECT_EQ(summary.pictures, static_cast<int>(LoadContent(DefaultContentDir()).UsedPictures().size()));

    EXPECT_EQ(ReadBytes(folder.LearnerFile()), learners);
    EXPECT_EQ(ReadRows(folder.TraceDb(), "SELECT * FROM TraceExo").size(), 1u);
    EXPECT_EQ(ReadRows(folder.TraceDb(), "SELECT * FROM OptionApp").size(), 1u);
    EXPECT_TRUE(ReadRows(folder.ExosDb(), "SELECT * FROM exos_math_cm1 WHERE resoluEXO <> 0").empty());
    EXPECT_TRUE(fs::is_regular_file(fs::path(folder.ImagesDir()) / "pommes_7.jpg"));
}

TEST(LayOut, MakesTheFolderWhenMissing) {
    const std::string parent = MakeTempDir("exercices-layout");
    const std::string dir = parent + "/a/b";
    const BuildSummary summary = LayOutDataFolder(dir);
    EXPECT_TRUE(summary.traceCreated);
    EXPECT_GT(summary.exercises, 40);
    EXPECT_TRUE(fs::is_regular_file(dir + "/bd_exos.mdb"));
    EXPECT_TRUE(fs::is_regular_file(dir + "/bd_trace.mdb"));
    fs::remove_all(parent);
}

TEST(TempFolder, IsTheWorkingDirectoryForItsLifeOnly) {
    const fs::path before = fs::current_path();
    std::string dir;
    {
        TempDataFolder folder;
        dir = folder.Dir();
        EXPECT_EQ(fs::canonical(fs::current_path()), fs::canonical(dir));
        EXPECT_TRUE(fs::exists("bd_exos.mdb"));
        EXPECT_TRUE(fs::exists("exo_images"));
    }
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(fs::exists(dir));
}

TEST(TempFolder, ExactRecordsCanBeWrittenForATest) {
    TempDataFolder folder;
    ClearTable(folder.ExosDb(), "exos_math_cm1");
    InsertExercise(folder.ExosDb(), "exos_math_cm1",
                   {"T-1", 2, "77", "/#La Terre tourne autour du Soleil.#/ /#1#/", "", 0});
    InsertExercise(folder.ExosDb(), "exos_math_cm1", {"T-1", 3, "78", "/#Combien ?#/ /#douze#/", "pommes_12.jpg", 1});
    const auto rows = ReadRows(folder.ExosDb(), "SELECT *, imageExo IS NULL AS none FROM exos_math_cm1 ORDER BY rowid");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("numEXO"), "77");
    EXPECT_EQ(rows[0].at("none"), "1");
    EXPECT_EQ(UnscrambleContent(rows[0].at("contenuEXO")), "/#La Terre tourne autour du Soleil.#/ /#1#/");
    EXPECT_NE(rows[0].at("contenuEXO"), "/#La Terre tourne autour du Soleil.#/ /#1#/");
    EXPECT_EQ(rows[1].at("imageExo"), "pommes_12.jpg");
    EXPECT_EQ(rows[1].at("resoluEXO"), "1");

    SetProgramme(folder.ExosDb(), "Mathematiques", "CM1", "[T-1] Essai");
    SetProgramme(folder.ExosDb(), "Histoire", "CM1", "[H-1] Les Gaulois");
    const auto programmes = ReadRows(folder.ExosDb(), std::string("SELECT * FROM ") + kContents +
                                                          " WHERE classe = 'CM1' ORDER BY rowid");
    ASSERT_EQ(programmes.size(), 2u);
    EXPECT_EQ(programmes[0].at("programme"), "[T-1] Essai");
    EXPECT_EQ(programmes[1].at("matiere"), "Histoire");
}

// --- A failed build leaves the previous database whole -------------------------------

class FailedBuild : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = MakeTempDir("exercices-failed");
        db_ = dir_ + "/bd_exos.mdb";
        BuildExerciseDatabase(DefaultContentDir(), db_);
        ExecSql(db_, "UPDATE exos_math_cm1 SET resoluEXO = 1 WHERE numEXO = '4001'");
        previous_ = ReadBytes(db_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }
    void ExpectPreviousDatabase() {
        EXPECT_EQ(ReadBytes(db_), previous_);
        EXPECT_EQ(FolderEntries(dir_), (std::set<std::string>{"bd_exos.mdb"}));
    }
    std::string dir_, db_, previous_;
};

TEST_F(FailedBuild, BadContent) {
    const std::string content = MakeTempDir("exercices-badcontent");
    fs::copy(DefaultContentDir(), content, fs::copy_options::recursive);
    std::ofstream(content + "/exercises/exos_math_cp.txt", std::ios::app)
        << "\n@exercice 1999\nchapitre: CP-ADD\ntype: QTRO\n/#S#/ /#{...} {...}#/ /#1#/\n";
    try {
        BuildExerciseDatabase(content, db_);
        ADD_FAILURE() << "the build should fail";
    } catch (const BuildError& e) {
        EXPECT_NE(std::string(e.what()).find("exos_math_cp.txt:"), std::string::npos) << e.what();
    }
    ExpectPreviousDatabase();
    fs::remove_all(content);
}

TEST_F(FailedBuild, UnwritableFolder) {
    // The build runs in a child process without the right to write in the folder
    // (as an ordinary user when the tests run as root).
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(db_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        try {
            BuildExerciseDatabase(DefaultContentDir(), db_);
        } catch (const BuildError& e) {
            // The failure must come from writing in the folder, not from reading the content.
            _exit(std::string(e.what()).find(dir_) == 0 ? 0 : 4);
        } catch (...) {
            _exit(2);
        }
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 3) << "cannot drop privileges here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the build did not fail; 2: not a BuildError; 4: failed elsewhere";
    fs::permissions(db_, fs::perms::owner_read | fs::perms::owner_write);
    ExpectPreviousDatabase();
}

TEST_F(FailedBuild, TargetThatCannotBeReplaced) {
    const std::string blocked = dir_ + "/blocked.mdb";
    fs::create_directories(blocked + "/inside");
    EXPECT_THROW(BuildExerciseDatabase(DefaultContentDir(), blocked), BuildError);
    fs::remove_all(blocked);
    ExpectPreviousDatabase();   // and no half-built file beside it
}
