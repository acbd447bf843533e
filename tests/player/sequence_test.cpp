// Walking a chapter: "SUIVANT", the previous command, the ends of the list, records
// that cannot be shown, the jump list, the table-of-contents command and the attempt.
#include "ChapterFixture.h"

namespace {

class SequenceTest : public ChapterTest {
protected:
    void Next() { player->LabelSuivantClick(); }
    void Previous() { player->label_previousClick(); }
    void ExpectShown(const char* counter, int statementNumber) {
        EXPECT_EQ(Counter(), counter);
        EXPECT_EQ(player->qb_statement->Caption(), "Affirmation " + std::to_string(statementNumber));
        EXPECT_EQ(ActivePage(), 2);
        EXPECT_EQ(player->NavDirection, 0);
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

TEST_F(SequenceTest, ForwardPastTheEndThenBackPastTheStart) {
    SetExercises(TrueFalseChapter(3));
    OpenChapter();
    ExpectShown("1/3", 1);
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:30:00");
    EXPECT_EQ(player->ChapterTitle, "Les grands nombres");
    EXPECT_EQ(player->ChapterCode, "N1");
    EXPECT_FALSE(player->jump_label->Enabled());
    // The list starts on its first record: nothing before it.
    Previous();
    ExpectNoneLeft(1);

    SendClick(player->LabelSuivant);
    ExpectShown("2/3", 2);
    Next();
    ExpectShown("3/3", 3);
    player->LabelVerificationClick();
    player->qb_selection_click(player->qb_label_true);
    player->LabelCorrigerClick();
    player->yes_timer->Fire();

    // The last record again, as a fresh attempt with the counter unchanged, and nothing
    // left of the correction.
    clock.minute = 45;
    Next();
    ExpectShown("3/3", 3);
    EXPECT_EQ(player->ExoNumber, "103");
    EXPECT_EQ(player->CurrentExoIndex, 4);   // one step past the counter, as the move asked
    EXPECT_TRUE(player->LabelCorriger->Enabled());
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:45:00");
    EXPECT_EQ(player->ExoEndTime, "");
    EXPECT_EQ(player->ExoVerifUsed, 0);
    EXPECT_EQ(player->ExoMark, 0);
    EXPECT_FALSE(player->yes_timer->Enabled());
    for (TControl* c : std::initializer_list<TControl*>{player->yes_1, player->QCMverdict, player->QMTInfoNote,
                                                       player->verdict_qb})
        EXPECT_FALSE(c->Visible()) << c->Name();
    Next();
    ExpectNoneLeft(2);

    // The list stays open: the other direction works again, down to the first record.
    SendClick(player->label_previous);
    ExpectShown("2/3", 2);
    Previous();
    ExpectShown("1/3", 1);
    clock.minute = 50;
    Previous();
    ExpectShown("1/3", 1);
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:50:00");
    EXPECT_EQ(player->CurrentExoIndex, 0);
    Previous();
    ExpectNoneLeft(3);
}

TEST_F(SequenceTest, RecordsThatCannotBeReadAreSkippedAndCounted) {
    SetExercises(TrueFalseChapter(6));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO IN ('101', '103', '105', '106')");
    // Opening on such a record shows nothing but keeps the counter.
    OpenChapter();
    EXPECT_EQ(player->ExoLoadDone, 0);
    EXPECT_EQ(Counter(), "1/6");
    Next();
    ExpectShown("2/6", 2);
    // Skipped by "SUIVANT": the counter advances by two and keeps following the cursor.
    Next();
    ExpectShown("4/6", 4);

    // Only such records are left: the end of the chapter, and nothing to correct, since
    // the page still holds exercise 4.
    Next();
    ExpectNoneLeft(1);
    EXPECT_FALSE(player->LabelCorriger->Enabled());
    EXPECT_FALSE(player->LabelVerification->Enabled());
    EXPECT_EQ(Counter(), "6/6");
    Previous();
    ExpectShown("4/6", 4);
    EXPECT_TRUE(player->LabelCorriger->Enabled());
    Previous();
    ExpectShown("2/6", 2);
}

TEST_F(SequenceTest, KindsAreShownOnTheirPages) {
    SetExercises({Exo("N1", 3, "201", "/#Combien font 2 et 2 ?#/ /#4#/"), Exo("N1", 2, "202", "/#Vrai.#/ /#1#/"),
                  Exo("N1", 1, "203", "/#Choisis.#/ /#oui#/"), Exo("N1", 8, "204", "/#Recopie.#/ /#texte#/")});
    OpenChapter();
    const std::pair<int, const char*> pages[] = {{1, "QO"}, {2, "QB"}, {0, "QCM"}, {7, "QMT"}};
    for (const auto& [page, kind] : pages) {
        EXPECT_EQ(ActivePage(), page) << kind;
        EXPECT_EQ(player->CurrentExoPage, page) << kind;
        EXPECT_EQ(player->ExoTypeName, kind);
        Next();
    }
    EXPECT_EQ(player->qo_statement->Caption(), "Combien font 2 et 2 ?");
}

TEST_F(SequenceTest, JumpThenSuivant) {
    SetExercises(TrueFalseChapter(25));
    OpenChapter();
    EXPECT_EQ(player->jump_list->Items().Items(), std::vector<AnsiString>({" 1", "10", "20"}));
    EXPECT_TRUE(player->jump_label->Enabled());
    player->jump_labelClick();
    EXPECT_TRUE(player->jump_list->Visible());
    EXPECT_TRUE(player->label_close_jump->Visible());
    EXPECT_EQ(player->Panel_Jump->Width(), 75);

    player->LabelCorrigerClick();
    clock.minute = 50;
    player->jump_list->SelectByUser(1);
    ExpectShown("10/25", 10);
    EXPECT_EQ(player->CurrentExoIndex, 10);
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:50:00");
    EXPECT_TRUE(player->LabelCorriger->Enabled());
    EXPECT_TRUE(player->jump_list->Visible());   // the list stays open
    Next();
    ExpectShown("11/25", 11);
    // The first entry: the start of the list again.
    player->jump_list->SelectByUser(0);
    ExpectShown("1/25", 1);
    Previous();
    ExpectNoneLeft(1);

    SendEnter(player->label_close_jump);
    EXPECT_EQ(player->label_close_jump->Font().Color(), 255);
    SendLeave(player->label_close_jump);
    EXPECT_EQ(player->label_close_jump->Font().Color(), 0x800000);
    player->label_close_jumpClick();
    EXPECT_FALSE(player->jump_list->Visible());
    EXPECT_FALSE(player->label_close_jump->Visible());
    EXPECT_EQ(player->Panel_Jump->Width(), 30);
}

TEST_F(SequenceTest, TableOfContentsAndBack) {
    SetExercises(TrueFalseChapter(3));
    player->ShowForm();
    player->label_sommaireClick();
    EXPECT_FALSE(player->label_close_sommaire->Visible());   // no exercise shown yet
    player->Close();

    OpenChapter();
    player->qb_selection_click(player->qb_label_false);
    player->label_sommaireClick();
    EXPECT_EQ(ActivePage(), 8);
    ASSERT_TRUE(player->label_close_sommaire->Visible());
    SendEnter(player->label_close_sommaire);
    EXPECT_EQ(player->label_close_sommaire->Font().Color(), 255);
    SendLeave(player->label_close_sommaire);
    EXPECT_EQ(player->label_close_sommaire->Font().Color(), 0x800000);
    player->label_close_sommaireClick();
    EXPECT_EQ(ActivePage(), 2);
    // Nothing was reloaded: the answer is still picked.
    EXPECT_EQ(player->qb_label_false->Hint(), "selected");
}
