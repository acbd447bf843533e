// The identification screen of a first run, and the start-up that follows it.
#include <filesystem>

#include <QWindow>

#include "ScreenFixture.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "platform/Files.h"
#include "player/Mainform_exo.h"

namespace {

class IdentificationTest : public ScreenTest {
protected:
    void Type(const char* utf8Name, int entry) {
        TypeText(Identification->Prenom, utf8Name);
        Identification->AM->SetItemIndex(entry);
    }
    bool Shown() const { return Identification->Visible(); }
    std::string Chosen() const { return StartForm->LearnerName + "@" + StartForm->Subject + " " + StartForm->Level; }
};

}  // namespace

TEST_F(IdentificationTest, OnlyAValidOkClosesAndTheNameIsSavedAsTypedThenSelected) {
    RemoveLearnerFile();
    const char* const noName = "IL FAUT FOURNIR TON  PRENOM !";
    // Typed name and entry, and the error line shown; the first-name test comes first.
    const std::tuple<const char*, int, const char*> refused[] = {
        {"", -1, noName}, {"  ", 4, noName}, {"  jean-pierre  ", -1, "IL FAUT CHOISIR UNE CLASSE DE REFERENCE !"},
        // Names the learner file cannot give back as typed, with or without a class.
        {"jean@pierre", -1, "IL NE FAUT PAS DE @ DANS TON PRENOM !"},
        {"\xC5\x81ukasz", 9, "UN SIGNE DE TON PRENOM N'EST PAS ACCEPTE !"},
    };
    onModal = [&](TForm& form) {
        ASSERT_EQ(&form, Identification);
        EXPECT_FALSE(Identification->GivePrenom->Visible());
        for (const auto& [name, entry, error] : refused) {
            Type(name, entry);
            RunHandler([] { Identification->LabelOKClick(Identification->LabelOK); });
            EXPECT_TRUE(Shown() && Identification->GivePrenom->Visible()) << name;
            EXPECT_EQ(Identification->GivePrenom->Caption(), error) << name;
            EXPECT_EQ(CoveredControls(Identification), std::vector<AnsiString>{}) << "with its message";
        }
        // No cancel is offered, and a close asked by the window system is refused.
        EXPECT_FALSE(Identification->annuler->Visible() || Identification->LabelAnnuler->Visible());
        ASSERT_NE(Identification->windowHandle(), nullptr);
        Identification->windowHandle()->close();
        EXPECT_TRUE(Shown());
        EXPECT_FALSE(FileExists(DataPath("liste_apprenants.txt")));
        // Corrected: the file is written and the screen closes, the name capitalised.
        Type("  \xC3\xA9lo\xC3\xAFse  jean-PIERRE ", -1);
        Identification->AM->SelectByUser(9);
        SendClick(Identification->LabelOK);
        EXPECT_FALSE(Shown() || Identification->GivePrenom->Visible());
        EXPECT_EQ(StartForm->LearnerName, Ansi("Éloïse  Jean-Pierre"));
    };
    RunStartup();
    EXPECT_EQ(modalForms, (std::vector<AnsiString>{Identification->Name()}));
    EXPECT_EQ(ReadFileBytes(DataPath("liste_apprenants.txt")), "\xE9lo\xEFse  jean-PIERRE@Fran\xE7" "ais CE1\r\n");
    // The start-up then reads the line back.
    EXPECT_EQ(Chosen(), Ansi("éloïse  jean-PIERRE@Français CE1"));
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), Ansi("Éloïse  Jean-Pierre"));
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_ce1");
    EXPECT_TRUE(messages.empty());
}

TEST_F(IdentificationTest, UnwritableLearnerFileLetsTheLearnerGoOnForThisRun) {
    // A folder of the file's name counts as no file, and cannot be written.
    RemoveLearnerFile();
    std::filesystem::create_directory(DataPath("liste_apprenants.txt"));
    onModal = [&](TForm&) {
        Type("Lou", 2);
        RunHandler([] { Identification->LabelOKClick(Identification->LabelOK); });
        EXPECT_FALSE(Shown());
    };
    RunStartup();
    EXPECT_EQ(modalForms, (std::vector<AnsiString>{Identification->Name()}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(Ansi("Impossible d'écrire le fichier \"") + StartForm->LearnerFilePath() +
                                    Ansi("\" : c'est un dossier"), 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find(Ansi("Ton prénom ne sera pas retenu")), std::string::npos) << messages[0];
    EXPECT_EQ(Chosen(), "Lou@Mathematiques CE2");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_ce2");
    // The choice holds while the program runs: an empty learner panel changes nothing.
    SendClick(StartForm->changer_liste_apprenant);
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 0);
    EXPECT_EQ(StartForm->LearnerName, "Lou");
}
