// VERIFIER and CORRIGER on every kind of page, played with the mouse through a real
// chapter: the mark, its badge, the trace record written once and the done flag;
// results that wait for a locked trace; and both put aside while the contents are shown.
// With PLAYER_SCREENSHOT_DIR set, each page is saved after VERIFIER and after CORRIGER.
#include <functional>

#include "LockedDatabase.h"
#include "Samples.h"
#include "TextFixture.h"

namespace {

class MarkingTest : public TextPageTest {
protected:
    std::string DoneFlags() const {
        std::string flags;
        for (const DbRow& r : ReadRows(data->ExosDb(), "SELECT resoluEXO FROM exos_math_cm1 ORDER BY rowid"))
            flags += r.at("resoluEXO");
        return flags;
    }
    void Tick(std::initializer_list<int> choices) {
        for (int n : choices) SendClick(player->Label_choix[n]);
    }
};

std::string EightPairs() {   // left n goes with right 9 - n
    std::string c = "/#Relie chaque nombre à son double.#/";
    for (int n = 1; n <= 8; ++n) c += " /#" + std::to_string(n) + "#/";
    for (int n = 1; n <= 8; ++n) c += " /#" + std::to_string(9 - n) + "#/";
    for (int k = 1; k <= 8; ++k) c += " /#" + std::to_string(2 * (9 - k)) + "#/";
    return c;
}

}  // namespace

