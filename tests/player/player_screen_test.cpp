// The exercise player's screen: showing and closing it, the table of contents with
// its counts, opening a chapter, the help page and the command hovers.
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QTreeWidget>
#include <sqlite3.h>

#include "ChapterFixture.h"
#include "LockedDatabase.h"
#include "games/Jeux.h"

namespace {

const char* const kProgramme =
    "Nombres\n"
    "\t[N1] Les grands nombres #(revoir en juin)\n"
    "\t[N2] Les fractions\n"
    "Géométrie\n"
    "\t[G1]   Les angles   \n"
    "\t[N1] Encore les grands nombres\n"
    "[V9] Chapitre sans exercice";

class PlayerTest : public ChapterTest {
protected:
    // The programme above with 2 QCM + 3 QMT of N1, one QO of N2, one QB of G1.
    void ShowStandard() {
        ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1", kProgramme);
        SetExercises({Exo("N1", 1, "101", "/#Combien ?#/"), Exo("N1", 1, "102", "/#Et ici ?#/"),
                      Exo("N1", 8, "103", "/#Recopie.#/"), Exo("N1", 8, "104", "/#Recopie.#/"),
                      Exo("N1", 8, "105", "/#Recopie.#/"), Exo("N2", 3, "201", "/#Calcule.#/"),
                      Exo("G1", 2, "301", "/#Vrai ?#//#1#/")});
        player->ShowForm();
    }
    TTreeNode* Node(const char* utf8Text) {
        for (TTreeNode* n : player->IndexTree->Nodes())
            if (n->Text() == Ansi(utf8Text)) return n;
        ADD_FAILURE() << "no entry " << utf8Text;
        return nullptr;
    }
    void Open(const char* utf8Text) {
        player->IndexTree->ClickNode(Node(utf8Text));
        player->Label_Index_OKClick();
    }
    std::vector<TLabel*> ExerciseCommands() const {
        return {player->LabelVerification, player->LabelCorriger, player->LabelSuivant,
                player->label_previous};
    }
};

}  // namespace

// ---- Table of contents ------------------------------------------------------------

TEST_F(PlayerTest, TableOfContentsShowsTitlesCodesAndTotals) {
    // Subject and level match whatever their case and blanks.
    StartForm->Subject = "  MATHEMATIQUES ";
    StartForm->Level = "cm1";
    ShowStandard();

    EXPECT_EQ(ActivePage(), 8);
    ASSERT_EQ(player->IndexTree->Count(), 7);
    EXPECT_EQ(player->IndexTree->Selected(), nullptr);
    // The remark and its blanks are gone; only the first entry of a code has a total;
    // a heading has no data; a code without exercise keeps the code alone.
    const struct { const char* title; int level; const char* data; } entries[] = {
        {"Nombres", 0, nullptr},
        {"Les grands nombres", 1, "N1 NbExo = 5"},
        {"Les fractions", 1, "N2 NbExo = 1"},
        {"Les angles", 1, "G1 NbExo = 1"},
        {"Encore les grands nombres", 1, "N1"},
        {"Chapitre sans exercice", 0, "V9"},
    };
    for (const auto& e : entries) {
        TTreeNode* n = Node(e.title);
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(n->Level(), e.level) << e.title;
        EXPECT_EQ(n->HasData(), e.data != nullptr) << e.title;
        if (e.data) {
            EXPECT_EQ(n->Data(), e.data);
        }
    }
}

