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
    EXPECT_EQ(player->CurrentExoIndex, 3);
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
    EXPECT_EQ(player->CurrentExoIndex, 1);
    Previous();
    ExpectNoneLeft(3);
}

// Records that cannot be shown: one that cannot be read, one of no known kind and one
// whose content holds no field. The counter, the page and what can be marked agree.
TEST_F(SequenceTest, RecordsThatCannotBeShown) {
    SetExercises(TrueFalseChapter(12));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO = '101';"
                            "UPDATE exos_math_cm1 SET contenuEXO = 'rien' WHERE numEXO = '110';"
                            "UPDATE exos_math_cm1 SET typeEXO = 9 WHERE numEXO = '112'");
    const AnsiString word = Utf8ToAnsi("Cet exercice ne peut pas être affiché.");
    auto expectNotShown = [&](const char* counter) {
        EXPECT_EQ(Counter(), counter);
        EXPECT_EQ(player->CurrentExoIndex, std::atoi(counter));
        EXPECT_LT(ActivePage(), 8);
        EXPECT_TRUE(player->ExoNotShown->Visible());
        EXPECT_EQ(player->ExoNotShown->Caption(), word);
        EXPECT_FALSE(player->LabelVerification->Enabled() || player->LabelCorriger->Enabled());
    };
    // The first record: the word covers the page, which cannot be answered nor marked.
    OpenChapter();
    expectNotShown("1/12");
    const QPoint middle = player->ExoNotShown->mapTo(player, player->ExoNotShown->rect().center());
    EXPECT_EQ(ClickAt(player, middle.x(), middle.y()), player->ExoNotShown);
    player->LabelVerificationClick();
    player->LabelCorrigerClick();
    EXPECT_TRUE(TraceRows().empty());
    // The word stands on the exercise pages only.
    player->label_sommaireClick();
    EXPECT_FALSE(player->ExoNotShown->Visible());
    player->label_close_sommaireClick();
    expectNotShown("1/12");
    player->LabelExoHelpButtonClick();
    EXPECT_FALSE(player->ExoNotShown->Visible());
    player->Label_Close_AideClick();
    expectNotShown("1/12");

    Next();
    ExpectShown("2/12", 2);
    EXPECT_FALSE(player->ExoNotShown->Visible());
    EXPECT_TRUE(player->LabelCorriger->Enabled());
    // A jump onto such a record does not leave exercise 2 under the counter.
    player->jump_list->SelectByUser(1);
    expectNotShown("10/12");
    Next();
    ExpectShown("11/12", 11);
    // Only such a record left: the end of the chapter, the counter on that record.
    Next();
    ExpectNoneLeft(1);
    EXPECT_EQ(Counter(), "12/12");
    player->label_close_sommaireClick();
    expectNotShown("12/12");
    // Going back skips them; the counter follows the cursor.
    Previous();
    ExpectShown("11/12", 11);
    Previous();
    ExpectShown("9/12", 9);
    EXPECT_TRUE(player->LabelCorriger->Enabled());
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
