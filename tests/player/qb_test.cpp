// The true-or-false page: picking an answer and the hover frame, the check with its
// banners, points and the answer shown, and the mark badge with its animation.
#include "ChapterFixture.h"

namespace {

class TrueFalseTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) { ShowOn(2, &TMainFormEXO::ShowExerciseQB, utf8Content); }
    // The answers picked ("T", "F"), then the boxes ticked, then the banner shown.
    std::string State() const {
        auto ticked = [&](TImage* box) { return SamePicture(box, player->qb_img_select); };
        std::string s = player->qb_label_true->Hint() == "selected" ? "T" : ".";
        s += player->qb_label_false->Hint() == "selected" ? "F" : ".";
        s += std::string(" ") + (ticked(player->qb_img_true) ? "T" : ".") + (ticked(player->qb_img_false) ? "F" : ".");
        const TImage* v = player->verdict_qb;
        return s + (!v->Visible() ? "" : SamePicture(v, player->qb_bravo) ? " bravo"
                                       : SamePicture(v, player->qb_faux_vrai) ? " faux-vrai"
                                       : SamePicture(v, player->qb_faux_faux) ? " faux-faux" : " ?");
    }
};

}  // namespace

TEST_F(TrueFalseTest, PointsBannersAndTheAnswerShown) {
    const struct { const char* content; TLabel* pick; int points; const char* after; } cases[] = {
        {"/#Vrai ?#/ /#1#/", player->qb_label_true, 10, "T. T. bravo"},
        {"/#Vrai ?#/ /#1#/", player->qb_label_false, 4, ".F .F faux-vrai"},
        {"/#Vrai ?#/ /#1#/", nullptr, 2, ".. T."},   // nothing picked: the right answer ticked
        {"/#Faux ?#/ /# 0 #/", player->qb_label_false, 10, ".F .F bravo"},
        {"/#Faux ?#/ /#0#/", player->qb_label_true, 4, "T. T. faux-faux"},
        {"/#Faux ?#/ /#0#/", nullptr, 2, ".. .F"},
        // Any other expected answer is never right; "faux" is the answer shown.
        {"/#Oui ?#/ /#oui#/", player->qb_label_true, 4, "T. T. faux-faux"},
        {"/#Vide ?#/ /##/", player->qb_label_false, 4, ".F .F faux-vrai"},
        {"/#Seul ?#/", nullptr, 2, ".. .F"},
        {"", nullptr, 2, ".. .F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.content) + (c.pick ? c.pick->Caption() : " -"));
        Show(c.content);   // after the check of the case before
        EXPECT_EQ(State(), ".. ..");
        if (c.pick) SendClick(c.pick);
        EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQB), c.points);
        EXPECT_EQ(State(), c.after);
    }
}

TEST_F(TrueFalseTest, PickingAndTheHoverFrame) {
    Show("/#Vrai ?#/ /#1#/");
    TLabel *yes = player->qb_label_true, *no = player->qb_label_false;
    SendClick(yes);
    SendClick(yes);   // the same answer again changes nothing
    EXPECT_EQ(State(), "T. T.");
    SendClick(no);
    EXPECT_EQ(State(), ".F .F");
    // Still clickable after the check; the verdict waits for the next check.
    PointsOf(&TMainFormEXO::CheckQB);
    SendClick(yes);
    EXPECT_EQ(State(), "T. T. faux-vrai");

    TShape* frame = player->qb_shape_selection;
    SendEnter(yes);
    const int overYes = frame->Top();
    EXPECT_TRUE(frame->Visible());
    SendLeave(yes);
    EXPECT_FALSE(frame->Visible());
    SendEnter(no);
    EXPECT_GT(frame->Top(), overYes);
    SendEnter(yes);   // entering while it is shown leaves it where it is
    EXPECT_GT(frame->Top(), overYes);
    SendLeave(yes);
    EXPECT_FALSE(frame->Visible());
}

// The mark stays hidden until the learner asks for it, then shows at each correction;
// full marks animate the two pictures in turn.
TEST_F(TrueFalseTest, TheMarkShowsWhenAskedAndFullMarksAnimate) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter();
    SendClick(player->qb_label_true);
    Correct();
    EXPECT_TRUE(BadgeIs(10));
    EXPECT_FALSE(player->PanelNote->Visible());
    SendClick(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Caption(), "MASQUER MA NOTE");
    EXPECT_TRUE(player->PanelNote->Visible());
    for (bool first : {true, false, true}) {
        player->yes_timer->Fire();
        EXPECT_EQ(player->yes_1->Visible(), first);
        EXPECT_EQ(player->yes_2->Visible(), !first);
    }
    Next();
    EXPECT_FALSE(player->PanelNote->Visible());
    Correct();
    EXPECT_TRUE(BadgeIs(3) && player->PanelNote->Visible());
    SendClick(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Caption(), "AFFICHER MA NOTE");
    EXPECT_FALSE(player->PanelNote->Visible());
}
