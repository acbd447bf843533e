// The true-or-false page: showing a statement, picking an answer, the hover frame,
// the check with its banners and points, and a chapter played through.
#include "ChapterFixture.h"

namespace {

class TrueFalseTest : public ChapterTest {
protected:
    // Shows a record's content on the page as the loader does.
    void Show(const std::string& utf8Content) {
        if (!player->Visible()) player->ShowForm();
        player->ExoPageControl->SetActivePageIndex(2);
        player->ShowExerciseQB(Ansi(utf8Content.c_str()));
    }
    // Runs the check with counted points and returns them.
    int CheckPoints() {
        player->ExoChecked = 0;
        player->ExoMark = 0;
        player->CheckQB();
        return player->ExoMark;
    }
    bool Ticked(TImage* box) const { return SamePicture(box, player->qb_img_select); }
    // The banner shown (null when it is hidden).
    TImage* Banner() const {
        if (!player->verdict_qb->Visible()) return nullptr;
        for (TImage* b : {player->qb_bravo, player->qb_faux_vrai, player->qb_faux_faux})
            if (SamePicture(player->verdict_qb, b)) return b;
        return player->verdict_qb;
    }
    TLabel* True() const { return player->qb_label_true; }
    TLabel* False() const { return player->qb_label_false; }
};

}  // namespace

TEST_F(TrueFalseTest, ShowingAStatementStartsAfresh) {
    Show("/#Vrai ?#/ /#1#/");
    player->qb_selection_click(True());
    CheckPoints();
    ASSERT_EQ(Banner(), player->qb_bravo);

    Show("  /#Un carré a quatre côtés égaux.#/\r\n/# 0 #/");
    EXPECT_EQ(player->qb_statement->Caption(), Ansi("Un carré a quatre côtés égaux."));
    EXPECT_EQ(player->qb_statement->Hint(), "0");
    EXPECT_EQ(True()->Hint(), "unselected");
    EXPECT_EQ(False()->Hint(), "unselected");
    EXPECT_FALSE(Ticked(player->qb_img_true) || Ticked(player->qb_img_false));
    EXPECT_EQ(Banner(), nullptr);
    const int oneLine = player->qb_statement->Height();
    EXPECT_EQ(player->Panel_Answer_True_False->Top(), player->qb_statement->Top() + oneLine + 27);
    // A long statement wraps within 750 pixels and pushes the answers down.
    Show("/#Cette affirmation est bien trop longue pour tenir sur une seule ligne de la page, "
         "elle en prend donc plusieurs, et les réponses descendent.#/ /#0#/");
    EXPECT_EQ(player->qb_statement->Width(), 750);
    EXPECT_GT(player->qb_statement->Height(), oneLine);
    EXPECT_EQ(player->Panel_Answer_True_False->Top(), player->qb_statement->Top() + player->qb_statement->Height() + 27);
}

TEST_F(TrueFalseTest, PickingAndTheHoverFrame) {
    Show("/#Vrai ?#/ /#1#/");
    auto expectPicked = [&](TLabel* picked) {
        EXPECT_EQ(True()->Hint(), picked == True() ? "selected" : "unselected");
        EXPECT_EQ(False()->Hint(), picked == False() ? "selected" : "unselected");
        EXPECT_EQ(Ticked(player->qb_img_true), picked == True());
        EXPECT_EQ(Ticked(player->qb_img_false), picked == False());
    };
    SendClick(True());
    expectPicked(True());
    SendClick(True());   // the same answer again changes nothing
    expectPicked(True());
    SendClick(False());
    expectPicked(False());
    // Still clickable after the check; the verdict waits for the next check.
    EXPECT_EQ(CheckPoints(), 4);
    SendClick(True());
    expectPicked(True());
    EXPECT_EQ(Banner(), player->qb_faux_vrai);

    TShape* frame = player->qb_shape_selection;
    SendLeave(True());
    EXPECT_FALSE(frame->Visible());
    SendEnter(True());
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(std::make_pair(frame->Left(), frame->Top()), std::make_pair(16, 24));
    SendLeave(True());
    SendEnter(False());
    EXPECT_EQ(frame->Top(), 80);
    SendEnter(True());   // entering while it is shown leaves it where it is
    EXPECT_EQ(frame->Top(), 80);
    SendLeave(True());
    EXPECT_FALSE(frame->Visible());
}

