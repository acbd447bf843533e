// Walking a chapter: "SUIVANT", the previous command, the ends of the list, records
// that cannot be shown, the jump list, the table-of-contents command and the attempt.
#include "ChapterFixture.h"

namespace {

const char* const kNoneLeft = "Aucun exercice restant pour ce chapitre";

class SequenceTest : public ChapterTest {
protected:
    void Next() { player->LabelSuivantClick(); }
    void Previous() { player->label_previousClick(); }
    void ExpectShown(const char* counter, int statementNumber) {
        EXPECT_EQ(Counter(), counter);
        EXPECT_EQ(Statement(), "Affirmation " + std::to_string(statementNumber));
        EXPECT_EQ(ActivePage(), 2);
        EXPECT_EQ(player->NavDirection, 0);
    }
    // The trace and the attempt show whether a fresh attempt started.
    void Correct() { player->LabelCorrigerClick(); }
};

}  // namespace

TEST_F(SequenceTest, ForwardPastTheEndThenBackPastTheStart) {
    SetExercises(TrueFalseChapter(3));
    OpenChapter("Les grands nombres");
    ExpectShown("1/3", 1);
    EXPECT_EQ(player->CurrentExoIndex, 1);
    EXPECT_EQ(player->ExoNumber, "101");

    Next();
    ExpectShown("2/3", 2);
    Next();
    ExpectShown("3/3", 3);
    Correct();
    EXPECT_FALSE(player->LabelCorriger->Enabled());

    // The last record again, as a fresh attempt with the counter unchanged.
    clock.minute = 45;
    Next();
    ExpectShown("3/3", 3);
    EXPECT_EQ(player->ExoNumber, "103");
    EXPECT_TRUE(player->LabelCorriger->Enabled());
    EXPECT_TRUE(player->LabelVerification->Enabled());
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:45:00");
    EXPECT_EQ(player->ExoMark, 0);
    EXPECT_TRUE(dialogs.empty());

    Next();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], kNoneLeft);
    EXPECT_EQ(ActivePage(), 8);

    // The list stays open: the other direction works again.
    Previous();
    ExpectShown("2/3", 2);
    Previous();
    ExpectShown("1/3", 1);
    Previous();
    ExpectShown("1/3", 1);
    EXPECT_EQ(dialogs.size(), 1u);
    Previous();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1], kNoneLeft);
    EXPECT_EQ(ActivePage(), 8);
    EXPECT_EQ(player->NavDirection, 0);
}

TEST_F(SequenceTest, PreviousRightAfterOpeningFindsNothing) {
    SetExercises(TrueFalseChapter(3));
    OpenChapter("Les grands nombres");
    Previous();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], kNoneLeft);
    EXPECT_EQ(ActivePage(), 8);
    EXPECT_EQ(Counter(), "1/3");
    EXPECT_EQ(player->NavDirection, 0);
    // Forward still works from the first record.
    Next();
    ExpectShown("2/3", 2);
}

TEST_F(SequenceTest, ARecordThatCannotBeReadIsSkippedAndCounted) {
    SetExercises(TrueFalseChapter(4));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO = '102'");
    OpenChapter("Les grands nombres");
    ExpectShown("1/4", 1);

    Next();
    ExpectShown("3/4", 3);
    EXPECT_EQ(player->ExoNumber, "103");
    EXPECT_EQ(player->ExoLoadDone, 1);
    // The counter follows the cursor, so going back passes the same record again.
    Next();
    ExpectShown("4/4", 4);
    Previous();
    ExpectShown("3/4", 3);
    Previous();
    ExpectShown("1/4", 1);
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(SequenceTest, OnlyUnreadableRecordsLeftEndsTheChapter) {
    SetExercises(TrueFalseChapter(3));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO IN ('102', '103')");
    OpenChapter("Les grands nombres");
    Correct();
    ASSERT_EQ(TraceRows().size(), 1u);

    Next();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], kNoneLeft);
    EXPECT_EQ(ActivePage(), 8);
    // Nothing to correct: no second trace record can be made.
    EXPECT_FALSE(player->LabelCorriger->Enabled());
    EXPECT_FALSE(player->LabelVerification->Enabled());
    // Back to the first record, which is shown again.
    Previous();
    ExpectShown("1/3", 1);
    EXPECT_TRUE(player->LabelCorriger->Enabled());
}

