// The data layer against real SQLite files.
#include <filesystem>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include "Ado.h"
#include "Files.h"

namespace fs = std::filesystem;

namespace {

class AdoTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "adoXXXXXX").string();
        dir_ = ::mkdtemp(tmpl.data());
        path_ = dir_ + "/bd.mdb";
        Raw(path_,
            "CREATE TABLE exos_math_cm1 (codeExo TEXT, typeEXO INTEGER, numEXO INTEGER,"
            " contenuEXO TEXT, imageExo TEXT, resoluEXO INTEGER);"
            "INSERT INTO exos_math_cm1 VALUES ('A1', 1, 1, 'un', '', 0);"
            "INSERT INTO exos_math_cm1 VALUES ('A1', 2, 2, 'deux', '', 0);"
            "INSERT INTO exos_math_cm1 VALUES ('A1', 3, 3, 'trois', '', 0);"
            "INSERT INTO exos_math_cm1 VALUES ('codeExo', 4, 4, 'mot', NULL, 0);"
            "INSERT INTO exos_math_cm1 VALUES ('B\"2', 5, 5, 'l''un', NULL, 0);"
            "CREATE TABLE \"table_des_matières\" (matiere TEXT, classe TEXT, programme TEXT);"
            "CREATE TABLE TraceExo (ExoCode TEXT, ExoStart TEXT, ExoNote INTEGER DEFAULT 7);"
            "CREATE TABLE Mesures (v REAL, b BLOB);"
            "INSERT INTO Mesures VALUES (3.0, x'4142');"
            "INSERT INTO Mesures VALUES (2.5, NULL);");
        cn_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path_ +
                                ";Mode=ReadWrite;Persist Security Info=False");
        cn_.Open();
    }
    void TearDown() override {
        cn_.Close();
        fs::remove_all(dir_);
    }
    // Runs SQL on the file through SQLite directly (creating it when needed).
    static void Raw(const std::string& path, const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
                  SQLITE_OK);
        char* error = nullptr;
        int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
        EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
    }
    // The codes a fresh query returns.
    std::vector<AnsiString> Codes(const AnsiString& sql, const char* field = "codeExo") {
        TADOQuery q;
        q.SetConnection(&cn_);
        q.SetSQLText(sql);
        q.Open();
        std::vector<AnsiString> codes;
        for (; !q.Eof(); q.Next()) codes.push_back(q.FieldByName(field).AsString());
        return codes;
    }

    std::string dir_, path_;
    TADOConnection cn_;
};

using V = std::vector<AnsiString>;

}  // namespace

TEST(JetSql, DoubleQuotedTextsBecomeLiterals) {
    EXPECT_EQ(JetToSqlite("WHERE ((codeExo=\"A1\"))"), "WHERE ((codeExo='A1'))");
    EXPECT_EQ(JetToSqlite("x=\"l'un\""), "x='l''un'");
    EXPECT_EQ(JetToSqlite("x=\"a\"\"b\""), "x='a\"b'");
    EXPECT_EQ(JetToSqlite("x='it''s \"q\"'"), "x='it''s \"q\"'");
    EXPECT_EQ(JetToSqlite("SELECT [a \"b\"] FROM t"), "SELECT [a \"b\"] FROM t");
    EXPECT_EQ(JetToSqlite("x=\"\""), "x=''");
}

TEST_F(AdoTest, JetLiteralsNeverNameColumns) {
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"codeExo\"))"), V{"codeExo"});
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"A1\"))").size(), 3u);
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE codeExo=\"B\"\"2\""), V{"B\"2"});
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE contenuEXO=\"l'un\""), V{"B\"2"});
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE contenuEXO='l''un'"), V{"B\"2"});
    EXPECT_EQ(Codes("SELECT * FROM EXOS_MATH_CM1 WHERE (1=1) AND CODEEXO=\"zz\""), V{});
    EXPECT_EQ(cn_.Execute("UPDATE exos_math_cm1 SET imageExo=\"x.jpg\" WHERE codeExo=\"A1\""), 3);
    EXPECT_EQ(Codes("SELECT codeExo FROM exos_math_cm1 WHERE imageExo=\"x.jpg\"").size(), 3u);
}

