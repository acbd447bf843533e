// The data layer against real SQLite files.
#include <filesystem>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "Ado.h"
#include "Files.h"
#include "LockedDatabase.h"
#include "Unprivileged.h"

namespace fs = std::filesystem;

namespace {

using V = std::vector<AnsiString>;

class AdoTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "adoXXXXXX").string();
        dir_ = ::mkdtemp(tmpl.data());
        path_ = dir_ + "/bd.mdb";
        Raw("CREATE TABLE exos_math_cm1 (codeExo TEXT, typeEXO INTEGER, numEXO INTEGER,"
            " contenuEXO TEXT, imageExo TEXT, resoluEXO INTEGER);"
            "INSERT INTO exos_math_cm1 VALUES ('A1', 1, 1, 'un', '', 0), ('A1', 2, 2, 'deux', '', 0),"
            " ('A1', 3, 3, 'trois', '', 0), ('codeExo', 4, 4, 'mot', NULL, 0), ('B\"2', 5, 5, 'l''un', NULL, 0);"
            "CREATE TABLE \"table_des_matières\" (matiere TEXT, classe TEXT, programme TEXT);"
            "CREATE TABLE TraceExo (ExoCode TEXT, ExoStart TEXT, ExoNote INTEGER DEFAULT 7);");
        cn_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path_ +
                                ";Mode=ReadWrite;Persist Security Info=False");
        cn_.Open();
    }
    void TearDown() override {
        cn_.Close();
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }
    // Runs SQL on the file through SQLite directly.
    void Raw(const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    // One field of every row a fresh query returns.
    V Codes(const AnsiString& sql, const char* field = "codeExo") {
        TADOQuery q;
        q.SetConnection(&cn_);
        q.SetSQLText(sql);
        q.Open();
        V codes;
        for (; !q.Eof(); q.Next()) codes.push_back(q.FieldByName(field).AsString());
        return codes;
    }
    // The exercise query of chapter A1, opened.
    void OpenChapter(TADOQuery& q) {
        q.SetConnection(&cn_);
        q.SetSQLText("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"A1\"))");
        q.Open();
    }
    // TraceExo holds E1 .. En, more rows than a dataset reads at a time.
    void FillTrace(int n) {
        Raw(("INSERT INTO TraceExo (ExoCode) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
             "WHERE i < " + std::to_string(n) + ") SELECT 'E' || i FROM n").c_str());
    }
    AnsiString Code(TDataSet& d) { return d.FieldByName("ExoCode").AsString(); }
    void AppendTrace(TDataSet& t, const AnsiString& code) {
        t.Append();
        t.FieldByName("ExoCode").SetAsString(code);
        t.Post();
    }
    int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

    std::string dir_, path_;
    TADOConnection cn_;
};

}  // namespace

TEST_F(AdoTest, JetLiteralsAreTextsEvenWhenTheyNameAColumn) {
    EXPECT_EQ(JetToSqlite("x=\"l'un\" AND y=\"a\"\"b\" AND z='it''s \"q\"' AND [a \"b\"]=\"\""),
              "x='l''un' AND y='a\"b' AND z='it''s \"q\"' AND [a \"b\"]=''");
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"codeExo\"))"), V{"codeExo"});
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE codeExo=\"B\"\"2\""), V{"B\"2"});
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE contenuEXO=\"l'un\""), V{"B\"2"});
    EXPECT_EQ(Codes("SELECT * FROM EXOS_MATH_CM1 WHERE (1=1) AND CODEEXO=\"zz\""), V{});
    EXPECT_EQ(cn_.Execute("UPDATE exos_math_cm1 SET imageExo=\"x.jpg\" WHERE codeExo=\"A1\""), 3);
    EXPECT_EQ(Codes("SELECT codeExo FROM exos_math_cm1 WHERE imageExo=\"x.jpg\"").size(), 3u);
}

