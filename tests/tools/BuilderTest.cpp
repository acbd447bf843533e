// The exercise and trace databases made by the builder, and the data folder layout:
// what a build stores, what it keeps, and what a failed build leaves.
#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "Builder.h"
#include "platform/Files.h"
#include "DataFolder.h"
#include "Unprivileged.h"
#include "player/ContentCodec.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> FolderEntries(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

}  // namespace

TEST(Builder, EveryExerciseIsStoredInFileOrderScrambledAndFoundThroughItsCode) {
    TempDataFolder folder;
    const ContentSet source = LoadContent(DefaultContentDir());
    size_t next = 0;
    for (const LevelInfo& level : LevelTables()) {
        for (const DbRow& row : ReadRows(folder.ExosDb(), "SELECT * FROM " + level.table + " ORDER BY rowid")) {
            ASSERT_LT(next, source.exercises.size());
            const ExerciseSource& ex = source.exercises[next++];
            EXPECT_EQ(row.at("numEXO") + "|" + row.at("codeExo") + "|" + row.at("typeEXO") + "|" + row.at("resoluEXO"),
                      ex.number + "|" + ex.code + "|" + std::to_string(ex.typeExo) + "|0");
            EXPECT_EQ(row.at("contenuEXO"), AnsiToUtf8(ScrambleContent(Utf8ToAnsi(ex.content)))) << ex.number;
        }
        // A chapter's exercises are found through an index on the code.
        const auto plan = ReadRows(folder.ExosDb(), "EXPLAIN QUERY PLAN SELECT * FROM " + level.table + " WHERE codeExo = 'x'");
        EXPECT_NE(plan.at(0).at("detail").find("USING INDEX"), std::string::npos) << level.table;
    }
    EXPECT_EQ(next, source.exercises.size());
}

TEST(Builder, LevelTablesAreIndexedForTheChapterLookupAndTheCount) {
    TempDataFolder folder;
    for (const LevelInfo& level : LevelTables()) {
        const std::string& t = level.table;
        const struct { std::string query, plan; } cases[] = {
            // A chapter's exercises come in the order they were written: through the
            // index on the code alone, never the count's, which is ordered by kind.
            {"SELECT * FROM " + t + " WHERE ((codeExo=\"N1\"))",
             "SEARCH " + t + " USING INDEX idx_" + t + "_codeExo (codeExo=?)"},
            // The count of the eight kinds walks its index, grouped by code and kind or
            // by code alone, with no sort.
            {"SELECT codeExo, typeExo, COUNT(*) AS NbExo FROM " + t +
                 " WHERE (typeExo IN (1, 2, 3, 4, 5, 6, 7, 8)) GROUP BY codeExo, typeExo",
             "SCAN " + t + " USING COVERING INDEX idx_" + t + "_codeExo_typeEXO"},
            {"SELECT codeExo, COUNT(*) AS NbExo FROM " + t +
                 " WHERE (typeExo IN (1, 2, 3, 4, 5, 6, 7, 8)) GROUP BY codeExo",
             "SCAN " + t + " USING COVERING INDEX idx_" + t + "_codeExo_typeEXO"},
        };
        for (const auto& c : cases) {
            const auto plan = ReadRows(folder.ExosDb(), "EXPLAIN QUERY PLAN " + c.query);
            ASSERT_EQ(plan.size(), 1u) << c.query;
            EXPECT_EQ(plan[0].at("detail"), c.plan) << c.query;
        }
    }
    // Run again on a database that has them, the statements change nothing.
    const std::string before = ReadFileBytes(folder.ExosDb());
    ExecSql(folder.ExosDb(), LevelTableIndexSql("exos_math_cm1"));
    EXPECT_EQ(ReadFileBytes(folder.ExosDb()), before);
}

TEST(Builder, ALayOutKeepsTheTraceAndTheLearnerFileAndRebuildsExercises) {
    TempDataFolder folder({"Paul@Mathematiques CM1", "Zo\xC3\xA9@Fran\xC3\xA7" "ais 6e"});
    const std::string learners = ReadFileBytes(folder.LearnerFile());
    ExecSql(folder.TraceDb(), "INSERT INTO TraceExo (ExoCode, ExoNote) VALUES ('4001', 9), ('jeu', '23')");
    ExecSql(folder.ExosDb(), "UPDATE exos_math_cm1 SET resoluEXO = 1");
    fs::remove(fs::path(folder.ImagesDir()) / "pommes_7.jpg");

    const BuildSummary summary = LayOutDataFolder(folder.Dir());
    EXPECT_FALSE(summary.traceCreated);
    EXPECT_EQ(ReadFileBytes(folder.LearnerFile()), learners);
    // The mark column takes the mark of an exercise and the shots of a game alike.
    EXPECT_EQ(ReadRows(folder.TraceDb(), "SELECT ExoNote || typeof(ExoNote) AS n FROM TraceExo ORDER BY rowid"),
              (std::vector<DbRow>{{{"n", "9integer"}}, {{"n", "23integer"}}}));
    EXPECT_TRUE(ReadRows(folder.ExosDb(), "SELECT * FROM exos_math_cm1 WHERE resoluEXO <> 0").empty());
    EXPECT_TRUE(fs::is_regular_file(fs::path(folder.ImagesDir()) / "pommes_7.jpg"));
    // A trace database is never replaced.
    EXPECT_THROW(CreateTraceDatabase(folder.TraceDb()), BuildError);
    EXPECT_EQ(ReadRows(folder.TraceDb(), "SELECT * FROM TraceExo").size(), 2u);

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
        previous_ = ReadFileBytes(db_);
    }
    void TearDown() override {
        EXPECT_EQ(ReadFileBytes(db_), previous_);
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

TEST_F(FailedBuild, UnwritableFolderOrATargetThatCannotBeReplaced) {
    const std::string blocked = dir_ + "/blocked.mdb";
    fs::create_directories(blocked + "/inside");
    EXPECT_THROW(BuildExerciseDatabase(DefaultContentDir(), blocked), BuildError);
    fs::remove_all(blocked);

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