TEST_F(MarkingTest, EveryKindIsMarkedAndTracedOnce) {
    struct Play {
        int typeExo;
        std::string content;
        const char* kind;
        int page, verifies;
        std::function<void()> answer, afterVerifier;
        int mark;
    };
    TPanel* retyped = player->Panel_Text_QMT;
    const Play plays[] = {
        // The wrong tick taken back after VERIFIER: 3 right of 4, 7 points, less one, plus one.
        {1, kTwoCorrect, "QCM", 0, 1, [&] { Tick({1, 2}); }, [&] { SendClick(player->choix[1]); }, 7},
        // (10 + 10 + 3) / 3 = 7 points.
        {3, "[1] /#Un libraire reçoit 6 cartons de 24 livres.\nIl en vend 58.#/ /#Reçus :#/ /#Vendus :#/"
            " /#Restants :#/ /##/ /#144#/ /#58#/ /#86#/", "QO", 1, 1,
         [&] { for (auto [box, text] : {std::pair{1, "144"}, {2, "58 livres"}, {3, "96"}}) player->qo_answer[box]->SetText(text); },
         {}, 7},
        // 6 pairs right of 8: 7 points.
        {4, EightPairs(), "QCC", 3, 1, [&] {
             for (int n = 1; n <= 8; ++n) {
                 SendClick(player->left_choice[n]);
                 SendClick(player->right_choice[n <= 6 ? 9 - n : n]);
             }
         }, {}, 7},
        // VERIFIER runs the whole true-or-false check and costs nothing.
        {2, "/#Vrai ?#/ /#1#/", "QB", 2, 1, [&] { SendClick(player->qb_label_true); }, {}, 10},
        // 3 gaps of 4: 7 points, without VERIFIER.
        {5, kFourGaps, "QTRO", 4, 0, [&] {
             for (auto [gap, text] : {std::pair{0, "chat"}, {1, "souris"}, {3, "lait"}})
                 Answer(Answers(player->Panel_Text_QTRO)[gap], text);
         }, {}, 8},
        // 1 gap of 3 right: 3 points.
        {6, kHomophones, "QTRC", 5, 1, [&] { Fill(0, 1); Fill(1, 3); }, {}, 3},
        // 2 words found and 1 wrong of 3: 3 points.
        {7, kVerbs, "QMR", 6, 0, [&] { Pick({"court", "dort", "chien "}); }, {}, 4},
        // An unchanged word that is already right counts: 2 of 3, 6 points.
        {8, kAgreement, "QMT", 7, 1, {}, [&] { Answer(Answers(retyped)[0], "oiseaux"); }, 6},
        // A second VERIFIER corrects: no choice, no point.
        {1, "/#Choisis.#/", "QCM", 0, 2, {}, {}, 0},
    };
    std::vector<ExerciseRecord> exos;
    for (const Play& p : plays) exos.push_back(Exo("N1", p.typeExo, std::to_string(exos.size() + 1), p.content));
    exos.push_back(Exo("N2", 2, "99", "/#Autre chapitre#/ /#0#/"));
    SetExercises(exos);
    OpenChapter();
    std::vector<std::string> starts, ends, marks, kinds, verified;
    for (const Play& p : plays) {
        SCOPED_TRACE(p.kind);
        ASSERT_EQ(ActivePage(), p.page);
        starts.push_back(DateTimeText(clock));
        clock.minute += 1;
        if (p.answer) p.answer();
        for (int v = 0; v < p.verifies; ++v) Verify();
        SaveScreen(std::string(p.kind) + "_verifier.png");
        if (p.afterVerifier) p.afterVerifier();
        if (p.verifies < 2) Correct();
        EXPECT_TRUE(BadgeIs(p.mark));
        // The mark shows once the learner asks for it, then at each correction.
        EXPECT_EQ(player->PanelNote->Visible(), starts.size() > 1);
        if (starts.size() == 1) SendClick(player->AfficherNote);
        EXPECT_TRUE(player->PanelNote->Visible());
        // Full marks animate their two pictures in turn.
        EXPECT_EQ(player->yes_timer->Enabled(), p.mark == 10);
        for (bool first : {true, false}) {
            if (p.mark != 10) break;
            player->yes_timer->Fire();
            EXPECT_EQ(std::make_pair(player->yes_1->Visible(), player->yes_2->Visible()), std::make_pair(first, !first));
        }
        for (TImage* v : {player->QCMverdict, player->QCCverdict, player->QTROverdict, player->QTRCverdict,
                          player->QMRverdict, player->QMTverdict})
            EXPECT_TRUE(SamePicture(v, p.mark == 10 ? player->ToutBon : player->PasMal));
        SaveScreen(std::string(p.kind) + "_corriger.png");
        Correct();   // disabled now: nothing more is written
        Verify();
        Next();
        EXPECT_FALSE(player->PanelNote->Visible());
        ends.push_back(DateTimeText(clock));
        marks.push_back(std::to_string(p.mark));
        kinds.push_back(p.kind);
        verified.push_back(p.verifies ? "1" : "0");
    }
    ASSERT_EQ(Traced("ExoCode"), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(Traced("ExoNote"), marks);
    EXPECT_EQ(Traced("ExoType"), kinds);
    EXPECT_EQ(Traced("ExoUseverif"), verified);
    EXPECT_EQ(Traced("ExoStart"), starts);
    EXPECT_EQ(Traced("ExoEnd"), ends);
    EXPECT_EQ(TraceRows()[0].at("ExoChap") + "/" + TraceRows()[0].at("ExoChapcode"), "Les grands nombres/N1");
    EXPECT_EQ(DoneFlags(), "1111111110");
    EXPECT_EQ(player->AfficherNote->Caption(), "MASQUER MA NOTE");
    SendClick(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Caption(), "AFFICHER MA NOTE");
}

// The trace database locked by another program: the correction ends at once, the
// learner hears once that results will be recorded later, and they are when the player
// closes (the order kept: trace_log_test).
TEST_F(MarkingTest, ResultsWaitForALockedTrace) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter();
    LockedDatabase other(data->TraceDb(), "EXCLUSIVE");
    ASSERT_TRUE(other.Held());
    SendClick(player->qb_label_true);
    Correct();
    EXPECT_TRUE(BadgeIs(10));
    Next();
    Correct();
    EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi("Ce résultat n'a pas pu être enregistré pour l'instant : "
                                                      "il sera ajouté à l'historique plus tard.")}));
    EXPECT_EQ(DoneFlags(), "11");
    other.Release();
    player->Close();
    EXPECT_EQ(Traced("ExoCode"), (std::vector<std::string>{"101", "102"}));
    EXPECT_EQ(Traced("ExoNote"), (std::vector<std::string>{"10", "3"}));

    // Still locked when the program ends: the learner is told what is lost, once.
    OpenChapter();
    LockedDatabase again(data->TraceDb(), "EXCLUSIVE");
    ASSERT_TRUE(again.Held());
    Correct();
    player->Close();
    messages.clear();
    StartForm->LabelQuitterClick(nullptr);
    EXPECT_EQ(messages, (std::vector<AnsiString>{
                            Ansi("Attention : un résultat n'a pas pu être enregistré dans l'historique.")}));
    again.Release();
    EXPECT_EQ(TraceRows().size(), 2u);
}

