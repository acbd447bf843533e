// The gap text with a word bank (QTRC) and the words to pick out (QMR) on the player
// screen: showing a record, choosing and taking back bank words, picking words, and
// both checks through VERIFIER and CORRIGER, with the marks read back from the trace.
#include "TextFixture.h"
#include "ui/Artwork.h"

namespace {

// "a" serves once, "à" twice (gaps 2 and 3), "as" is needed nowhere.
const char* const kHomophones =
    "/#Complète avec a, à ou as.#/ /#Lucas {...} un vélo.\nIl va {...} l'école {...} pied.#/ "
    "/#a#/ /#à#/ /#as#/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/ /#2#/";
const char* const kVerbs = "/#Clique sur les verbes.#/ /#Le chien {court}, le chat {dort} et l'oiseau {chante}.#/";

class BankPagesTest : public TextPageTest {
protected:
    void ShowQTRC(const std::string& utf8) {
        player->ExoPageControl->SetActivePageIndex(5);
        player->ShowExerciseQTRC(Ansi(utf8.c_str()));
    }
    std::vector<TLabel*> Gaps() const { return Answers(player->Panel_Text_QTRC); }
    // Clicks gap k (from 0), then the bank word of slot n, as the learner does.
    void Fill(int k, int n) {
        SendClick(Gaps()[k]);
        SendClick(player->Shape_QTRC_WW[n]);
    }
    // The slots whose cover shows.
    std::string Covered() const {
        std::string covered;
        for (int n = 1; n <= 8; ++n)
            if (player->Disabled_QTRC[n]->Visible()) covered += std::to_string(n);
        return covered;
    }
    Texts GapHints() const {
        Texts hints;
        for (TLabel* gap : Gaps()) hints.push_back(gap->Hint());
        return hints;
    }
    TLabel* Word(const char* caption) const { return Find(player->Panel_Text_QMR, caption); }
    Texts ColoursOf(std::initializer_list<const char*> captions) const {
        std::vector<TLabel*> words;
        for (const char* c : captions) words.push_back(Word(c));
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
    EXPECT_EQ(player->Shape_QTRC_WW[8]->geometry(), QRect(544, 48, 156, 23));
    EXPECT_EQ(Covered(), "");
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "-1");
    EXPECT_EQ(player->Panel_Word_QTRC->Top(), player->qtrc_statement->Top() + player->qtrc_statement->Height() + 3);
    EXPECT_EQ(player->Panel_Text_QTRC->Top(), player->Panel_Word_QTRC->Top() + 88);

    // Gaps, numbers and words must agree (a number that reads 0 names no word).
    const struct { const char* content; int shown; } records[] = {
        {"/#S#/ /#{...} et {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/", 0},
        {"/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#0#/", 0},
        {"/#S#/ /#Rien à compléter.#/", 1},
        // A later number stands for a missing one: the gap without one gets 10.
        {"/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /#2#/", 1},
    };
    for (const auto& r : records) {
        player->ExoLoadDone = 1;
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
    EXPECT_EQ(player->ThisWordQC_Select->geometry(), QRect(gaps[0]->Left() - 8, gaps[0]->Top(), gaps[0]->Width() + 16, 30));
    EXPECT_EQ(Covered(), "3");
    // Another word replaces it, and frees the first.
    SendClick(player->Shape_QTRC_WW[1]);
    EXPECT_EQ(gaps[0]->Hint(), "#selection=1#solution=1#0");
    EXPECT_EQ(Covered(), "1");
    // A word given to two gaps is never covered.
    Fill(1, 2);
    Fill(2, 2);
    EXPECT_EQ(Captions(gaps), Texts({"a", "à", "à"}));
    EXPECT_EQ(Covered(), "1");
    // A second click on the selected gap clears the selection.
    SendClick(gaps[2]);
    EXPECT_EQ(player->ThisWordQC_Select->Visible() ? "shown" : player->ThisWordQC_Select->Hint(), "-1");
    // A click on the cover, where the learner sees it, empties the gap, frees the word,
    // brings the words after it back and clears the selection.
    SendClick(gaps[1]);
    EXPECT_EQ(ClickOn(player->Panel_Word_QTRC, player->Disabled_QTRC[1]->geometry().center()), player->Disabled_QTRC[1]);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "à", "à"}));
    EXPECT_EQ(gaps[0]->Hint(), "#solution=1#0");
    EXPECT_EQ(Places(player->Panel_Text_QTRC)[5], placed[5]);
    EXPECT_EQ(Covered() + (player->ThisWordQC_Select->Visible() ? "shown" : player->ThisWordQC_Select->Hint()), "-1");
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

