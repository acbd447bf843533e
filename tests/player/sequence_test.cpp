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
        EXPECT_EQ(player->CurrentExoIndex, std::atoi(counter));
        EXPECT_EQ(player->qb_statement->Caption(), "Affirmation " + std::to_string(statementNumber));
        EXPECT_EQ(ActivePage(), 2);
        EXPECT_EQ(player->NavDirection, 0);
        EXPECT_FALSE(player->ExoNotShown->Visible());
        EXPECT_TRUE(player->LabelVerification->Enabled() && player->LabelCorriger->Enabled());
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
    player->ShowForm();
    player->label_sommaireClick();
    EXPECT_FALSE(player->label_close_sommaire->Visible());   // no exercise shown yet
    player->Close();
    OpenChapter();
    ExpectShown("1/3", 1);
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:30:00");
    EXPECT_EQ(player->ChapterTitle, "Les grands nombres");
    EXPECT_EQ(player->ChapterCode, "N1");
    EXPECT_FALSE(player->jump_label->Enabled());
    // The table of contents and back: nothing is reloaded, the answer is still picked.
    player->qb_selection_click(player->qb_label_false);
    player->label_sommaireClick();
    EXPECT_EQ(ActivePage(), 8);
    SendClick(player->label_close_sommaire);
    EXPECT_EQ(ActivePage(), 2);
    EXPECT_EQ(player->qb_label_false->Hint(), "selected");
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
    EXPECT_EQ(std::make_tuple(player->ExoNumber, player->ExoStartTime, player->ExoEndTime, player->ExoVerifUsed,
                              player->ExoMark),
              std::make_tuple(AnsiString("103"), AnsiString("14/03/2024 09:45:00"), AnsiString(), 0, 0));
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
    Previous();
    ExpectNoneLeft(3);
}

// Records that cannot be shown (one that cannot be read, one of no known kind, one whose
// content holds no field) met by opening the chapter, by the jump list and by moves:
// the counter, the page and what can be marked always agree.
TEST_F(SequenceTest, RecordsThatCannotBeShownAndTheJumpList) {
    SetExercises(TrueFalseChapter(12));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 'x' WHERE numEXO = '101';"
                            "UPDATE exos_math_cm1 SET contenuEXO = 'rien' WHERE numEXO = '110';"
                            "UPDATE exos_math_cm1 SET typeEXO = 9 WHERE numEXO = '112'");
    auto expectNotShown = [&](const char* counter) {
        EXPECT_EQ(Counter(), counter);
        EXPECT_EQ(player->CurrentExoIndex, std::atoi(counter));
        EXPECT_LT(ActivePage(), 8);
        EXPECT_TRUE(player->ExoNotShown->Visible());
        EXPECT_EQ(player->ExoNotShown->Caption(), Ansi("Cet exercice ne peut pas être affiché."));
        EXPECT_FALSE(player->LabelVerification->Enabled() || player->LabelCorriger->Enabled());
    };
    // The first record: the word covers the page, which can be neither answered nor marked.
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
    SendClick(player->LabelCorriger);
    // A jump onto such a record does not leave exercise 2 under the counter.
    EXPECT_TRUE(player->jump_label->Enabled());
    SendClick(player->jump_label);
    player->jump_list->SelectByUser(1);
    expectNotShown("10/12");
    EXPECT_TRUE(player->jump_list->Visible());   // the list stays open
    clock.minute = 50;
    Next();
    ExpectShown("11/12", 11);
    EXPECT_EQ(player->ExoStartTime, "14/03/2024 09:50:00");
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
    player->jump_list->SelectByUser(0);
    expectNotShown("1/12");
    SendClick(player->label_close_jump);
    EXPECT_FALSE(player->jump_list->Visible() || player->label_close_jump->Visible());
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