// The table of contents in front of an exercise, however it came (SOMMAIRE, once or
// twice, or no exercise before the first), and the help opened from it: VERIFIER and
// CORRIGER do nothing there, and the way back gives them as they were, the attempt with
// them. Shown again on the contents, the player has nothing to check on its help page.
TEST_F(MarkingTest, NothingIsCheckedOrTracedWhileTheContentsOrTheHelpAreShown) {
    SetExercises({Exo("N1", 1, "1", kTwoCorrect)});
    const struct { const char* name; std::function<void()> before; bool enabled; const char* mark; } states[] = {
        {"answered", [] {}, true, "10"},
        {"verified", [&] { Verify(); }, true, "9"},
        {"corrected", [&] { Correct(); }, false, nullptr},
    };
    const struct { const char* name; std::function<void()> show, back; } routes[] = {
        {"SOMMAIRE", [&] { SendClick(player->label_sommaire); }, [&] { SendClick(player->label_close_sommaire); }},
        {"SOMMAIRE twice", [&] { for (int i = 0; i < 2; ++i) SendClick(player->label_sommaire); },
         [&] { SendClick(player->label_close_sommaire); }},
        {"none before", [&] { SendClick(player->label_previous); }, [&] { player->label_close_sommaireClick(); }},
        {"SOMMAIRE, then the help", [&] {
             SendClick(player->label_sommaire);
             SendClick(player->LabelExoHelpButton);
         }, [&] { SendClick(player->Label_Close_Aide); }},
        {"the help", [&] { SendClick(player->LabelExoHelpButton); }, [&] { SendClick(player->Label_Close_Aide); }},
    };
    for (const auto& s : states)
        for (const auto& r : routes) {
            SCOPED_TRACE(std::string(s.name) + ", " + r.name);
            ClearTable(data->TraceDb(), "TraceExo");
            ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET resoluEXO = 0");
            OpenChapter();
            Tick({2, 4});
            s.before();
            const size_t traced = TraceRows().size();
            const std::string done = DoneFlags();
            r.show();
            ASSERT_GE(ActivePage(), 8);
            EXPECT_FALSE(player->LabelVerification->Enabled() || player->LabelCorriger->Enabled());
            Correct();
            Verify();
            Verify();
            player->LabelCorrigerClick();
            player->LabelVerificationClick();
            EXPECT_EQ(TraceRows().size(), traced);
            EXPECT_EQ(DoneFlags(), done);
            r.back();
            ASSERT_EQ(ActivePage(), 0);
            EXPECT_EQ(player->LabelVerification->Enabled(), s.enabled);
            EXPECT_EQ(player->LabelCorriger->Enabled(), s.enabled);
            if (s.mark) {
                Correct();
                EXPECT_EQ(Traced("ExoNote"), std::vector<std::string>{s.mark});
                EXPECT_EQ(DoneFlags(), "1");
            }
            player->Close();
        }
    OpenChapter();
    SendClick(player->label_sommaire);
    player->Close();
    player->ShowForm();
    SendClick(player->LabelExoHelpButton);
    EXPECT_FALSE(player->LabelVerification->Enabled() || player->LabelCorriger->Enabled());
}