TEST_F(SequenceTest, OpeningOnAnUnreadableRecordShowsNothingButKeepsTheCounter) {
    SetExercises(TrueFalseChapter(2));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO = '101'");
    OpenChapter("Les grands nombres");
    EXPECT_EQ(player->ExoLoadDone, 0);
    EXPECT_EQ(Counter(), "1/2");
    Next();
    ExpectShown("2/2", 2);
}

TEST_F(SequenceTest, KindsAreShownOnTheirPages) {
    SetExercises({Exo("N1", 3, "201", "/#Combien font 2 et 2 ?#/ /#4#/"),
                  Exo("N1", 2, "202", "/#La Terre est ronde.#/ /#1#/"),
                  Exo("N1", 1, "203", "/#Choisis.#/ /#oui#/ /#non#/")});
    OpenChapter("Les grands nombres");
    EXPECT_EQ(ActivePage(), 1);
    EXPECT_EQ(player->ExoTypeName, "QO");
    EXPECT_EQ(player->qo_statement->Caption(), "Combien font 2 et 2 ?");
    EXPECT_EQ(player->CurrentExoPage, 1);
    Next();
    EXPECT_EQ(ActivePage(), 2);
    EXPECT_EQ(player->ExoTypeName, "QB");
    EXPECT_EQ(Statement(), "La Terre est ronde.");
    Next();
    EXPECT_EQ(ActivePage(), 0);
    EXPECT_EQ(player->ExoTypeName, "QCM");
    EXPECT_EQ(player->CurrentExoPage, 0);
}

TEST_F(SequenceTest, EachAttemptStartsClean) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter("Les grands nombres");
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:30:00");
    EXPECT_EQ(player->ExoEndTime, "");
    EXPECT_EQ(player->ExoTypeName, "QB");
    EXPECT_EQ(player->ExoVerifUsed, 0);
    EXPECT_EQ(player->ChapterTitle, Ansi("Les grands nombres"));
    EXPECT_EQ(player->ChapterCode, "N1");

    player->LabelVerificationClick();
    EXPECT_EQ(player->ExoVerifUsed, 1);
    player->qb_selection_click(player->qb_label_true);
    Correct();
    EXPECT_TRUE(player->yes_timer->Enabled());
    player->AfficherNoteClick();
    EXPECT_TRUE(player->PanelNote->Visible());

    clock.hour = 10;
    Next();
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 10:30:00");
    EXPECT_EQ(player->ExoEndTime, "");
    EXPECT_EQ(player->ExoVerifUsed, 0);
    EXPECT_EQ(player->ExoMark, 0);
    EXPECT_EQ(player->ExoChecked, 0);
    EXPECT_EQ(player->ExoNumber, "102");
    // What the correction left is gone; the mark command keeps the learner's choice.
    EXPECT_FALSE(player->yes_timer->Enabled());
    EXPECT_FALSE(player->yes_1->Visible());
    EXPECT_FALSE(player->yes_2->Visible());
    EXPECT_FALSE(player->PanelNote->Visible());
    EXPECT_FALSE(player->QCMverdict->Visible());
    EXPECT_FALSE(player->QMTInfoNote->Visible());
    EXPECT_FALSE(player->verdict_qb->Visible());
    EXPECT_EQ(player->AfficherNote->Caption(), "MASQUER MA NOTE");
}

TEST_F(SequenceTest, SuivantAnswersARealClick) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter("Les grands nombres");
    SendClick(player->LabelSuivant);
    ExpectShown("2/2", 2);
    SendClick(player->label_previous);
    ExpectShown("1/2", 1);
}

