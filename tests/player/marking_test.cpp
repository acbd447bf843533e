// VERIFIER and CORRIGER: marks, badges and banners, the trace record, the done flag,
// the mark command and the full-marks animation.
#include "ChapterFixture.h"

namespace {

class MarkingTest : public ChapterTest {
protected:
    void PickTrue() { player->qb_selection_click(player->qb_label_true); }
    void PickFalse() { player->qb_selection_click(player->qb_label_false); }
    void Verify() { player->LabelVerificationClick(); }
    void Correct() { player->LabelCorrigerClick(); }
    bool BadgeIs(int mark) const { return SamePicture(player->ImgExoNote, player->NoteImage(mark)); }
    void ExpectBanners(TImage* banner) {
        for (TImage* v : {player->QCMverdict, player->QCCverdict, player->QTROverdict, player->QTRCverdict,
                          player->QMRverdict, player->QMTverdict}) {
            EXPECT_TRUE(v->Visible()) << v->Name();
            EXPECT_TRUE(SamePicture(v, banner)) << v->Name();
        }
        for (TImage* info : {player->QTROInfoNote, player->QTRCInfoNote, player->QMRInfoNote, player->QMTInfoNote})
            EXPECT_TRUE(info->Visible()) << info->Name();
    }
};

}  // namespace

TEST_F(MarkingTest, TrueOrFalseMarks) {
    // 10 points: full marks; 4 points (wrong answer): 5; 2 points (no answer): 3.
    SetExercises(TrueFalseChapter(3));
    OpenChapter("Les grands nombres");

    PickTrue();
    Correct();
    EXPECT_TRUE(BadgeIs(10));
    ExpectBanners(player->ToutBon);
    EXPECT_TRUE(player->yes_timer->Enabled());
    EXPECT_EQ(player->ExoMark, 0);   // reset once traced

    player->LabelSuivantClick();
    PickFalse();
    Correct();
    EXPECT_TRUE(BadgeIs(5));
    ExpectBanners(player->PasMal);
    EXPECT_FALSE(player->yes_timer->Enabled());

    player->LabelSuivantClick();
    Correct();
    EXPECT_TRUE(BadgeIs(3));

    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].at("ExoNote"), "10");
    EXPECT_EQ(rows[1].at("ExoNote"), "5");
    EXPECT_EQ(rows[2].at("ExoNote"), "3");
}

TEST_F(MarkingTest, VerifierCostsAPointWherePointsAreCounted) {
    // The multiple-choice page has no points to give here: the correction alone gives
    // 1, after VERIFIER 0.
    SetExercises({Exo("N1", 1, "301", "/#Choisis.#/"), Exo("N1", 1, "302", "/#Choisis.#/")});
    OpenChapter("Les grands nombres");
    Correct();
    EXPECT_TRUE(BadgeIs(1));
    player->LabelSuivantClick();
    Verify();
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_EQ(player->ExoChecked, 1);
    Correct();
    EXPECT_TRUE(BadgeIs(0));
    ExpectBanners(player->PasMal);
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("ExoNote"), "1");
    EXPECT_EQ(rows[0].at("ExoUseverif"), "0");
    EXPECT_EQ(rows[1].at("ExoNote"), "0");
    EXPECT_EQ(rows[1].at("ExoUseverif"), "1");
}

TEST_F(MarkingTest, VerifierTwiceCorrectsOnce) {
    SetExercises({Exo("N1", 1, "301", "/#Choisis.#/")});
    OpenChapter("Les grands nombres");
    Verify();
    EXPECT_TRUE(TraceRows().empty());
    Verify();
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("ExoUseverif"), "1");
    EXPECT_EQ(rows[0].at("ExoNote"), "0");
    EXPECT_EQ(player->ExoChecked, 0);
    EXPECT_FALSE(player->LabelVerification->Enabled());
    EXPECT_FALSE(player->LabelCorriger->Enabled());
    // Disabled commands do nothing.
    player->LabelCorriger->Click();
    player->LabelVerification->Click();
    EXPECT_EQ(TraceRows().size(), 1u);
}

TEST_F(MarkingTest, VerifierOnTrueOrFalseShowsTheFullCheck) {
    SetExercises(TrueFalseChapter(1));
    OpenChapter("Les grands nombres");
    PickTrue();
    Verify();
    EXPECT_TRUE(player->verdict_qb->Visible());
    EXPECT_TRUE(SamePicture(player->verdict_qb, player->qb_bravo));
    EXPECT_EQ(player->ExoMark, 9);       // -1 and the 10 points
    EXPECT_EQ(player->ExoChecked, 0);
    // Another VERIFIER checks again; it does not correct.
    Verify();
    EXPECT_TRUE(TraceRows().empty());
    EXPECT_TRUE(player->LabelCorriger->Enabled());

    Correct();
    EXPECT_TRUE(BadgeIs(10));
    ExpectBanners(player->ToutBon);
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("ExoNote"), "10");
    EXPECT_EQ(rows[0].at("ExoUseverif"), "1");
}

TEST_F(MarkingTest, TraceRecordFieldByField) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter("Les grands nombres");
    clock.minute = 31;
    player->LabelSuivantClick();
    Verify();
    PickFalse();
    clock = {2024, 3, 14, 9, 41, 5};
    Correct();

    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    const DbRow& r = rows[0];
    EXPECT_EQ(r.at("ExoCode"), "102");
    EXPECT_EQ(r.at("ExoStart"), "14/03/2024 09:31:00");
    EXPECT_EQ(r.at("ExoEnd"), "14/03/2024 09:41:05");
    EXPECT_EQ(r.at("ExoNote"), "5");
    EXPECT_EQ(r.at("ExoUseverif"), "1");
    EXPECT_EQ(r.at("ExoType"), "QB");
    EXPECT_EQ(r.at("ExoChap"), "Les grands nombres");
    EXPECT_EQ(r.at("ExoChapcode"), "N1");
    EXPECT_EQ(player->ExoEndTime, "14/03/2024 09:41:05");
}

