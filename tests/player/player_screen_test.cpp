// The exercise player's screen: showing and closing it, the table of contents with
// its counts, opening a chapter, the help page and the command hovers.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ScreenFixture.h"
#include "games/Jeux.h"
#include "home/Intro.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

ExerciseRecord Rec(const std::string& code, int typeExo, const std::string& number,
                   const std::string& content) {
    ExerciseRecord r;
    r.code = code;
    r.typeExo = typeExo;
    r.number = number;
    r.content = content;
    return r;
}

class PlayerTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteLearnerFile({"Paul@Mathematiques CM1"});
        RunStartup();
        player = MainFormEXO;
        ASSERT_NE(player, nullptr);
    }
    void TearDown() override {
        if (player && player->Visible()) player->Close();
        ScreenTest::TearDown();
    }

    std::string Exos() const { return data->ExosDb(); }

    // The programme of Mathematiques CM1 (lines joined by "\n", UTF-8).
    void SetProgramme(const std::string& text) {
        ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1", text);
    }
    // Replaces the exercises of exos_math_cm1.
    void SetExercises(const std::vector<ExerciseRecord>& exos) {
        ClearTable(data->ExosDb(), "exos_math_cm1");
        for (const ExerciseRecord& e : exos) InsertExercise(data->ExosDb(), "exos_math_cm1", e);
    }
    void Show() { player->ShowForm(); }

    TTreeNode* Node(const char* utf8Text) {
        for (TTreeNode* n : player->IndexTree->Nodes())
            if (n->Text() == Ansi(utf8Text)) return n;
        ADD_FAILURE() << "no entry " << utf8Text;
        return nullptr;
    }
    static bool SamePicture(TImage* a, TImage* b) {
        return a->Picture().Image() == b->Picture().Image();
    }

    TMainFormEXO* player = nullptr;
};

const char* const kProgramme =
    "Nombres\n"
    "\t[N1] Les grands nombres #(revoir en juin)\n"
    "\t[N2] Les fractions\n"
    "Géométrie\n"
    "\t[G1]   Les angles   \n"
    "\t[N1] Encore les grands nombres\n"
    "[V9] Chapitre sans exercice";

std::vector<ExerciseRecord> StandardExercises() {
    return {Rec("N1", 1, "101", "/#Combien ?#/"),  Rec("N1", 1, "102", "/#Et ici ?#/"),
            Rec("N1", 8, "103", "/#Recopie.#/"),   Rec("N1", 8, "104", "/#Recopie.#/"),
            Rec("N1", 8, "105", "/#Recopie.#/"),   Rec("N2", 3, "201", "/#Calcule.#/"),
            Rec("G1", 2, "301", "/#Vrai ?#//#1#/")};
}

}  // namespace

// ---- Table of contents ------------------------------------------------------------

TEST_F(PlayerTest, TableOfContentsShowsTitlesCodesAndTotals) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();

    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 8);
    ASSERT_EQ(player->IndexTree->Count(), 7);
    EXPECT_EQ(player->IndexTree->Selected(), nullptr);

    // The remark and the blanks before it are gone; codes are in the entries' data.
    TTreeNode* n1 = Node("Les grands nombres");
    ASSERT_NE(n1, nullptr);
    EXPECT_EQ(n1->Level(), 1);
    EXPECT_EQ(n1->Data(), "N1 NbExo = 5");         // 2 QCM + 3 QMT
    EXPECT_EQ(Node("Les fractions")->Data(), "N2 NbExo = 1");
    EXPECT_EQ(Node("Les angles")->Data(), "G1 NbExo = 1");
    // A heading has no data; a second entry with the same code keeps the code alone;
    // a code without exercise keeps the code alone.
    EXPECT_FALSE(Node("Nombres")->HasData());
    EXPECT_EQ(Node("Encore les grands nombres")->Data(), "N1");
    EXPECT_EQ(Node("Chapitre sans exercice")->Data(), "V9");
    EXPECT_EQ(Node("Chapitre sans exercice")->Level(), 0);
}

TEST_F(PlayerTest, NoProgrammeForTheSubjectGivesAnEmptyTree) {
    SetExercises(StandardExercises());
    StartForm->Subject = "Physique";
    Show();
    EXPECT_EQ(player->IndexTree->Count(), 0);
    player->Label_Index_OKClick();
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), Ansi("Aucun (sous-)chapitre n'a été sélectionné!"));
    EXPECT_EQ(player->CurrentExoIndex, -1);
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(PlayerTest, SubjectAndLevelMatchIgnoringCaseAndBlanks) {
    SetProgramme(kProgramme);
    StartForm->Subject = "  MATHEMATIQUES ";
    StartForm->Level = "cm1";
    Show();
    EXPECT_EQ(player->IndexTree->Count(), 7);
}

