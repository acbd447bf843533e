// The exercise player's screen: the table of contents with its counts, opening a
// chapter, showing it again, missing or read-only databases, what lies over what, the
// commands and the statements of the pages.
#include <filesystem>
#include <fstream>
#include <functional>

#include <QTreeWidget>

#include "ChapterFixture.h"
#include "Unprivileged.h"
#include "games/Jeux.h"

namespace {

const char* const kProgramme =
    "Nombres\n"
    "\t[N1] Les grands nombres #(revoir en juin)\n"
    "\t[N2] Les fractions\n"
    "Géométrie\n"
    "\tFigures\n"
    "\t\t[G1]   Les angles   \n"
    "\t[N1] Encore les grands nombres\n"
    "[V9] Chapitre sans exercice";

class PlayerTest : public ChapterTest {
protected:
    // The programme above with 2 QCM + 3 QMT of N1, one QO of N2 (and a record of no
    // kind), one QB of G1, one without a code.
    void ShowStandard() {
        ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1", kProgramme);
        SetExercises({Exo("N1", 1, "101", "/#Combien ?#/"), Exo("N1", 1, "102", "/#Et ici ?#/"),
                      Exo("N1", 8, "103", "/#Recopie.#/"), Exo("N1", 8, "104", "/#Recopie.#/"),
                      Exo("N1", 8, "105", "/#Recopie.#/"), Exo("N2", 3, "201", "/#Calcule.#/"),
                      Exo("N2", 9, "202", "/#?#/"), Exo("G1", 2, "301", "/#Vrai ?#//#1#/"), Exo("", 1, "1", "/#?#/")});
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
    // Whether VERIFIER, CORRIGER, SUIVANT and the previous command are all enabled ("1111").
    std::string Commands() const {
        std::string s;
        for (TLabel* c : {player->LabelVerification, player->LabelCorriger, player->LabelSuivant, player->label_previous})
            s += c->Enabled() ? '1' : '0';
        return s;
    }
};

}  // namespace

TEST_F(PlayerTest, TableOfContentsWithItsCountsAndOpeningAChapter) {
    // No programme for the subject: an empty tree, nothing to open.
    StartForm->Subject = "Physique";
    player->ShowForm();
    EXPECT_EQ(player->IndexTree->Count(), 0);
    player->Label_Index_OKClick();
    EXPECT_EQ(player->Nb_Child_Exo->Caption(), Ansi("Aucun (sous-)chapitre n'a été sélectionné!"));

    // Subject and level match whatever their case and blanks.
    StartForm->Subject = "  MATHEMATIQUES ";
    StartForm->Level = "cm1";
    ShowStandard();
    EXPECT_EQ(ActivePage(), 8);
    ASSERT_EQ(player->IndexTree->Count(), 8);
    EXPECT_EQ(player->IndexTree->Selected(), nullptr);
    // The remark and its blanks are gone; only the first entry of a code has a total;
    // a heading has no data; a code without exercise keeps the code alone.
    const struct { const char* title; int level; const char* data; } entries[] = {
        {"Nombres", 0, nullptr},
        {"Les grands nombres", 1, "N1 NbExo = 5"},
        {"Les fractions", 1, "N2 NbExo = 1"},
        {"Les angles", 2, "G1 NbExo = 1"},
        {"Encore les grands nombres", 1, "N1"},
        {"Chapitre sans exercice", 0, "V9"},
    };
    for (const auto& e : entries) {
        TTreeNode* n = Node(e.title);
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(n->Level(), e.level) << e.title;
        EXPECT_EQ(n->HasData() ? n->Data() : "-", e.data ? e.data : "-") << e.title;
    }
    // Selecting an entry shows its own count and that of the entries below, at every depth.
    const struct { const char* entry; const char* own; const char* below; } cases[] = {
        {"Les grands nombres", "Nombre d'exercices liés à cette entrée: 5", ""},
        {"Nombres", "Aucun exercice directement lié à cette entrée", "Nombre d'exercices des 2 sous-chapitres : 6"},
        // The second entry with the code N1 counts nothing.
        {"Géométrie", "Aucun exercice directement lié à cette entrée", "Nombre d'exercices des 3 sous-chapitres : 1"},
        {"Chapitre sans exercice", "Aucun exercice directement lié à cette entrée", ""},
    };
    for (const auto& c : cases) {
        player->IndexTree->ClickNode(Node(c.entry));
        EXPECT_EQ(player->NbExoChap->Caption(), Ansi(c.own)) << c.entry;
        EXPECT_EQ(player->Nb_Child_Exo->Caption(), Ansi(c.below)) << c.entry;
    }

    // An entry without exercises of its own is refused.
    for (const char* entry : {"Nombres", "Encore les grands nombres", "Chapitre sans exercice"}) Open(entry);
    EXPECT_EQ(dialogs, std::vector<AnsiString>(3, Ansi("Aucun exercice n'est directement lié à cette entrée de la "
                                                        "table des matières.\nIl faut sélectionner un sous-chapitre précis.")));
    EXPECT_EQ(Commands() + player->ThisChapter->Caption(), "0000");

    // Real clicks: one on an entry, one in the empty part, which keeps the entry, so
    // that its count line and OUVRIR agree.
    auto* view = player->IndexTree->findChild<QTreeWidget*>();
    ClickOn(view->viewport(), view->visualItemRect(view->topLevelItem(1)->child(0)->child(0)).center());
    ClickOn(view->viewport(), QPoint(100, view->viewport()->height() - 5));
    EXPECT_EQ(player->NbExoChap->Caption(), Ansi("Nombre d'exercices liés à cette entrée: 1"));
    SendClick(player->Label_Index_OK);
    EXPECT_EQ(player->ThisChapter->Caption(), "Les angles");
    Open("Les grands nombres");
    EXPECT_EQ(player->ThisChapter->Caption(), "Les grands nombres");
    EXPECT_EQ(Counter(), "1/5");
    EXPECT_EQ(Commands(), "1111");
    // A double click opens too, narrowing the list again.
    player->IndexTree->SetSelected(Node("Les angles"));
    player->IndexTree->OnDblClick(player->IndexTree);
    EXPECT_EQ(Counter() + " " + player->ThisChapter->Caption(), "1/1 Les angles");
    // A code holding a double quote is one literal: only the record of that code.
    ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1", "[A\")OR(1=1] Code piégé\n[B] Autre");
    SetExercises({Exo("A\")OR(1=1", 1, "1", "/#a#/"), Exo("B", 1, "2", "/#b#/"), Exo("B", 1, "3", "/#c#/")});
    player->ShowForm();
    EXPECT_EQ(Node("Code piégé")->Data(), "A\")OR(1=1 NbExo = 1");
    Open("Code piégé");
    EXPECT_EQ(Counter(), "1/1");
    // A chapter whose list cannot be read shows no exercise, and nothing can be marked.
    player->Table_Exos->SetSQLText("SELECT * FROM table_absente WHERE ((codeExo=\"XXX\")OR(1=1))");
    Open("Code piégé");
    EXPECT_EQ(Counter(), "0/0");
    EXPECT_TRUE(player->ExoNotShown->Visible());
    EXPECT_FALSE(player->LabelCorriger->Enabled() || player->jump_label->Enabled());
}

TEST_F(PlayerTest, ShowingAgainStartsAfresh) {
    ShowStandard();
    Open("Les grands nombres");
    Correct();
    Next();
    Verify();
    SendClick(player->AfficherNote);
    SendClick(player->jump_label);
    Open("Les angles");
    SendClick(player->qb_label_true);
    Correct();
    ASSERT_TRUE(player->yes_timer->Enabled());   // full marks
    player->label_sommaireClick();               // the contents, with the way back
    player->Close();
    SetExercises({Exo("N1", 1, "101", "/#a#/")});
    player->ShowForm();
    EXPECT_EQ(ActivePage(), 8);
    EXPECT_EQ(player->IndexTree->Count(), 8);          // the entries are replaced, on screen too
    EXPECT_EQ(player->IndexTree->findChild<QTreeWidget*>()->topLevelItemCount(), 3);
    EXPECT_EQ(player->IndexTree->Selected(), nullptr);
    EXPECT_EQ(Node("Les grands nombres")->Data(), "N1 NbExo = 1");   // recounted
    EXPECT_EQ(player->ThisChapter->Caption(), "");
    EXPECT_FALSE(player->PanelNote->Visible() || player->jump_list->Visible() || player->jump_label->Enabled());
    // Neither the full-marks animation nor the way back to an exercise outlives a showing.
    EXPECT_FALSE(player->yes_timer->Enabled() || player->yes_1->Visible() || player->yes_2->Visible() ||
                 player->label_close_sommaire->Visible());
    EXPECT_EQ(Commands(), "0000");
    EXPECT_EQ(std::to_string(player->ExoChecked) + "," + std::to_string(player->ExoMark), "0,0");
}

// Each database missing or unreadable (a locked trace: marking_test): the exercises
// open without the trace, the learner is told once which file and what follows, and no
// file is created.
TEST_F(PlayerTest, DatabasesMissingOrUnreadable) {
    namespace fs = std::filesystem;
    const std::string exos = DataPath("bd_exos.mdb"), trace = DataPath("bd_trace.mdb");
    ShowStandard();
    player->Close();
    fs::copy_file(exos, DataPath("exos.keep"));
    fs::copy_file(trace, DataPath("trace.keep"));
    const auto garbage = [](const std::string& path) { std::ofstream(path) << "pas une base"; };
    const std::string noTrace = "les résultats des exercices ne seront pas enregistrés.";
    const std::string noExos = "aucun exercice ne peut être proposé.";
    const struct {
        const char* what;
        std::function<void()> spoil;
        std::string told;
        bool exercises;
    } cases[] = {
        {"trace missing", [&] { fs::remove(trace); }, "Le fichier bd_trace.mdb est introuvable : " + noTrace, true},
        {"trace unreadable", [&] { garbage(trace); }, "Le fichier bd_trace.mdb ne peut pas être lu : " + noTrace, true},
        {"exercises missing", [&] { fs::remove(exos); }, "Le fichier bd_exos.mdb est introuvable : " + noExos, false},
        {"both", [&] { garbage(exos); fs::remove(trace); },
         "Le fichier bd_exos.mdb ne peut pas être lu : " + noExos + "\nLe fichier bd_trace.mdb est introuvable : " + noTrace,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::copy_file(DataPath("exos.keep"), exos, fs::copy_options::overwrite_existing);
        fs::copy_file(DataPath("trace.keep"), trace, fs::copy_options::overwrite_existing);
        // Sound at first, so that the next fault is told anew.
        player->ShowForm();
        player->Close();
        c.spoil();
        messages.clear();
        for (int showing = 0; showing < 2; ++showing) {
            player->ShowForm();
            EXPECT_EQ(player->IndexTree->Count(), c.exercises ? 8 : 0);
            if (c.exercises) player->IndexTree->ClickNode(Node("Les angles"));
            player->Label_Index_OKClick();
            EXPECT_EQ(Commands().substr(0, 2), c.exercises ? "11" : "00");
            if (c.exercises) {
                SendClick(player->qb_label_true);
                Correct();
                EXPECT_TRUE(BadgeIs(10));
            }
            player->Close();
        }
        EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi(c.told.c_str())}));
        // Nothing is made in place of a missing file.
        EXPECT_EQ(fs::exists(exos), c.told.find("bd_exos.mdb est introuvable") == std::string::npos);
        EXPECT_EQ(fs::exists(trace), c.told.find("bd_trace.mdb est introuvable") == std::string::npos);
    }
}