TEST_F(AdoTest, CursorFlagsAfterMovesBothWays) {
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"A1\"))");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 3);
    EXPECT_TRUE(q.Bof());
    EXPECT_FALSE(q.Eof());
    EXPECT_EQ(q.RecNo(), 1);

    q.Prior();  // already first
    EXPECT_TRUE(q.Bof());
    EXPECT_EQ(q.RecNo(), 1);

    q.Next();
    q.Next();
    EXPECT_FALSE(q.Bof());
    EXPECT_FALSE(q.Eof());
    EXPECT_EQ(q.FieldByName("NUMEXO").AsInteger(), 3);
    q.Next();  // beyond the last: stays on it
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.RecNo(), 3);
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.FieldByName("numEXO").AsInteger(), 3);

    q.Prior();  // the other way works again
    EXPECT_FALSE(q.Eof());
    EXPECT_FALSE(q.Bof());
    EXPECT_EQ(q.RecNo(), 2);
    q.Prior();
    EXPECT_FALSE(q.Bof());
    q.Prior();
    EXPECT_TRUE(q.Bof());
    EXPECT_EQ(q.RecNo(), 1);

    EXPECT_EQ(q.MoveBy(5), 2);
    EXPECT_EQ(q.RecNo(), 3);
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.MoveBy(-1), -1);
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_EQ(q.MoveBy(-4), -1);
    EXPECT_TRUE(q.Bof());

    q.Last();
    EXPECT_EQ(q.RecNo(), 3);
    q.First();
    EXPECT_TRUE(q.Bof());
    EXPECT_EQ(q.RecNo(), 1);
}

TEST_F(AdoTest, EmptyResultHasBothFlagsRaised) {
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT * FROM exos_math_cm1 WHERE codeExo=\"none\"");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_EQ(q.RecNo(), 0);
    EXPECT_TRUE(q.Bof());
    EXPECT_TRUE(q.Eof());
    q.Next();
    q.Prior();
    EXPECT_EQ(q.MoveBy(3), 0);
    EXPECT_TRUE(q.Bof());
    EXPECT_TRUE(q.Eof());
    EXPECT_TRUE(q.FieldByName("codeExo").IsNull());
    EXPECT_THROW(q.FieldByName("nothing"), EDatabaseError);
    EXPECT_THROW(q.Edit(), EDatabaseError);
}

TEST_F(AdoTest, ValuesKeepTheirKinds) {
    TADOTable t;
    t.SetConnection(&cn_);
    t.SetTableName("mesures");
    t.Open();
    ASSERT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.FieldNames(), (V{"v", "b"}));
    EXPECT_EQ(t.FieldByName("v").Value(), Variant(3));
    EXPECT_EQ(t.FieldByName("b").AsString(), "AB");
    t.Next();
    EXPECT_EQ(t.FieldByName("v").AsString(), "2,5");
    EXPECT_TRUE(t.FieldByName("b").IsNull());
    EXPECT_EQ(t.FieldByName("b").AsString(), "");
    EXPECT_THROW(t.FieldByName("b").AsInteger(), EConvertError);
    EXPECT_THROW(t.FieldByName("v").AsInteger(), EConvertError);
}

