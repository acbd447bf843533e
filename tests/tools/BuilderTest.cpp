// The exercise and trace databases made by the builder, and the data folder layout.
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "Builder.h"
#include "DataFolder.h"
#include "Unprivileged.h"
#include "player/ContentCodec.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;
const char* const kContents = "\"table_des_mati\xC3\xA8res\"";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Names Columns(const std::string& db, const std::string& table) {
    Names names;
    for (const DbRow& row : ReadRows(db, "PRAGMA table_info(" + table + ")")) names.push_back(row.at("name"));
    return names;
}

std::set<std::string> FolderEntries(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
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

TEST_F(SampleDatabase, FolderHoldsBothDatabasesWithTheirTablesAndThePictures) {
    EXPECT_EQ(FolderEntries(folder_->Dir()), (std::set<std::string>{"bd_exos.mdb", "bd_trace.mdb", "exo_images"}));
    const std::string exos = folder_->ExosDb(), trace = folder_->TraceDb();
    ASSERT_EQ(LevelTables().size(), 11u);
    for (const LevelInfo& level : LevelTables()) {
        EXPECT_EQ(Columns(exos, level.table), (Names{"codeExo", "typeEXO", "numEXO", "contenuEXO", "imageExo", "resoluEXO"}))
            << level.table;
        // A chapter's exercises are found through an index on the code.
        const auto plan = ReadRows(exos, "EXPLAIN QUERY PLAN SELECT * FROM " + level.table + " WHERE codeExo = 'x'");
        EXPECT_NE(plan.at(0).at("detail").find("USING INDEX"), std::string::npos) << level.table;
    }
    EXPECT_EQ(Columns(exos, kContents), (Names{"matiere", "classe", "programme"}));
    EXPECT_EQ(Columns(trace, "TraceExo"), (Names{"ExoCode", "ExoStart", "ExoEnd", "ExoNote", "ExoUseverif", "ExoType",
                                                 "ExoChap", "ExoChapcode"}));
    EXPECT_EQ(Columns(trace, "OptionApp"), (Names{"optionExo", "optionJeux"}));
    EXPECT_EQ(Columns(trace, "Apprenant"), (Names{"prenom", "classe"}));
    for (const char* table : {"TraceExo", "OptionApp", "Apprenant"})
        EXPECT_TRUE(ReadRows(trace, std::string("SELECT * FROM ") + table).empty());
}

TEST_F(SampleDatabase, EveryExerciseIsStoredInFileOrderWithItsContentScrambled) {
    const ContentSet source = LoadContent(DefaultContentDir());
    size_t next = 0;
    for (const LevelInfo& level : LevelTables()) {
        for (const DbRow& row : ReadRows(folder_->ExosDb(), "SELECT * FROM " + level.table + " ORDER BY rowid")) {
            ASSERT_LT(next, source.exercises.size());
            const ExerciseSource& ex = source.exercises[next++];
            SCOPED_TRACE(level.table + " " + row.at("numEXO"));
            EXPECT_EQ(row.at("numEXO"), ex.number);   // file order is kept
            EXPECT_EQ(row.at("codeExo"), ex.code);
            EXPECT_EQ(row.at("resoluEXO"), "0");
            EXPECT_EQ(row.at("contenuEXO"), AnsiToUtf8(ScrambleContent(Utf8ToAnsi(ex.content))));
            EXPECT_EQ(row.at("typeEXO"), std::to_string(ex.typeExo));
        }
    }
    EXPECT_EQ(next, source.exercises.size());
}

TEST_F(SampleDatabase, SampleServesTheScreens) {
    // One programme per subject and level: chapters with codes, headings without,
    // tab-indented sub-chapters.
    const auto rows = ReadRows(folder_->ExosDb(), std::string("SELECT * FROM ") + kContents + " ORDER BY rowid");
    ASSERT_EQ(rows.size(), 11u);
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].at("classe"));
        EXPECT_EQ(rows[i].at("matiere"), i < 9 ? "Mathematiques" : "Fran\xC3\xA7" "ais");
        EXPECT_EQ(rows[i].at("classe"), LevelTables()[i].classe);
        int coded = 0, headings = 0, indented = 0;
        for (const AnsiString& line : SplitLines(rows[i].at("programme"))) {
            const AnsiString t = Trim(line);
            (t.size() >= 3 && t[0] == '[' && t.find(']') != AnsiString::npos ? coded : headings) += 1;
            indented += line[0] == '\t';
        }
        EXPECT_GE(coded, 3);
        EXPECT_GE(headings, 1);
        EXPECT_GE(indented, 1);
    }
    // Every kind has exercises; a few exercises have a picture file, most have Null.
    std::map<std::string, int> perKind;
    for (const DbRow& row : ReadRows(folder_->ExosDb(), "SELECT typeEXO, count(*) AS n FROM exos_math_cm1 GROUP BY typeEXO"))
        perKind[row.at("typeEXO")] = std::stoi(row.at("n"));
    for (int t = 1; t <= 8; ++t) EXPECT_GE(perKind[std::to_string(t)], 1) << "kind " << t;
    const auto pictures = ReadRows(folder_->ExosDb(), "SELECT imageExo, imageExo IS NULL AS none FROM exos_math_cm1");
    int named = 0;
    for (const DbRow& row : pictures) {
        if (row.at("none") == "1") continue;
        ++named;
        EXPECT_TRUE(fs::is_regular_file(fs::path(folder_->ImagesDir()) / row.at("imageExo"))) << row.at("imageExo");
    }
    EXPECT_GE(named, 3);
    EXPECT_LT(named, static_cast<int>(pictures.size()));
}