// A trace the learner may read but not write is told at once, not when a result is lost
// (run as an ordinary user, so that the file's rights bind).
TEST_F(PlayerTest, AReadOnlyTraceIsToldAtOnce) {
    namespace fs = std::filesystem;
    fs::permissions(data->Dir(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(DataPath("bd_exos.mdb"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    fs::permissions(DataPath("bd_trace.mdb"), fs::perms::owner_read | fs::perms::others_read);
    const int result = RunUnprivileged([&] {
        player->ShowForm();
        return messages == std::vector<AnsiString>{Ansi("Le fichier bd_trace.mdb ne peut pas être modifié : les "
                                                        "résultats des exercices ne seront pas enregistrés.")} ? 0 : 1;
    });
    EXPECT_EQ(result, 0) << "1: not told as it should be; -1: could not run as an ordinary user";
}

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
        EXPECT_LT(title->Left() + title->TextWidth(title->ShownText()), name->Left() + name->Width() - nameWidth);
    }
}

// With the mark and the full-marks pictures shown, every control of every page can be
// clicked; the X of the table of contents, the help tabs and the help text stand over
// the badge, which is cut away under them; the badge leaves the learner's name free.
TEST_F(PlayerTest, ControlsStayReachableWhileTheMarkIsShown) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter();
    SendClick(player->qb_label_true);
    Correct();
    SendClick(player->AfficherNote);
    player->yes_timer->Fire();
    ASSERT_TRUE(player->PanelNote->isVisible() && player->yes_1->isVisible());
    SendClick(player->jump_label);
    for (int page : {2, 8, 9}) {
        player->ExoPageControl->SetActivePageIndex(page);
        EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{}) << page;
    }
    // A click on the tab row lands on the covering panel: pages change by commands only.
    EXPECT_EQ(player->childAt(player->ExoPageControl->mapTo(player, QPoint(20, 10))), player->Panel3);
    const QRect name(player->Apprenant->mapTo(player, QPoint(0, 0)), player->Apprenant->size());
    for (QWidget* w : std::initializer_list<QWidget*>{player->PanelNote, player->yes_1, player->yes_2})
        EXPECT_FALSE(name.intersects(QRect(w->mapTo(player, QPoint(0, 0)), w->size()))) << w->objectName().toStdString();
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
    EXPECT_EQ(ActivePage(), 2);
    EXPECT_TRUE(badgeOver(x));
}