TEST_F(AdoTest, EditPostUpdatesTheRowOfAFilteredQuery) {
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"A1\"))");
    q.Open();
    q.Next();
    EXPECT_THROW(q.FieldByName("resoluExo").SetAsInteger(1), EDatabaseError);  // not editing
    q.Edit();
    EXPECT_EQ(q.State(), TDataSetState::Edit);
    q.FieldByName("resoluExo").SetAsInteger(1);
    q.FieldByName("contenuEXO").SetAsString(Utf8ToAnsi("deux élèves"));
    EXPECT_EQ(q.FieldByName("resoluEXO").AsInteger(), 1);
    q.Post();
    EXPECT_EQ(q.State(), TDataSetState::Browse);
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_EQ(q.FieldByName("resoluEXO").AsInteger(), 1);

    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE resoluEXO=1", "contenuEXO"),
              V{Utf8ToAnsi("deux élèves")});

    // Cancel drops the changes.
    q.Edit();
    q.FieldByName("contenuEXO").SetAsString("x");
    q.Cancel();
    EXPECT_EQ(q.FieldByName("contenuEXO").AsString(), Utf8ToAnsi("deux élèves"));
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE contenuEXO=\"x\"").size(), 0u);

    // Only the changed fields are written.
    Raw(path_, "UPDATE exos_math_cm1 SET imageExo='other.jpg' WHERE numEXO=2");
    q.Edit();
    q.FieldByName("typeEXO").SetAsInteger(8);
    q.Post();
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE typeEXO=8", "imageExo"), V{"other.jpg"});
}

TEST_F(AdoTest, GroupedAndJoinedQueriesAreReadOnly) {
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT codeExo, COUNT(*) AS NbExo FROM exos_math_cm1 WHERE (typeExo<9) GROUP BY codeExo");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(q.FieldByName("nbexo").AsInteger(), 3);
    EXPECT_THROW(q.Edit(), EDatabaseError);
    EXPECT_THROW(q.Append(), EDatabaseError);

    q.SetSQLText("SELECT count(*) AS n FROM exos_math_cm1");
    q.Open();
    EXPECT_EQ(q.FieldByName("n").AsInteger(), 5);
    EXPECT_THROW(q.Edit(), EDatabaseError);

    q.SetSQLText("SELECT a.codeExo FROM exos_math_cm1 a, TraceExo b");
    q.Open();
    EXPECT_THROW(q.Edit(), EDatabaseError);

    q.SetSQLText("DELETE FROM exos_math_cm1");
    EXPECT_THROW(q.Open(), EDatabaseError);
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1").size(), 5u);
}

TEST_F(AdoTest, AppendPostAddsARowAtTheEnd) {
    TADOTable t;
    t.SetConnection(&cn_);
    t.SetTableName("TRACEEXO");
    t.Open();
    EXPECT_TRUE(t.Eof());
    t.Append();
    EXPECT_EQ(t.State(), TDataSetState::Insert);
    t.FieldByName("ExoCode").SetAsString(Utf8ToAnsi("Fractions égales"));
    t.FieldByName("ExoStart").SetAsString("07/03/2024 09:05:03");
    t.Post();
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_FALSE(t.Bof());
    EXPECT_FALSE(t.Eof());
    EXPECT_EQ(t.FieldByName("ExoNote").AsInteger(), 7);  // the column's default, read back

    t.Append();
    t.FieldByName("ExoCode").SetAsString("B");
    t.FieldByName("ExoNote").SetAsInteger(10);
    t.Post();
    EXPECT_EQ(t.RecNo(), 2);
    t.Close();

    EXPECT_EQ(Codes("SELECT * FROM TraceExo", "ExoCode"), (V{Utf8ToAnsi("Fractions égales"), "B"}));
    EXPECT_EQ(Codes("SELECT * FROM TraceExo WHERE ExoNote=10", "ExoCode"), V{"B"});

    // A post still pending is written by the next move.
    t.Open();
    t.Edit();
    t.FieldByName("ExoNote").SetAsInteger(3);
    t.Next();
    EXPECT_EQ(Codes("SELECT * FROM TraceExo WHERE ExoNote=3", "ExoCode"), V{Utf8ToAnsi("Fractions égales")});
}

