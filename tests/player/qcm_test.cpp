// The multiple-choice page: showing the choices, the single-answer rule, the hover
// band, the check with its marks and points, and a chapter played through.
#include <string>

#include "ChapterFixture.h"

namespace {

// Four choices, the second and fourth correct.
const char* const kTwoCorrect = "/#Coche les nombres pairs.#/ /#3#/ /#8#/ /#5#/ /#12#/ /##/ /##/ /##/ /##/"
                                " /#0#/ /#1#/ /#0#/ /#1#/";

class MultipleChoiceTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) {
        OpenPage(0);
        player->ShowExerciseQCM(Ansi(utf8Content.c_str()));
    }
    int Check(bool checkOnly = false) { return PointsOf(&TMainFormEXO::CheckQCM, checkOnly); }
    // Per row 1..8: "x" ticked, "o" shown ticked by the solution (not ticked by the
    // learner), "." neither.
    std::string Ticks() const {
        std::string t;
        for (int n = 1; n <= 8; ++n) {
            const bool hint = player->choix[n]->Hint() == "1";
            const bool picture = SamePicture(player->Image_choix[n], player->qcm_selected);
            t += hint && picture ? 'x' : picture ? 'o' : hint ? '?' : '.';
        }
        return t;
    }
    // "+" right mark, "-" wrong mark, "." none, per row.
    std::string Marks() const {
        std::string m;
        for (int n = 1; n <= 8; ++n)
            m += player->juste[n]->Visible() ? (player->faux[n]->Visible() ? '?' : '+') : player->faux[n]->Visible() ? '-' : '.';
        return m;
    }
    void Tick(std::initializer_list<int> rows) {
        for (int n : rows) SendClick(player->Label_choix[n]);
    }
};

}  // namespace

TEST_F(MultipleChoiceTest, ShowingChoicesStartsAfresh) {
    Show(kTwoCorrect);
    Tick({1, 2});
    Check();
    ASSERT_TRUE(player->QCMverdict->Visible());

    // Choice 2 is empty: its row stays empty between the others; its flag is kept.
    Show("/#Quel nombre est pair ?#/ /#7#/ /##/ /#10#/ /#13#/ /##/ /##/ /##/ /##/ /#0#/ /#1#/ /#1#/ /#x#/");
    EXPECT_EQ(player->qcm_statement->Caption(), "Quel nombre est pair ?");
    EXPECT_EQ(player->qcm_statement->Width(), 750);
    for (int n = 1; n <= 8; ++n) {
        const bool shown = n == 1 || n == 3 || n == 4;
        EXPECT_EQ(player->Label_choix[n]->Visible(), shown) << n;
        EXPECT_EQ(player->choix[n]->Visible(), shown) << n;
        EXPECT_EQ(player->Image_choix[n]->Visible(), shown) << n;
    }
    EXPECT_EQ(player->Label_choix[3]->Caption(), "10");
    EXPECT_EQ(player->Label_choix[3]->Top(), player->Label_choix[1]->Top() + 100);
    EXPECT_EQ(player->Label_choix[2]->Hint(), "1");
    EXPECT_EQ(player->Label_choix[4]->Hint(), "x");
    EXPECT_EQ(Ticks(), "........");
    EXPECT_EQ(Marks(), "........");
    EXPECT_FALSE(player->QCMverdict->Visible());
    // The flag of the empty choice does not count: one correct choice, single answer.
    EXPECT_EQ(player->QcmSingleAnswer, 1);
    EXPECT_EQ(player->Panel_Text_QCM->Top(), player->qcm_statement->Top() + player->qcm_statement->Height() + 27);

    // An empty content shows no choice, and its check gives no point rather than failing.
    Show("");
    EXPECT_EQ(player->QcmSingleAnswer, 0);
    for (int n = 1; n <= 8; ++n) EXPECT_FALSE(player->Label_choix[n]->Visible());
    EXPECT_EQ(Check(), 0);
}

TEST_F(MultipleChoiceTest, SingleAnswerMovesTheTickOtherwiseEachClickToggles) {
    // One correct choice: a click always leaves exactly the clicked choice ticked.
    Show("/#Combien font 25 × 4 ?#/ /#90#/ /#100#/ /#104#/ /##/ /##/ /##/ /##/ /##/ /#0#/ /#1#/ /#0#/");
    SendClick(player->choix[1]);
    EXPECT_EQ(Ticks(), "x.......");
    SendClick(player->Label_choix[3]);
    EXPECT_EQ(Ticks(), "..x.....");
    SendClick(player->choix[3]);
    EXPECT_EQ(Ticks(), "..x.....");
    // Two correct choices, or none: toggles.
    for (const char* content : {kTwoCorrect, "/#Aucune ?#/ /#a#/ /#b#/ /#c#/ /##/ /##/ /##/ /##/ /##/ /#0#/ /#0#/ /#0#/"}) {
        SCOPED_TRACE(content);
        Show(content);
        EXPECT_EQ(player->QcmSingleAnswer, 0);
        SendClick(player->choix[1]);
        SendClick(player->Label_choix[3]);
        EXPECT_EQ(Ticks(), "x.x.....");
        SendClick(player->Label_choix[1]);
        EXPECT_EQ(Ticks(), "..x.....");
    }
    // Ticks can still change after the check; the marks stay until the next exercise.
    Check();
    const std::string marks = Marks();
    SendClick(player->Label_choix[3]);
    EXPECT_EQ(Marks(), marks);
}