TEST_F(PlayerTest, SelectingEntriesShowsTheirCounts) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();

    player->IndexTree->ClickNode(Node("Les grands nombres"));
    EXPECT_EQ(player->NbExoChap->Caption(), Ansi("Nombre d'exercices liés à cette entrée: 5"));
    EXPECT_EQ(player->NbExoChap->Hint(), "1");
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), "");

    player->IndexTree->ClickNode(Node("Nombres"));
    EXPECT_EQ(player->NbExoChap->Caption(), Ansi("Aucun exercice directement lié à cette entrée"));
    EXPECT_EQ(player->NbExoChap->Hint(), "0");
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), "Nombre d'exercices des 2 sous-chapitres : 6");

    // The second entry with the code N1 counts nothing.
    player->IndexTree->ClickNode(Node("Géométrie"));
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), "Nombre d'exercices des 2 sous-chapitres : 1");

    player->IndexTree->ClickNode(Node("Chapitre sans exercice"));
    EXPECT_EQ(player->NbExoChap->Hint(), "0");
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), "");
}

TEST_F(PlayerTest, SubChapterCounterCountsEveryEntryBelow) {
    SetProgramme("Tout\n\tA\n\t\t[X1] Un\n\t\t[X2] Deux\n\tB\n\t\t[X3] Trois");
    SetExercises({Rec("X1", 1, "1", "/#a#/"), Rec("X2", 1, "2", "/#b#/"), Rec("X2", 4, "3", "/#c#/"),
                  Rec("X3", 5, "4", "/#d#/")});
    Show();
    player->IndexTree->ClickNode(Node("Tout"));
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), "Nombre d'exercices des 5 sous-chapitres : 4");
    int counter = 0;
    EXPECT_EQ(player->CountNodeExercises(Node("A"), counter), 3);
    EXPECT_EQ(counter, 2);
}

TEST_F(PlayerTest, OpeningRequiresAnEntryWithItsOwnExercises) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();

    player->Label_Index_OKClick();
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), Ansi("Aucun (sous-)chapitre n'a été sélectionné!"));

    for (const char* entry : {"Nombres", "Encore les grands nombres", "Chapitre sans exercice"}) {
        player->IndexTree->ClickNode(Node(entry));
        player->Label_Index_OKClick();
    }
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[0], Ansi("Aucun exercice n'est directement lié à cette entrée de la table "
                               "des matières.\nIl faut sélectionner un sous-chapitre précis."));
    EXPECT_EQ(player->CurrentExoIndex, -1);
    EXPECT_FALSE(player->LabelSuivant->Enabled());
    EXPECT_EQ(player->ThisChapter->Caption(), "");
}

TEST_F(PlayerTest, OpeningAChapterNarrowsTheListAndStartsIt) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();

    player->IndexTree->ClickNode(Node("Les grands nombres"));
    player->Label_Index_OKClick();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(player->ThisChapter->Caption(), "Les grands nombres");
    EXPECT_EQ(player->Table_Exos->SQLText(),
              "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"N1\"))");
    EXPECT_EQ(player->Table_Exos->RecordCount(), 5);
    EXPECT_EQ(player->NbExo->Caption(), "1/5");
    EXPECT_EQ(player->CurrentExoIndex, 1);
    EXPECT_FALSE(player->PanelNote->Visible());
    for (TLabel* c : {player->LabelVerification, player->LabelCorriger, player->LabelSuivant,
                      player->label_previous})
        EXPECT_TRUE(c->Enabled()) << c->Name();

    // Another chapter narrows the query again.
    player->IndexTree->ClickNode(Node("Les angles"));
    player->Label_Index_OKClick();
    EXPECT_EQ(player->Table_Exos->SQLText(),
              "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"G1\"))");
    EXPECT_EQ(player->NbExo->Caption(), "1/1");
}

