// The gap text with a word bank (QTRC) and the words to pick out (QMR) on the player
// screen: showing a record, choosing and taking back bank words, picking words, and
// both checks as VERIFIER and CORRIGER run them.
#include "Samples.h"
#include "TextFixture.h"
#include "ui/Artwork.h"

namespace {

class BankPagesTest : public TextPageTest {
protected:
    void ShowQMR(const std::string& utf8) { ShowOn(6, &TMainFormEXO::ShowExerciseQMR, utf8); }
    // The slots whose cover shows, then the selected gap ("-1": none, hidden).
    std::string Covered() const {
        std::string covered;
        for (int n = 1; n <= 8; ++n)
            if (player->Disabled_QTRC[n]->Visible()) covered += std::to_string(n);
        const TShape* selection = player->ThisWordQC_Select;
        return covered + " " + (selection->Visible() ? AnsiString("shown") : selection->Hint());
    }
    Texts GapHints() const {
        Texts hints;
        for (TLabel* gap : Gaps()) hints.push_back(gap->Hint());
        return hints;
    }
    Texts ColoursOf(std::initializer_list<const char*> captions) const {
        std::vector<TLabel*> words;
        for (const char* c : captions) words.push_back(Find(player->Panel_Text_QMR, c));
        return Colours(words);
    }
};

}  // namespace

TEST_F(BankPagesTest, ABankTextShowsItsWordsGapsAndRules) {
    ShowQTRC(kHomophones);
    ASSERT_EQ(player->ExoLoadDone, 1);
    EXPECT_EQ(GapHints(), Texts({"#solution=1#0", "#solution=2#0", "#solution=2#0"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"blue", "blue", "blue"}));
    // Each word in its slot; "à", given to two gaps, is the only reusable one.
    std::string shown, reusable;
    for (int n = 1; n <= 8; ++n) {
        shown += player->Shape_QTRC_WW[n]->Visible() && player->Shape_QTRC_BW[n]->Visible() ? '+' : '.';
        reusable += player->Shape_QTRC_BW[n]->Hint() == "0" ? 'r' : '.';
        EXPECT_EQ(AnsiToUtf8(player->Disabled_QTRC[n]->Hint()),
                  "Cet élément a déjà été utilisé et ne peut l'être qu'une seule fois. Clique dessus pour le récupérer");
    }
    EXPECT_EQ(shown + " " + reusable, "+++..... .r......");
    EXPECT_EQ(AnsiToUtf8(player->Shape_QTRC_WW[2]->Caption()), "à");
    EXPECT_EQ(Covered(), " -1");

    // Gaps, numbers and words must agree (a number that reads 0 names no word).
    const struct { const char* content; int shown; } records[] = {
        {"/#S#/ /#{...} et {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/", 0},
        {"/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#0#/", 0},
        {"/#S#/ /#Rien à compléter.#/", 1},
        // A later number stands for a missing one: the gap without one gets 10.
        {"/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /#2#/", 1},
    };
    for (const auto& r : records) {
        player->ExoLoadDone = 1 - r.shown;
        ShowQTRC(r.content);
        EXPECT_EQ(player->ExoLoadDone, r.shown) << r.content;
    }
    EXPECT_EQ(GapHints(), Texts({"#solution=1#1", "#solution=10#0"}));
    // The third slot of the bank shown before is empty now.
    EXPECT_FALSE(player->Shape_QTRC_WW[3]->Visible());
    EXPECT_EQ(player->Shape_QTRC_WW[3]->Caption(), "");
}

TEST_F(BankPagesTest, ChoosingReplacingAndTakingBackWords) {
    ShowQTRC(kHomophones);
    const std::vector<TLabel*> gaps = Gaps();
    const std::vector<QRect> placed = Places(player->Panel_Text_QTRC);
    // No gap selected: a bank word goes nowhere.
    SendClick(player->Shape_QTRC_WW[1]);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "{...}", "{...}"}));
    // The gap takes the word and stays selected; a word that serves once is covered.
    Fill(0, 3);
    EXPECT_EQ(gaps[0]->Hint(), "#selection=3#solution=1#0");
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), gaps[0]->Hint());
    EXPECT_EQ(Covered(), "3 shown");
    // Another word replaces it, and frees the first.
    SendClick(player->Shape_QTRC_WW[1]);
    EXPECT_EQ(gaps[0]->Hint(), "#selection=1#solution=1#0");
    EXPECT_EQ(Covered(), "1 shown");
    // A word given to two gaps is never covered.
    Fill(1, 2);
    Fill(2, 2);
    EXPECT_EQ(Captions(gaps), Texts({"a", "à", "à"}));
    // A second click on the selected gap clears the selection.
    SendClick(gaps[2]);
    EXPECT_EQ(Covered(), "1 -1");
    // A click on the cover, where the learner sees it, empties the gap, frees the word,
    // brings the words after it back and clears the selection.
    SendClick(gaps[1]);
    EXPECT_EQ(ClickOn(player->Panel_Word_QTRC, player->Disabled_QTRC[1]->geometry().center()), player->Disabled_QTRC[1]);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "à", "à"}));
    EXPECT_EQ(gaps[0]->Hint(), "#solution=1#0");
    EXPECT_EQ(Places(player->Panel_Text_QTRC)[5], placed[5]);
    EXPECT_EQ(Covered(), " -1");
    // The bank word under the mouse turns purple on a darker slot.
    SendEnter(player->Shape_QTRC_WW[2]);
    EXPECT_EQ(player->Shape_QTRC_WW[2]->Font().Color(), 0x800080);
    EXPECT_EQ(player->Shape_QTRC_BW[2]->Picture().Image(), Artwork("banque_case_2"));
    SendLeave(player->Shape_QTRC_WW[2]);
    EXPECT_EQ(player->Shape_QTRC_WW[2]->Font().Color(), 0xFF0000);
    EXPECT_EQ(player->Shape_QTRC_BW[2]->Picture().Image(), Artwork("banque_case_1"));

    // Two gaps with the same Hint each take the selection and their own word.
    ShowQTRC("/#S#/ /#Il {...} et {...}.#/ /#x#/ /#y#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/");
    ASSERT_EQ(Gaps()[0]->Hint(), Gaps()[1]->Hint());
    Fill(1, 1);
    EXPECT_EQ(Captions(Gaps()), Texts({"{...}", "x"}));
    Fill(0, 1);
    Fill(1, 2);
    EXPECT_EQ(Captions(Gaps()), Texts({"x", "y"}));
}

