// The gap text with a word bank (QTRC) and the words to pick out (QMR) on the player
// screen: showing a record, choosing and taking back bank words, picking words, and
// both checks through VERIFIER and CORRIGER, with the marks read back from the trace.
#include <string>
#include <vector>

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
    void ShowQMR(const std::string& utf8) {
        player->ExoPageControl->SetActivePageIndex(6);
        player->ShowExerciseQMR(Ansi(utf8.c_str()));
    }
    std::vector<TLabel*> Gaps() const { return Answers(player->Panel_Text_QTRC); }
    // The bank word of slot n, clicked as the learner clicks it.
    void Choose(int n) { SendClick(player->Shape_QTRC_WW[n]); }
    // Which covers show: slot numbers in order.
    std::string Covered() const {
        std::string covered;
        for (int n = 1; n <= 8; ++n)
            if (player->Disabled_QTRC[n]->Visible()) covered += std::to_string(n);
        return covered;
    }
    // Clicks at the middle of the cover of slot n, where the learner sees it.
    QWidget* ClickCover(int n) {
        TImage* cover = player->Disabled_QTRC[n];
        return ClickOn(player->Panel_Word_QTRC, cover->geometry().center());
    }
    TLabel* Word(const char* caption) const { return Find(player->Panel_Text_QMR, caption); }
    void Pick(std::initializer_list<const char*> captions) {
        for (const char* c : captions) SendClick(Word(c));
    }
    Texts ColoursOf(std::initializer_list<const char*> captions) const {
        std::vector<TLabel*> words;
        for (const char* c : captions) words.push_back(Word(c));
        return Colours(words);
    }
};

}  // namespace

// ---- Gap text with a word bank --------------------------------------------------------

TEST_F(BankPagesTest, ABankTextShowsItsWordsGapsAndRules) {
    ShowQTRC(kHomophones);
    ASSERT_EQ(player->ExoLoadDone, 1);
    EXPECT_EQ(Read(player->Panel_Text_QTRC),
              Texts({"Lucas |0#1", " |", "{...}|#solution=1#0", " |0#0", " |", "un |0#0", " |", "vélo. |0#0", " |",
                     "Il |0#1", " |", "va |0#0", " |", "{...}|#solution=2#0", " |0#0", " |", "l'école |0#0", " |",
                     "{...}|#solution=2#0", " |0#0", " |", "pied. |0#0", " |"}));
    for (TLabel* gap : Gaps()) {
        EXPECT_EQ(gap->Font().Color(), 0xFF0000);
        EXPECT_EQ(gap->Cursor(), TCursor::HandPoint);
    }
    // Each word in its slot; "à", given to two gaps, is the only reusable one.
    const char* const words[] = {"a", "à", "as", "", "", "", "", ""};
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(AnsiToUtf8(player->Shape_QTRC_WW[n]->Caption()), words[n - 1]);
        EXPECT_EQ(player->Shape_QTRC_WW[n]->Visible(), n <= 3);
        EXPECT_EQ(player->Shape_QTRC_BW[n]->Visible(), n <= 3);
        EXPECT_EQ(player->Shape_QTRC_BW[n]->Hint(), n == 2 ? "0" : "1");
        EXPECT_EQ(player->Shape_QTRC_WW[n]->Hint(), std::to_string(n));
        EXPECT_EQ(player->Disabled_QTRC[n]->geometry(), player->Shape_QTRC_BW[n]->geometry().adjusted(0, 0, -1, 0));
        // A click on any cover takes its word back, and every cover says so.
        EXPECT_EQ(AnsiToUtf8(player->Disabled_QTRC[n]->Hint()),
                  "Cet élément a déjà été utilisé et ne peut l'être qu'une seule fois. Clique dessus pour le récupérer");
        EXPECT_TRUE(player->Disabled_QTRC[n]->ShowHint());
    }
    EXPECT_EQ(player->Shape_QTRC_BW[5]->geometry(), QRect(8, 48, 170, 25));
    EXPECT_EQ(player->Shape_QTRC_WW[8]->geometry(), QRect(544, 48, 156, 23));
    EXPECT_EQ(Covered(), "");
    EXPECT_FALSE(player->ThisWordQC_Select->Visible());
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "-1");
    EXPECT_EQ(player->Panel_Word_QTRC->Top(), player->qtrc_statement->Top() + player->qtrc_statement->Height() + 3);
    EXPECT_EQ(player->Panel_Text_QTRC->Top(), player->Panel_Word_QTRC->Top() + 88);

    // Gaps, numbers and words must agree (a number that reads 0 names no word).
    const struct { const char* content; int shown; } records[] = {
        {"/#S#/ /#{...} et {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/", 0},
        {"/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#0#/", 0},
        {"/#S#/ /#{...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#2#/", 0},
        {"/#S#/ /#Rien à compléter.#/", 1},
        // A later number stands for a missing one: the gap without one gets 10.
        {"/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /#2#/", 1},
    };
    for (const auto& r : records) {
        player->ExoLoadDone = 1;
        ShowQTRC(r.content);
        EXPECT_EQ(player->ExoLoadDone, r.shown) << r.content;
    }
    EXPECT_EQ(Gaps()[0]->Hint(), "#solution=1#1");
    EXPECT_EQ(Gaps()[1]->Hint(), "#solution=10#0");
    // The slots of a larger bank shown before are empty now.
    EXPECT_FALSE(player->Shape_QTRC_WW[3]->Visible());
    EXPECT_EQ(player->Shape_QTRC_WW[3]->Caption(), "");
}