TEST_F(MultipleChoiceTest, HoverBandAndBlueTextFollowTheRow) {
    Show(kTwoCorrect);
    TImage* band = player->qcm_shape_selection;
    EXPECT_FALSE(band->Visible());
    // Over the tick box of row 2, the row's text turns blue, not the tick label.
    SendEnter(player->choix[2]);
    EXPECT_TRUE(band->Visible());
    EXPECT_EQ(band->Top(), player->Label_choix[2]->Top() - 6);
    EXPECT_EQ(band->Left(), 18);
    EXPECT_EQ(player->Label_choix[2]->Font().Color(), clBlue);
    EXPECT_EQ(player->choix[2]->Font().Color(), player->choix[1]->Font().Color());
    SaveScreen("qcm_hover.png");
    SendLeave(player->choix[2]);
    EXPECT_FALSE(band->Visible());
    EXPECT_EQ(player->Label_choix[2]->Font().Color(), clBlack);
    SendEnter(player->Label_choix[4]);
    EXPECT_EQ(band->Top(), player->Label_choix[4]->Top() - 6);
    SendLeave(player->Label_choix[4]);
    EXPECT_EQ(player->Label_choix[4]->Font().Color(), clBlack);
    // A click on the row's text or on its tick box reaches the row, never the band.
    const QPoint onText = player->Label_choix[2]->mapTo(player, QPoint(40, 18));
    EXPECT_EQ(ClickAt(player, onText.x(), onText.y()), player->Label_choix[2]);
    const QPoint onBox = player->Image_choix[2]->mapTo(player, QPoint(20, 25));
    EXPECT_EQ(ClickAt(player, onBox.x(), onBox.y()), player->choix[2]);
    // The wrong mark struck through a row lets the clicks through to the row.
    SendClick(player->choix[1]);
    Check();
    ASSERT_TRUE(player->faux[1]->Visible());
    const QPoint onStrike = player->faux[1]->mapTo(player, QPoint(100, 1));
    EXPECT_EQ(player->childAt(onStrike), player->Label_choix[1]);
}

TEST_F(MultipleChoiceTest, PointsMarksAndTheSolution) {
    const struct { const char* tick; int points; const char* ticksAfter; const char* marks; } cases[] = {
        {".x.x", 10, ".x.x....", ".+.+...."},
        {".x..", 7, ".x.o....", ".+......"},    // the missed correct choice is shown ticked, unmarked
        {"xx..", 5, "xx.o....", "-+......"},
        {"....", 2, ".o.o....", "........"},
        {"xxxx", 2, "xxxx....", "-+-+...."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tick);
        Show(kTwoCorrect);
        for (int n = 1; n <= 4; ++n)
            if (c.tick[n - 1] == 'x') SendClick(player->choix[n]);
        EXPECT_EQ(Check(), c.points);
        EXPECT_EQ(Ticks(), c.ticksAfter);
        EXPECT_EQ(Marks(), c.marks);
        EXPECT_TRUE(player->QCMverdict->Visible());
    }
    // As VERIFIER checks: the ticked choices are marked, nothing more.
    Show(kTwoCorrect);
    Tick({1, 2});
    EXPECT_EQ(Check(true), 0);
    EXPECT_EQ(Ticks(), "xx......");
    EXPECT_EQ(Marks(), "-+......");
    EXPECT_FALSE(player->QCMverdict->Visible());
}

// Two exercises played with the mouse: VERIFIER then CORRIGER, and CORRIGER alone.
// With PLAYER_SCREENSHOT_DIR set, the checked and corrected screens are saved there.
TEST_F(MultipleChoiceTest, PlayAChapter) {
    SetExercises({Exo("N1", 1, "21", kTwoCorrect),
                  Exo("N1", 1, "22", "/#Quel est le plus grand nombre ?#/ /#3,09#/ /#3,9#/ /#3,19#/ /##/ /##/ /##/"
                                     " /##/ /##/ /#0#/ /#1#/ /#0#/")});
    OpenChapter();
    ASSERT_EQ(ActivePage(), 0);
    SendClick(player->AfficherNote);
    Tick({1, 2});
    SendClick(player->LabelVerification);
    EXPECT_EQ(Marks(), "-+......");
    SaveScreen("qcm_verifier.png");
    SendClick(player->Label_choix[1]);   // untick the wrong one, then correct
    SendClick(player->LabelCorriger);
    EXPECT_EQ(Ticks(), ".x.o....");
    EXPECT_TRUE(player->QCMverdict->Visible() && SamePicture(player->QCMverdict, player->PasMal));
    EXPECT_TRUE(SamePicture(player->ImgExoNote, player->NoteImage(7)));   // 7 points after VERIFIER
    SaveScreen("qcm_corriger.png");

    SendClick(player->LabelSuivant);
    EXPECT_EQ(Marks(), "........");
    EXPECT_FALSE(player->QCMverdict->Visible());
    SendClick(player->Label_choix[2]);
    SendClick(player->LabelCorriger);
    EXPECT_TRUE(SamePicture(player->QCMverdict, player->ToutBon));
    EXPECT_EQ(Traced("ExoNote"), std::vector<std::string>({"7", "10"}));
    EXPECT_EQ(Traced("ExoType"), std::vector<std::string>({"QCM", "QCM"}));
    EXPECT_EQ(Traced("ExoUseverif"), std::vector<std::string>({"1", "0"}));
}
