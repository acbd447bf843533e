// The clock of the command column and the watch under the pages, driven by the
// player's timer with the clock set by the test (the hands' end points: page_rules_test),
// and the watch kept as chosen whatever the page shows.
#include "ChapterFixture.h"

namespace {

class WatchTest : public ChapterTest {
protected:
    void Tick(const TDateTime& at) {
        clock = at;
        player->MyTimer->Fire();
    }
    QImage Watch() const { return player->watch->Picture().Image(); }
    // A hand passes within a pixel of (x, y) on the watch.
    bool HandNear(int x, int y) const {
        const QImage image = Watch();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if ((image.pixel(x + dx, y + dy) & 0xFFFFFF) == 0x667394) return true;
        return false;
    }
    // The date and the time written, then whether the second hand points to six.
    std::string Clock() const {
        return player->DateLabel->Caption() + " " + player->TimeLabel->Caption() + (HandNear(50, 70) ? " six" : "");
    }
};

}  // namespace

TEST_F(WatchTest, EachSecondTheClockWritesTheTimeAndTheHandsMove) {
    EXPECT_TRUE(player->MyTimer->Enabled());
    Tick({2024, 3, 14, 14, 45, 30});
    EXPECT_EQ(Clock(), "14/03/2024 14:45 six");
    EXPECT_TRUE(HandNear(59, 47) && HandNear(35, 50));   // hour and minute hands
    Tick({2024, 3, 14, 14, 46, 15});
    EXPECT_EQ(Clock(), "14/03/2024 14:46");   // the hand of the previous second is gone
    // At midnight the text holds the date alone: the new day at twelve o'clock.
    Tick({2024, 3, 14, 23, 59, 59});
    EXPECT_FALSE(HandNear(50, 25));
    Tick({2024, 3, 15, 0, 0, 0});
    EXPECT_EQ(Clock(), "15/03/2024 00:00");
    EXPECT_TRUE(HandNear(50, 25));
}

TEST_F(WatchTest, FacesAreChosenHiddenAndShownAgain) {
    const QPoint dial(35, 68);   // on the dial, away from the hands at 14:45:30
    auto face = [&](const TImage* empty) { return Watch().pixel(dial) == empty->Picture().Image().pixel(dial); };
    ASSERT_NE(player->watch_empty_1->Picture().Image().pixel(dial), player->watch_empty_2->Picture().Image().pixel(dial));
    Tick({2024, 3, 14, 14, 45, 30});
    EXPECT_TRUE(face(player->watch_empty_1));
    // Hidden, the watch is not drawn; the clock goes on.
    SendClick(player->Image19);
    EXPECT_FALSE(player->watch->Visible());
    const QImage before = Watch();
    Tick({2024, 3, 14, 14, 46, 0});
    EXPECT_EQ(Watch(), before);
    EXPECT_EQ(player->TimeLabel->Caption(), "14:46");
    // Showing the player chooses face 1 again but leaves the watch hidden, drawn unseen.
    player->ShowForm();
    EXPECT_EQ(player->WatchFace, 1);
    EXPECT_FALSE(player->watch->Visible());
    Tick({2024, 3, 14, 14, 47, 0});
    EXPECT_NE(Watch(), before);
    // Face 2 chosen while hidden shows the watch with that face; a click on the watch
    // redraws it at once.
    SendClick(player->Image18);
    EXPECT_TRUE(player->watch->Visible() && face(player->watch_empty_2));
    clock = {2024, 3, 14, 14, 45, 30};
    SendClick(player->watch);
    EXPECT_TRUE(HandNear(50, 70));
    SendClick(player->Image17);
    EXPECT_TRUE(face(player->watch_empty_1));
}

// The word that an exercise cannot be shown leaves the watch as the learner chose it:
// shown with its face, or hidden, the three choices there to bring it back.
TEST_F(WatchTest, AnExerciseThatCannotBeShownLeavesTheWatchAsChosen) {
    SetExercises(TrueFalseChapter(3));
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET typeEXO = 9 WHERE numEXO = '102'");
    const struct { const char* choice; TImage* TMainFormEXO::*image; bool shown; int face; } cases[] = {
        {"face 1", &TMainFormEXO::Image17, true, 1},
        {"face 2", &TMainFormEXO::Image18, true, 2},
        {"hidden", &TMainFormEXO::Image19, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        OpenChapter();
        SendClick(player->*c.image);
        player->GoToExercise(2);
        ASSERT_TRUE(player->ExoNotShown->isVisible());
        EXPECT_EQ(player->watch->isVisible(), c.shown);
        EXPECT_EQ(player->WatchFace, c.face);
        for (TImage* choice : {player->Image17, player->Image18, player->Image19}) EXPECT_TRUE(choice->isVisible());
        // Still so on the next exercise shown.
        Next();
        ASSERT_FALSE(player->ExoNotShown->isVisible());
        EXPECT_EQ(player->watch->isVisible(), c.shown);
        player->Close();
    }
}
