// VERIFIER and CORRIGER: marks and banners, the trace record and the done flag, and a
// trace that cannot be written (the marks of a whole chapter: qb_test's PlayAChapter).
#include <sqlite3.h>

#include "ChapterFixture.h"

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
        for (TImage* info : {player->QTROInfoNote, player->QTRCInfoNote, player->QMRInfoNote, player->QMTInfoNote})
            EXPECT_TRUE(info->Visible()) << info->Name();
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

TEST_F(MarkingTest, VerifierOnTrueOrFalseShowsTheFullCheck) {
    SetExercises(TrueFalseChapter(1));
    OpenChapter();
    player->qb_selection_click(player->qb_label_true);
    Verify();
    EXPECT_TRUE(player->verdict_qb->Visible() && SamePicture(player->verdict_qb, player->qb_bravo));
    EXPECT_EQ(player->ExoMark, 9);   // -1 and the 10 points
    // Another VERIFIER checks again; it does not correct, and the help says so.
    Verify();
    EXPECT_TRUE(TraceRows().empty());
    EXPECT_NE(player->Memo3->Text().find(Ansi("un second clic vérifie de nouveau sans corriger")),
              AnsiString::npos);
    Correct();
    EXPECT_TRUE(BadgeIs(10));
    ExpectCorrected(player->ToutBon);
    EXPECT_TRUE(player->yes_timer->Enabled());
    EXPECT_EQ(Traced("ExoNote"), Texts({"10"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1"}));
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

TEST_F(MarkingTest, ATraceThatCannotBeWrittenLosesOnlyItsRecord) {
    SetExercises(TrueFalseChapter(3));
    OpenChapter();
    // The trace table missing: the correction shows what it could and ends its attempt.
    ExecSql(data->TraceDb(), "ALTER TABLE TraceExo RENAME TO TraceExoAside");
    player->qb_selection_click(player->qb_label_true);
    Correct();
    EXPECT_TRUE(BadgeIs(10));
    ExpectCorrected(player->ToutBon);
    // The learner is told that this result is missing from the history.
    const AnsiString notWritten =
        Utf8ToAnsi("Le résultat de cet exercice n'a pas pu être enregistré dans l'historique.");
    EXPECT_EQ(messages, (std::vector<AnsiString>{notWritten}));
    EXPECT_TRUE(dialogs.empty());
    ExecSql(data->TraceDb(), "ALTER TABLE TraceExoAside RENAME TO TraceExo");

    // The trace database locked by another program: the record is refused on posting.
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open_v2(data->TraceDb().c_str(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    player->TraceADOConnection->SetBusyTimeout(50);
    Next();
    Correct();
    ExpectCorrected(player->PasMal);
    EXPECT_EQ(messages, (std::vector<AnsiString>{notWritten, notWritten}));
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    // Neither refused record is carried into the next one; no done flag without its trace.
    Next();
    Correct();
    EXPECT_EQ(Traced("ExoCode"), Texts({"103"}));
    EXPECT_EQ(DoneFlags(), "001");
}