TEST_F(BankPagesTest, ChoosingReplacingAndTakingBackWords) {
    ShowQTRC(kHomophones);
    std::vector<TLabel*> gaps = Gaps();
    const std::vector<QRect> placed = Places(player->Panel_Text_QTRC);
    TLabel* un = Find(player->Panel_Text_QTRC, "un ");
    // No gap selected: a bank word goes nowhere.
    Choose(1);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "{...}", "{...}"}));
    EXPECT_EQ(Covered(), "");
    // A gap selected takes the word; a word serving once is covered, the gap stays selected.
    SendClick(gaps[0]);
    EXPECT_TRUE(player->ThisWordQC_Select->Visible());
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "#solution=1#0");
    Choose(3);
    EXPECT_EQ(AnsiToUtf8(gaps[0]->Hint()), "#selection=3#solution=1#0");
    EXPECT_EQ(gaps[0]->Caption(), "as");
    EXPECT_EQ(Covered(), "3");
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), gaps[0]->Hint());
    EXPECT_EQ(player->ThisWordQC_Select->geometry(),
              QRect(gaps[0]->Left() - 8, gaps[0]->Top(), gaps[0]->Width() + 16, 30));
    // Another word replaces it, and the first is free again.
    Choose(1);
    EXPECT_EQ(AnsiToUtf8(gaps[0]->Hint()), "#selection=1#solution=1#0");
    EXPECT_EQ(Covered(), "1");
    EXPECT_NE(un->geometry(), placed[5]);
    // A word given to two gaps is never covered.
    SendClick(gaps[1]);
    Choose(2);
    SendClick(gaps[2]);
    Choose(2);
    EXPECT_EQ(Captions(gaps), Texts({"a", "à", "à"}));
    EXPECT_EQ(Covered(), "1");
    // A second click on the selected gap clears the selection.
    SendClick(gaps[2]);
    EXPECT_FALSE(player->ThisWordQC_Select->Visible());
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "-1");
    // A click on the cover empties the gap, frees the word, and the words after it move back.
    SendClick(gaps[1]);
    EXPECT_EQ(ClickCover(1), player->Disabled_QTRC[1]);
    EXPECT_EQ(gaps[0]->Caption(), "{...}");
    EXPECT_EQ(AnsiToUtf8(gaps[0]->Hint()), "#solution=1#0");
    EXPECT_EQ(un->geometry(), placed[5]);
    EXPECT_EQ(Covered(), "");
    EXPECT_FALSE(player->ThisWordQC_Select->Visible());
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "-1");
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "à", "à"}));
    // The bank word under the mouse turns purple on a darker slot.
    TLabel* word = player->Shape_QTRC_WW[2];
    SendEnter(word);
    EXPECT_EQ(word->Font().Color(), 0x800080);
    EXPECT_EQ(player->Shape_QTRC_BW[2]->Picture().Image(), Artwork("banque_case_2"));
    SendLeave(word);
    EXPECT_EQ(word->Font().Color(), 0xFF0000);
    EXPECT_EQ(player->Shape_QTRC_BW[2]->Picture().Image(), Artwork("banque_case_1"));
}

