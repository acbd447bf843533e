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

TEST_F(StartupTest, EightScreensExistOnceWithTheHomeScreenAsMainWindow) {
    TForm* screens[] = {StartForm, MainFormEXO, Identification, OptionForm,
                        HistoriqueForm, Abientot, Jeu, EnterText};
    ASSERT_EQ(Application->Forms().size(), 8u);
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(screens[i], nullptr) << i;
        EXPECT_EQ(Application->Forms()[i], screens[i]) << "creation order " << i;
        EXPECT_FALSE(screens[i]->isVisible()) << "no screen is shown when created";
        EXPECT_EQ(screens[i]->size(), i < 7 ? QSize(1192, 966) : QSize(620, 100)) << i;
        // Shown as laid out, every command and input can be clicked.
        screens[i]->show();
        if (screens[i] == Jeu) {
            // The choice panel covers both boards, and the numbers board the other: each
            // layer is checked alone.
            std::vector<TControl*> naval;
            for (TControl* c : Jeu->Controls())
                if (c != Jeu->CHOISIRJEU && c != Jeu->CompteEstBon && c->Visible()) naval.push_back(c);
            const auto layer = [&](const std::vector<TControl*>& shown, const char* name) {
                for (TControl* c : naval) c->Hide();
                Jeu->CHOISIRJEU->Hide();
                Jeu->CompteEstBon->Hide();
                for (TControl* c : shown) c->Show();
                EXPECT_EQ(CoveredControls(Jeu), std::vector<AnsiString>{}) << name;
            };
            layer({Jeu->CHOISIRJEU}, "choice panel");
            layer(naval, "ship-locating board");
            layer({Jeu->CompteEstBon}, "numbers board");
            for (TControl* c : naval) c->Show();   // as laid out again
            Jeu->CompteEstBon->Hide();
            Jeu->CHOISIRJEU->Show();
        } else {
            EXPECT_EQ(CoveredControls(screens[i]), std::vector<AnsiString>{}) << i;
        }
        screens[i]->hide();
    }
    EXPECT_EQ(Application->MainForm(), StartForm);
}

TEST_F(StartupTest, ConnectionStringsPointAtTheWorkingDirectoryWithoutOpening) {
    WriteLearnerFile({"Paul@Mathematiques CM1", "Zoé@Français 6e"});
    ASSERT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("USER_DATABASE_PATH"));
    StartForm->OptionExo = 5;
    StartForm->OptionJeux = 7;
    RunStartup();

    const std::string dir = GetCurrentDir();
    EXPECT_EQ(StartForm->AppDir, dir);
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("\"" + dir + "/bd_exos.mdb\""));
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), ExpectedString("\"" + dir + "/bd_trace.mdb\""));
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected());
    EXPECT_FALSE(MainFormEXO->TraceADOConnection->Connected());

    EXPECT_EQ(std::vector<int>({StartForm->OptionExo, StartForm->OptionJeux, StartForm->BallonRising,
                                StartForm->PapillonRising}), std::vector<int>({0, 1, 0, 0}));
    EXPECT_TRUE(StartForm->timer_ballon->Enabled());
    EXPECT_FALSE(StartForm->panel_liste_classes->Visible() || StartForm->panel_liste_eleves->Visible());

    // The first line of the file is the learner; the list waits for its panel.
    EXPECT_TRUE(modalForms.empty());
    EXPECT_EQ(StartForm->LearnerName + "@" + StartForm->Subject + " " + StartForm->Level, "Paul@Mathematiques CM1");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_cm1");
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 0);

    // Both strings come from the main one, its head trimmed; without the marker both
    // connections keep their strings and the later steps still run.
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=  USER_DATABASE_PATH;Mode=Read");
    MainFormEXO->TraceADOConnection->SetConnectionString("Data Source=elsewhere.db");
    RunStartup();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), "Data Source=\"" + dir + "/bd_exos.mdb\";Mode=Read");
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), "Data Source=\"" + dir + "/bd_trace.mdb\";Mode=Read");
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=fixed.db");
    StartForm->LearnerName = "";
    RunStartup();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), "Data Source=fixed.db");
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), "Data Source=\"" + dir + "/bd_trace.mdb\";Mode=Read");
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
    const std::string names[] = {"a;b", " deux  blancs ", "dossier_\xC3\xA9", "dossier_\xC3\x83\xC2\xA9", "dossier_\xE9",
                                 "l'un \"et\" l'autre"};
    const std::string parent = fs::canonical(data->Dir()).string();
    for (int i = 0; i < 6; ++i) {
        const std::string dir = parent + "/" + names[i];
        ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0) << names[i];
        for (const char* db : {"bd_exos.mdb", "bd_trace.mdb"}) {
            fs::copy_file(DataPath(db), dir + "/" + db);
            ExecSql(dir + "/" + db, "CREATE TABLE dossier (n INTEGER); INSERT INTO dossier VALUES (" + std::to_string(i) + ")");
        }
        TStringList learners;
        learners.Add(Utf8ToAnsi("Élève") + std::to_string(i) + "@Mathematiques CM1");
        learners.SaveToFile(dir + "/liste_apprenants.txt");
    }
    // Each run starts from the stored string, as the program does.
    const AnsiString stored = MainFormEXO->MainADOConnection->ConnectionString();
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(names[i]);
        const std::string dir = parent + "/" + names[i];
        ASSERT_EQ(chdir(dir.c_str()), 0);
        MainFormEXO->MainADOConnection->SetConnectionString(stored);
        RunStartup();
        ASSERT_EQ(chdir(data->Dir().c_str()), 0);
        EXPECT_EQ(StartForm->AppDir, dir);
        EXPECT_EQ(StartForm->LearnerName, Utf8ToAnsi("Élève") + std::to_string(i));
        for (TADOConnection* c : {MainFormEXO->MainADOConnection, MainFormEXO->TraceADOConnection}) {
            EXPECT_TRUE(Guarded([&] { c->Open(); })) << c->ConnectionString();
            EXPECT_TRUE(Guarded([&] { EXPECT_EQ(c->Execute("UPDATE dossier SET n = n WHERE n = " + std::to_string(i)), 1); }));
            c->Close();
        }
    }
}
