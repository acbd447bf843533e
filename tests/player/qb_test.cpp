// The true-or-false page: showing a statement, picking an answer, the hover frame
// and the check with its banners and points.
#include <cstdlib>

#include <QImage>
#include <QPixmap>

#include "ChapterFixture.h"

namespace {

class TrueFalseTest : public ChapterTest {
protected:
    void SetUp() override {
        ChapterTest::SetUp();
        player->ShowForm();
    }
    // Shows a record's content on the page as the loader does.
    void Show(const std::string& utf8Content) {
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
    bool Banner(TImage* banner) const {
        return player->verdict_qb->Visible() && SamePicture(player->verdict_qb, banner);
    }
    TLabel* True() const { return player->qb_label_true; }
    TLabel* False() const { return player->qb_label_false; }
};

}  // namespace

TEST_F(TrueFalseTest, ShowingAStatement) {
    Show("  /#Un carré a quatre côtés égaux.#/\r\n/# 1 #/");
    EXPECT_EQ(player->qb_statement->Caption(), Ansi("Un carré a quatre côtés égaux."));
    EXPECT_EQ(player->qb_statement->Hint(), "1");
    EXPECT_EQ(player->qb_statement->Width(), 750);
    EXPECT_EQ(True()->Hint(), "unselected");
    EXPECT_EQ(False()->Hint(), "unselected");
    EXPECT_FALSE(Ticked(player->qb_img_true));
    EXPECT_FALSE(Ticked(player->qb_img_false));
    EXPECT_FALSE(player->verdict_qb->Visible());
    EXPECT_EQ(True()->Caption(), "       vrai");
    EXPECT_EQ(False()->Caption(), "       faux");
    const int oneLine = player->qb_statement->Height();
    EXPECT_EQ(player->Panel_Answer_True_False->Top(), player->qb_statement->Top() + oneLine + 27);

    // A long statement wraps and pushes the answers down.
    Show("/#" + std::string(12, ' ') + "Cette affirmation est bien trop longue pour tenir sur une seule "
         "ligne de la page, elle en prend donc plusieurs, et les réponses descendent.#/ /#0#/");
    EXPECT_GT(player->qb_statement->Height(), oneLine);
    EXPECT_EQ(player->Panel_Answer_True_False->Top(),
              player->qb_statement->Top() + player->qb_statement->Height() + 27);
    EXPECT_EQ(player->qb_statement->Hint(), "0");
}

TEST_F(TrueFalseTest, ANewStatementClearsTheLastAnswerAndVerdict) {
    Show("/#Vrai ?#/ /#1#/");
    player->qb_selection_click(True());
    CheckPoints();
    ASSERT_TRUE(player->verdict_qb->Visible());
    Show("/#Et maintenant ?#/ /#0#/");
    EXPECT_EQ(True()->Hint(), "unselected");
    EXPECT_FALSE(Ticked(player->qb_img_true));
    EXPECT_FALSE(player->verdict_qb->Visible());
}

TEST_F(TrueFalseTest, EmptyContent) {
    Show("");
    EXPECT_EQ(player->qb_statement->Caption(), "");
    EXPECT_EQ(player->qb_statement->Hint(), "");
    EXPECT_EQ(CheckPoints(), 2);
    EXPECT_TRUE(Ticked(player->qb_img_false));
    EXPECT_FALSE(Ticked(player->qb_img_true));
}

TEST_F(TrueFalseTest, PickingFollowsTheClickRules) {
    Show("/#Vrai ?#/ /#1#/");
    SendClick(True());
    EXPECT_EQ(True()->Hint(), "selected");
    EXPECT_EQ(False()->Hint(), "unselected");
    EXPECT_TRUE(Ticked(player->qb_img_true));
    EXPECT_FALSE(Ticked(player->qb_img_false));
    // The same answer again changes nothing.
    SendClick(True());
    EXPECT_EQ(True()->Hint(), "selected");
    EXPECT_TRUE(Ticked(player->qb_img_true));
    // The other answer takes the selection.
    SendClick(False());
    EXPECT_EQ(True()->Hint(), "unselected");
    EXPECT_EQ(False()->Hint(), "selected");
    EXPECT_FALSE(Ticked(player->qb_img_true));
    EXPECT_TRUE(Ticked(player->qb_img_false));
}

TEST_F(TrueFalseTest, HoverFrame) {
    Show("/#Vrai ?#/ /#1#/");
    TShape* frame = player->qb_shape_selection;
    EXPECT_FALSE(frame->Visible());
    SendEnter(True());
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(frame->Left(), 16);
    EXPECT_EQ(frame->Top(), 24);
    SendLeave(True());
    EXPECT_FALSE(frame->Visible());
    SendEnter(False());
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(frame->Top(), 80);
    // Entering while it is shown leaves it where it is.
    SendEnter(True());
    EXPECT_EQ(frame->Top(), 80);
    SendLeave(True());
    EXPECT_FALSE(frame->Visible());
    EXPECT_EQ(frame->Width(), 121);
    EXPECT_EQ(frame->Height(), 54);
    // Leaving with the frame hidden is harmless.
    SendLeave(False());
    EXPECT_FALSE(frame->Visible());
}

TEST_F(TrueFalseTest, TrueStatementPoints) {
    Show("/#Vrai ?#/ /#1#/");
    player->qb_selection_click(True());
    EXPECT_EQ(CheckPoints(), 10);
    EXPECT_TRUE(Banner(player->qb_bravo));

    player->qb_selection_click(False());
    EXPECT_EQ(CheckPoints(), 4);
    EXPECT_TRUE(Banner(player->qb_faux_vrai));

    Show("/#Vrai ?#/ /#1#/");
    EXPECT_EQ(CheckPoints(), 2);
    EXPECT_FALSE(player->verdict_qb->Visible());
    EXPECT_TRUE(Ticked(player->qb_img_true));
    EXPECT_FALSE(Ticked(player->qb_img_false));
}

TEST_F(TrueFalseTest, FalseStatementPoints) {
    Show("/#Faux ?#/ /#0#/");
    player->qb_selection_click(False());
    EXPECT_EQ(CheckPoints(), 10);
    EXPECT_TRUE(Banner(player->qb_bravo));

    player->qb_selection_click(True());
    EXPECT_EQ(CheckPoints(), 4);
    EXPECT_TRUE(Banner(player->qb_faux_faux));

    Show("/#Faux ?#/ /#0#/");
    EXPECT_EQ(CheckPoints(), 2);
    EXPECT_TRUE(Ticked(player->qb_img_false));
    EXPECT_FALSE(Ticked(player->qb_img_true));
}

TEST_F(TrueFalseTest, OtherExpectedAnswersAreNeverRight) {
    for (const char* content : {"/#Peut-être ?#/ /#oui#/", "/#Peut-être ?#/ /##/", "/#Peut-être ?#/"}) {
        Show(content);
        EXPECT_EQ(CheckPoints(), 2) << content;
        EXPECT_TRUE(Ticked(player->qb_img_false)) << content;
        player->qb_selection_click(True());
        EXPECT_EQ(CheckPoints(), 4) << content;
        EXPECT_TRUE(Banner(player->qb_faux_faux)) << content;
        player->qb_selection_click(False());
        EXPECT_EQ(CheckPoints(), 4) << content;
        EXPECT_TRUE(Banner(player->qb_faux_vrai)) << content;
    }
}

TEST_F(TrueFalseTest, CheckWithoutPointsShowsTheSame) {
    Show("/#Vrai ?#/ /#1#/");
    player->qb_selection_click(False());
    player->ExoChecked = 1;
    player->ExoMark = -1;
    player->CheckQB();
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_TRUE(Banner(player->qb_faux_vrai));
}

TEST_F(TrueFalseTest, AnswersStayClickableAfterTheCheck) {
    Show("/#Vrai ?#/ /#1#/");
    player->qb_selection_click(False());
    CheckPoints();
    SendClick(True());
    EXPECT_EQ(True()->Hint(), "selected");
    // The verdict waits for the next check.
    EXPECT_TRUE(Banner(player->qb_faux_vrai));
    EXPECT_EQ(CheckPoints(), 10);
    EXPECT_TRUE(Banner(player->qb_bravo));
}

TEST_F(TrueFalseTest, BannersAndBoxesHavePictures) {
    for (TImage* p : {player->qb_img_select, player->qb_img_unselect, player->qb_bravo, player->qb_faux_vrai,
                      player->qb_faux_faux}) {
        EXPECT_FALSE(p->Picture().Empty()) << p->Name();
        EXPECT_FALSE(p->Visible()) << p->Name();
    }
    EXPECT_FALSE(SamePicture(player->qb_img_select, player->qb_img_unselect));
    EXPECT_FALSE(SamePicture(player->qb_bravo, player->qb_faux_vrai));
    EXPECT_FALSE(SamePicture(player->qb_faux_vrai, player->qb_faux_faux));
}

// A chapter of true-or-false exercises played through: right, wrong, skipped. With
// PLAYER_SCREENSHOT_DIR set, the corrected screen is saved there as qb_corrected.png.
TEST_F(TrueFalseTest, PlayAChapter) {
    SetExercises({Exo("N1", 2, "11", "/#Un triangle a trois côtés.#/ /#1#/"),
                  Exo("N1", 2, "12", "/#7 est un nombre pair.#/ /#0#/"),
                  Exo("N1", 2, "13", "/#Un carré a cinq sommets.#/ /#0#/")});
    player->Close();
    OpenChapter("Les grands nombres");
    EXPECT_EQ(Counter(), "1/3");
    SendClick(True());
    SendClick(player->AfficherNote);
    SendClick(player->LabelCorriger);
    EXPECT_TRUE(Banner(player->qb_bravo));
    EXPECT_TRUE(player->PanelNote->Visible());
    EXPECT_TRUE(SamePicture(player->ImgExoNote, player->Note10));
    if (const char* dir = std::getenv("PLAYER_SCREENSHOT_DIR"))
        player->grab().save(QString::fromLocal8Bit(dir) + "/qb_corrected.png");

    SendClick(player->LabelSuivant);
    SendClick(True());
    SendClick(player->LabelCorriger);
    EXPECT_TRUE(Banner(player->qb_faux_faux));
    EXPECT_TRUE(SamePicture(player->ImgExoNote, player->Note5));
    if (const char* dir = std::getenv("PLAYER_SCREENSHOT_DIR"))
        player->grab().save(QString::fromLocal8Bit(dir) + "/qb_wrong.png");

    SendClick(player->LabelSuivant);
    SendClick(player->LabelCorriger);
    EXPECT_TRUE(Ticked(player->qb_img_false));
    EXPECT_TRUE(SamePicture(player->ImgExoNote, player->Note3));
    SendClick(player->LabelSuivant);
    SendClick(player->LabelSuivant);
    EXPECT_EQ(ActivePage(), 8);

    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].at("ExoNote"), "10");
    EXPECT_EQ(rows[1].at("ExoNote"), "5");
    EXPECT_EQ(rows[2].at("ExoNote"), "3");
    for (const DbRow& r : rows) EXPECT_EQ(r.at("ExoType"), "QB");
}
