// The learner panel, the subject-and-level panel and what a choice sets on the player.
#include <fstream>

#include <QListWidget>
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "home/LearnerLine.h"
#include "platform/Files.h"
#include "player/Mainform_exo.h"
#include "ui/LetterDrawing.h"

namespace {

class LearnersTest : public ScreenTest {
protected:
    // Starts with a learner file, opens the learner panel and its add area.
    void StartWith(const std::vector<std::string>& lines) {
        WriteLearnerFile(lines);
        RunStartup();
        SendClick(StartForm->changer_liste_apprenant);
        SendClick(StartForm->Label3);
    }
    void Add(const char* utf8Name, int entry) {
        TypeText(StartForm->AjoutNOM, utf8Name);
        StartForm->AM->SetItemIndex(entry);
        SendClick(StartForm->Label6);
    }
    std::string LearnerFile() const { return ReadFileBytes(DataPath("liste_apprenants.txt")); }
    static const QImage& PictureOf(const TImage* image) { return image->Picture().Image(); }
    // The name as the home screen draws it.
    static QImage NamePicture(const AnsiString& text) {
        letters::GlyphSheet sheet;
        letters::ParseGlyphSheet(letters::kSheetGlyphList, letters::kSheetLeftList,
                                 letters::kSheetTopList, letters::kSheetRightList,
                                 letters::kSheetBottomList, sheet);
        return letters::DrawSheetImage(text, StartForm->LatestALPHA->Picture().Image(), sheet,
                                       70, kScreenColor);
    }
};

}  // namespace

// ---------------------------------------------------------------- adding and removing

TEST_F(LearnersTest, AddedLearnersAreSavedSortedInWindows1252WithCrLf) {
    StartWith({"Paul@Mathematiques CM1"});
    ASSERT_EQ(StartForm->Liste_prenoms->Count(), 1);
    Add("  Zoé  ", 9);
    Add("anna", 0);
    Add("Émile", 10);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(LearnerFile(),
              "anna@Mathematiques CP\r\n"
              "\xC9mile@Fran\xE7" "ais 6e\r\n"
              "Paul@Mathematiques CM1\r\n"
              "Zo\xE9@Fran\xE7" "ais CE1\r\n");
    // The new learner is not selected, the current one stays, the inputs keep their contents.
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    EXPECT_EQ(StartForm->Liste_prenoms->ItemIndex(), -1);
    EXPECT_EQ(StartForm->AjoutNOM->Text(), Ansi("Émile"));
    EXPECT_EQ(StartForm->AM->ItemIndex(), 10);
}

TEST_F(LearnersTest, RefusalsShowTheirMessageAndLeaveTheFileAlone) {
    StartWith({"Anna@Mathematiques CP", "Paul@Mathematiques CP"});
    const std::string before = LearnerFile();
    Add("   ", 3);
    Add("Lou", -1);
    Add("paul", 0);    // the same line in another case
    Add("jo@hn", 0);   // read back, the name would end at the "@"
    Add("\xC5\x81ukasz", -1);   // no Windows-1252 code for the first letter
    SendClick(StartForm->Label7);
    EXPECT_EQ(messages, (std::vector<AnsiString>{
                            Ansi("Aucun prénom saisi!"), Ansi("Aucune matière sélectionnée!"),
                            Ansi("Cette entrée existe déjà"), Ansi("Le prénom ne doit pas contenir le signe @!"),
                            Ansi("Le prénom contient un signe qui ne peut pas être enregistré!"),
                            Ansi("Aucun nom sélectionné pour la suppression!")}));
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2);
    EXPECT_EQ(LearnerFile(), before);

    // The same name with another entry is a new line; removing needs no confirmation
    // and keeps the current learner.
    Add("Paul", 1);
    StartForm->Liste_prenoms->SetItemIndex(0);
    SendClick(StartForm->Label7);
    EXPECT_EQ(messages.size(), 6u);
    EXPECT_EQ(LearnerFile(), "Paul@Mathematiques CE1\r\nPaul@Mathematiques CP\r\n");
    EXPECT_EQ(StartForm->LearnerName, "Anna");

    // The removal leaves nothing selected: a second click removes nobody else.
    EXPECT_EQ(StartForm->Liste_prenoms->ItemIndex(), -1);
    SendClick(StartForm->Label7);
    EXPECT_EQ(messages.size(), 7u);
    EXPECT_EQ(messages.back(), Ansi("Aucun nom sélectionné pour la suppression!"));
    EXPECT_EQ(LearnerFile(), "Paul@Mathematiques CE1\r\nPaul@Mathematiques CP\r\n");
}