TEST_F(PlayerTest, SelectingEntriesShowsTheirCounts) {
    ShowStandard();
    const struct { const char* entry; const char* own; const char* hint; const char* below; } cases[] = {
        {"Les grands nombres", "Nombre d'exercices liés à cette entrée: 5", "1", ""},
        {"Nombres", "Aucun exercice directement lié à cette entrée", "0",
         "Nombre d'exercices des 2 sous-chapitres : 6"},
        // The second entry with the code N1 counts nothing.
        {"Géométrie", "Aucun exercice directement lié à cette entrée", "0",
         "Nombre d'exercices des 2 sous-chapitres : 1"},
        {"Chapitre sans exercice", "Aucun exercice directement lié à cette entrée", "0", ""},
    };
    for (const auto& c : cases) {
        player->IndexTree->ClickNode(Node(c.entry));
        EXPECT_EQ(player->NbExoChap->Caption(), Ansi(c.own)) << c.entry;
        EXPECT_EQ(player->NbExoChap->Hint(), c.hint) << c.entry;
        EXPECT_EQ(player->Nb_Child_Exo->Caption(), Ansi(c.below)) << c.entry;
    }

    // The sub-chapter counter counts every entry below, at every depth.
    ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1",
                   "Tout\n\tA\n\t\t[X1] Un\n\t\t[X2] Deux\n\tB\n\t\t[X3] Trois");
    SetExercises({Exo("X1", 1, "1", "/#a#/"), Exo("X2", 1, "2", "/#b#/"), Exo("X2", 4, "3", "/#c#/"),
                  Exo("X3", 5, "4", "/#d#/")});
    player->ShowForm();
    player->IndexTree->ClickNode(Node("Tout"));
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), "Nombre d'exercices des 5 sous-chapitres : 4");

    // Real clicks: one on an entry, one in the empty part, which keeps the entry, so
    // that its count line and OUVRIR agree.
    auto* view = player->IndexTree->findChild<QTreeWidget*>();
    ClickOn(view->viewport(), view->visualItemRect(view->topLevelItem(0)->child(0)->child(0)).center());
    ClickOn(view->viewport(), QPoint(100, view->viewport()->height() - 5));
    EXPECT_EQ(player->NbExoChap->Caption(), Ansi("Nombre d'exercices liés à cette entrée: 1"));
    SendClick(player->Label_Index_OK);
    EXPECT_EQ(player->ThisChapter->Caption(), "Un");
}

TEST_F(PlayerTest, OpeningRequiresAnEntryWithItsOwnExercises) {
    // No programme for the subject: an empty tree, nothing to open.
    StartForm->Subject = "Physique";
    player->ShowForm();
    EXPECT_EQ(player->IndexTree->Count(), 0);
    player->Label_Index_OKClick();
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), Ansi("Aucun (sous-)chapitre n'a été sélectionné!"));
    EXPECT_TRUE(dialogs.empty());

    StartForm->Subject = "Mathematiques";
    ShowStandard();
    for (const char* entry : {"Nombres", "Encore les grands nombres", "Chapitre sans exercice"})
        Open(entry);
    ASSERT_EQ(dialogs.size(), 3u);
    for (const AnsiString& d : dialogs)
        EXPECT_EQ(d, Ansi("Aucun exercice n'est directement lié à cette entrée de la table "
                          "des matières.\nIl faut sélectionner un sous-chapitre précis."));
    EXPECT_EQ(player->CurrentExoIndex, -1);
    EXPECT_FALSE(player->LabelSuivant->Enabled());
    EXPECT_EQ(player->ThisChapter->Caption(), "");
}