TEST_F(AdoTest, RowsAreReadAsTheCursorReachesThemBothWaysAndWrittenBack) {
    FillTrace(250);
    TADOTable t;
    t.SetConnection(&cn_);
    t.SetTableName("TraceExo");
    t.Open();
    EXPECT_EQ(t.MoveBy(149), 149);
    EXPECT_EQ(Code(t), "E150");
    EXPECT_EQ(t.RecordCount(), 250);
    t.Edit();
    t.FieldByName("ExoNote").SetAsInteger(3);
    t.Post();
    V rest;
    for (t.Next(); !t.Eof(); t.Next()) rest.push_back(Code(t));
    ASSERT_EQ(rest.size(), 100u);   // the written row is not given again
    EXPECT_EQ(rest.front() + rest.back(), "E151E250");
    EXPECT_EQ(t.MoveBy(-300), -249);
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(Code(t), "E1");
    EXPECT_EQ(Codes("SELECT * FROM TraceExo WHERE ExoNote = 3", "ExoCode"), V{"E150"});

    // Appending reads no row (each row read calls seen()); the record comes once, after
    // all the others.
    int seen = 0;
    sqlite3_create_function(
        cn_.Handle(), "seen", 0, SQLITE_UTF8, &seen,
        [](sqlite3_context* c, int, sqlite3_value**) { ++*static_cast<int*>(sqlite3_user_data(c)); },
        nullptr, nullptr);
    TADOQuery q;
    q.SetConnection(&cn_);
    q.SetSQLText("SELECT ExoCode, ExoNote, seen() AS s FROM TraceExo");
    q.Open();
    AppendTrace(q, "new");
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(q.RecNo(), 251);
    q.Prior();
    EXPECT_EQ(Code(q), "E250");
    q.Last();
    EXPECT_EQ(Code(q), "new");
    q.First();
    EXPECT_EQ(q.MoveBy(300), 250);
    EXPECT_EQ(q.RecordCount(), 251);
    q.Edit();
    q.FieldByName("ExoNote").SetAsInteger(4);
    q.Post();
    EXPECT_EQ(Codes("SELECT * FROM TraceExo WHERE ExoNote = 4", "ExoCode"), V{"new"});
}

TEST_F(AdoTest, EditPostWritesOnlyTheChangedFieldsOfTheRow) {
    TADOQuery q;
    OpenChapter(q);
    q.Next();
    EXPECT_THROW(q.FieldByName("resoluExo").SetAsInteger(1), EDatabaseError);   // not editing
    q.Edit();
    q.FieldByName("resoluExo").SetAsInteger(1);
    q.FieldByName("contenuEXO").SetAsString(Utf8ToAnsi("deux élèves"));
    Raw("UPDATE exos_math_cm1 SET imageExo='other.jpg' WHERE numEXO=2");
    q.Post();
    EXPECT_EQ(q.State(), TDataSetState::Browse);
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE resoluEXO=1", "contenuEXO"), V{Utf8ToAnsi("deux élèves")});
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1 WHERE resoluEXO=1", "imageExo"), V{"other.jpg"});

    q.Edit();
    q.FieldByName("contenuEXO").SetAsString("x");
    q.Cancel();
    EXPECT_EQ(q.FieldByName("contenuEXO").AsString(), Utf8ToAnsi("deux élèves"));

    // Grouped, joined and counting queries are read only; a statement is no dataset.
    for (const char* sql : {"SELECT codeExo, COUNT(*) AS NbExo FROM exos_math_cm1 WHERE (typeExo<9) GROUP BY codeExo",
                            "SELECT count(*) AS n FROM exos_math_cm1", "SELECT a.codeExo FROM exos_math_cm1 a, TraceExo b"}) {
        q.SetSQLText(sql);
        q.Open();
        EXPECT_THROW(q.Edit(), EDatabaseError) << sql;
        EXPECT_THROW(q.Append(), EDatabaseError) << sql;
    }
    q.SetSQLText("DELETE FROM exos_math_cm1");
    EXPECT_THROW(q.Open(), EDatabaseError);
    EXPECT_EQ(Codes("SELECT * FROM exos_math_cm1").size(), 5u);
}

