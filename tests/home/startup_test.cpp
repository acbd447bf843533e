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

const AnsiString kStoredString =
    "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=USER_DATABASE_PATH;"
    "Mode=ReadWrite;Persist Security Info=False";

AnsiString ExpectedString(const AnsiString& dir, const char* file) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + dir + "/" + file +
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
    }
    EXPECT_EQ(Application->MainForm(), StartForm);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(screens[i]->Width(), 1192);
        EXPECT_EQ(screens[i]->Height(), 966);
    }
    EXPECT_EQ(EnterText->Width(), 620);
    EXPECT_EQ(EnterText->Height(), 100);
}

TEST_F(StartupTest, ConnectionStringsPointAtTheWorkingDirectoryWithoutOpening) {
    WriteLearnerFile({"Paul@Mathematiques CM1"});
    ASSERT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), kStoredString);
    StartForm->OptionExo = 5;
    StartForm->OptionJeux = 7;
    RunStartup();

    const AnsiString dir = GetCurrentDir();
    EXPECT_EQ(StartForm->AppDir, dir);
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString(dir, "bd_exos.mdb"));
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), ExpectedString(dir, "bd_trace.mdb"));
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected());
    EXPECT_FALSE(MainFormEXO->TraceADOConnection->Connected());

    EXPECT_EQ(StartForm->OptionExo, 0);
    EXPECT_EQ(StartForm->OptionJeux, 1);
    EXPECT_EQ(StartForm->BallonRising, 0);
    EXPECT_EQ(StartForm->PapillonRising, 0);
    EXPECT_TRUE(StartForm->timer_ballon->Enabled());
    EXPECT_EQ(StartForm->timer_ballon->Interval(), 100);
    EXPECT_FALSE(StartForm->panel_liste_classes->Visible());
    EXPECT_FALSE(StartForm->panel_liste_eleves->Visible());
    EXPECT_TRUE(modalForms.empty());
}

TEST_F(StartupTest, BothStringsComeFromTheMainConnectionWithItsHeadTrimmed) {
    WriteLearnerFile({"Paul@Mathematiques CM1"});
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=  USER_DATABASE_PATH;Mode=Read");
    MainFormEXO->TraceADOConnection->SetConnectionString("Data Source=elsewhere.db");
    RunStartup();
    const AnsiString dir = GetCurrentDir();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(),
              "Data Source=" + dir + "/bd_exos.mdb;Mode=Read");
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(),
              "Data Source=" + dir + "/bd_trace.mdb;Mode=Read");
}

TEST_F(StartupTest, WithoutTheMarkerBothConnectionsKeepTheirStrings) {
    WriteLearnerFile({"Paul@Mathematiques CM1"});
    MainFormEXO->MainADOConnection->SetConnectionString("Data Source=fixed_exos.db");
    MainFormEXO->TraceADOConnection->SetConnectionString("Data Source=fixed_trace.db");
    RunStartup();
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), "Data Source=fixed_exos.db");
    EXPECT_EQ(MainFormEXO->TraceADOConnection->ConnectionString(), "Data Source=fixed_trace.db");
    // The later steps still ran.
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    EXPECT_TRUE(StartForm->timer_ballon->Enabled());
}

TEST_F(StartupTest, FirstLineOfTheLearnerFileSelectsTheLearner) {
    WriteLearnerFile({"Paul@Mathematiques CM1", "Zoé@Français 6e"});
    RunStartup();
    EXPECT_TRUE(modalForms.empty()) << "no identification when the file exists";
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    EXPECT_EQ(StartForm->Subject, "Mathematiques");
    EXPECT_EQ(StartForm->Level, "CM1");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_cm1");
    EXPECT_TRUE(StartForm->Liste_prenoms->Count() == 0) << "the list is loaded when its panel opens";
}

TEST_F(StartupTest, EmptyLearnerFileLeavesTheLearnerEmpty) {
    WriteLearnerFile({});
    RunStartup();
    EXPECT_TRUE(modalForms.empty());
    EXPECT_EQ(StartForm->LearnerName, "");
    EXPECT_EQ(StartForm->Subject, "");
    EXPECT_EQ(StartForm->Level, "");
}

TEST_F(StartupTest, MissingLearnerFileShowsTheIdentificationWhoseLineIsThenSelected) {
    RemoveLearnerFile();
    bool fileMissingWhileShown = false;
    onModal = [&](TForm& form) {
        if (&form != Identification) return;
        fileMissingWhileShown = !FileExists(DataPath("liste_apprenants.txt"));
        // What the identification screen writes on a valid OK.
        WriteLearnerFile({"Zoé@Français 6e"});
        form.Close();
    };
    RunStartup();
    ASSERT_EQ(modalForms.size(), 1u);
    EXPECT_EQ(modalForms[0], Identification->Name());
    EXPECT_TRUE(fileMissingWhileShown);
    EXPECT_EQ(StartForm->LearnerName, Ansi("Zoé"));
    EXPECT_EQ(StartForm->Subject, Ansi("Français"));
    EXPECT_EQ(StartForm->Level, "6e");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_6e");
}

TEST_F(StartupTest, FolderNamedLikeTheLearnerFileCountsAsMissing) {
    RemoveLearnerFile();
    fs::create_directory(DataPath("liste_apprenants.txt"));
    RunStartup();
    ASSERT_EQ(modalForms.size(), 1u);
    EXPECT_EQ(modalForms[0], Identification->Name());
    EXPECT_EQ(StartForm->LearnerName, "");
    EXPECT_TRUE(StartForm->timer_ballon->Enabled());
}

TEST_F(StartupTest, UnreadableWorkingDirectoryEndsItsStepSilentlyAndStartUpGoesOn) {
    // A working directory that was removed cannot be read: AppDir stays empty.
    const std::string gone = DataPath("disparu");
    fs::create_directory(gone);
    ASSERT_EQ(chdir(gone.c_str()), 0);
    fs::remove(gone);
    RunStartup();
    ASSERT_EQ(chdir(data->Dir().c_str()), 0);

    EXPECT_TRUE(messages.empty()) << "a guarded step shows no message";
    EXPECT_EQ(StartForm->AppDir, "");
    // The next steps ran with the empty directory.
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString("", "bd_exos.mdb"));
    EXPECT_EQ(StartForm->OptionJeux, 1);
    EXPECT_EQ(StartForm->BallonRising, 0);
    EXPECT_TRUE(StartForm->timer_ballon->Enabled());
}

TEST_F(StartupTest, TheWorkingDirectoryIsTheDataFolderNotTheProgramFolder) {
    // A second data folder inside the first, with a learner of its own.
    const std::string other = DataPath("autre");
    fs::create_directory(other);
    {
        TStringList list;
        list.Add(Utf8ToAnsi("Léa@Mathematiques 3e"));
        list.SaveToFile(other + "/liste_apprenants.txt");
    }
    WriteLearnerFile({"Paul@Mathematiques CM1"});
    const fs::path program = fs::canonical("/proc/self/exe").parent_path();
    ASSERT_EQ(chdir(other.c_str()), 0);
    RunStartup();
    const AnsiString dir = GetCurrentDir();
    ASSERT_EQ(chdir(data->Dir().c_str()), 0);

    EXPECT_NE(dir, AnsiString(program.string()));
    EXPECT_EQ(fs::canonical(dir), fs::canonical(other));
    EXPECT_EQ(StartForm->AppDir, dir);
    EXPECT_EQ(StartForm->LearnerName, Ansi("Léa"));
    EXPECT_EQ(MainFormEXO->MainADOConnection->ConnectionString(), ExpectedString(dir, "bd_exos.mdb"));
}
