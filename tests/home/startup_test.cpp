// The entry routine's screens and the home screen's start-up sequence.
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "ScreenFixture.h"
#include "games/Jeux.h"
#include "home/Endapp.h"
#include "home/Historique.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "home/Options.h"
#include "platform/Files.h"
#include "player/Mainform_exo.h"
#include "player/Myinputbox.h"

namespace fs = std::filesystem;

namespace {

// The stored string with a data source in its place (given as written, quotes included).
AnsiString ExpectedString(const AnsiString& source) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + source +
           ";Mode=ReadWrite;Persist Security Info=False";
}

}  // namespace

using StartupTest = ScreenTest;

TEST_F(StartupTest, EightScreensExistOnceAndShowEveryControlWithinReach) {
    TForm* screens[] = {StartForm, MainFormEXO, Identification, OptionForm, HistoriqueForm, Abientot, Jeu, EnterText};
    ASSERT_EQ(Application->Forms(), std::vector<TForm*>(std::begin(screens), std::end(screens)));
    EXPECT_EQ(Application->MainForm(), StartForm);
    for (TForm* screen : screens) {
        EXPECT_FALSE(screen->isVisible()) << screen->Name() << " is shown when created";
        screen->show();
        if (screen != Jeu) {
            EXPECT_EQ(CoveredControls(screen), std::vector<AnsiString>{}) << screen->Name();
        }
        screen->hide();
    }
    // The games screen's choice panel covers both boards, and the numbers board the
    // other: each layer is shown alone.
    std::vector<TControl*> naval;
    for (TControl* c : Jeu->Controls())
        if (c != Jeu->CHOISIRJEU && c != Jeu->CompteEstBon && c->Visible()) naval.push_back(c);
    Jeu->show();
    for (const auto& layer : {std::vector<TControl*>{Jeu->CHOISIRJEU}, naval, std::vector<TControl*>{Jeu->CompteEstBon}}) {
        for (TControl* c : naval) c->Hide();
        Jeu->CHOISIRJEU->Hide();
        Jeu->CompteEstBon->Hide();
        for (TControl* c : layer) c->Show();
        EXPECT_EQ(CoveredControls(Jeu), std::vector<AnsiString>{}) << layer.front()->Name();
    }
}

TEST_F(StartupTest, ConnectionStringsPointAtTheWorkingDirectoryWithoutOpening) {
    WriteLearnerFile({"Paul@Mathematiques CM1", "Zoé@Français 6e"});
    ASSERT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("USER_DATABASE_PATH"));
    RunStartup();
    const std::string dir = GetCurrentDir();
    EXPECT_EQ(StartForm->AppDir, dir);
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("\"" + dir + "/bd_exos.mdb\""));
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), ExpectedString("\"" + dir + "/bd_trace.mdb\""));
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected() || MainFormEXO->TraceADOConnection->Connected());
    // The first line of the file is the learner; the list waits for its panel.
    EXPECT_TRUE(modalForms.empty());
    EXPECT_EQ(StartForm->LearnerName + "@" + StartForm->Subject + " " + StartForm->Level, "Paul@Mathematiques CM1");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_cm1");
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 0);

    // Without the marker both connections keep their strings and the later steps still run.
    const AnsiString trace = MainFormEXO->TraceADOConnection->ConnectionString();
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=fixed.db");
    StartForm->LearnerName = "";
    RunStartup();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString() + "|" + MainFormEXO->TraceADOConnection->ConnectionString(),
              "Data Source=fixed.db|" + trace);
    EXPECT_EQ(StartForm->LearnerName, "Paul");

    // An empty file selects nobody.
    WriteLearnerFile({});
    RunStartup();
    EXPECT_TRUE(modalForms.empty());
    EXPECT_EQ(StartForm->LearnerName + StartForm->Subject + StartForm->Level, "");
}

TEST_F(StartupTest, UnreadableWorkingDirectoryLeavesFileNamesRelative) {
    // A working directory that was removed cannot be read: AppDir stays empty.
    const std::string gone = DataPath("disparu");
    fs::create_directory(gone);
    ASSERT_EQ(chdir(gone.c_str()), 0);
    fs::remove(gone);
    RunStartup();
    ASSERT_EQ(chdir(data->Dir().c_str()), 0);
    EXPECT_TRUE(messages.empty()) << "a guarded step shows no message";
    EXPECT_EQ(StartForm->AppDir, "");
    // Every file name is joined the same way: never at the root of the disk.
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("\"bd_exos.mdb\""));
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), ExpectedString("\"bd_trace.mdb\""));
    EXPECT_EQ(StartForm->LearnerFilePath(), "liste_apprenants.txt");
    EXPECT_TRUE(StartForm->timer_ballon->Enabled()) << "the later steps ran";
}

TEST_F(StartupTest, EachDataFolderIsOpenedUnderItsOwnName) {
    // Sibling data folders, each marked in both databases and with a learner of its own,
    // whose names a connection string must quote or a guess at their encoding confuses.
    // Each run starts from the stored string, as the program does.
    const AnsiString stored = MainFormEXO->MainADOConnection->ConnectionString();
    const std::string parent = fs::canonical(data->Dir()).string();
    int n = 0;
    for (const std::string name : {"a;b", " deux  blancs ", "dossier_\xC3\xA9", "dossier_\xC3\x83\xC2\xA9", "dossier_\xE9",
                                   "l'un \"et\" l'autre"}) {
        SCOPED_TRACE(name);
        const std::string dir = parent + "/" + name, mark = std::to_string(++n);
        ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
        for (const char* db : {"bd_exos.mdb", "bd_trace.mdb"}) {
            fs::copy_file(DataPath(db), dir + "/" + db);
            ExecSql(dir + "/" + db, "CREATE TABLE dossier (n INTEGER); INSERT INTO dossier VALUES (" + mark + ")");
        }
        TStringList learners;
        learners.Add("Eleve" + mark + "@Mathematiques CM1");
        learners.SaveToFile(dir + "/liste_apprenants.txt");
        ASSERT_EQ(chdir(dir.c_str()), 0);
        MainFormEXO->MainADOConnection->SetConnectionString(stored);
        RunStartup();
        ASSERT_EQ(chdir(data->Dir().c_str()), 0);
        EXPECT_EQ(StartForm->AppDir + "|" + StartForm->LearnerName, dir + "|Eleve" + mark);
        for (TADOConnection* c : {MainFormEXO->MainADOConnection, MainFormEXO->TraceADOConnection}) {
            EXPECT_TRUE(Guarded([&] { c->Open(); })) << c->ConnectionString();
            EXPECT_TRUE(Guarded([&] { EXPECT_EQ(c->Execute("UPDATE dossier SET n = n WHERE n = " + mark), 1); }));
            c->Close();
        }
    }
}
