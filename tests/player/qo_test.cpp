// The short-answer page: the single "Réponse" box and the problem's boxes, the lenient
// comparison through the check, the expected answers, the blinking "bravo", and a
// chapter played through.
#include <string>

#include "ChapterFixture.h"

namespace {

const char* const kTwelve = "/#Combien font 3 × 4 ?#/ /#12#/";
// A problem with prompts for boxes 1 and 3 only.
const char* const kBoxesOneAndThree = "[1] /#Le libraire.#/ /#Reçus#/ /##/ /#Restants#/ /##/ /#144#/ /##/ /#86#/ /##/";

class ShortAnswerTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) {
        OpenPage(1);
        player->ShowExerciseQO(Ansi(utf8Content.c_str()));
    }
    void Type(int box, const char* utf8) { player->qo_answer[box]->SetText(Ansi(utf8)); }
    int Check(bool checkOnly = false) { return PointsOf(&TMainFormEXO::CheckQO, checkOnly); }
    // Per box 1..4: "+" right mark, "-" wrong mark, "." none.
    std::string Marks() const { return MarkPattern(player->qo_img_rep, player->qo_correct); }
    // The "bravo" as the learner sees it (its panel shown too).
    bool BravoSeen() const { return player->Bravo_qo->isVisible(); }
    std::string Boxes() const {
        std::string b;
        for (int n = 1; n <= 4; ++n) b += player->qo_answer[n]->Visible() ? 'o' : '.';
        return b;
    }
};

}  // namespace

TEST_F(ShortAnswerTest, OneAnswerBoxOrTheProblemsBoxes) {
    Show(kBoxesOneAndThree);
    EXPECT_EQ(player->qo_statement->Hint(), "probleme");
    EXPECT_EQ(Boxes(), "o.o.");
    EXPECT_EQ(player->qo_answer[3]->Width(), 100);
    EXPECT_EQ(player->qo_answer[3]->EditLabel()->Caption(), "Restants");
    EXPECT_EQ(player->qo_answer[1]->Hint(), "144");
    EXPECT_EQ(player->qo_answer[3]->Hint(), "86");
    EXPECT_TRUE(SamePicture(player->Label_title_answer_QO, player->Imq_title_answers_QO));
    // Each prompt stands on the left of its box, level with it.
    for (int n : {1, 3}) {
        const TLabel* prompt = player->qo_answer[n]->EditLabel();
        EXPECT_EQ(prompt->Left() + prompt->Width() + 3, 160);
        EXPECT_LT(std::abs(prompt->Top() + prompt->Height() / 2 - (player->qo_answer[n]->Top() + 21)), 2);
        EXPECT_TRUE(prompt->Visible());
    }
    EXPECT_FALSE(player->qo_answer[2]->EditLabel()->Visible());
    Type(1, "144");
    Check();

    // A "qo" after a problem: the single box at full width, nothing of the problem left.
    Show(kTwelve);
    EXPECT_EQ(player->qo_statement->Hint(), "qo");
    EXPECT_EQ(Boxes(), "o...");
    EXPECT_EQ(player->qo_answer[1]->Left(), 160);
    EXPECT_EQ(player->qo_answer[1]->Width(), 450);
    EXPECT_EQ(player->qo_answer[1]->EditLabel()->Caption(), Ansi("Réponse"));
    EXPECT_EQ(player->qo_answer[1]->Text(), "");
    EXPECT_EQ(player->qo_answer[1]->Hint(), "12");
    EXPECT_EQ(Marks(), "....");
    EXPECT_FALSE(player->Panel_answer_QO->Visible() || player->qo_right_answer[1]->Visible() ||
                 player->qo_right_answer[3]->Visible() || player->Bravo_qo->Visible());
    EXPECT_EQ(player->Bravo_qo->Hint(), "0");
    EXPECT_TRUE(SamePicture(player->Label_title_answer_QO, player->Imq_title_answer_QO));
    EXPECT_EQ(player->Panel_Text_QO->Top(), player->qo_statement->Top() + player->qo_statement->Height() + 27);

    // Prefixes other than "[1]" give the single box; an empty content expects nothing.
    Show("[0] /#Combien ?#/ /#4#/");
    EXPECT_EQ(player->qo_statement->Hint(), "qo");
    EXPECT_EQ(player->qo_answer[1]->Hint(), "4");
    Show("");
    EXPECT_EQ(Boxes(), "o...");
    EXPECT_EQ(Check(), 10);   // an empty answer to an empty expectation
    // A problem without any prompt shows no box and gives no point.
    Show("[1] /#Rien.#/ /##/ /##/ /##/ /##/ /#1#/");
    EXPECT_EQ(Boxes(), "....");
    EXPECT_EQ(Check(), 0);
}

