// The multiple-choice page: the choices shown, the single-answer rule, the hover band,
// and the check with its marks and points.
#include "ChapterFixture.h"
#include "Samples.h"

namespace {

class MultipleChoiceTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) { ShowOn(0, &TMainFormEXO::ShowExerciseQCM, utf8Content); }
    int Check(bool checkOnly = false) { return PointsOf(&TMainFormEXO::CheckQCM, checkOnly); }
    // Per row: "x" ticked, "o" shown ticked by the solution only, "." neither; then
    // after a blank, "+" right mark, "-" wrong mark, "." none.
    std::string Rows() const {
        std::string ticks, marks;
        for (int n = 1; n <= 8; ++n) {
            const bool hint = player->choix[n]->Hint() == "1";
            const bool picture = SamePicture(player->Image_choix[n], player->qcm_selected);
            ticks += hint && picture ? 'x' : picture ? 'o' : hint ? '?' : '.';
            const bool right = player->juste[n]->Visible(), wrong = player->faux[n]->Visible();
            marks += right && wrong ? '?' : right ? '+' : wrong ? '-' : '.';
        }
        return ticks + " " + marks;
    }
};

}  // namespace

TEST_F(MultipleChoiceTest, ChoicesShownAndTheSingleAnswerRule) {
    Show(kTwoCorrect);
    SendClick(player->choix[1]);
    Check();
    // Choice 2 is empty: its row stays empty and its correctness flag does not count,
    // so the one correct shown choice makes a single-answer question.
    Show("/#Quel nombre est pair ?#/ /#7#/ /##/ /#10#/ /#13#/ /##/ /##/ /##/ /##/ /#0#/ /#1#/ /#1#/ /#x#/");
    std::string shown;
    for (int n = 1; n <= 8; ++n) shown += player->Label_choix[n]->Visible() && player->choix[n]->Visible() ? 'o' : '.';
    EXPECT_EQ(shown, "o.oo....");
    EXPECT_EQ(player->Label_choix[3]->Caption(), "10");
    EXPECT_EQ(Rows(), "........ ........");
    EXPECT_FALSE(player->QCMverdict->Visible());
    SendClick(player->choix[1]);
    SendClick(player->Label_choix[3]);
    SendClick(player->choix[3]);   // the ticked choice stays ticked
    EXPECT_EQ(Rows(), "..x..... ........");
    // Two correct choices, or none: each click toggles.
    for (const char* content : {kTwoCorrect, "/#?#/ /#a#/ /#b#/ /#c#/ /##/ /##/ /##/ /##/ /##/ /#0#/ /#0#/ /#0#/"}) {
        Show(content);
        for (TLabel* l : {player->choix[1], player->Label_choix[3], player->Label_choix[1]}) SendClick(l);
        EXPECT_EQ(Rows(), "..x..... ........") << content;
    }
    // No choice at all: nothing shown, and no point rather than a division by zero.
    Show("");
    EXPECT_FALSE(player->Label_choix[1]->Visible());
    EXPECT_EQ(Check(), 0);
}

TEST_F(MultipleChoiceTest, PointsMarksAndTheSolution) {
    // Ticks on the four choices; the rows after the check; the points.
    const struct { const char* tick; const char* rows; int points; } cases[] = {
        {".x.x", ".x.x.... .+.+....", 10},
        {".x..", ".x.o.... .+......", 7},    // the missed one shown ticked, unmarked
        {"xx..", "xx.o.... -+......", 5},
        {"....", ".o.o.... ........", 2},    // nothing ticked: 2 right halved
        {"xxxx", "xxxx.... -+-+....", 2},    // everything ticked: 2 right halved
    };
    for (const auto& c : cases) {
        Show(kTwoCorrect);
        for (int n = 1; n <= 4; ++n)
            if (c.tick[n - 1] == 'x') SendClick(player->Label_choix[n]);
        EXPECT_EQ(Check(), c.points) << c.tick;
        EXPECT_EQ(Rows(), c.rows) << c.tick;
        EXPECT_TRUE(player->QCMverdict->Visible());
    }
    // As VERIFIER checks: only the ticked choices are marked; the marks stay while the
    // ticks change.
    Show(kTwoCorrect);
    SendClick(player->choix[1]);
    SendClick(player->choix[2]);
    EXPECT_EQ(Check(true), 0);
    SendClick(player->choix[1]);
    EXPECT_EQ(Rows(), ".x...... -+......");
    EXPECT_FALSE(player->QCMverdict->Visible());
}

TEST_F(MultipleChoiceTest, HoverBandAndWhereTheClicksGo) {
    Show(kTwoCorrect);
    // Over the tick box or the text, the row's text turns blue over the band.
    for (auto [over, row] : {std::pair{player->choix[2], 2}, {player->Label_choix[4], 4}})
        ExpectHover(over, player->Label_choix[row], player->qcm_shape_selection, {18, player->Label_choix[row]->Top() - 6});
    // Clicks on the text, on the tick box and on a wrong mark's stroke reach the row.
    SendClick(player->choix[1]);
    Check();
    const std::pair<TControl*, TControl*> hits[] = {
        {player->Label_choix[2], player->Label_choix[2]}, {player->Image_choix[2], player->choix[2]},
        {player->faux[1], player->Label_choix[1]}};
    for (const auto& [over, target] : hits) {
        const QPoint at = over->mapTo(player, QPoint(over->Width() / 2, over->Height() / 2));
        EXPECT_EQ(player->childAt(at), target) << over->Name();
    }
}