TEST_F(BankPagesTest, VerifierColoursCorrigerShowsTheRightWordsAndTheMarkIsTraced) {
    SetExercises({Exo("N1", 6, "601", kHomophones),
                  // Gap 2 names slot 5, which is empty: it has no word to show.
                  Exo("N1", 6, "602", "/#S#/ /#Le {...} et le {...}#/ /#chat#/ /#chien#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#5#/"),
                  Exo("N1", 6, "603", "/#S#/ /#{...} {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/"),
                  Exo("N1", 6, "604", kHomophones)});
    OpenChapter();
    Fill(0, 1);
    Fill(1, 3);
    player->LabelVerificationClick();
    // The learner's words stay, coloured; an empty gap is wrong.
    EXPECT_EQ(Captions(Gaps()), Texts({"a", "as", "{...}"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red", "red"}));
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "-1");
    EXPECT_FALSE(player->QTRCInfoNote->Visible());
    SaveScreen("qtrc_verifier.png");
    player->LabelCorrigerClick();
    EXPECT_EQ(Captions(Gaps()), Texts({"a", "à", "à"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red", "red"}));
    EXPECT_TRUE(player->QTRCInfoNote->Visible());
    EXPECT_EQ(Covered(), "13");   // the check leaves the covers alone
    SaveScreen("qtrc_corriger.png");

    player->LabelSuivantClick();
    Fill(0, 1);
    Fill(1, 2);
    player->LabelCorrigerClick();
    EXPECT_EQ(Captions(Gaps()), Texts({"chat", "chien"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red"}));
    // The record whose gaps, numbers and words disagree is passed over.
    player->LabelSuivantClick();
    EXPECT_EQ(player->ExoNumber, "604");
    for (int k : {0, 1, 2}) Fill(k, k == 0 ? 1 : 2);
    player->LabelCorrigerClick();
    // With the mark shown, only the word in use lies under something: its cover.
    SendClick(player->AfficherNote);
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{"Shape_QTRC_WW_1"});
    // 1 of 3 after VERIFIER; 1 of 2; 3 of 3.
    EXPECT_EQ(Traced("ExoNote"), Texts({"3", "6", "10"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1", "0", "0"}));
    EXPECT_EQ(Traced("ExoType"), Texts({"QTRC", "QTRC", "QTRC"}));
}

TEST_F(BankPagesTest, WordsPickedAreCheckedAndTheMarkIsTraced) {
    SetExercises({Exo("N1", 7, "701", "/#S#/ /#Le {chat bleu} {dort}.#/"), Exo("N1", 7, "702", kVerbs),
                  Exo("N1", 7, "703", kVerbs), Exo("N1", 7, "704", "/#Lis.#/ /#Rien à trouver ici.#/")});
    OpenChapter();
    // Running numbers for the words not to find, blanks after a marked word included.
    EXPECT_EQ(Read(player->Panel_Text_QMR),
              Texts({"Le |1#1", " |", "chat bleu|0#0", " |2#0", " |", "dort|0#0", ". |3#0", " |"}));
    // The panel's text colour, then blue, black, blue; a marked word of two words is one.
    TLabel* chat = Word("chat bleu");
    for (const char* colour : {"black", "blue", "black", "blue"}) {
        EXPECT_EQ(ColourName(chat->Font().Color()), colour);
        SendClick(chat);
    }
    EXPECT_EQ(Word("Le ")->Cursor(), TCursor::HandPoint);
    SendEnter(chat);
    EXPECT_EQ(player->ThisWordQMR->geometry(), QRect(chat->Left() - 4, chat->Top(), chat->Width() + 8, 30));
    SendLeave(chat);
    EXPECT_FALSE(player->ThisWordQMR->Visible());

    player->LabelSuivantClick();
    const auto all = {"chien ", "court", "chat ", "dort", "chante"};
    for (const char* w : {"court", "dort", "chien "}) SendClick(Word(w));
    player->LabelVerificationClick();
    // Picked words are coloured; nothing is shown of the word missed, no points.
    EXPECT_EQ(ColoursOf(all), Texts({"red", "green", "black", "green", "black"}));
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    SaveScreen("qmr_verifier.png");
    // A coloured word is put down by a click; the word missed shows purple, underlined.
    SendClick(Word("chien "));
    player->LabelCorrigerClick();
    EXPECT_EQ(ColoursOf(all), Texts({"black", "green", "black", "green", "purple"}));
    EXPECT_TRUE(Word("chante")->Font().Style() & fsUnderline);
    EXPECT_FALSE(Word("court")->Font().Style() & fsUnderline);
    EXPECT_TRUE(player->QMRInfoNote->Visible());
    SendClick(player->AfficherNote);
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{});
    SaveScreen("qmr_corriger.png");

    // 2 found and 1 wrong of 3; a blank picked counts for nothing.
    player->LabelSuivantClick();
    for (const char* w : {"court", "dort", "chien "}) SendClick(Word(w));
    for (TLabel* l : Labels(player->Panel_Text_QMR))
        if (l->Caption() == " " && !l->Hint().empty()) SendClick(l);
    player->LabelCorrigerClick();
    EXPECT_EQ(ColoursOf(all), Texts({"red", "green", "black", "green", "purple"}));
    // Nothing to find: no points and nothing to explain.
    player->LabelSuivantClick();
    SendClick(Word("Rien "));
    player->LabelCorrigerClick();
    EXPECT_EQ(ColourName(Word("Rien ")->Font().Color()), "red");
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    EXPECT_EQ(Traced("ExoNote"), Texts({"6", "4", "1"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1", "0", "0"}));
    EXPECT_EQ(Traced("ExoType"), Texts({"QMR", "QMR", "QMR"}));
}