TEST_F(PlayerTest, KindsTwoAndThreeAreShownOnSwappedPages) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();
    player->IndexTree->ClickNode(Node("Les angles"));          // typeEXO 2
    player->Label_Index_OKClick();
    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 2);
    EXPECT_EQ(player->ExoPageControl->ActivePage()->Caption(), "QB");
    player->IndexTree->ClickNode(Node("Les fractions"));       // typeEXO 3
    player->Label_Index_OKClick();
    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 1);
    EXPECT_EQ(player->ExoTypeName, "QO");
    EXPECT_EQ(player->ChapterCode, "N2");
    EXPECT_EQ(player->ChapterTitle, "Les fractions");
}

TEST_F(PlayerTest, DoubleClickOpensTheChapter) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();
    player->IndexTree->SetSelected(Node("Les fractions"));
    ASSERT_NE(player->IndexTree->OnDblClick, nullptr);
    player->IndexTree->OnDblClick(player->IndexTree);
    EXPECT_EQ(player->NbExo->Caption(), "1/1");
    EXPECT_EQ(player->ThisChapter->Caption(), "Les fractions");
}

TEST_F(PlayerTest, ChapterWhoseQueryFailsShowsNoExercise) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();
    player->Table_Exos->SetSQLText("SELECT * FROM table_absente WHERE ((codeExo=\"XXX\")OR(1=1))");
    player->IndexTree->ClickNode(Node("Les grands nombres"));
    player->Label_Index_OKClick();
    EXPECT_EQ(player->NbExo->Caption(), "1/0");
    EXPECT_EQ(player->CurrentExoIndex, 1);
    EXPECT_EQ(player->ThisChapter->Caption(), "Les grands nombres");
}

TEST_F(PlayerTest, ChapterCodeWithADoubleQuoteIsOneLiteral) {
    SetProgramme("[A\")OR(1=1] Code piégé\n[B] Autre");
    SetExercises({Rec("A\")OR(1=1", 1, "1", "/#a#/"), Rec("B", 1, "2", "/#b#/"), Rec("B", 1, "3", "/#c#/")});
    Show();
    TTreeNode* trap = Node("Code piégé");
    ASSERT_NE(trap, nullptr);
    EXPECT_EQ(trap->Data(), "A\")OR(1=1 NbExo = 1");
    player->IndexTree->ClickNode(trap);
    player->Label_Index_OKClick();
    // Only the record of that code, not the whole table.
    EXPECT_EQ(player->Table_Exos->RecordCount(), 1);
    EXPECT_EQ(player->NbExo->Caption(), "1/1");
}

// ---- Showing and closing ------------------------------------------------------------

TEST_F(PlayerTest, ShowingAgainResetsThePlayer) {
    SetProgramme(kProgramme);
    SetExercises(StandardExercises());
    Show();
    player->IndexTree->ClickNode(Node("Les grands nombres"));
    player->Label_Index_OKClick();
    player->PanelNote->Show();
    player->jump_list->Show();
    player->label_close_jump->Show();
    player->jump_label->SetEnabled(true);
    player->ExoChecked = 1;
    player->ExoMark = 7;
    player->WatchFace = 0;
    player->Close();

    SetExercises({Rec("N1", 1, "101", "/#a#/")});
    Show();
    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 8);
    EXPECT_EQ(player->CurrentExoPage, 8);
    EXPECT_EQ(player->IndexTree->Selected(), nullptr);
    EXPECT_EQ(Node("Les grands nombres")->Data(), "N1 NbExo = 1");   // recounted
    EXPECT_EQ(player->CurrentExoIndex, -1);
    EXPECT_EQ(player->ExoChecked, 0);
    EXPECT_EQ(player->ExoMark, 0);
    EXPECT_EQ(player->ExoLoadDone, 1);
    EXPECT_EQ(player->NavDirection, 0);
    EXPECT_EQ(player->WatchFace, 1);
    EXPECT_EQ(player->NbExoChap->Hint(), "0");
    EXPECT_EQ(player->ThisChapter->Caption(), "");
    EXPECT_FALSE(player->PanelNote->Visible());
    EXPECT_FALSE(player->jump_list->Visible());
    EXPECT_FALSE(player->label_close_jump->Visible());
    EXPECT_FALSE(player->jump_label->Enabled());
    for (TLabel* c : {player->LabelVerification, player->LabelCorriger, player->LabelSuivant,
                      player->label_previous})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    // The counter keeps its caption.
    EXPECT_EQ(player->NbExo->Caption(), "1/5");
}