TEST_F(PlayerTest, OpeningAChapterNarrowsTheListAndStartsIt) {
    ShowStandard();
    Open("Les grands nombres");
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(player->ThisChapter->Caption(), "Les grands nombres");
    EXPECT_EQ(player->Table_Exos->SQLText(), "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"N1\"))");
    EXPECT_EQ(player->Table_Exos->RecordCount(), 5);
    EXPECT_EQ(Counter(), "1/5");
    EXPECT_EQ(player->CurrentExoIndex, 1);
    EXPECT_FALSE(player->PanelNote->Visible());
    for (TLabel* c : ExerciseCommands()) EXPECT_TRUE(c->Enabled()) << c->Name();

    // A double click opens too, narrowing the query again.
    player->IndexTree->SetSelected(Node("Les angles"));
    ASSERT_NE(player->IndexTree->OnDblClick, nullptr);
    player->IndexTree->OnDblClick(player->IndexTree);
    EXPECT_EQ(player->Table_Exos->SQLText(), "SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"G1\"))");
    EXPECT_EQ(Counter(), "1/1");
    EXPECT_EQ(player->ThisChapter->Caption(), "Les angles");

    // A chapter whose list cannot be read shows no exercise, and nothing can be marked.
    player->Table_Exos->SetSQLText("SELECT * FROM table_absente WHERE ((codeExo=\"XXX\")OR(1=1))");
    Open("Les grands nombres");
    EXPECT_EQ(Counter(), "0/0");
    EXPECT_EQ(player->CurrentExoIndex, 0);
    EXPECT_TRUE(player->ExoNotShown->Visible());
    EXPECT_FALSE(player->LabelCorriger->Enabled() || player->jump_label->Enabled());
    EXPECT_EQ(player->jump_list->Items().Items(), std::vector<AnsiString>{"1"});
}

TEST_F(PlayerTest, ChapterCodeWithADoubleQuoteIsOneLiteral) {
    ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1", "[A\")OR(1=1] Code piégé\n[B] Autre");
    SetExercises({Exo("A\")OR(1=1", 1, "1", "/#a#/"), Exo("B", 1, "2", "/#b#/"), Exo("B", 1, "3", "/#c#/")});
    player->ShowForm();
    EXPECT_EQ(Node("Code piégé")->Data(), "A\")OR(1=1 NbExo = 1");
    Open("Code piégé");
    // Only the record of that code, not the whole table.
    EXPECT_EQ(player->Table_Exos->RecordCount(), 1);
    EXPECT_EQ(Counter(), "1/1");
}

// ---- Showing and closing ------------------------------------------------------------

TEST_F(PlayerTest, ShowingAgainResetsThePlayer) {
    ShowStandard();
    Open("Les grands nombres");
    player->PanelNote->Show();
    player->jump_list->Show();
    player->label_close_jump->Show();
    player->jump_label->SetEnabled(true);
    player->ExoChecked = 1;
    player->ExoMark = 7;
    player->WatchFace = 0;
    player->Close();

    SetExercises({Exo("N1", 1, "101", "/#a#/")});
    player->ShowForm();
    EXPECT_EQ(ActivePage(), 8);
    EXPECT_EQ(player->IndexTree->Count(), 7);          // the entries are replaced
    EXPECT_EQ(player->IndexTree->Selected(), nullptr);
    EXPECT_EQ(Node("Les grands nombres")->Data(), "N1 NbExo = 1");   // recounted
    // CurrentExoPage, CurrentExoIndex, ExoChecked, ExoMark, ExoLoadDone, NavDirection, WatchFace.
    EXPECT_EQ((std::vector<int>{player->CurrentExoPage, player->CurrentExoIndex, player->ExoChecked,
                                player->ExoMark, player->ExoLoadDone, player->NavDirection,
                                player->WatchFace}),
              (std::vector<int>{8, -1, 0, 0, 1, 0, 1}));
    EXPECT_EQ(player->NbExoChap->Hint(), "0");
    EXPECT_EQ(player->ThisChapter->Caption(), "");
    EXPECT_FALSE(player->PanelNote->Visible() || player->jump_list->Visible() ||
                 player->label_close_jump->Visible());
    EXPECT_FALSE(player->jump_label->Enabled());
    for (TLabel* c : ExerciseCommands()) EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_EQ(Counter(), "1/5");                       // the counter keeps its caption
}

