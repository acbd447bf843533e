// The short-answer page: the single "Réponse" box and the problem's boxes, the lenient
// comparison through the check, the expected answers and the blinking "bravo".
#include "ChapterFixture.h"

namespace {

const char* const kTwelve = "/#Combien font 3 × 4 ?#/ /#12#/";

class ShortAnswerTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) { ShowOn(1, &TMainFormEXO::ShowExerciseQO, utf8Content); }
    void Type(int box, const char* utf8) { player->qo_answer[box]->SetText(Ansi(utf8)); }
    int Check(bool checkOnly = false) { return PointsOf(&TMainFormEXO::CheckQO, checkOnly); }
    // The boxes shown ("o") or not ("."), then their marks.
    std::string Boxes() const {
        std::string b;
        for (int n = 1; n <= 4; ++n) b += player->qo_answer[n]->Visible() ? 'o' : '.';
        return b + " " + MarkPattern(player->qo_img_rep, player->qo_correct);
    }
    // The "bravo" as the learner sees it (its panel shown too).
    bool BravoSeen() const { return player->Bravo_qo->isVisible(); }
    int ScreenTop(const TControl* c) const { return c->mapTo(player, QPoint()).y(); }
};

}  // namespace

TEST_F(ShortAnswerTest, ProblemBoxesThenASingleAnswer) {
    // Prompts for boxes 1 and 3 only.
    Show("[1] /#Le libraire.#/ /#Reçus#/ /##/ /#Restants#/ /##/ /#144#/ /##/ /#86#/ /##/");
    EXPECT_EQ(player->qo_statement->Hint(), "probleme");
    EXPECT_EQ(Boxes(), "o.o. ....");
    EXPECT_EQ(player->qo_answer[3]->EditLabel()->Caption(), "Restants");
    Type(1, "144 livres");
    Type(3, "90");
    EXPECT_EQ(Check(), 6);   // (10 + 3) / 2
    EXPECT_EQ(Boxes(), "o.o. +.-.");
    EXPECT_EQ(player->qo_right_answer[1]->Caption() + " " + player->qo_right_answer[3]->Caption(), "1. 144 3. 86");
    EXPECT_TRUE(player->qo_right_answer[1]->isVisible() && player->qo_right_answer[3]->isVisible());
    EXPECT_FALSE(player->qo_right_answer[2]->Visible() || player->qo_right_main_answer->Visible());
    // The first box right: the "bravo" beside the title, within the answer panel.
    EXPECT_TRUE(BravoSeen());
    EXPECT_LT(player->Bravo_qo->Left() + player->Bravo_qo->Width(), player->Panel_answer_QO->Width());

    // A "qo" after the problem: the single box, empty, and nothing of the problem left.
    Show(kTwelve);
    EXPECT_EQ(player->qo_statement->Hint(), "qo");
    EXPECT_EQ(Boxes(), "o... ....");
    EXPECT_EQ(player->qo_answer[1]->EditLabel()->Caption(), Ansi("Réponse"));
    EXPECT_EQ(player->qo_answer[1]->Text(), "");
    EXPECT_FALSE(player->Panel_answer_QO->Visible() || player->qo_right_answer[3]->Visible() || player->Bravo_qo->Visible());
    // Under a statement of three lines, each expected answer still follows the one before.
    Show("[1] /#Trois\nlignes\nici.#/ /#a)#/ /#b)#/ /#c)#/ /##/ /#1#/ /#2#/ /#3#/");
    Check();
    EXPECT_GT(ScreenTop(player->qo_right_answer[3]), ScreenTop(player->qo_right_answer[2]));
    EXPECT_GT(ScreenTop(player->qo_right_answer[2]), ScreenTop(player->qo_right_answer[1]));
    // A problem without any prompt shows no box and gives no point.
    Show("[1] /#Rien.#/ /##/ /##/ /##/ /##/ /#1#/");
    EXPECT_EQ(Boxes(), ".... ....");
    EXPECT_EQ(Check(), 0);
}

TEST_F(ShortAnswerTest, LenientComparisonThroughTheCheck) {
    // Blanks and case do not count, nor what follows the first number; the upper case
    // is the Windows-1252 one (é equals É, not E).
    const struct { const char* expected; const char* typed; int points; } cases[] = {
        {"12", "12", 10},      {"12", " 1 2 ", 10},    {"12", "12 cm", 10},     {"12", "12cm", 10},
        {"12", "12.0", 10},    {"12", "douze", 3},     {"12", "012", 3},        {"12", "", 1},
        {"3,5 cm", "3,5", 10}, {"3,5", "3.5", 3},      {"X = 4", "x=4", 10},    {"4", "x=4", 3},
        {"", "", 10},          {"", "  ", 10},         {"lechat", "Le Chat", 10}, {"7,5cm", "7,5 cm", 10},
        {"éléphant", "ÉLÉPHANT", 10}, {"éléphant", "ELEPHANT", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " / " + c.expected);
        Show(std::string("/#?#/ /#") + c.expected + "#/");
        Type(1, c.typed);
        EXPECT_EQ(Check(), c.points);
        EXPECT_EQ(Boxes(), c.points == 10 ? "o... +..." : "o... -...");
        EXPECT_EQ(player->qo_right_main_answer->Caption(), Ansi(c.expected));
        EXPECT_EQ(BravoSeen(), c.points == 10);
        EXPECT_EQ(player->qo_answer[1]->Text(), Ansi(c.typed));   // the answer stays as typed
    }
}

TEST_F(ShortAnswerTest, VerifierMarksOnlyAndTheBravoBlinks) {
    Show(kTwelve);
    Type(1, "12");
    EXPECT_EQ(Check(true), 0);
    EXPECT_EQ(Boxes(), "o... +...");
    EXPECT_FALSE(player->Panel_answer_QO->Visible() || BravoSeen());
    Check();
    ASSERT_TRUE(BravoSeen());
    // Hidden, shown, hidden, shown, then shown for good; the sixth tick stops the timer.
    for (bool seen : {false, true, false, true, true}) {
        player->TimerBravo->Fire();
        EXPECT_EQ(BravoSeen(), seen);
    }
    EXPECT_TRUE(player->TimerBravo->Enabled());
    player->TimerBravo->Fire();
    EXPECT_FALSE(player->TimerBravo->Enabled());
    // The next exercise stops a running count at its next tick.
    Check();
    Show(kTwelve);
    player->TimerBravo->Fire();
    EXPECT_FALSE(player->TimerBravo->Enabled() || player->Bravo_qo->Visible());
}