TEST_F(LearnersTest, PanelReloadsTheFileEachTimeItOpens) {
    StartWith({"Paul@Mathematiques CM1"});
    // Written by hand: unsorted, LF only.
    {
        std::ofstream out(DataPath("liste_apprenants.txt"), std::ios::binary);
        out << "Zoe@Mathematiques CP\nanna@Mathematiques CE1\n";
    }
    SendClick(StartForm->changer_liste_apprenant);
    ASSERT_EQ(StartForm->Liste_prenoms->Count(), 2);
    EXPECT_EQ(StartForm->Liste_prenoms->Item(0), "anna@Mathematiques CE1");
    EXPECT_EQ(StartForm->Liste_prenoms->Item(1), "Zoe@Mathematiques CP");
    // Without a file the list keeps its items.
    RemoveLearnerFile();
    SendClick(StartForm->changer_liste_apprenant);
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2);
}

TEST_F(LearnersTest, FailedSaveLeavesTheFileWholeAndIsShown) {
    StartWith({"Paul@Mathematiques CM1"});
    const std::string before = LearnerFile();
    // The folder of the learner file is a regular file: the save cannot happen.
    { std::ofstream(DataPath("blocker")) << "x"; }
    StartForm->AppDir = DataPath("blocker");
    Add("Lina", 5);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("liste_apprenants.txt"), std::string::npos) << messages[0];
    EXPECT_EQ(LearnerFile(), before);
    // The list holds the new line: saving again once the folder is back writes it.
    StartForm->AppDir = data->Dir();
    StartForm->SaveLearnerList();
    EXPECT_EQ(LearnerFile(), "Lina@Mathematiques 6e\r\nPaul@Mathematiques CM1\r\n");
}

// ---------------------------------------------------------------- choosing

TEST_F(LearnersTest, ClickingALearnerSelectsNameSubjectLevelAndTable) {
    StartWith({"Paul@Mathematiques CM1", "  marie claire @ Français   6e "});
    StartForm->Liste_prenoms->SelectByUser(0);
    EXPECT_EQ(StartForm->LearnerName, "marie claire");
    EXPECT_EQ(StartForm->Subject, Ansi("Français"));
    EXPECT_EQ(StartForm->Level, "6e");
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), "Marie Claire");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_6e");
    EXPECT_EQ(MainFormEXO->Table_Exos->SQLText(),
              "SELECT * FROM exos_francais_6e WHERE ((codeExo=\"XXX\")OR(1=1))");
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM), NamePicture("MARIE CLAIRE"));
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2) << "a choice changes no line";

    // An unknown level keeps the level pictures and still names a table.
    StartForm->SelectLearnerLine("Paul@Mathematiques 2nde");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_2nde");
    EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(StartForm->Classe6e));
    EXPECT_EQ(PictureOf(MainFormEXO->titreCLASSE), PictureOf(MainFormEXO->Classe6e));
}

