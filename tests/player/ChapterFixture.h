#pragma once
// The player with a chapter of chosen exercises: the learner Paul in Mathematiques
// CM1, a programme of a few chapters, the exercises given in clear text, a fixed clock.
#include <cstdlib>
#include <string>
#include <vector>

#include <QPixmap>

#include "ScreenFixture.h"
#include "home/Intro.h"
#include "platform/DateTime.h"
#include "player/Mainform_exo.h"

class ChapterTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        SetClock([this] { return clock; });
        WriteLearnerFile({"Paul@Mathematiques CM1"});
        RunStartup();
        player = MainFormEXO;
        ASSERT_NE(player, nullptr);
        ::SetProgramme(data->ExosDb(), "Mathematiques", "CM1",
                       "Nombres\n\t[N1] Les grands nombres\n\t[N2] Les fractions\n[G1] Les angles");
    }
    void TearDown() override {
        if (player && player->Visible()) player->Close();
        SetClock({});
        ScreenTest::TearDown();
    }

    // Replaces the exercises of the level table.
    void SetExercises(const std::vector<ExerciseRecord>& exos) {
        ClearTable(data->ExosDb(), "exos_math_cm1");
        for (const ExerciseRecord& e : exos) InsertExercise(data->ExosDb(), "exos_math_cm1", e);
    }
    static ExerciseRecord Exo(const std::string& code, int typeExo, const std::string& number,
                              const std::string& utf8Content) {
        return {code, typeExo, number, utf8Content, "", 0};
    }
    // n true-or-false exercises of chapter N1 numbered 101, 102, ... (true statements).
    static std::vector<ExerciseRecord> TrueFalseChapter(int n) {
        std::vector<ExerciseRecord> exos;
        for (int i = 1; i <= n; ++i)
            exos.push_back(Exo("N1", 2, std::to_string(100 + i), "/#Affirmation " + std::to_string(i) + "#/ /#1#/"));
        return exos;
    }

    // Shows the player and opens chapter N1, "Les grands nombres".
    void OpenChapter() {
        player->ShowForm();
        for (TTreeNode* n : player->IndexTree->Nodes())
            if (n->Text() == "Les grands nombres") player->IndexTree->ClickNode(n);
        player->Label_Index_OKClick();
    }
    // The commands under an exercise, clicked with the mouse.
    void Verify() { SendClick(player->LabelVerification); }
    void Correct() { SendClick(player->LabelCorriger); }
    void Next() { SendClick(player->LabelSuivant); }

    // Shows a record's content on an exercise page as the loader does.
    void ShowOn(int page, void (TMainFormEXO::*show)(AnsiString), const std::string& utf8Content) {
        if (!player->Visible()) player->ShowForm();
        player->ExoPageControl->SetActivePageIndex(page);
        (player->*show)(Ansi(utf8Content.c_str()));
    }
    // Runs a page's check with the solution (checkOnly: as VERIFIER runs it) and returns
    // the points it added.
    int PointsOf(void (TMainFormEXO::*check)(), bool checkOnly = false) {
        player->ExoChecked = checkOnly ? 1 : 0;
        player->ExoMark = 0;
        (player->*check)();
        player->ExoChecked = 0;
        return player->ExoMark;
    }

    AnsiString Counter() const { return player->NbExo->Caption(); }
    int ActivePage() const { return player->ExoPageControl->ActivePageIndex(); }
    std::vector<DbRow> TraceRows() const { return ReadRows(data->TraceDb(), "SELECT * FROM TraceExo ORDER BY rowid"); }
    // One field of every trace row, in order.
    std::vector<std::string> Traced(const char* field) const {
        std::vector<std::string> values;
        for (const DbRow& r : TraceRows()) values.push_back(r.at(field));
        return values;
    }
    static bool SamePicture(const TImage* a, const TImage* b) { return a->Picture().Image() == b->Picture().Image(); }
    bool BadgeIs(int mark) const { return SamePicture(player->ImgExoNote, player->NoteImage(mark)); }
    // The marks 1..N of a page: "+" showing the right mark, "-" another, "." hidden.
    template <size_t S>
    static std::string MarkPattern(const std::array<TImage*, S>& marks, const TImage* right) {
        std::string pattern;
        for (size_t n = 1; n < S; ++n)
            pattern += !marks[n]->Visible() ? '.' : SamePicture(marks[n], right) ? '+' : '-';
        return pattern;
    }
    // Saves the player's screen in PLAYER_SCREENSHOT_DIR, when it is set.
    void SaveScreen(const std::string& file) const {
        if (const char* dir = std::getenv("PLAYER_SCREENSHOT_DIR"))
            player->grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(file));
    }

    TDateTime clock{2024, 3, 14, 9, 30, 0};
    TMainFormEXO* player = nullptr;
};