TEST_F(AdoTest, AccentedTableNameAndTextsRoundTrip) {
    const AnsiString table = Utf8ToAnsi("table_des_matières");
    const AnsiString programme = Utf8ToAnsi("Les nombres décimaux : « œuvre », 5 €, l’élève");
    TADOTable t;
    t.SetConnection(&cn_);
    t.SetTableName(table);
    t.Open();
    t.Append();
    t.FieldByName("matiere").SetAsString(Utf8ToAnsi("Français"));
    t.FieldByName("classe").SetAsString("CE1");
    t.FieldByName("programme").SetAsString(programme);
    t.Post();
    t.Close();

    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT * FROM " + table + " WHERE matiere=\"" + Utf8ToAnsi("Français") + "\"");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("programme").AsString(), programme);
    q.Edit();
    q.FieldByName("classe").SetAsString("6e");
    q.Post();

    // Stored as UTF-8 in the file.
    sqlite3* db = cn_.Handle();
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT matiere, classe FROM \"table_des_matières\"", -1, &st, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "Français");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)), "6e");
    sqlite3_finalize(st);
}

TEST_F(AdoTest, OpeningNeedsAnExistingDatabaseFile) {
    TADOConnection missing;
    missing.SetConnectionString("Provider=x;data source=" + dir_ + "/nothing.mdb;Mode=ReadWrite");
    EXPECT_EQ(missing.DataSource(), dir_ + "/nothing.mdb");
    EXPECT_THROW(missing.Open(), EDatabaseError);
    EXPECT_FALSE(missing.Connected());
    EXPECT_FALSE(fs::exists(dir_ + "/nothing.mdb"));

    TADOConnection folder;
    folder.SetConnectionString("Data Source=" + dir_);
    EXPECT_THROW(folder.Open(), EDatabaseError);

    WriteFileAtomic(dir_ + "/text.mdb", "this is no database at all, just some words to fill a page");
    TADOConnection notDb;
    notDb.SetConnectionString("Data Source=" + dir_ + "/text.mdb");
    EXPECT_THROW(notDb.Open(), EDatabaseError);

    TADOConnection none;
    EXPECT_THROW(none.Open(), EDatabaseError);
    EXPECT_THROW(none.Handle(), EDatabaseError);
    TADOQuery q;
    q.SetConnection(&none);
    q.SetSQLText("SELECT 1");
    EXPECT_THROW(q.Open(), EDatabaseError);
}

TEST_F(AdoTest, ClosingTheConnectionClosesItsDatasets) {
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT * FROM exos_math_cm1");
    q.Open();
    cn_.Close();
    EXPECT_FALSE(q.Active());
    EXPECT_FALSE(cn_.Connected());
    EXPECT_THROW(q.FieldByName("codeExo"), EDatabaseError);
    cn_.Open();
    q.Open();
    EXPECT_EQ(q.RecordCount(), 5);

    // A dataset may outlive its connection.
    auto other = std::make_unique<TADOConnection>();
    other->SetConnectionString("Data Source=" + path_);
    other->Open();
    TADOTable t;
    t.SetConnection(other.get());
    t.SetTableName("exos_math_cm1");
    t.Open();
    other.reset();
    EXPECT_FALSE(t.Active());
    EXPECT_EQ(t.Connection(), nullptr);
}

TEST_F(AdoTest, SqlErrorsAreDatabaseErrors) {
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT * FROM no_such_table");
    try {
        q.Open();
        FAIL() << "no error";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("no_such_table"), std::string::npos);
    }
    EXPECT_FALSE(q.Active());
    EXPECT_THROW(cn_.Execute("INSERT INTO nowhere VALUES (1)"), EDatabaseError);
    EXPECT_TRUE(Guarded([&] { cn_.Execute("-- nothing"); }));
}

TEST_F(AdoTest, ALockedDatabaseMakesAWriteWaitThenFail) {
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path_.c_str(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE; INSERT INTO TraceExo (ExoCode) VALUES ('held');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    cn_.SetBusyTimeout(50);

    TADOTable t;
    t.SetConnection(&cn_);
    t.SetTableName("TraceExo");
    t.Open();  // reading still works
    t.Append();
    t.FieldByName("ExoCode").SetAsString("mine");
    EXPECT_THROW(t.Post(), EDatabaseError);
    EXPECT_EQ(t.State(), TDataSetState::Insert);  // the record is not lost

    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    t.Post();
    EXPECT_EQ(Codes("SELECT * FROM TraceExo", "ExoCode"), (V{"held", "mine"}));
}