TEST_F(MarkingTest, DoneFlagOnTheCorrectedRecordOnly) {
    std::vector<ExerciseRecord> exos = TrueFalseChapter(3);
    exos.push_back(Exo("N2", 2, "201", "/#Autre chapitre#/ /#0#/"));
    SetExercises(exos);
    OpenChapter("Les grands nombres");
    player->LabelSuivantClick();
    Correct();

    std::vector<DbRow> rows = ExerciseRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at("resoluEXO"), "0");
    EXPECT_EQ(rows[1].at("resoluEXO"), "1");
    EXPECT_EQ(rows[2].at("resoluEXO"), "0");
    EXPECT_EQ(rows[3].at("resoluEXO"), "0");
    // The flag leaves the content and the walk alone.
    EXPECT_EQ(rows[1].at("numEXO"), "102");
    player->LabelSuivantClick();
    EXPECT_EQ(Counter(), "3/3");
    EXPECT_EQ(player->ExoNumber, "103");
    Correct();
    rows = ExerciseRows();
    EXPECT_EQ(rows[2].at("resoluEXO"), "1");
    EXPECT_EQ(rows[0].at("resoluEXO"), "0");
}

TEST_F(MarkingTest, MarkCommandKeepsTheLearnersChoice) {
    SetExercises(TrueFalseChapter(3));
    OpenChapter("Les grands nombres");
    EXPECT_EQ(player->AfficherNote->Caption(), "AFFICHER MA NOTE");
    PickTrue();
    Correct();
    EXPECT_FALSE(player->PanelNote->Visible());
    EXPECT_TRUE(BadgeIs(10));

    SendClick(player->AfficherNote);
    EXPECT_EQ(player->AfficherNote->Caption(), "MASQUER MA NOTE");
    EXPECT_TRUE(player->PanelNote->Visible());

    player->LabelSuivantClick();
    EXPECT_FALSE(player->PanelNote->Visible());
    EXPECT_EQ(player->AfficherNote->Caption(), "MASQUER MA NOTE");
    Correct();
    EXPECT_TRUE(player->PanelNote->Visible());
    EXPECT_TRUE(BadgeIs(3));

    player->AfficherNoteClick();
    EXPECT_EQ(player->AfficherNote->Caption(), "AFFICHER MA NOTE");
    EXPECT_FALSE(player->PanelNote->Visible());
    player->LabelSuivantClick();
    Correct();
    EXPECT_FALSE(player->PanelNote->Visible());
}

TEST_F(MarkingTest, FullMarksAnimationAlternates) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter("Les grands nombres");
    PickTrue();
    Correct();
    ASSERT_TRUE(player->yes_timer->Enabled());
    EXPECT_EQ(player->yes_timer->Interval(), 1000);
    EXPECT_FALSE(player->yes_1->Visible());
    EXPECT_FALSE(player->yes_2->Visible());
    player->yes_timer->Fire();
    EXPECT_TRUE(player->yes_1->Visible());
    EXPECT_FALSE(player->yes_2->Visible());
    player->yes_timer->Fire();
    EXPECT_FALSE(player->yes_1->Visible());
    EXPECT_TRUE(player->yes_2->Visible());
    player->yes_timer->Fire();
    EXPECT_TRUE(player->yes_1->Visible());
    EXPECT_FALSE(player->yes_2->Visible());

    // Anything less stops it.
    player->LabelSuivantClick();
    PickFalse();
    Correct();
    EXPECT_FALSE(player->yes_timer->Enabled());
}

TEST_F(MarkingTest, AMissingTraceTableLosesOnlyThatRecord) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter("Les grands nombres");
    ExecSql(data->TraceDb(), "ALTER TABLE TraceExo RENAME TO TraceExoAside");
    PickTrue();
    Correct();
    // The correction shows what it could and ends its attempt.
    EXPECT_TRUE(BadgeIs(10));
    EXPECT_FALSE(player->LabelCorriger->Enabled());
    EXPECT_FALSE(player->LabelVerification->Enabled());
    EXPECT_EQ(player->ExoChecked, 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(ExerciseRows()[0].at("resoluEXO"), "0");

    ExecSql(data->TraceDb(), "ALTER TABLE TraceExoAside RENAME TO TraceExo");
    player->LabelSuivantClick();
    PickTrue();
    Correct();
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("ExoCode"), "102");
}

TEST_F(MarkingTest, ATraceRecordRefusedOnPostIsNotWrittenLater) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter("Les grands nombres");
    ExecSql(data->TraceDb(),
            "CREATE TRIGGER refuse BEFORE INSERT ON TraceExo BEGIN SELECT RAISE(ABORT, 'refused'); END");
    Correct();
    EXPECT_FALSE(player->LabelCorriger->Enabled());
    EXPECT_TRUE(TraceRows().empty());

    ExecSql(data->TraceDb(), "DROP TRIGGER refuse");
    player->LabelSuivantClick();
    Correct();
    // Only the second exercise: the refused record is not carried into the next one.
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("ExoCode"), "102");
}

TEST_F(MarkingTest, CorrigerAnswersARealClick) {
    SetExercises(TrueFalseChapter(1));
    OpenChapter("Les grands nombres");
    SendClick(player->qb_label_false);
    SendClick(player->LabelCorriger);
    EXPECT_EQ(TraceRows().size(), 1u);
    EXPECT_TRUE(BadgeIs(5));
}
