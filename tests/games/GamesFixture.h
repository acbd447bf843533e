#pragma once
// Draws a test may script, and the games screen as the learner reaches it: the
// player's chapter fixture (Paul in Mathematiques CM1, a fixed clock, the trace read
// back) with the player shown, so that its trace connection is open.
#include <deque>
#include <memory>

#include "../player/ChapterFixture.h"
#include "games/Jeux.h"
#include "platform/DateTime.h"

// While it lives, each draw answers the next value (0 once they run out) and is counted.
class ScriptedDraws {
public:
    explicit ScriptedDraws(std::deque<int> answers = {}) : answers_(std::move(answers)) {
        SetRandomSource([this](int) {
            ++calls;
            if (answers_.empty()) return 0;
            const int a = answers_.front();
            answers_.pop_front();
            return a;
        });
    }
    ~ScriptedDraws() { SetRandomSource({}); }
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;
    int calls = 0;

private:
    std::deque<int> answers_;
};

class GamesTest : public ChapterTest {
protected:
    void SetUp() override {
        ChapterTest::SetUp();
        games = Jeu;
        ASSERT_NE(games, nullptr);
        player->ShowForm();
    }
    void TearDown() override {
        draws.reset();
        if (games && games->Visible()) games->Close();
        ChapterTest::TearDown();
    }

    // Shows the games screen without a modal loop (its show handler runs).
    void OpenGames() { games->ShowForm(); }
    // From now on each draw answers the next value, 0 once they run out.
    void ScriptDraws(std::deque<int> answers) {
        draws.reset();
        draws = std::make_unique<ScriptedDraws>(std::move(answers));
    }
    // Whether an image shows a text as the letter pictures draw it.
    static bool Shows(const TImage* image, const AnsiString& text) {
        TImage reference(nullptr);
        StartForm->RenderGlyphText(text, &reference);
        return !image->Picture().Empty() && image->Picture().Image() == reference.Picture().Image();
    }

    TJeu* games = nullptr;
    std::unique_ptr<ScriptedDraws> draws;
};