TEST_F(AdoTest, AppendPostAddsRowsAndAccentedNamesAndTextsRoundTrip) {
    TADOTable t;
    t.SetConnection(&cn_);
    t.SetTableName("TRACEEXO");
    t.Open();
    AppendTrace(t, Utf8ToAnsi("Fractions égales"));
    EXPECT_EQ(t.FieldByName("ExoNote").AsInteger(), 7);   // the column's default, read back
    AppendTrace(t, "B");
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_EQ(Codes("SELECT * FROM TraceExo", "ExoCode"), (V{Utf8ToAnsi("Fractions égales"), "B"}));

    const AnsiString table = Utf8ToAnsi("table_des_matières");
    const AnsiString programme = Utf8ToAnsi("Les nombres décimaux : « œuvre », 5 €, l’élève");
    t.SetTableName(table);
    t.Open();
    t.Append();
    t.FieldByName("matiere").SetAsString(Utf8ToAnsi("Français"));
    t.FieldByName("programme").SetAsString(programme);
    t.Post();
    EXPECT_EQ(Codes("SELECT * FROM " + table + " WHERE matiere=\"" + Utf8ToAnsi("Français") + "\"", "programme"),
              V{programme});
    EXPECT_EQ(Codes("SELECT hex(matiere) AS h FROM " + table, "h"), V{"4672616EC3A7616973"});   // UTF-8 on disk
}

TEST_F(AdoTest, MissingUnreadableOrBrokenDatabasesFailAndNothingIsCreated) {
    auto fails = [](const AnsiString& cs) {
        TADOConnection c;
        c.SetConnectionString(cs);
        EXPECT_THROW(c.Open(), EDatabaseError) << cs;
        EXPECT_FALSE(c.Connected());
    };
    TADOConnection missing;
    missing.SetConnectionString("Provider=x;data source=" + dir_ + "/nothing.mdb;Mode=ReadWrite");
    EXPECT_EQ(missing.DataSource(), dir_ + "/nothing.mdb");
    fails(missing.ConnectionString());
    fails("Data Source=" + dir_);   // a folder
    fails("Provider=x");
    WriteFileAtomic(dir_ + "/text.mdb", "this is no database at all, just some words to fill a page");
    fails("Data Source=" + dir_ + "/text.mdb");
    EXPECT_EQ(Entries(), 2);

    // Without the right to read it, or only to read it (as an ordinary user).
    EXPECT_FALSE(cn_.ReadOnly());
    cn_.Close();
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    fs::copy_file(path_, dir_ + "/readonly.mdb");
    fs::permissions(dir_ + "/readonly.mdb", fs::perms::owner_read | fs::perms::others_read);
    const int result = RunUnprivileged([&] {
        TADOConnection c;
        c.SetConnectionString("Data Source=" + path_);
        if (Guarded([&] { c.Open(); })) return 1;
        c.SetConnectionString("Data Source=" + dir_ + "/readonly.mdb");
        c.Open();
        if (!c.ReadOnly()) return 3;
        TADOTable t;
        t.SetConnection(&c);
        t.SetTableName("TraceExo");
        t.Open();
        t.Append();
        return Guarded([&] { t.Post(); }) ? 2 : 0;
    });
    EXPECT_EQ(result, 0) << "1: opened an unreadable file; 2: wrote a read-only one; 3: did not say it is "
                            "read-only; 254: other failure";
    EXPECT_EQ(Entries(), 3);
}

TEST_F(AdoTest, ClosingTheConnectionClosesItsDatasets) {
    TADOQuery q;
    OpenChapter(q);
    cn_.Close();
    EXPECT_FALSE(q.Active());
    EXPECT_THROW(q.FieldByName("codeExo"), EDatabaseError);

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

// A shortened wait for another program's lock: a locked database fails at once instead
// of after the connection's own wait (an hour here: without it this test would hang),
// then the connection has its own wait back; a shorter one of its own stands.
TEST_F(AdoTest, ALockWaitShortensTheConnectionsWaitWhileItLives) {
    const int anHour = 3600 * 1000;
    cn_.Close();
    cn_.SetBusyTimeout(anHour);
    LockedDatabase other(path_, "EXCLUSIVE");
    ASSERT_TRUE(other.Held());
    {
        const TLockWait wait(&cn_, 20);
        EXPECT_EQ(cn_.BusyTimeout(), 20);
        cn_.Open();
        EXPECT_THROW(Codes("SELECT * FROM TraceExo", "ExoCode"), EDatabaseError);
    }
    EXPECT_EQ(cn_.BusyTimeout(), anHour);
    cn_.SetBusyTimeout(10);
    {
        const TLockWait wait(&cn_, 20);
        EXPECT_EQ(cn_.BusyTimeout(), 10);
        const TLockWait none(nullptr, 20);
    }
    EXPECT_EQ(cn_.BusyTimeout(), 10);
    other.Release();
    EXPECT_EQ(Codes("SELECT * FROM TraceExo", "ExoCode"), V{});
}
