// Timing of the player's clock: one tick of its timer, which every second of the run
// writes the date and the time and draws the watch's hands; alone, and with the shown
// player repainting what changed.
#include <string>
#include <vector>

#include "BenchScreens.h"
#include "DataFolder.h"
#include "platform/DateTime.h"
#include "player/Mainform_exo.h"

namespace {

// A clock that moves on by one second at each reading of the tick.
int gSecond = 0;
TDateTime MovingClock() {
    TDateTime t{2024, 3, 14, 14, 0, 0};
    t.minute = gSecond / 60 % 60;
    t.second = gSecond % 60;
    return t;
}

void Tick(benchmark::State& state, bool paint) {
    MainFormEXO->WatchFace = 1;
    MainFormEXO->watch->Show();
    for (auto _ : state) {
        ++gSecond;
        MainFormEXO->MyTimerTimer();
        if (paint) QApplication::processEvents();
    }
    if (MainFormEXO->TimeLabel->Caption().empty() || MainFormEXO->watch->Picture().Deferred())
        state.SkipWithError("the clock did not run");
}

}  // namespace

static void BM_ClockTick(benchmark::State& state) { Tick(state, false); }
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

static void BM_ClockTickPainted(benchmark::State& state) { Tick(state, true); }
BENCHMARK(BM_ClockTickPainted)->Unit(benchmark::kMicrosecond);

namespace {

struct LearnerFolder {
    TempDataFolder folder{std::vector<std::string>{"Paul@Mathematiques CM1"}};
};

// The player as the learner sees it; its own timer stays out of the timing, and the
// clock moves on by one second at each tick.
void ShowPlayer() {
    MainFormEXO->MyTimer->SetEnabled(false);
    MainFormEXO->ShowForm();
    QApplication::processEvents();
    SetClock(MovingClock);
}

}  // namespace

int main(int argc, char** argv) {
    return RunScreenBenchmarks<LearnerFolder>(argc, argv, ShowPlayer);
}
