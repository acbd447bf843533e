// The learner panel, the subject-and-level panel and what a choice sets on the player.
#include <fstream>

#include <QPainter>
#include <gtest/gtest.h>

#include "ScreenFixture.h"
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
        StartForm->changer_liste_apprenantClick(nullptr);
        StartForm->Label3Click(nullptr);
    }
    void Add(const char* utf8Name, int entry) {
        StartForm->AjoutNOM->SetText(Ansi(utf8Name));
        StartForm->AM->SetItemIndex(entry);
        RunHandler([] { StartForm->Label6Click(StartForm->Label6); });
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
    // The new learner is not selected and the current one stays.
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    EXPECT_EQ(StartForm->Liste_prenoms->ItemIndex(), -1);
    // The edit and the entry keep their contents.
    EXPECT_EQ(StartForm->AjoutNOM->Text(), Ansi("Émile"));
    EXPECT_EQ(StartForm->AM->ItemIndex(), 10);
}

TEST_F(LearnersTest, MissingNameOrEntryIsRefusedWithItsMessage) {
    StartWith({"Paul@Mathematiques CM1"});
    const std::string before = LearnerFile();
    Add("   ", 3);
    Add("", -1);
    Add("Lou", -1);
    EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi("Aucun prénom saisi!"), Ansi("Aucun prénom saisi!"),
                                                 Ansi("Aucune matière sélectionnée!")}));
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 1);
    EXPECT_EQ(LearnerFile(), before);
}

TEST_F(LearnersTest, DuplicateIgnoresCaseButSameNameWithAnotherEntryIsAdded) {
    StartWith({"Paul@Mathematiques CP"});
    Add("paul", 0);
    EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi("Cette entrée existe déjà")}));
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 1);
    EXPECT_EQ(LearnerFile(), "Paul@Mathematiques CP\r\n");
    Add("Paul", 1);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(LearnerFile(), "Paul@Mathematiques CE1\r\nPaul@Mathematiques CP\r\n");
}

TEST_F(LearnersTest, RemovingNeedsASelectionAndKeepsTheCurrentLearner) {
    StartWith({"Anna@Mathematiques CP", "Paul@Mathematiques CM1"});
    ASSERT_EQ(StartForm->LearnerName, "Anna");
    RunHandler([] { StartForm->Label7Click(StartForm->Label7); });
    EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi("Aucun nom sélectionné pour la suppression!")}));
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2);

    StartForm->Liste_prenoms->SetItemIndex(0);
    RunHandler([] { StartForm->Label7Click(StartForm->Label7); });
    EXPECT_EQ(messages.size(), 1u);   // no confirmation
    EXPECT_EQ(LearnerFile(), "Paul@Mathematiques CM1\r\n");
    EXPECT_EQ(StartForm->LearnerName, "Anna");
    EXPECT_EQ(StartForm->Level, "CP");
}

TEST_F(LearnersTest, ClicksOnTheCommandsRunTheirHandlers) {
    StartWith({"Paul@Mathematiques CM1"});
    StartForm->AjoutNOM->SetText("Lina");
    StartForm->AM->SetItemIndex(5);
    SendClick(StartForm->Label6);
    EXPECT_EQ(LearnerFile(), "Lina@Mathematiques 6e\r\nPaul@Mathematiques CM1\r\n");
    SendClick(StartForm->Label7);
    EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi("Aucun nom sélectionné pour la suppression!")}));
}

TEST_F(LearnersTest, PanelReloadsTheFileAndSkipsBlankLines) {
    StartWith({"Paul@Mathematiques CM1"});
    // Written by hand: unsorted, blank lines, LF only.
    {
        std::ofstream out(DataPath("liste_apprenants.txt"), std::ios::binary);
        out << "Zoe@Mathematiques CP\n\n  \nanna@Mathematiques CE1\n";
    }
    StartForm->changer_liste_apprenantClick(nullptr);
    ASSERT_EQ(StartForm->Liste_prenoms->Count(), 2);
    EXPECT_EQ(StartForm->Liste_prenoms->Item(0), "anna@Mathematiques CE1");
    EXPECT_EQ(StartForm->Liste_prenoms->Item(1), "Zoe@Mathematiques CP");
    // Without a file the list keeps its items.
    RemoveLearnerFile();
    StartForm->LoadLearnerList();
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
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2);
    StartForm->AppDir = data->Dir();
    StartForm->SaveLearnerList();
    EXPECT_EQ(LearnerFile(), "Lina@Mathematiques 6e\r\nPaul@Mathematiques CM1\r\n");
}

// ---------------------------------------------------------------- choosing

