#pragma once
// The player with a chapter of chosen exercises: the learner Paul in Mathematiques
// CM1, a programme of a few chapters, the exercises given in clear text, a fixed clock.
#include <string>
#include <vector>

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
        ExerciseRecord e;
        e.code = code;
        e.typeExo = typeExo;
        e.number = number;
        e.content = utf8Content;
        return e;
    }
    // n true-or-false exercises of chapter N1 numbered 101, 102, ... (true statements).
    static std::vector<ExerciseRecord> TrueFalseChapter(int n, const char* code = "N1") {
        std::vector<ExerciseRecord> exos;
        for (int i = 1; i <= n; ++i)
            exos.push_back(Exo(code, 2, std::to_string(100 + i), "/#Affirmation " + std::to_string(i) + "#/ /#1#/"));
        return exos;
    }

    // Shows the player and opens the chapter whose entry has this title.
    void OpenChapter(const char* utf8Title) {
        player->ShowForm();
        TTreeNode* node = nullptr;
        for (TTreeNode* n : player->IndexTree->Nodes())
            if (n->Text() == Ansi(utf8Title)) node = n;
        ASSERT_NE(node, nullptr) << utf8Title;
        player->IndexTree->ClickNode(node);
        player->Label_Index_OKClick();
    }

    AnsiString Counter() const { return player->NbExo->Caption(); }
    AnsiString Statement() const { return player->qb_statement->Caption(); }
    int ActivePage() const { return player->ExoPageControl->ActivePageIndex(); }

    std::vector<DbRow> TraceRows() const {
        return ReadRows(data->TraceDb(), "SELECT * FROM TraceExo ORDER BY rowid");
    }
    std::vector<DbRow> ExerciseRows() const {
        return ReadRows(data->ExosDb(), "SELECT * FROM exos_math_cm1 ORDER BY rowid");
    }

    static bool SamePicture(const TImage* a, const TImage* b) {
        return a->Picture().Image() == b->Picture().Image();
    }

    TDateTime clock{2024, 3, 14, 9, 30, 0};
    TMainFormEXO* player = nullptr;
};