TEST_F(PlayerTest, ShowOpensBothConnectionsAndCloseClosesThem) {
    Show();
    EXPECT_TRUE(player->MainADOConnection->Connected());
    EXPECT_TRUE(player->TraceADOConnection->Connected());
    player->Close();
    EXPECT_FALSE(player->Visible());
    EXPECT_FALSE(player->MainADOConnection->Connected());
    EXPECT_FALSE(player->TraceADOConnection->Connected());
    EXPECT_FALSE(player->Table_Exos->Active());
}

TEST_F(PlayerTest, MissingDatabasesLeaveTheScreenShownSilently) {
    std::remove(Exos().c_str());
    std::remove(data->TraceDb().c_str());
    Show();
    EXPECT_TRUE(player->Visible());
    EXPECT_FALSE(player->MainADOConnection->Connected());
    EXPECT_FALSE(player->TraceADOConnection->Connected());
    EXPECT_EQ(player->IndexTree->Count(), 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dialogs.empty());
    player->Close();
    EXPECT_FALSE(std::filesystem::exists(Exos()));
    EXPECT_FALSE(std::filesystem::exists(data->TraceDb()));
}

TEST_F(PlayerTest, MissingTraceDatabaseStopsTheShowAfterTheExercises) {
    SetProgramme(kProgramme);
    std::remove(data->TraceDb().c_str());
    Show();
    EXPECT_TRUE(player->MainADOConnection->Connected());
    EXPECT_FALSE(player->TraceADOConnection->Connected());
    EXPECT_EQ(player->IndexTree->Count(), 0);    // the show ended before the contents
    player->Close();
    EXPECT_FALSE(player->MainADOConnection->Connected());
    EXPECT_FALSE(std::filesystem::exists(data->TraceDb()));
}

TEST_F(PlayerTest, ThePageControlFollowsTheActivePageWithItsDataSource) {
    player->ExoPageControl->SetActivePageIndex(2);
    player->ExoPageControlEnter();
    EXPECT_EQ(player->ExoDataSource->DataSet(), player->QB_Query);
    player->ExoPageControl->SetActivePageIndex(7);
    player->ExoPageControlEnter();
    EXPECT_EQ(player->ExoDataSource->DataSet(), player->QMT_Query);
    player->ExoPageControl->SetActivePageIndex(9);
    player->ExoPageControlEnter();
    EXPECT_EQ(player->ExoDataSource->DataSet(), player->QMT_Query);
}

TEST_F(PlayerTest, TheTabRowIsCoveredAndPagesHaveTheirCaptions) {
    const char* captions[] = {"QCM", "QO", "QB", "QCC", "QTRO", "QTRC", "QMR", "QMT",
                              "Select Chapter", "HELP"};
    ASSERT_EQ(player->ExoPageControl->PageCount(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(player->ExoPageControl->Page(i)->Caption(), captions[i]);
    // A click on the tab row lands on the covering panel.
    const QPoint tabRow = player->ExoPageControl->mapTo(player, QPoint(20, 10));
    EXPECT_EQ(player->childAt(tabRow), player->Panel3);
}

// ---- Commands and help --------------------------------------------------------------

TEST_F(PlayerTest, RetourClosesThePlayer) {
    Show();
    SendClick(player->LabelRetour);
    EXPECT_FALSE(player->Visible());
    EXPECT_FALSE(player->MainADOConnection->Connected());
}

TEST_F(PlayerTest, JeuxOpensTheGamesModally) {
    Show();
    const size_t before = modalForms.size();
    SendClick(player->LabelJEU);
    ASSERT_EQ(modalForms.size(), before + 1);
    EXPECT_EQ(modalForms.back(), Jeu->Name());
    EXPECT_TRUE(player->Visible());
}

TEST_F(PlayerTest, HelpPageOpensEmptyAndReturnsToTheSavedPage) {
    Show();
    SendClick(player->LabelExoHelpButton);
    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 9);
    EXPECT_EQ(player->HelpMemo->Text(), "");
    for (TShape* s : {player->Shape2, player->Shape3, player->Shape4, player->Shape5, player->Shape6})
        EXPECT_EQ(s->Brush().Color(), 0xFF8080);
    SendClick(player->Label_Close_Aide);
    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 8);   // no exercise yet

    player->CurrentExoPage = 4;
    player->LabelExoHelpButtonClick();
    player->Label_Close_AideClick();
    EXPECT_EQ(player->ExoPageControl->ActivePageIndex(), 4);
}