TEST_F(BankPagesTest, GapsWithTheSameHintEachTakeTheirOwnWord) {
    ShowQTRC("/#S#/ /#Il {...} et {...}.#/ /#x#/ /#y#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/");
    std::vector<TLabel*> gaps = Gaps();
    ASSERT_EQ(gaps[0]->Hint(), gaps[1]->Hint());
    SendClick(gaps[1]);
    Choose(1);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "x"}));
    // The other gap takes the selection, and then its own word.
    SendClick(gaps[0]);
    EXPECT_TRUE(player->ThisWordQC_Select->Visible());
    EXPECT_EQ(player->ThisWordQC_Select->Left(), gaps[0]->Left() - 8);
    Choose(1);
    EXPECT_EQ(Captions(gaps), Texts({"x", "x"}));
    // Both hold the same word now: the second one still changes alone.
    SendClick(gaps[1]);
    Choose(2);
    EXPECT_EQ(Captions(gaps), Texts({"x", "y"}));
}

TEST_F(BankPagesTest, VerifierColoursCorrigerShowsTheRightWordsAndTheMarkIsTraced) {
    SetExercises({Exo("N1", 6, "601", kHomophones),
                  // Gap 2 names slot 5, which is empty: it has no word to show.
                  Exo("N1", 6, "602",
                      "/#S#/ /#Le {...} et le {...}#/ /#chat#/ /#chien#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#5#/"),
                  Exo("N1", 6, "603", "/#S#/ /#{...} {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/"),
                  Exo("N1", 6, "604", kHomophones)});
    OpenChapter();
    std::vector<TLabel*> gaps = Gaps();
    SendClick(gaps[0]);
    Choose(1);
    SendClick(gaps[1]);
    Choose(3);
    player->LabelVerificationClick();
    // The learner's words stay, coloured; an empty gap is wrong.
    EXPECT_EQ(Captions(gaps), Texts({"a", "as", "{...}"}));
    EXPECT_EQ(Colours(gaps), Texts({"green", "red", "red"}));
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_FALSE(player->QTRCInfoNote->Visible());
    EXPECT_EQ(player->ThisWordQC_Select->Hint(), "-1");
    SaveScreen("qtrc_verifier.png");
    player->LabelCorrigerClick();
    EXPECT_EQ(Captions(gaps), Texts({"a", "à", "à"}));
    EXPECT_EQ(Colours(gaps), Texts({"green", "red", "red"}));
    EXPECT_TRUE(player->QTRCInfoNote->Visible());
    // The check leaves the covers alone.
    EXPECT_EQ(Covered(), "13");
    SaveScreen("qtrc_corriger.png");

    player->LabelSuivantClick();
    gaps = Gaps();
    SendClick(gaps[0]);
    Choose(1);
    SendClick(gaps[1]);
    Choose(2);
    player->LabelCorrigerClick();
    EXPECT_EQ(Captions(gaps), Texts({"chat", "chien"}));
    EXPECT_EQ(Colours(gaps), Texts({"green", "red"}));

    // The record whose gaps, numbers and words disagree is passed over.
    player->LabelSuivantClick();
    EXPECT_EQ(player->ExoNumber, "604");
    gaps = Gaps();
    for (int k : {0, 1, 2}) {
        SendClick(gaps[k]);
        Choose(k == 0 ? 1 : 2);
    }
    player->LabelCorrigerClick();
    EXPECT_EQ(Colours(gaps), Texts({"green", "green", "green"}));
    // With the mark shown, only the word in use lies under something: its cover.
    SendClick(player->AfficherNote);
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{"Shape_QTRC_WW_1"});
    // 1 of 3 after VERIFIER; 1 of 2; 3 of 3.
    EXPECT_EQ(Traced("ExoNote"), Texts({"3", "6", "10"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1", "0", "0"}));
    EXPECT_EQ(Traced("ExoType"), Texts({"QTRC", "QTRC", "QTRC"}));
    EXPECT_EQ(Traced("ExoCode"), Texts({"601", "602", "604"}));
}

// ---- Words to pick out -------------------------------------------------------------------

TEST_F(BankPagesTest, WordsArePickedAndPutDownByClicks) {
    ShowQMR("/#Clique sur les verbes.#/ /#Le chat {dort} {au soleil} et {mange}.#/");
    TPanel* panel = player->Panel_Text_QMR;
    EXPECT_EQ(Read(panel), Texts({"Le |1#1", " |", "chat |2#0", " |", "dort|0#0", " |3#0", " |", "au soleil|0#0",
                                  " |4#0", " |", "et |5#0", " |", "mange|0#0", ". |6#0", " |"}));
    for (TLabel* l : Labels(panel)) {
        const bool word = !l->Hint().empty();
        EXPECT_EQ(l->Cursor(), word ? TCursor::HandPoint : TCursor::Default) << l->Caption();
        EXPECT_EQ(bool(l->OnClick), word) << l->Caption();
    }
    EXPECT_EQ(player->Panel_Text_QMR->Top(), player->qmr_statement->Top() + player->qmr_statement->Height() + 3);
    // The panel's text colour, then blue, black, blue; a marked word of two words is one.
    TLabel* chat = Word("chat ");
    EXPECT_EQ(ColoursOf({"chat ", "au soleil"}), Texts({"black", "black"}));
    Pick({"chat ", "au soleil"});
    EXPECT_EQ(ColoursOf({"chat ", "au soleil"}), Texts({"blue", "blue"}));
    SendClick(chat);
    EXPECT_EQ(ColourName(chat->Font().Color()), "black");
    SendClick(chat);
    EXPECT_EQ(ColourName(chat->Font().Color()), "blue");
    // The hover frame follows the words.
    SendEnter(chat);
    EXPECT_EQ(player->ThisWordQMR->geometry(), QRect(chat->Left() - 4, chat->Top(), chat->Width() + 8, 30));
    SendLeave(chat);
    EXPECT_FALSE(player->ThisWordQMR->Visible());
}

TEST_F(BankPagesTest, PickedWordsAreCheckedAndTheMarkIsTraced) {
    SetExercises({Exo("N1", 7, "701", kVerbs), Exo("N1", 7, "702", kVerbs),
                  Exo("N1", 7, "703", "/#Lis.#/ /#Rien à trouver ici.#/")});
    OpenChapter();
    const auto all = {"chien ", "court", "chat ", "dort", "chante"};
    Pick({"court", "dort", "chien "});
    player->LabelVerificationClick();
    // Picked words are coloured; nothing is shown of the word missed, no points.
    EXPECT_EQ(ColoursOf(all), Texts({"red", "green", "black", "green", "black"}));
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    SaveScreen("qmr_verifier.png");
    // A coloured word is put down by a click.
    Pick({"chien "});
    EXPECT_EQ(ColourName(Word("chien ")->Font().Color()), "black");
    player->LabelCorrigerClick();
    // The word missed shows in purple, underlined: 2 of 3 found, none wrong.
    EXPECT_EQ(ColoursOf(all), Texts({"black", "green", "black", "green", "purple"}));
    EXPECT_TRUE(Word("chante")->Font().Style() & fsUnderline);
    EXPECT_FALSE(Word("court")->Font().Style() & fsUnderline);
    EXPECT_TRUE(player->QMRInfoNote->Visible());
    SendClick(player->AfficherNote);
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>{});
    SaveScreen("qmr_corriger.png");

    // 2 found and 1 wrong of 3; a blank picked counts for nothing.
    player->LabelSuivantClick();
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    Pick({"court", "dort", "chien "});
    TLabel* blank = nullptr;
    for (TLabel* l : Labels(player->Panel_Text_QMR))
        if (l->Caption() == " " && !l->Hint().empty()) blank = l;
    ASSERT_NE(blank, nullptr);
    SendClick(blank);
    player->LabelCorrigerClick();
    EXPECT_EQ(ColoursOf(all), Texts({"red", "green", "black", "green", "purple"}));
    EXPECT_EQ(ColourName(blank->Font().Color()), "blue");

    // Nothing to find: no points and nothing to explain.
    player->LabelSuivantClick();
    Pick({"Rien "});
    player->LabelCorrigerClick();
    EXPECT_EQ(ColourName(Word("Rien ")->Font().Color()), "red");
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    EXPECT_EQ(Traced("ExoNote"), Texts({"6", "4", "1"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1", "0", "0"}));
    EXPECT_EQ(Traced("ExoType"), Texts({"QMR", "QMR", "QMR"}));
}