TEST_F(LearnersTest, ClickingALearnerSelectsNameSubjectLevelAndTable) {
    StartWith({"Paul@Mathematiques CM1", "  marie claire @ Français   6e "});
    ASSERT_EQ(StartForm->Liste_prenoms->Item(0), Ansi("  marie claire @ Français   6e "));
    StartForm->Liste_prenoms->SelectByUser(0);
    EXPECT_EQ(StartForm->LearnerName, "marie claire");
    EXPECT_EQ(StartForm->Subject, Ansi("Français"));
    EXPECT_EQ(StartForm->Level, "6e");
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), "Marie Claire");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_6e");
    EXPECT_EQ(MainFormEXO->Table_Exos->SQLText(),
              "SELECT * FROM exos_francais_6e WHERE ((codeExo=\"XXX\")OR(1=1))");
    EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(StartForm->Classe6e));
    EXPECT_EQ(PictureOf(StartForm->titre), PictureOf(StartForm->titre_francais));
    EXPECT_EQ(PictureOf(MainFormEXO->titreCLASSE), PictureOf(MainFormEXO->Classe6e));
    EXPECT_EQ(PictureOf(MainFormEXO->Titre_MATIERE), PictureOf(MainFormEXO->Titre_MATIERE_FRANCAIS));
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM), NamePicture("MARIE CLAIRE"));
    // The file is not changed by a choice.
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2);
}

TEST_F(LearnersTest, EachSubjectAndLevelEntrySetsItsTableCaptionAndPictures) {
    StartWith({"Paul@Mathematiques CM1"});
    struct Expected { const char* table; TImage* TStartForm::*home; TImage* TMainFormEXO::*player; const char* count; };
    const Expected expected[] = {
        {"exos_math_cp", &TStartForm::ClasseCP, &TMainFormEXO::ClasseCP, "1 241 exercices"},
        {"exos_math_ce1", &TStartForm::ClasseCE1, &TMainFormEXO::ClasseCE1, "1 641 exercices"},
        {"exos_math_ce2", &TStartForm::ClasseCE2, &TMainFormEXO::ClasseCE2, "2 250 exercices"},
        {"exos_math_cm1", &TStartForm::ClasseCM1, &TMainFormEXO::ClasseCM1, "1 414 exercices"},
        {"exos_math_cm2", &TStartForm::ClasseCM2, &TMainFormEXO::ClasseCM2, "1 509 exercices"},
        {"exos_math_6e", &TStartForm::Classe6e, &TMainFormEXO::Classe6e, "1 032 exercices"},
        {"exos_math_5e", &TStartForm::Classe5e, &TMainFormEXO::Classe5e, "528 exercices"},
        {"exos_math_4e", &TStartForm::Classe4e, &TMainFormEXO::Classe4e, "1 741 exercices"},
        {"exos_math_3e", &TStartForm::Classe3e, &TMainFormEXO::Classe3e, "1 806 exercices"},
        {"exos_francais_ce1", &TStartForm::ClasseCE1, &TMainFormEXO::ClasseCE1, "312 exercices"},
        {"exos_francais_6e", &TStartForm::Classe6e, &TMainFormEXO::Classe6e, "461 exercices"},
    };
    ASSERT_EQ(StartForm->Liste_matieres->Count(), 11);
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        StartForm->Liste_matieres->SelectByUser(i);
        const bool french = i >= 9;
        EXPECT_EQ(StartForm->Subject, french ? Ansi("Français") : "Mathematiques");
        EXPECT_EQ(MainFormEXO->ExoTableName, expected[i].table);
        EXPECT_EQ(MainFormEXO->Table_Exos->SQLText(), ExerciseQueryText(expected[i].table));
        EXPECT_EQ(StartForm->exos->Caption(), expected[i].count);
        const TImage* homeClass = StartForm->*(expected[i].home);
        ASSERT_FALSE(homeClass->Picture().Empty());
        EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(homeClass));
        EXPECT_EQ(PictureOf(MainFormEXO->titreCLASSE), PictureOf(MainFormEXO->*(expected[i].player)));
        EXPECT_EQ(PictureOf(StartForm->titre),
                  PictureOf(french ? StartForm->titre_francais : StartForm->titre_math));
        EXPECT_EQ(PictureOf(MainFormEXO->Titre_MATIERE),
                  PictureOf(french ? MainFormEXO->Titre_MATIERE_FRANCAIS : MainFormEXO->Titre_MATIERE_MATH));
        // The learner stays; the panel stays open.
        EXPECT_EQ(StartForm->LearnerName, "Paul");
    }
    EXPECT_EQ(StartForm->Level, "6e");
    // The pictures differ from one level to the next.
    EXPECT_NE(PictureOf(StartForm->ClasseCP), PictureOf(StartForm->ClasseCM1));
    EXPECT_NE(PictureOf(StartForm->titre_math), PictureOf(StartForm->titre_francais));
}