// Each database locked, missing or unreadable: the exercises open without the trace,
// the learner is told once which file and what follows, and no file is created.
TEST_F(PlayerTest, DatabasesLockedMissingOrUnreadable) {
    namespace fs = std::filesystem;
    const std::string exos = DataPath("bd_exos.mdb"), trace = DataPath("bd_trace.mdb");
    ShowStandard();
    player->Close();
    fs::copy_file(exos, DataPath("exos.keep"));
    fs::copy_file(trace, DataPath("trace.keep"));
    std::unique_ptr<LockedDatabase> lock;
    const auto garbage = [](const std::string& path) { std::ofstream(path) << "pas une base"; };
    const std::string noTrace = "les résultats des exercices ne seront pas enregistrés.";
    const std::string noExos = "aucun exercice ne peut être proposé.";
    const struct {
        const char* what;
        std::function<void()> spoil;
        std::string told;
        bool exercises;
    } cases[] = {
        {"trace locked", [&] { lock = std::make_unique<LockedDatabase>(trace, "EXCLUSIVE"); },
         "Ce résultat n'a pas pu être enregistré pour l'instant : il sera ajouté à l'historique plus tard.", true},
        {"trace missing", [&] { fs::remove(trace); }, "Le fichier bd_trace.mdb est introuvable : " + noTrace, true},
        {"trace unreadable", [&] { garbage(trace); }, "Le fichier bd_trace.mdb ne peut pas être lu : " + noTrace, true},
        {"exercises missing", [&] { fs::remove(exos); }, "Le fichier bd_exos.mdb est introuvable : " + noExos, false},
        {"both", [&] { garbage(exos); fs::remove(trace); },
         "Le fichier bd_exos.mdb ne peut pas être lu : " + noExos + "\nLe fichier bd_trace.mdb est introuvable : " + noTrace,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lock.reset();
        fs::copy_file(DataPath("exos.keep"), exos, fs::copy_options::overwrite_existing);
        fs::copy_file(DataPath("trace.keep"), trace, fs::copy_options::overwrite_existing);
        // Sound at first, so that the next fault is told anew.
        player->ShowForm();
        player->Close();
        c.spoil();
        messages.clear();
        for (int showing = 0; showing < 2; ++showing) {
            player->ShowForm();
            EXPECT_EQ(player->IndexTree->Count(), c.exercises ? 7 : 0);
            if (c.exercises) player->IndexTree->ClickNode(Node("Les angles"));
            player->Label_Index_OKClick();
            EXPECT_EQ(player->LabelCorriger->Enabled(), c.exercises);
            EXPECT_EQ(player->LabelVerification->Enabled(), c.exercises);
            if (c.exercises) {
                EXPECT_EQ(ActivePage(), 2);
                player->qb_selection_click(player->qb_label_true);
                player->LabelCorrigerClick();
                EXPECT_TRUE(SamePicture(player->ImgExoNote, player->NoteImage(10)));
            }
            player->Close();
        }
        EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi(c.told.c_str())}));
        EXPECT_TRUE(dialogs.empty());
        // Nothing is made in place of a missing file.
        EXPECT_EQ(fs::exists(exos), c.exercises || c.told.find("bd_exos.mdb ne peut") != std::string::npos);
        EXPECT_EQ(fs::exists(trace), c.told.find("bd_trace.mdb est introuvable") == std::string::npos);
    }
}

TEST_F(PlayerTest, Frame) {
    // A click on the tab row lands on the covering panel.
    const QPoint tabRow = player->ExoPageControl->mapTo(player, QPoint(20, 10));
    EXPECT_EQ(player->childAt(tabRow), player->Panel3);

    // The mark badge and the full-marks pictures leave the learner's name free.
    const QRect name(player->Apprenant->mapTo(player, QPoint(0, 0)), player->Apprenant->size());
    EXPECT_FALSE(name.intersects(player->PanelNote->geometry()));
    for (TImage* yes : {player->yes_1, player->yes_2})
        EXPECT_FALSE(name.intersects(QRect(yes->mapTo(player, QPoint(0, 0)), yes->size())));
}

// ---- Commands and help --------------------------------------------------------------