TEST_F(TrueFalseTest, PointsBannersAndTheAnswerShown) {
    TImage *const bravo = player->qb_bravo, *const fauxVrai = player->qb_faux_vrai,
                  *const fauxFaux = player->qb_faux_faux;
    TImage *const boxTrue = player->qb_img_true, *const boxFalse = player->qb_img_false;
    struct Case {
        const char* content;
        TLabel* pick;
        int points;
        TImage* banner;
        TImage* ticked;   // the box ticked after the check
    };
    const Case cases[] = {
        {"/#Vrai ?#/ /#1#/", True(), 10, bravo, boxTrue},   {"/#Vrai ?#/ /#1#/", False(), 4, fauxVrai, boxFalse},
        {"/#Vrai ?#/ /#1#/", nullptr, 2, nullptr, boxTrue}, {"/#Faux ?#/ /#0#/", False(), 10, bravo, boxFalse},
        {"/#Faux ?#/ /#0#/", True(), 4, fauxFaux, boxTrue}, {"/#Faux ?#/ /#0#/", nullptr, 2, nullptr, boxFalse},
        // Any other expected answer is never right; "faux" is the answer shown.
        {"/#Oui ?#/ /#oui#/", True(), 4, fauxFaux, boxTrue}, {"/#Vide ?#/ /##/", False(), 4, fauxVrai, boxFalse},
        {"/#Seul ?#/", nullptr, 2, nullptr, boxFalse},        {"", nullptr, 2, nullptr, boxFalse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.content) + (c.pick ? c.pick->Caption() : " -"));
        Show(c.content);
        if (c.pick) player->qb_selection_click(c.pick);
        EXPECT_EQ(CheckPoints(), c.points);
        EXPECT_EQ(Banner(), c.banner);
        EXPECT_TRUE(Ticked(c.ticked));
        EXPECT_FALSE(Ticked(c.ticked == boxTrue ? boxFalse : boxTrue));
    }
}

// A chapter played through with the mouse: right (full marks, after VERIFIER), wrong,
// no answer.
TEST_F(TrueFalseTest, PlayAChapter) {
    SetExercises({Exo("N1", 2, "11", "/#Un triangle a trois côtés.#/ /#1#/"),
                  Exo("N1", 2, "12", "/#7 est un nombre pair.#/ /#0#/"),
                  Exo("N1", 2, "13", "/#Un carré a cinq sommets.#/ /#0#/")});
    OpenChapter();
    auto correct = [&](int mark, TImage* banner) {
        SendClick(player->LabelCorriger);
        EXPECT_TRUE(SamePicture(player->ImgExoNote, player->NoteImage(mark))) << mark;
        EXPECT_EQ(player->yes_timer->Enabled(), mark == 10);
        EXPECT_EQ(Banner(), banner);
    };
    // VERIFIER runs the full check on this page, again and again without correcting;
    // CORRIGER still gives full marks.
    SendClick(True());
    SendClick(player->LabelVerification);
    EXPECT_EQ(Banner(), player->qb_bravo);
    EXPECT_EQ(player->ExoMark, 9);   // -1 and the 10 points
    SendClick(player->LabelVerification);
    EXPECT_TRUE(TraceRows().empty());
    // The mark stays hidden until the learner asks for it, then shows at each correction.
    correct(10, player->qb_bravo);
    EXPECT_FALSE(player->PanelNote->Visible());
    SendClick(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Caption(), "MASQUER MA NOTE");
    EXPECT_TRUE(player->PanelNote->Visible());
    // The animation alternates its two pictures.
    for (bool first : {true, false, true}) {
        player->yes_timer->Fire();
        EXPECT_EQ(player->yes_1->Visible(), first);
        EXPECT_EQ(player->yes_2->Visible(), !first);
    }

    SendClick(player->LabelSuivant);
    EXPECT_FALSE(player->PanelNote->Visible());
    SendClick(True());
    correct(5, player->qb_faux_faux);
    EXPECT_TRUE(player->PanelNote->Visible());

    SendClick(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Caption(), "AFFICHER MA NOTE");
    EXPECT_FALSE(player->PanelNote->Visible());
    SendClick(player->LabelSuivant);
    correct(3, nullptr);
    EXPECT_TRUE(Ticked(player->qb_img_false));
    EXPECT_FALSE(player->PanelNote->Visible());
    SendClick(player->LabelSuivant);
    SendClick(player->LabelSuivant);
    EXPECT_EQ(ActivePage(), 8);

    EXPECT_EQ(Traced("ExoCode"), std::vector<std::string>({"11", "12", "13"}));
    EXPECT_EQ(Traced("ExoNote"), std::vector<std::string>({"10", "5", "3"}));
    EXPECT_EQ(Traced("ExoType"), std::vector<std::string>({"QB", "QB", "QB"}));
    EXPECT_EQ(Traced("ExoUseverif"), std::vector<std::string>({"1", "0", "0"}));
}
