// The identification screen of a first run, and the start-up that follows it.
#include <filesystem>

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
        TypeText(Identification->Prenom, utf8Name);
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
        Type("  ", 4);
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        Type("  jean-pierre  ", -1);
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        // A name the learner file cannot give back as typed, with or without a class.
        Type("jean@pierre", -1);
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        Type("\xC5\x81ukasz", 9);
        Ok();
        refusals.push_back(Identification->GivePrenom->Caption());
        stayedOpen = stayedOpen && Shown();
        EXPECT_FALSE(FileExists(DataPath("liste_apprenants.txt")));
        // Corrected: the file is written and the screen closes.
        Type("  jean-pierre  ", -1);
        Identification->AM->SelectByUser(9);
        SendClick(Identification->LabelOK);
        EXPECT_FALSE(Shown());
        EXPECT_FALSE(Identification->GivePrenom->Visible());
    };
    RunStartup();

    EXPECT_EQ(modalForms, (std::vector<AnsiString>{Identification->Name()}));
    EXPECT_EQ(refusals, (std::vector<AnsiString>{kNoName, kNoName, kNoClass, "IL NE FAUT PAS DE @ DANS TON PRENOM !",
                                                  "UN SIGNE DE TON PRENOM N'EST PAS ACCEPTE !"}));
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

TEST_F(IdentificationTest, UnwritableLearnerFileLetsTheLearnerGoOnForThisRun) {
    // A folder of the file's name: the identification is shown, and the file cannot be written.
    RemoveLearnerFile();
    std::filesystem::create_directory(DataPath("liste_apprenants.txt"));
    onModal = [&](TForm&) {
        Type("Lou", 2);
        Ok();
        EXPECT_FALSE(Shown());
    };
    RunStartup();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(Ansi("Impossible d'écrire le fichier \"") + StartForm->LearnerFilePath() +
                                    Ansi("\" : c'est un dossier"), 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find(Ansi("Ton prénom ne sera pas retenu")), std::string::npos) << messages[0];
    EXPECT_EQ(StartForm->LearnerName + "@" + StartForm->Subject + " " + StartForm->Level, "Lou@Mathematiques CE2");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_ce2");
    // The choice holds while the program runs: an empty learner panel changes nothing.
    SendClick(StartForm->changer_liste_apprenant);
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 0);
    EXPECT_EQ(StartForm->LearnerName, "Lou");
    EXPECT_TRUE(std::filesystem::is_directory(DataPath("liste_apprenants.txt")));
}