// The chapter title and the learner's name share the top line: a long title is cut
// with "…" before the name, a long name within its box; neither covers the other.
TEST_F(PlayerTest, LongTitlesAndNamesDoNotCoverEachOther) {
    const std::string longTitle =
        "Proportionnalité, pourcentages et échelles dans les problèmes de la vie courante";
    ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1", "[N1] Les fractions\n[N2] " + longTitle);
    SetExercises({Exo("N1", 2, "1", "/#Vrai ?#//#1#/"), Exo("N2", 2, "2", "/#Vrai ?#//#1#/")});
    const struct { const char* name; const char* title; bool titleCut, nameCut; } cases[] = {
        {"Paul", "Les fractions", false, false},
        {"Paul", longTitle.c_str(), true, false},
        {"Marie-Christine-Alexandra De La Tour", longTitle.c_str(), true, true},
    };
    // Shown cut: a beginning of the text, then "…".
    const auto cut = [](const TLabel* l) {
        const AnsiString shown = l->ShownText();
        return !shown.empty() && shown.back() == '\x85' && l->Caption().rfind(shown.substr(0, shown.size() - 1), 0) == 0;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + std::string(" / ") + c.title);
        StartForm->SetLearnerName(Ansi(c.name));
        player->ShowForm();
        Open(c.title);
        const TLabel *title = player->ThisChapter, *name = player->Apprenant;
        EXPECT_EQ(title->Caption(), Ansi(c.title));
        EXPECT_EQ(cut(title), c.titleCut);
        EXPECT_EQ(cut(name), c.nameCut);
        const int nameWidth = name->TextWidth(name->ShownText());
        EXPECT_LE(nameWidth, name->Width());
        EXPECT_LT(title->Left() + title->TextWidth(title->ShownText()),
                  name->Left() + name->Width() - nameWidth);
    }
}

// With the mark and the full-marks pictures shown, every control of every page can be
// clicked; the X of the table of contents, the help tabs and the help text stand over
// the badge, which is cut away under them.
TEST_F(PlayerTest, ControlsStayReachableWhileTheMarkIsShown) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter();
    SendClick(player->qb_label_true);
    SendClick(player->LabelCorriger);
    SendClick(player->AfficherNote);
    player->yes_timer->Fire();
    ASSERT_TRUE(player->PanelNote->isVisible() && player->yes_1->isVisible());
    SendClick(player->jump_label);
    for (int page : {2, 8, 9}) {
        player->ExoPageControl->SetActivePageIndex(page);
        EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{}) << page;
    }
    // Whether the badge shows at the centre of a control (no mask: all of it shows).
    TPanel* badge = player->PanelNote;
    const auto badgeOver = [&](TControl* c) {
        const QPoint p = badge->mapFrom(player, c->mapTo(player, c->rect().center()));
        return badge->mask().isEmpty() ? badge->rect().contains(p) : badge->mask().contains(p);
    };
    const auto reached = [&](TControl* c) { return !badgeOver(c) && ClickOn(c, c->rect().center()) == c; };
    SendClick(player->label_sommaire);
    TLabel* x = player->label_close_sommaire;
    EXPECT_TRUE(reached(x));
    EXPECT_EQ(ActivePage(), 2);
    SendClick(player->LabelExoHelpButton);
    EXPECT_TRUE(reached(player->Label6));
    EXPECT_EQ(player->HelpMemo->Text(), player->Memo5->Text());
    // Back on the exercise the badge shows where the X was.
    SendClick(player->Label_Close_Aide);
    EXPECT_TRUE(badgeOver(x));
}

TEST_F(PlayerTest, RetourClosesAndJeuxOpensTheGamesModally) {
    player->ShowForm();
    const size_t before = modalForms.size();
    SendClick(player->LabelJEU);
    ASSERT_EQ(modalForms.size(), before + 1);
    EXPECT_EQ(modalForms.back(), Jeu->Name());
    EXPECT_TRUE(player->Visible());
    SendClick(player->LabelRetour);
    EXPECT_FALSE(player->Visible());
    EXPECT_FALSE(player->MainADOConnection->Connected());
}

