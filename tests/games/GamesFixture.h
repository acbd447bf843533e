#pragma once
// The games screen as the learner reaches it: the player's chapter fixture (Paul in
// Mathematiques CM1, a fixed clock, the trace read back) with the player shown, so
// that its trace connection is open, and draws a test may script.
#include <deque>
#include <memory>

#include "../player/ChapterFixture.h"
#include "ScriptedDraws.h"
#include "games/Jeux.h"

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
