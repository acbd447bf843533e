// VERIFIER and CORRIGER: marks and banners, the trace record and the done flag, and
// results that wait for a locked trace (the marks of a whole chapter: qb_test's PlayAChapter).
#include "ChapterFixture.h"
#include "LockedDatabase.h"

namespace {

using Texts = std::vector<std::string>;

class MarkingTest : public ChapterTest {
protected:
    void Verify() { player->LabelVerificationClick(); }
    void Correct() { player->LabelCorrigerClick(); }
    void Next() { player->LabelSuivantClick(); }
    bool BadgeIs(int mark) const { return SamePicture(player->ImgExoNote, player->NoteImage(mark)); }
    void ExpectCorrected(TImage* banner) {
        EXPECT_FALSE(player->LabelCorriger->Enabled());
        EXPECT_FALSE(player->LabelVerification->Enabled());
        EXPECT_EQ(player->ExoChecked, 0);
        for (TImage* v : {player->QCMverdict, player->QCCverdict, player->QTROverdict, player->QTRCverdict,
                          player->QMRverdict, player->QMTverdict})
            EXPECT_TRUE(v->Visible() && SamePicture(v, banner)) << v->Name();
        // The words to pick out explain their colours only after their own check.
        for (TImage* info : {player->QTROInfoNote, player->QTRCInfoNote, player->QMTInfoNote})
            EXPECT_TRUE(info->Visible()) << info->Name();
        EXPECT_FALSE(player->QMRInfoNote->Visible());
    }
    std::string DoneFlags() const {
        std::string flags;
        for (const DbRow& r : ReadRows(data->ExosDb(), "SELECT resoluEXO FROM exos_math_cm1 ORDER BY rowid"))
            flags += r.at("resoluEXO");
        return flags;
    }
};

}  // namespace

TEST_F(MarkingTest, VerifierCostsAPointAndTwiceCorrectsOnce) {
    // The multiple-choice page gives no points yet: 1 for the correction alone, 0 after
    // VERIFIER.
    SetExercises({Exo("N1", 1, "301", "/#Choisis.#/"), Exo("N1", 1, "302", "/#Choisis.#/")});
    OpenChapter();
    Correct();
    EXPECT_TRUE(BadgeIs(1));
    Next();
    Verify();
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_EQ(player->ExoChecked, 1);
    EXPECT_EQ(TraceRows().size(), 1u);
    Verify();
    EXPECT_TRUE(BadgeIs(0));
    ExpectCorrected(player->PasMal);
    // Disabled commands do nothing.
    player->LabelCorriger->Click();
    player->LabelVerification->Click();
    EXPECT_EQ(Traced("ExoNote"), Texts({"1", "0"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"0", "1"}));
}

TEST_F(MarkingTest, TraceRecordAndDoneFlag) {
    std::vector<ExerciseRecord> exos = TrueFalseChapter(3);
    exos.push_back(Exo("N2", 2, "201", "/#Autre chapitre#/ /#0#/"));
    SetExercises(exos);
    OpenChapter();
    clock.minute = 31;
    Next();
    Verify();
    player->qb_selection_click(player->qb_label_false);
    clock = {2024, 3, 14, 9, 41, 5};
    Correct();

    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    const DbRow expected = {{"ExoCode", "102"},   {"ExoStart", "14/03/2024 09:31:00"}, {"ExoEnd", "14/03/2024 09:41:05"},
                            {"ExoNote", "5"},     {"ExoUseverif", "1"},                {"ExoType", "QB"},
                            {"ExoChap", "Les grands nombres"}, {"ExoChapcode", "N1"}};
    EXPECT_EQ(rows[0], expected);
    EXPECT_EQ(DoneFlags(), "0100");
    Next();
    Correct();
    EXPECT_EQ(DoneFlags(), "0110");
}

// The trace database locked by another program: the correction ends at once, the
// learner hears once that results will be recorded later, and they are when the player
// closes (the order kept: trace_log_test).
TEST_F(MarkingTest, ResultsWaitForALockedTrace) {
    SetExercises(TrueFalseChapter(2));
    OpenChapter();
    LockedDatabase other(data->TraceDb(), "EXCLUSIVE");
    ASSERT_TRUE(other.Held());
    player->qb_selection_click(player->qb_label_true);
    Correct();
    EXPECT_TRUE(BadgeIs(10));
    ExpectCorrected(player->ToutBon);
    Next();
    Correct();
    EXPECT_EQ(messages, (std::vector<AnsiString>{Ansi("Ce résultat n'a pas pu être enregistré pour l'instant : "
                                                      "il sera ajouté à l'historique plus tard.")}));
    EXPECT_EQ(DoneFlags(), "11");
    other.Release();
    player->Close();
    EXPECT_EQ(Traced("ExoCode"), Texts({"101", "102"}));
    EXPECT_EQ(Traced("ExoNote"), Texts({"10", "3"}));
}