TEST(TraceDatabase, IsNeverReplacedAndItsMarkColumnTakesTextOrNumber) {
    const std::string dir = MakeTempDir("exercices-trace");
    const std::string db = dir + "/bd_trace.mdb";
    CreateTraceDatabase(db);
    ExecSql(db, "INSERT INTO TraceExo (ExoCode, ExoNote) VALUES ('4001', 7), ('jeu', '23')");
    const auto rows = ReadRows(db, "SELECT ExoNote, typeof(ExoNote) AS t FROM TraceExo ORDER BY rowid");
    EXPECT_EQ(rows.at(1).at("ExoNote"), "23");
    EXPECT_EQ(rows.at(1).at("t"), "integer");
    EXPECT_THROW(CreateTraceDatabase(db), BuildError);
    EXPECT_EQ(ReadRows(db, "SELECT * FROM TraceExo").size(), 2u);
    EXPECT_EQ(FolderEntries(dir), (std::set<std::string>{"bd_trace.mdb"}));
    fs::remove_all(dir);
}

TEST(LayOut, KeepsTheTraceAndTheLearnerFileAndRebuildsExercises) {
    TempDataFolder folder({"Paul@Mathematiques CM1", "Zo\xC3\xA9@Fran\xC3\xA7" "ais 6e"});
    EXPECT_EQ(fs::canonical(fs::current_path()), fs::canonical(folder.Dir()));   // the working directory
    const std::string learners = ReadBytes(folder.LearnerFile());
    EXPECT_EQ(learners, "Paul@Mathematiques CM1\r\nZo\xE9@Fran\xE7" "ais 6e\r\n");
    ExecSql(folder.TraceDb(), "INSERT INTO TraceExo (ExoCode, ExoNote) VALUES ('4001', 9)");
    ExecSql(folder.ExosDb(), "UPDATE exos_math_cm1 SET resoluEXO = 1");
    fs::remove(fs::path(folder.ImagesDir()) / "pommes_7.jpg");

    const BuildSummary summary = LayOutDataFolder(folder.Dir());
    EXPECT_FALSE(summary.traceCreated);
    EXPECT_EQ(summary.tables, 11);
    EXPECT_EQ(ReadBytes(folder.LearnerFile()), learners);
    EXPECT_EQ(ReadRows(folder.TraceDb(), "SELECT * FROM TraceExo").size(), 1u);
    EXPECT_TRUE(ReadRows(folder.ExosDb(), "SELECT * FROM exos_math_cm1 WHERE resoluEXO <> 0").empty());
    EXPECT_TRUE(fs::is_regular_file(fs::path(folder.ImagesDir()) / "pommes_7.jpg"));

    const std::string fresh = folder.Path("a/b");   // a folder that is not there yet
    EXPECT_TRUE(LayOutDataFolder(fresh).traceCreated);
    EXPECT_EQ(FolderEntries(fresh), (std::set<std::string>{"bd_exos.mdb", "bd_trace.mdb", "exo_images"}));
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
        EXPECT_EQ(ReadBytes(db_), previous_);
        EXPECT_EQ(FolderEntries(dir_), (std::set<std::string>{"bd_exos.mdb"}));   // nothing half-built beside it
        fs::remove_all(dir_);
    }
    std::string dir_, db_, previous_;
};

TEST_F(FailedBuild, BadContentNamesItsFileAndLine) {
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
    fs::remove_all(content);
}

TEST_F(FailedBuild, UnwritableFolder) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const int result = RunUnprivileged([&] {
        try {
            BuildExerciseDatabase(DefaultContentDir(), db_);
        } catch (const BuildError& e) {
            // The failure must come from writing in the folder, not from reading the content.
            return std::string(e.what()).find(dir_) == 0 ? 0 : 3;
        }
        return 1;
    });
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(result, 0) << "1: the build did not fail; 3: it failed elsewhere; 254: not a BuildError";
}

TEST_F(FailedBuild, TargetThatCannotBeReplaced) {
    const std::string blocked = dir_ + "/blocked.mdb";
    fs::create_directories(blocked + "/inside");
    EXPECT_THROW(BuildExerciseDatabase(DefaultContentDir(), blocked), BuildError);
    fs::remove_all(blocked);
}
