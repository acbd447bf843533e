// The entry routine's screens and the home screen's start-up sequence.
#include <filesystem>

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

AnsiString ExpectedString(const AnsiString& path) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + path +
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
        EXPECT_EQ(CoveredControls(screens[i]), std::vector<AnsiString>{}) << i;
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

    const AnsiString dir = GetCurrentDir();
    EXPECT_EQ(StartForm->AppDir, dir);
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString(dir + "/bd_exos.mdb"));
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), ExpectedString(dir + "/bd_trace.mdb"));
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected());
    EXPECT_FALSE(MainFormEXO->TraceADOConnection->Connected());

    EXPECT_EQ(std::vector<int>({StartForm->OptionExo, StartForm->OptionJeux, StartForm->BallonRising,
                                StartForm->PapillonRising}), std::vector<int>({0, 1, 0, 0}));
    EXPECT_TRUE(StartForm->timer_ballon->Enabled());
    EXPECT_FALSE(StartForm->panel_liste_classes->Visible() || StartForm->panel_liste_eleves->Visible());

    // The first line of the file is the learner; the list waits for its panel.
    EXPECT_TRUE(modalForms.empty());
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    EXPECT_EQ(StartForm->Subject, "Mathematiques");
    EXPECT_EQ(StartForm->Level, "CM1");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_cm1");
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 0);

    // Both strings come from the main one, its head trimmed; without the marker both
    // connections keep their strings and the later steps still run.
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=  USER_DATABASE_PATH;Mode=Read");
    MainFormEXO->TraceADOConnection->SetConnectionString("Data Source=elsewhere.db");
    RunStartup();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), "Data Source=" + dir + "/bd_exos.mdb;Mode=Read");
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), "Data Source=" + dir + "/bd_trace.mdb;Mode=Read");
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=fixed.db");
    StartForm->LearnerName = "";
    RunStartup();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), "Data Source=fixed.db");
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), "Data Source=" + dir + "/bd_trace.mdb;Mode=Read");
    EXPECT_EQ(StartForm->LearnerName, "Paul");
}

TEST_F(StartupTest, EmptyFileSelectsNobodyAndAFolderOfThatNameCountsAsMissing) {
    WriteLearnerFile({});
    RunStartup();
    EXPECT_TRUE(modalForms.empty());
    EXPECT_EQ(StartForm->LearnerName + StartForm->Subject + StartForm->Level, "");

    RemoveLearnerFile();
    fs::create_directory(DataPath("liste_apprenants.txt"));
    RunStartup();
    EXPECT_EQ(modalForms, (std::vector<AnsiString>{Identification->Name()}));
    EXPECT_EQ(StartForm->LearnerName, "");
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
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("bd_exos.mdb"));
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), ExpectedString("bd_trace.mdb"));
    EXPECT_EQ(StartForm->LearnerFilePath(), "liste_apprenants.txt");
    EXPECT_TRUE(StartForm->timer_ballon->Enabled()) << "the later steps ran";
}

TEST_F(StartupTest, TheWorkingDirectoryIsTheDataFolderNotTheProgramFolder) {
    // A second data folder inside the first, with a learner of its own.
    const std::string other = DataPath("autre");
    fs::create_directory(other);
    TStringList list;
    list.Add(Utf8ToAnsi("Léa@Mathematiques 3e"));
    list.SaveToFile(other + "/liste_apprenants.txt");
    WriteLearnerFile({"Paul@Mathematiques CM1"});
    ASSERT_EQ(chdir(other.c_str()), 0);
    RunStartup();
    const AnsiString dir = GetCurrentDir();
    ASSERT_EQ(chdir(data->Dir().c_str()), 0);

    EXPECT_EQ(fs::canonical(dir), fs::canonical(other));
    EXPECT_EQ(StartForm->AppDir, dir);
    EXPECT_EQ(StartForm->LearnerName, Ansi("Léa"));
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString(dir + "/bd_exos.mdb"));
}