TEST_F(SequenceTest, JumpListFollowsTheChapterSize) {
    struct Case {
        int n;
        std::vector<AnsiString> entries;
    };
    const Case cases[] = {
        {10, {"1"}},
        {11, {" 1", "10"}},
        {25, {" 1", "10", "20"}},
        {30, {" 1", "10", "20"}},
    };
    for (const Case& c : cases) {
        SetExercises(TrueFalseChapter(c.n));
        OpenChapter("Les grands nombres");
        EXPECT_EQ(Counter(), "1/" + std::to_string(c.n));
        EXPECT_EQ(player->jump_list->Items().Items(), c.entries) << c.n;
        EXPECT_EQ(player->jump_label->Enabled(), c.n > 10) << c.n;
        player->Close();
    }
}

TEST_F(SequenceTest, JumpListOfALongChapter) {
    SetExercises(TrueFalseChapter(150));
    OpenChapter("Les grands nombres");
    const TStringList items = player->jump_list->Items();
    ASSERT_EQ(items.Count(), 15);
    EXPECT_EQ(items[0], "  1");
    EXPECT_EQ(items[1], " 10");
    EXPECT_EQ(items[9], " 90");
    EXPECT_EQ(items[10], " 100");
    EXPECT_EQ(items[14], " 140");
    player->jump_list->SelectByUser(14);
    ExpectShown("140/150", 140);
}

TEST_F(SequenceTest, JumpThenSuivant) {
    SetExercises(TrueFalseChapter(25));
    OpenChapter("Les grands nombres");
    EXPECT_FALSE(player->jump_list->Visible());
    player->jump_labelClick();
    EXPECT_TRUE(player->jump_list->Visible());
    EXPECT_TRUE(player->label_close_jump->Visible());
    EXPECT_EQ(player->Panel_Jump->Width(), 75);

    Correct();
    clock.minute = 50;
    player->jump_list->SelectByUser(1);
    ExpectShown("10/25", 10);
    EXPECT_EQ(player->CurrentExoIndex, 10);
    EXPECT_EQ(player->ExoNumber, "110");
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:50:00");
    EXPECT_TRUE(player->LabelCorriger->Enabled());
    // The list stays open.
    EXPECT_TRUE(player->jump_list->Visible());

    Next();
    ExpectShown("11/25", 11);
    player->jump_list->SelectByUser(0);
    ExpectShown("1/25", 1);
    Previous();
    EXPECT_EQ(dialogs.size(), 1u);

    player->label_close_jumpClick();
    EXPECT_FALSE(player->jump_list->Visible());
    EXPECT_FALSE(player->label_close_jump->Visible());
    EXPECT_EQ(player->Panel_Jump->Width(), 30);
}

TEST_F(SequenceTest, TableOfContentsAndBack) {
    SetExercises(TrueFalseChapter(3));
    player->ShowForm();
    player->label_sommaireClick();
    EXPECT_EQ(ActivePage(), 8);
    EXPECT_FALSE(player->label_close_sommaire->Visible());
    player->Close();

    OpenChapter("Les grands nombres");
    player->qb_selection_click(player->qb_label_false);
    player->label_sommaireClick();
    EXPECT_EQ(ActivePage(), 8);
    EXPECT_TRUE(player->label_close_sommaire->Visible());
    player->label_close_sommaireClick();
    EXPECT_EQ(ActivePage(), 2);
    // Nothing was reloaded: the answer is still picked.
    EXPECT_EQ(player->qb_label_false->Hint(), "selected");
    EXPECT_EQ(Counter(), "1/3");

    // Shown again, the player has shown no exercise yet.
    player->Close();
    player->ShowForm();
    player->label_sommaireClick();
    EXPECT_FALSE(player->label_close_sommaire->Visible());
}

TEST_F(SequenceTest, CloseLabelsTurnRedWhileHovered) {
    for (TLabel* label : {player->label_close_jump, player->label_close_sommaire}) {
        label->Show();
        SendEnter(label);
        EXPECT_EQ(label->Font().Color(), 255) << label->Name();
        SendLeave(label);
        EXPECT_EQ(label->Font().Color(), 0x800000) << label->Name();
    }
}