TEST_F(BankPagesTest, BankTextsCheckedThenCorrected) {
    ShowQTRC(kHomophones);
    Fill(0, 1);
    Fill(1, 3);
    // The learner's words stay, coloured; an empty gap is wrong.
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRC, true), 0);
    EXPECT_EQ(Captions(Gaps()), Texts({"a", "as", "{...}"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red", "red"}));
    EXPECT_EQ(Covered(), "13 -1");
    EXPECT_FALSE(player->QTRCInfoNote->Visible());
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRC), 3);
    EXPECT_EQ(Captions(Gaps()), Texts({"a", "à", "à"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red", "red"}));
    EXPECT_EQ(Covered(), "13 -1");   // the check leaves the covers alone
    // With the mark shown, only the word in use lies under something: its cover.
    player->PanelNote->Show();
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>({"Shape_QTRC_WW_1", "Shape_QTRC_WW_3"}));
    player->PanelNote->Hide();

    // Gap 2 names slot 5, which is empty: wrong, its caption kept in red.
    ShowQTRC("/#S#/ /#Le {...} et le {...}#/ /#chat#/ /#chien#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#5#/");
    Fill(0, 1);
    Fill(1, 2);
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRC), 5);
    EXPECT_EQ(Captions(Gaps()), Texts({"chat", "chien"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red"}));
}

TEST_F(BankPagesTest, WordsPickedCheckedThenCorrected) {
    // Running numbers for the words not to find, blanks after a marked word included.
    ShowQMR("/#S#/ /#Le {chat bleu} {dort}.#/");
    EXPECT_EQ(Read(player->Panel_Text_QMR),
              Texts({"Le |1#1", " |", "chat bleu|0#0", " |2#0", " |", "dort|0#0", ". |3#0", " |"}));
    // The panel's text colour, then blue, black, blue; a marked word of two words is one.
    TLabel* chat = Find(player->Panel_Text_QMR, "chat bleu");
    for (const char* colour : {"black", "blue", "black", "blue"}) {
        EXPECT_EQ(ColourName(chat->Font().Color()), colour);
        SendClick(chat);
    }

    const auto all = {"chien ", "court", "chat ", "dort", "chante"};
    ShowQMR(kVerbs);
    Pick({"court", "dort", "chien "});
    // Picked words are coloured; nothing is shown of the word missed, no points.
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR, true), 0);
    EXPECT_EQ(ColoursOf(all), Texts({"red", "green", "black", "green", "black"}));
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    // A coloured word is put down by a click; the word missed shows purple, underlined.
    Pick({"chien "});
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 6);
    EXPECT_EQ(ColoursOf(all), Texts({"black", "green", "black", "green", "purple"}));
    EXPECT_TRUE(Find(player->Panel_Text_QMR, "chante")->Font().Style() & fsUnderline);
    EXPECT_FALSE(Find(player->Panel_Text_QMR, "court")->Font().Style() & fsUnderline);
    EXPECT_TRUE(player->QMRInfoNote->Visible());
    player->PanelNote->Show();
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{});
    player->PanelNote->Hide();

    // 2 found and 1 wrong of 3; a blank picked counts for nothing.
    ShowQMR(kVerbs);
    Pick({"court", "dort", "chien "});
    for (TLabel* l : Labels(player->Panel_Text_QMR))
        if (l->Caption() == " " && !l->Hint().empty()) SendClick(l);
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 3);
    // More wrong than found gives no points, never fewer.
    ShowQMR(kVerbs);
    Pick({"court", "chien ", "chat "});
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 0);
    // Nothing to find: no points and nothing to explain.
    ShowQMR("/#Lis.#/ /#Rien à trouver ici.#/");
    Pick({"Rien "});
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 0);
    EXPECT_EQ(ColourName(Find(player->Panel_Text_QMR, "Rien ")->Font().Color()), "red");
    EXPECT_FALSE(player->QMRInfoNote->Visible());
}