TEST_F(PlayerTest, HelpTabsChangeColourByState) {
    Show();
    player->LabelExoHelpButtonClick();
    TLabel* tab = player->Label4;
    SendEnter(tab);
    EXPECT_EQ(player->Shape4->Brush().Color(), 14329263);
    EXPECT_EQ(tab->Font().Color(), 0x000080);
    SendClick(tab);
    EXPECT_EQ(player->Shape4->Brush().Color(), 13020254);
    EXPECT_EQ(tab->Font().Color(), 0x800000);
    EXPECT_EQ(player->HelpMemo->Text(), player->Memo3->Text());
    SendLeave(tab);
    EXPECT_EQ(player->Shape4->Brush().Color(), 13020254);

    // The selected tab ignores hover and clicks.
    SendEnter(tab);
    EXPECT_EQ(player->Shape4->Brush().Color(), 13020254);
    player->HelpMemo->SetText("x");
    SendClick(tab);
    EXPECT_EQ(player->HelpMemo->Text(), "x");

    // Another tab takes the selection; the first is plain again.
    SendClick(player->Label1);
    EXPECT_EQ(player->Shape2->Brush().Color(), 13020254);
    EXPECT_EQ(player->Shape4->Brush().Color(), 0xFF8080);
    EXPECT_EQ(player->HelpMemo->Text(), player->Memo1->Text());

    // The help page keeps its state across a return to the exercise.
    player->Label_Close_AideClick();
    player->LabelExoHelpButtonClick();
    EXPECT_EQ(player->Shape2->Brush().Color(), 13020254);
    EXPECT_EQ(player->HelpMemo->Text(), player->Memo1->Text());
}

TEST_F(PlayerTest, HelpTextsStartWithTheirFirstLines) {
    const std::pair<TMemo*, const char*> texts[] = {
        {player->Memo1, "L'écran actuel permet de résoudre divers exercices selon le chapitre choisi."},
        {player->Memo2, "Les exercices pouvant être proposés sont de divers types:"},
        {player->Memo3, "Les exercices s'enchaînent (bouton [SUIVANT]) et il n'y a pas de durée "
                        "prédéfinie pour fournir une réponse. "},
        {player->Memo4, "PARAMETRES"},
        {player->Memo5, "Deux jeux sont proposés (cliquer sur le bouton [JEUX)) :"},
    };
    for (const auto& [memo, first] : texts) {
        const TStringList lines = memo->Lines();
        ASSERT_GT(lines.Count(), 3) << memo->Name();
        EXPECT_EQ(lines[0], Ansi(first));
        EXPECT_FALSE(memo->Visible());
    }
    EXPECT_NE(player->Memo5->Text().find("LA RECONNAISSANCE NAVALE"), AnsiString::npos);
    EXPECT_NE(player->Memo5->Text().find("LE COMPTE EST BON"), AnsiString::npos);
}

TEST_F(PlayerTest, CommandHoverSwapsFacesAndShowsTheBanner) {
    Show();
    const struct {
        TLabel* label;
        TImage *face, *hovered, *normal, *banner;
    } commands[] = {
        {player->LabelRetour, player->ImageRetour, player->ImageRetour2, player->ImageRetour1,
         player->ImageHint_Exit},
        {player->LabelSuivant, player->ImageSuivant, player->ImageSuivant2, player->ImageSuivant1,
         player->ImageHint_Next},
        {player->label_sommaire, player->image_sommaire, player->image_sommaire_2,
         player->image_sommaire_1, player->hint_sommaire},
        {player->LabelExoHelpButton, player->ExoHelpButton, player->Help_Button_2,
         player->Help_Button_1, player->ImageHint_Help},
    };
    // As after a chapter is opened: every command enabled.
    for (TLabel* l : {player->LabelVerification, player->LabelCorriger, player->LabelSuivant,
                      player->label_previous})
        l->SetEnabled(true);
    for (const auto& c : commands) {
        ASSERT_FALSE(SamePicture(c.hovered, c.normal)) << c.label->Name();
        player->HintButton->SetCaption("old");
        SendEnter(c.label);
        EXPECT_TRUE(SamePicture(c.face, c.hovered)) << c.label->Name();
        EXPECT_TRUE(player->ImageHint->Visible());
        EXPECT_TRUE(SamePicture(player->ImageHint, c.banner)) << c.label->Name();
        SendLeave(c.label);
        EXPECT_TRUE(SamePicture(c.face, c.normal)) << c.label->Name();
        EXPECT_FALSE(player->ImageHint->Visible());
        EXPECT_EQ(player->HintButton->Caption(), "");
    }
    // Moving from one command to the next shows the second banner.
    SendEnter(player->LabelRetour);
    SendLeave(player->LabelRetour);
    SendEnter(player->LabelCorriger);
    EXPECT_TRUE(SamePicture(player->ImageHint, player->ImageHint_Correction));
    SendLeave(player->LabelCorriger);

    // The games command leaves the hint line alone.
    player->HintButton->SetCaption("reste");
    SendEnter(player->LabelJEU);
    EXPECT_TRUE(SamePicture(player->ImageJEU, player->ImageJEU_2));
    EXPECT_TRUE(SamePicture(player->ImageHint, player->ImageHint_Jeu));
    SendLeave(player->LabelJEU);
    EXPECT_TRUE(SamePicture(player->ImageJEU, player->ImageJEU_1));
    EXPECT_FALSE(player->ImageHint->Visible());
    EXPECT_EQ(player->HintButton->Caption(), "reste");
}