TEST_F(PlayerTest, CommandsSwapTheirFacesShowTheirBannerAndRun) {
    player->ShowForm();
    // VERIFIER is disabled before a chapter is open: it still shows its face and banner.
    SendEnter(player->LabelVerification);
    EXPECT_TRUE(SamePicture(player->ImageVerification, player->ImageVerification2));
    EXPECT_TRUE(player->ImageHint->Visible() && SamePicture(player->ImageHint, player->ImageHint_Verification));
    SendLeave(player->LabelVerification);
    EXPECT_TRUE(SamePicture(player->ImageVerification, player->ImageVerification1));
    EXPECT_FALSE(player->ImageHint->Visible());
    // JEUX opens the games over the player; RETOUR closes it and its databases.
    SendClick(player->LabelJEU);
    EXPECT_EQ(modalForms.back(), Jeu->Name());
    EXPECT_TRUE(player->Visible());
    SendClick(player->LabelRetour);
    EXPECT_FALSE(player->Visible() || player->MainADOConnection->Connected());
}

// Each page writes its statement trimmed, wraps it within the page's width and pushes
// what follows below it.
TEST_F(PlayerTest, ShowRoutinesWriteTheStatementAndPlaceTheAnswersBelowIt) {
    using Show = void (TMainFormEXO::*)(AnsiString);
    const struct { int page; Show show; TLabel* label; TPanel* below; } pages[] = {
        {0, &TMainFormEXO::ShowExerciseQCM, player->qcm_statement, player->Panel_Text_QCM},
        {1, &TMainFormEXO::ShowExerciseQO, player->qo_statement, player->Panel_Text_QO},
        {2, &TMainFormEXO::ShowExerciseQB, player->qb_statement, player->Panel_Answer_True_False},
        {3, &TMainFormEXO::ShowExerciseQCC, player->qcc_statement, player->Panel_Text_QCC},
        {4, &TMainFormEXO::ShowExerciseQTRO, player->qtro_statement, player->Panel_Text_QTRO},
        {5, &TMainFormEXO::ShowExerciseQTRC, player->qtrc_statement, player->Panel_Word_QTRC},
        {6, &TMainFormEXO::ShowExerciseQMR, player->qmr_statement, player->Panel_Text_QMR},
        {7, &TMainFormEXO::ShowExerciseQMT, player->qmt_statement, player->Panel_Text_QMT},
    };
    const std::string statement = "Une consigne  bien trop longue pour tenir sur une seule ligne de la page, qui en "
                                  "prend donc plusieurs, et ce qui suit descend d'autant pour ne jamais être couvert.";
    for (const auto& p : pages) {
        SCOPED_TRACE(p.label->Name());
        p.label->SetWidth(10);
        ShowOn(p.page, p.show, "  /#   " + statement + " #/ /#1#/");
        EXPECT_EQ(p.label->Caption(), Ansi(statement.c_str()));
        EXPECT_GE(p.label->Width(), 750);
        EXPECT_GE(p.below->Top(), p.label->Top() + p.label->Height());
    }
}