TEST_F(LearnersTest, EachSubjectAndLevelEntrySetsItsTableCaptionAndPictures) {
    StartWith({"Paul@Mathematiques CM1"});
    const char* const entries[] = {"Mathematiques CP", "Mathematiques CE1", "Mathematiques CE2",
                                   "Mathematiques CM1", "Mathematiques CM2", "Mathematiques 6e",
                                   "Mathematiques 5e", "Mathematiques 4e", "Mathematiques 3e",
                                   "Français CE1", "Français 6e"};
    const char* const tables[] = {"exos_math_cp", "exos_math_ce1", "exos_math_ce2", "exos_math_cm1",
                                  "exos_math_cm2", "exos_math_6e", "exos_math_5e", "exos_math_4e",
                                  "exos_math_3e", "exos_francais_ce1", "exos_francais_6e"};
    const char* const counts[] = {"1 241 exercices", "1 641 exercices", "2 250 exercices",
                                  "1 414 exercices", "1 509 exercices", "1 032 exercices",
                                  "528 exercices", "1 741 exercices", "1 806 exercices",
                                  "312 exercices", "461 exercices"};
    TStartForm& h = *StartForm;
    TMainFormEXO& p = *MainFormEXO;
    const TImage* homeClasses[] = {h.ClasseCP, h.ClasseCE1, h.ClasseCE2, h.ClasseCM1, h.ClasseCM2,
                                   h.Classe6e, h.Classe5e, h.Classe4e, h.Classe3e, h.ClasseCE1, h.Classe6e};
    const TImage* playerClasses[] = {p.ClasseCP, p.ClasseCE1, p.ClasseCE2, p.ClasseCM1, p.ClasseCM2,
                                     p.Classe6e, p.Classe5e, p.Classe4e, p.Classe3e, p.ClasseCE1, p.Classe6e};
    ASSERT_EQ(h.Liste_matieres->Count(), 11);
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        // The same eleven entries in the three lists.
        EXPECT_EQ(h.Liste_matieres->Item(i), Ansi(entries[i]));
        EXPECT_EQ(h.AM->Item(i), Ansi(entries[i]));
        EXPECT_EQ(Identification->AM->Item(i), Ansi(entries[i]));

        h.Liste_matieres->SelectByUser(i);
        const bool french = i >= 9;
        EXPECT_EQ(h.Subject, french ? Ansi("Français") : "Mathematiques");
        EXPECT_EQ(p.ExoTableName, tables[i]);
        EXPECT_EQ(h.exos->Caption(), counts[i]);
        ASSERT_FALSE(homeClasses[i]->Picture().Empty());
        EXPECT_EQ(PictureOf(h.WhichClasse), PictureOf(homeClasses[i]));
        EXPECT_EQ(PictureOf(p.titreCLASSE), PictureOf(playerClasses[i]));
        EXPECT_EQ(PictureOf(h.titre), PictureOf(french ? h.titre_francais : h.titre_math));
        EXPECT_EQ(PictureOf(p.Titre_MATIERE),
                  PictureOf(french ? p.Titre_MATIERE_FRANCAIS : p.Titre_MATIERE_MATH));
        EXPECT_EQ(h.LearnerName, "Paul");
    }
    EXPECT_NE(PictureOf(h.ClasseCP), PictureOf(h.ClasseCM1));
    EXPECT_NE(PictureOf(h.titre_math), PictureOf(h.titre_francais));
}

// A click in the empty part of a list keeps its entry: SUPPRIMER removes the learner
// clicked before, the subject and level stay those clicked.
TEST_F(LearnersTest, ClickingTheEmptyPartOfAListKeepsItsEntry) {
    StartWith({"Anna@Mathematiques CP", "Paul@Mathematiques CM1"});
    SendClick(StartForm->changer_liste);
    for (TListBox* list : {StartForm->Liste_prenoms, StartForm->Liste_matieres}) {
        auto* view = list->findChild<QListWidget*>();
        view->scrollToBottom();
        const QRect last = view->visualItemRect(view->item(list->Count() - 1));
        ClickOn(view->viewport(), last.center());
        ASSERT_EQ(list->ItemIndex(), list->Count() - 1) << list->Name();
        ASSERT_LT(last.bottom() + 4, view->viewport()->height()) << list->Name();
        ClickOn(view->viewport(), QPoint(last.center().x(), last.bottom() + 4));
        EXPECT_EQ(list->ItemIndex(), list->Count() - 1) << list->Name();
    }
    EXPECT_EQ(StartForm->Level, "6e");
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    SendClick(StartForm->Label7);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(LearnerFile(), "Anna@Mathematiques CP\r\n");
}

// ---------------------------------------------------------------- the name picture

TEST_F(LearnersTest, NamePictureFollowsTheLearnerAndTheTypedName) {
    StartWith({"Emma@Mathematiques CM1"});
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM), NamePicture("EMMA"));
    // Typing a new name draws it, blanks collapsed, replacing the former picture.
    StartForm->AjoutNOM->SetText("  jo   li ");
    int key = 'I';
    StartForm->AjoutNOMKeyUp(StartForm->AjoutNOM, key, 0);
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM), NamePicture("JO LI"));
    StartForm->AjoutNOM->SetText("");
    StartForm->AjoutNOMKeyUp(StartForm->AjoutNOM, key, 0);
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM).size(), QSize(16, 8));
}
