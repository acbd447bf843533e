// The identification screen of a first run, and the start-up that follows it.
#include <fstream>

#include <QWindow>
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "platform/Files.h"
#include "player/Mainform_exo.h"

namespace {

const char* const kNoName = "IL FAUT FOURNIR TON  PRENOM !";
const char* const kNoClass = "IL FAUT CHOISIR UNE CLASSE DE REFERENCE !";

class IdentificationTest : public ScreenTest {
protected:
    void Ok() { RunHandler([] { Identification->LabelOKClick(Identification->LabelOK); }); }
    void Type(const char* utf8Name, int entry) {
        Identification->Prenom->SetText(Ansi(utf8Name));
        Identification->AM->SetItemIndex(entry);
    }
    std::string LearnerFile() const { return ReadFileBytes(DataPath("liste_apprenants.txt")); }
    bool Shown() const { return Identification->Visible(); }
};

}  // namespace

TEST_F(IdentificationTest, FirstRunAsksForTheLearnerThenSelectsIt) {
    RemoveLearnerFile();
    std::vector<AnsiString> refusals;
    bool stayedOpen = true;
    onModal = [&](TForm& form) {
        ASSERT_EQ(&form, Identification);
        EXPECT_FALSE(Identification->GivePrenom->Visible());
        // Nothing typed, nothing chosen: only the first-name message.
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        stayedOpen = stayedOpen && Shown() && Identification->GivePrenom->Visible();
        EXPECT_EQ(CoveredControls(Identification), std::vector<AnsiString>{}) << "with its message";
        Type("  ", 4);
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        Type("  jean-pierre  ", -1);
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        stayedOpen = stayedOpen && Shown();
        EXPECT_FALSE(FileExists(DataPath("liste_apprenants.txt")));
        // Corrected: the file is written and the screen closes.
        Identification->AM->SelectByUser(9);
        SendClick(Identification->LabelOK);
        EXPECT_FALSE(Shown());
        EXPECT_FALSE(Identification->GivePrenom->Visible());
    };
    RunStartup();

    EXPECT_EQ(modalForms, (std::vector<AnsiString>{Identification->Name()}));
    EXPECT_EQ(refusals, (std::vector<AnsiString>{kNoName, kNoName, kNoClass}));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(LearnerFile(), "jean-pierre@Fran\xE7" "ais CE1\r\n");
    // The start-up then reads the line back.
    EXPECT_EQ(StartForm->LearnerName, "jean-pierre");
    EXPECT_EQ(StartForm->Subject, Ansi("Français"));
    EXPECT_EQ(StartForm->Level, "CE1");
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), "Jean-Pierre");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_ce1");
    EXPECT_EQ(StartForm->IdentifiantNOM->Picture().Width(), 4 + 42 + 42 + 41 + 43 + 41 + 42 + 32 + 42 + 42 + 42 + 42 + 12);
    EXPECT_TRUE(messages.empty());
}

TEST_F(IdentificationTest, OnlyAValidOkClosesAndTheNameIsSavedAsTyped) {
    RemoveLearnerFile();
    onModal = [&](TForm&) {
        // No cancel is offered, and a close asked by the window system is refused.
        EXPECT_FALSE(Identification->annuler->Visible() || Identification->LabelAnnuler->Visible());
        ASSERT_NE(Identification->windowHandle(), nullptr);
        Identification->windowHandle()->close();
        EXPECT_TRUE(Shown());
        Type(" \xC3\xA9lo\xC3\xAFse  marie ", 0);
        Ok();
        EXPECT_FALSE(Shown());
        // Before the start-up reads the file: the capitalised name.
        EXPECT_EQ(StartForm->LearnerName, Ansi("Éloïse  Marie"));
    };
    RunStartup();
    EXPECT_EQ(LearnerFile(), "\xE9lo\xEFse  marie@Mathematiques CP\r\n");
    EXPECT_EQ(StartForm->LearnerName, Ansi("éloïse  marie"));
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), Ansi("Éloïse  Marie"));
}

TEST_F(IdentificationTest, FailedWriteIsShownAndTheScreenStaysOpen) {
    RemoveLearnerFile();
    { std::ofstream(DataPath("blocker")) << "x"; }
    onModal = [&](TForm&) {
        const AnsiString dataDir = StartForm->AppDir;
        StartForm->AppDir = DataPath("blocker");
        Type("Lou", 2);
        Ok();
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_TRUE(Shown());
        EXPECT_EQ(StartForm->LearnerName, "Lou");   // already stored
        // Once the folder is back, OK succeeds.
        StartForm->AppDir = dataDir;
        Ok();
        EXPECT_FALSE(Shown());
    };
    RunStartup();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("liste_apprenants.txt"), std::string::npos) << messages[0];
    EXPECT_EQ(LearnerFile(), "Lou@Mathematiques CE2\r\n");
}
