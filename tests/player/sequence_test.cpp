// Walking a chapter: "SUIVANT", the previous command, the ends of the list, records
// that cannot be shown, the jump list, the table-of-contents command and the attempt.
#include "ChapterFixture.h"

namespace {

class SequenceTest : public ChapterTest {
protected:
    void Previous() { SendClick(player->label_previous); }
    // The counter, the cursor and the page agree: exercise `statement` on its page,
    // or (0) the word that it cannot be shown, with nothing to answer or mark.
    void ExpectOn(const char* counter, int statement) {
        EXPECT_EQ(Counter(), counter);
        EXPECT_EQ(player->CurrentExoIndex, std::atoi(counter));
        EXPECT_TRUE(statement ? ActivePage() == 2 : ActivePage() < 8);
        EXPECT_EQ(player->ExoNotShown->Visible(), statement == 0);
        EXPECT_EQ(player->LabelVerification->Enabled() && player->LabelCorriger->Enabled(), statement != 0);
        if (statement) EXPECT_EQ(player->qb_statement->Caption(), "Affirmation " + std::to_string(statement));
        else EXPECT_EQ(player->ExoNotShown->Caption(), Ansi("Cet exercice ne peut pas être affiché."));
    }
    // The message was the last thing shown, with the table of contents.
    void ExpectNoneLeft(size_t messagesSoFar) {
        ASSERT_EQ(dialogs.size(), messagesSoFar);
        EXPECT_EQ(dialogs.back(), "Aucun exercice restant pour ce chapitre");
        EXPECT_EQ(ActivePage(), 8);
        EXPECT_EQ(player->NavDirection, 0);
    }
};

}  // namespace

// Records that cannot be shown (one that cannot be read, one whose content holds no
// field, one of no known kind) met by opening the chapter, by moves both ways and by the
// jump list; the ends of the list; the table of contents and back; the last record again.
TEST_F(SequenceTest, AWalkBothWaysPastRecordsThatCannotBeShown) {
    SetExercises(TrueFalseChapter(12));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO = '101';"
                            "UPDATE exos_math_cm1 SET contenuEXO = 'rien' WHERE numEXO = '110';"
                            "UPDATE exos_math_cm1 SET typeEXO = 9 WHERE numEXO = '111'");
    player->ShowForm();
    player->label_sommaireClick();
    EXPECT_FALSE(player->label_close_sommaire->Visible());   // no exercise shown yet
    player->Close();
    // The first record: the word covers the page, whose commands do nothing.
    OpenChapter();
    ExpectOn("1/12", 0);
    const QPoint middle = player->ExoNotShown->mapTo(player, player->ExoNotShown->rect().center());
    EXPECT_EQ(ClickAt(player, middle.x(), middle.y()), player->ExoNotShown);
    player->LabelVerificationClick();
    player->LabelCorrigerClick();
    EXPECT_TRUE(TraceRows().empty());
    // The word stands on the exercise pages only.
    player->LabelExoHelpButtonClick();
    EXPECT_FALSE(player->ExoNotShown->Visible());
    player->Label_Close_AideClick();
    ExpectOn("1/12", 0);

    Next();
    ExpectOn("2/12", 2);
    // The table of contents and back: nothing is reloaded, the answer is still picked.
    SendClick(player->qb_label_false);
    SendClick(player->label_sommaire);
    EXPECT_EQ(ActivePage(), 8);
    SendClick(player->label_close_sommaire);
    EXPECT_EQ(player->qb_label_false->Hint(), "selected");
    // Only such a record left: the end of the list, the counter on that record.
    Previous();
    ExpectNoneLeft(1);
    player->label_close_sommaireClick();
    ExpectOn("1/12", 0);
    Next();
    Correct();
    // A jump onto such a record does not leave exercise 2 under the counter.
    SendClick(player->jump_label);
    player->jump_list->SelectByUser(1);
    ExpectOn("10/12", 0);
    EXPECT_TRUE(player->jump_list->Visible());   // the list stays open
    Next();
    ExpectOn("12/12", 12);
    SendClick(player->qb_label_true);
    Verify();
    Correct();
    ASSERT_TRUE(player->yes_timer->Enabled());
    // The last record again, as a fresh attempt with the counter unchanged.
    clock.minute = 45;
    Next();
    ExpectOn("12/12", 12);
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:45:00");
    EXPECT_EQ(player->ExoVerifUsed + player->ExoMark, 0);
    EXPECT_FALSE(player->yes_timer->Enabled() || player->verdict_qb->Visible() || player->QCMverdict->Visible());
    Next();
    ExpectNoneLeft(2);
    // The list stays open: going back skips such records; the counter follows the cursor.
    Previous();
    ExpectOn("9/12", 9);
    player->jump_list->SelectByUser(0);
    ExpectOn("1/12", 0);
    SendClick(player->label_close_jump);
    EXPECT_FALSE(player->jump_list->Visible() || player->label_close_jump->Visible());
    EXPECT_EQ(Traced("ExoCode"), (std::vector<std::string>{"102", "112"}));
}