TEST_F(ShortAnswerTest, LenientComparisonThroughTheCheck) {
    const struct { const char* typed; int points; } cases[] = {
        {"12", 10}, {" 1 2 ", 10}, {"12 cm", 10}, {"12cm", 10}, {"12.0", 10},
        {"douze", 3}, {"012", 3},  {"", 1},        {"   ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Show(kTwelve);
        Type(1, c.typed);
        EXPECT_EQ(Check(), c.points);
        EXPECT_EQ(Marks(), c.points == 10 ? "+..." : "-...");
        EXPECT_TRUE(player->qo_right_main_answer->Visible());
        EXPECT_EQ(player->qo_right_main_answer->Caption(), "12");
        EXPECT_EQ(BravoSeen(), c.points == 10);
        EXPECT_EQ(player->qo_answer[1]->Text(), Ansi(c.typed));   // the answer stays as typed
    }
    const struct { const char* expected; const char* typed; int points; } others[] = {
        {"3,5 cm", "3,5", 10}, {"3,5", "3.5", 3}, {"X = 4", "x=4", 10}, {"4", "x=4", 3},
        {"lechat", "Le Chat", 10}, {"éléphant", "ÉLÉPHANT", 10}, {"éléphant", "ELEPHANT", 3},
    };
    for (const auto& c : others) {
        SCOPED_TRACE(std::string(c.typed) + " / " + c.expected);
        Show(std::string("/#?#/ /#") + c.expected + "#/");
        Type(1, c.typed);
        EXPECT_EQ(Check(), c.points);
    }
}

TEST_F(ShortAnswerTest, ProblemMarksEachBoxAndListsTheExpectedAnswers) {
    Show(kBoxesOneAndThree);
    Type(1, "144 livres");
    Type(3, "90");
    EXPECT_EQ(Check(), 6);   // (10 + 3) / 2
    EXPECT_EQ(Marks(), "+.-.");
    EXPECT_EQ(player->qo_img_rep[3]->Left(), 160 + 100 + 5);
    EXPECT_EQ(player->qo_right_answer[1]->Caption(), "1. 144");
    EXPECT_EQ(player->qo_right_answer[3]->Caption(), "3. 86");
    EXPECT_TRUE(player->qo_right_answer[1]->isVisible() && player->qo_right_answer[3]->isVisible());
    EXPECT_FALSE(player->qo_right_answer[2]->Visible() || player->qo_right_main_answer->Visible());
    // The first box right: the "bravo" beside the title of the answers.
    EXPECT_TRUE(BravoSeen());
    EXPECT_EQ(player->Bravo_qo->Left(), player->qo_right_main_answer->Left() + player->qo_right_main_answer->Width() + 10);
    EXPECT_LT(player->Bravo_qo->Left() + player->Bravo_qo->Width(), player->Panel_answer_QO->Width());
    // An empty box beyond the first gives 3, not 1.
    Show(kBoxesOneAndThree);
    Type(1, "144");
    EXPECT_EQ(Check(), 6);
    // Three boxes: lines 1 and 2 on the answer panel, line 3 on the page, one under the other.
    Show("[1] /#Trois questions,\nsur plusieurs lignes,\npour pousser les réponses vers le bas.#/"
         " /#a)#/ /#b)#/ /#c)#/ /##/ /#1#/ /#2#/ /#3#/");
    EXPECT_EQ(Check(), 2);   // (1 + 3 + 3) / 3: an empty first box gives 1
    int previousBottom = 0;
    for (int n = 1; n <= 3; ++n) {
        TLabel* line = player->qo_right_answer[n];
        const int top = line->mapTo(player, QPoint(0, 0)).y();
        EXPECT_GE(top, previousBottom - 6) << n;
        previousBottom = top + line->Height();
    }
}

TEST_F(ShortAnswerTest, VerifierMarksOnlyAndTheBravoBlinks) {
    Show(kTwelve);
    Type(1, "12");
    EXPECT_EQ(Check(true), 0);
    EXPECT_EQ(Marks(), "+...");
    EXPECT_FALSE(player->Panel_answer_QO->Visible() || player->qo_right_main_answer->Visible());
    EXPECT_FALSE(BravoSeen());
    EXPECT_TRUE(player->TimerBravo->Enabled());

    Check();
    ASSERT_TRUE(BravoSeen());
    EXPECT_EQ(player->Bravo_qo->Hint(), "5");
    // Hidden, shown, hidden, shown, then shown for good; the sixth tick stops the timer.
    for (bool seen : {false, true, false, true, true}) {
        player->TimerBravo->Fire();
        EXPECT_EQ(BravoSeen(), seen);
    }
    EXPECT_EQ(player->Bravo_qo->Hint(), "0");
    EXPECT_TRUE(player->TimerBravo->Enabled());
    player->TimerBravo->Fire();
    EXPECT_FALSE(player->TimerBravo->Enabled());
    EXPECT_TRUE(BravoSeen());
    // A wrong answer hides it; the next exercise stops a running count.
    Type(1, "13");
    Check();
    EXPECT_FALSE(BravoSeen());
    Type(1, "12");
    Check();
    Show(kTwelve);
    player->TimerBravo->Fire();
    EXPECT_FALSE(player->TimerBravo->Enabled());
    EXPECT_FALSE(player->Bravo_qo->Visible());
}

// A short answer with its unit, checked then corrected, and a problem with three
// boxes corrected directly. With PLAYER_SCREENSHOT_DIR set, the screens are saved.
TEST_F(ShortAnswerTest, PlayAChapter) {
    SetExercises({Exo("N1", 3, "31", "/#Mesure le segment [AB].#/ /#7,5 cm#/"),
                  Exo("N1", 3, "32", "[1] /#Un libraire reçoit 6 cartons de 24 livres. Il en vend 58, puis en "
                                     "reçoit encore 30.#/ /#Reçus :#/ /#Vendus :#/ /#Restants :#/ /##/ /#144#/"
                                     " /#58#/ /#116#/")});
    OpenChapter();
    ASSERT_EQ(ActivePage(), 1);
    SendClick(player->AfficherNote);
    Type(1, "7,5");
    SendClick(player->LabelVerification);
    EXPECT_EQ(Marks(), "+...");
    SaveScreen("qo_verifier.png");
    SendClick(player->LabelVerification);   // the second click corrects
    EXPECT_TRUE(BravoSeen());
    EXPECT_EQ(player->qo_right_main_answer->Caption(), "7,5 cm");
    EXPECT_TRUE(SamePicture(player->ImgExoNote, player->NoteImage(9)));
    SaveScreen("qo_corriger.png");

    SendClick(player->LabelSuivant);
    EXPECT_EQ(Boxes(), "ooo.");
    Type(1, "144");
    Type(2, "58");
    Type(3, "86");
    SendClick(player->LabelCorriger);
    EXPECT_EQ(Marks(), "++-.");
    EXPECT_EQ(player->qo_right_answer[3]->Caption(), "3. 116");
    SaveScreen("qo_probleme_corriger.png");
    EXPECT_EQ(Traced("ExoNote"), std::vector<std::string>({"9", "8"}));   // 10 after VERIFIER; 23 / 3 = 7
    EXPECT_EQ(Traced("ExoType"), std::vector<std::string>({"QO", "QO"}));
}