TEST_F(PlayerTest, HelpPageTabsAndReturn) {
    player->ShowForm();
    SendClick(player->LabelExoHelpButton);
    EXPECT_EQ(ActivePage(), 9);
    EXPECT_EQ(player->HelpMemo->Text(), "");
    for (TShape* s : {player->Shape2, player->Shape3, player->Shape4, player->Shape5, player->Shape6})
        EXPECT_EQ(s->Brush().Color(), 0xFF8080);

    // Hovered, then selected while hovered; leaving keeps the selection.
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

    // Closing returns to the table of contents (no exercise yet); another tab takes the
    // selection, and the page keeps its state until it is opened again.
    SendClick(player->Label1);
    SendClick(player->Label_Close_Aide);
    EXPECT_EQ(ActivePage(), 8);
    player->CurrentExoPage = 4;
    player->LabelExoHelpButtonClick();
    EXPECT_EQ(player->Shape2->Brush().Color(), 13020254);
    EXPECT_EQ(player->Shape4->Brush().Color(), 0xFF8080);
    EXPECT_EQ(player->HelpMemo->Text(), player->Memo1->Text());
    player->Label_Close_AideClick();
    EXPECT_EQ(ActivePage(), 4);
}

TEST_F(PlayerTest, CommandHoverSwapsFacesAndShowsTheBanner) {
    player->ShowForm();
    // VERIFIER is disabled before a chapter is open: it still shows its banner.
    ASSERT_FALSE(player->LabelVerification->Enabled());
    const struct { TLabel* label; TImage *face, *hovered, *normal, *banner; } commands[] = {
        {player->LabelRetour, player->ImageRetour, player->ImageRetour2, player->ImageRetour1,
         player->ImageHint_Exit},
        {player->LabelVerification, player->ImageVerification, player->ImageVerification2,
         player->ImageVerification1, player->ImageHint_Verification},
        {player->LabelExoHelpButton, player->ExoHelpButton, player->Help_Button_2,
         player->Help_Button_1, player->ImageHint_Help},
    };
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

// ---- Show routines --------------------------------------------------------------------

TEST_F(PlayerTest, ShowRoutinesWriteTheStatement) {
    using Show = void (TMainFormEXO::*)(AnsiString);
    const struct { Show show; TLabel* label; int width; const char* content; const char* statement; } cases[] = {
        {&TMainFormEXO::ShowExerciseQCM, player->qcm_statement, 750,
         "  /#  Choisis   la bonne réponse #/ /#a#/", "Choisis   la bonne réponse"},
        {&TMainFormEXO::ShowExerciseQO, player->qo_statement, 750, "[1] /#Un problème#//#L#/", "Un problème"},
        {&TMainFormEXO::ShowExerciseQCC, player->qcc_statement, 750, "texte /#ignoré#/", ""},
        {&TMainFormEXO::ShowExerciseQTRO, player->qtro_statement, 785,
         "/#Complète le texte.#//#Il {...} beau.#//#fait#/", "Complète le texte."},
        {&TMainFormEXO::ShowExerciseQTRC, player->qtrc_statement, 785, "", ""},
        {&TMainFormEXO::ShowExerciseQMR, player->qmr_statement, 785, "/#Trouve les verbes.#/", "Trouve les verbes."},
        // QMT keeps leading blanks in its fields but not in its statement.
        {&TMainFormEXO::ShowExerciseQMT, player->qmt_statement, 785, "/#   Recopie les mots.#/", "Recopie les mots."},
    };
    for (const auto& c : cases) {
        c.label->SetWidth(10);
        (player->*c.show)(Ansi(c.content));
        EXPECT_EQ(c.label->Caption(), Ansi(c.statement)) << c.label->Name();
        EXPECT_EQ(c.label->Width(), c.width) << c.label->Name();
    }
    // The QO kind is kept in the statement's hint.
    EXPECT_EQ(player->qo_statement->Hint(), "probleme");
    player->ShowExerciseQO("/#Une question#//#12#/");
    EXPECT_EQ(player->qo_statement->Hint(), "qo");
}