TEST_F(LearnersTest, UnknownLevelKeepsThePicturesAndStillNamesATable) {
    StartWith({"Paul@Mathematiques CM1"});
    // Each copy replaces what the target showed.
    StartForm->WhichClasse->Picture().SetImage(QImage(5, 5, QImage::Format_RGB32));
    StartForm->SelectLearnerLine("Paul@Mathematiques CM1");
    EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(StartForm->ClasseCM1));

    StartForm->SelectLearnerLine("Paul@Mathematiques 2nde");
    EXPECT_EQ(StartForm->Level, "2nde");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_2nde");
    EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(StartForm->ClasseCM1));
    EXPECT_EQ(PictureOf(MainFormEXO->titreCLASSE), PictureOf(MainFormEXO->ClasseCM1));
}

TEST_F(LearnersTest, LineWithoutEntryFallsBackToMathematicsCp) {
    StartWith({"Paul@Mathematiques CM1"});
    StartForm->SelectLearnerLine("Lou");
    EXPECT_EQ(StartForm->LearnerName, "Lou");
    EXPECT_EQ(StartForm->Subject, "Mathematiques");
    EXPECT_EQ(StartForm->Level, "CP");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_cp");
    EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(StartForm->ClasseCP));
}

// ---------------------------------------------------------------- the name picture

TEST_F(LearnersTest, NamePictureFollowsTheLearnerAndTheTypedName) {
    StartWith({"Emma@Mathematiques CM1"});
    EXPECT_EQ(StartForm->IdentifiantNOM->Picture().Width(), 225);
    EXPECT_EQ(StartForm->IdentifiantNOM->Picture().Height(), 67);

    // Typing a new name draws it, blanks collapsed, replacing the former picture.
    StartForm->AjoutNOM->SetText("  jo   li ");
    int key = 'I';
    StartForm->AjoutNOMKeyUp(StartForm->AjoutNOM, key, 0);
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM), NamePicture("JO LI"));
    StartForm->AjoutNOM->SetText("");
    StartForm->AjoutNOMKeyUp(StartForm->AjoutNOM, key, 0);
    EXPECT_EQ(StartForm->IdentifiantNOM->Picture().Image().size(), QSize(16, 8));
}

TEST_F(LearnersTest, CapitalisedNameGoesToTheHomeScreenAndThePlayer) {
    StartWith({"Paul@Mathematiques CM1"});
    StartForm->SetLearnerName("  jean-PIERRE  dupont  ");
    EXPECT_EQ(StartForm->LearnerName, "Jean-Pierre  Dupont");
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), "Jean-Pierre  Dupont");
    EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM), NamePicture("JEAN-PIERRE DUPONT"));
    StartForm->SetLearnerName(Ansi("éloïse"));
    EXPECT_EQ(StartForm->LearnerName, Ansi("Éloïse"));
}

TEST_F(LearnersTest, GlyphTextDrawsFromTheStoredCharacterPictures) {
    StartWith({"Paul@Mathematiques CM1"});
    TImage* target = StartForm->ballon;
    StartForm->RenderGlyphText("Tirs: 12", target);
    const int width = StartForm->alpha_t->Picture().Width() + StartForm->alpha_i->Picture().Width() +
                      StartForm->alpha_r->Picture().Width() + StartForm->alpha_s->Picture().Width() +
                      StartForm->alpha_pp->Picture().Width() + 20 +
                      StartForm->alpha_1->Picture().Width() + StartForm->alpha_2->Picture().Width();
    EXPECT_EQ(target->Picture().Image().size(), QSize(width, 40));
    // The colon: 9 pixels from the top of the strip.
    const int colonX = width - 20 - StartForm->alpha_1->Picture().Width() -
                       StartForm->alpha_2->Picture().Width() - StartForm->alpha_pp->Picture().Width();
    QImage colon(10, 40, QImage::Format_RGB32);
    colon.fill(ToQColor(kScreenColor));
    {
        QPainter painter(&colon);
        painter.drawImage(0, 9, StartForm->alpha_pp->Picture().Image());
    }
    EXPECT_EQ(target->Picture().Image().copy(colonX, 0, 10, 40).convertToFormat(QImage::Format_RGB32),
              colon);
    StartForm->RenderGlyphText("  ", target);
    EXPECT_EQ(target->Picture().Width(), 0);
}