TEST_F(PlayerTest, MarkCommandAndOkTurnRedAndBackWhileHovered) {
    Show();
    const TColor before = player->AfficherNote->Font().Color();
    SendEnter(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Font().Color(), 255);
    SendLeave(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Font().Color(), before);

    SendEnter(player->Label_Index_OK);
    EXPECT_TRUE(SamePicture(player->Img_Index_OK, player->Img_Index_OK_2));
    SendLeave(player->Label_Index_OK);
    EXPECT_TRUE(SamePicture(player->Img_Index_OK, player->Img_Index_OK_1));
}

// ---- Show routines --------------------------------------------------------------------

TEST_F(PlayerTest, ShowRoutinesWriteTheStatement) {
    player->ExoLoadDone = 1;
    player->ShowExerciseQCM(Ansi("  /#  Choisis   la bonne réponse #/ /#a#/"));
    EXPECT_EQ(player->qcm_statement->Caption(), Ansi("Choisis   la bonne réponse"));
    EXPECT_EQ(player->qcm_statement->Width(), 750);

    player->ShowExerciseQO(Ansi("[1] /#Un problème#//#Longueur#/"));
    EXPECT_EQ(player->qo_statement->Caption(), Ansi("Un problème"));
    EXPECT_EQ(player->qo_statement->Hint(), "probleme");
    player->ShowExerciseQO("/#Une question#//#12#/");
    EXPECT_EQ(player->qo_statement->Hint(), "qo");
    player->ShowExerciseQO(Ansi("[2]/#Pas de préfixe#/"));
    EXPECT_EQ(player->qo_statement->Caption(), "");
    EXPECT_EQ(player->qo_statement->Hint(), "qo");

    player->ExoLoadDone = 0;
    player->ShowExerciseQTRO(Ansi("/#Complète le texte.#//#Il {...} beau.#//#fait#/"));
    EXPECT_EQ(player->qtro_statement->Caption(), Ansi("Complète le texte."));
    EXPECT_EQ(player->qtro_statement->Width(), 785);
    player->ShowExerciseQTRC("");
    EXPECT_EQ(player->qtrc_statement->Caption(), "");
    EXPECT_EQ(player->ExoLoadDone, 0);

    player->ShowExerciseQMT("/#   Recopie les mots.#/");
    EXPECT_EQ(player->qmt_statement->Caption(), "Recopie les mots.");
    player->ShowExerciseQMR("/#Trouve les verbes.#/");
    EXPECT_EQ(player->qmr_statement->Caption(), "Trouve les verbes.");
    player->ShowExerciseQCC(Ansi("texte /#ignoré#/"));
    EXPECT_EQ(player->qcc_statement->Caption(), "");
}

TEST_F(PlayerTest, LongStatementWrapsAndGrowsDownward) {
    const AnsiString shortText = "Court.";
    player->ShowExerciseQCM("/#" + shortText + "#/");
    const int oneLine = player->qcm_statement->Height();
    AnsiString longText;
    for (int i = 0; i < 30; ++i) longText += "Encore un mot. ";
    player->ShowExerciseQCM("/#" + longText + "#/");
    EXPECT_EQ(player->qcm_statement->Width(), 750);
    EXPECT_GT(player->qcm_statement->Height(), 2 * oneLine);
}
