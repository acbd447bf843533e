// Timing of the player's clock: one tick of its timer, which every second of the run
// writes the date and the time and draws the watch's hands; alone, and with the shown
// player repainting what changed.
#include <memory>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "DataFolder.h"
#include "home/Intro.h"
#include "home/Screens.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
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
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

static void BM_ClockTickPainted(benchmark::State& state) { Tick(state, true); }
BENCHMARK(BM_ClockTickPainted)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    auto folder = std::make_unique<TempDataFolder>(std::vector<std::string>{"Paul@Mathematiques CM1"});
    RecordedDialogs dialogs;
    InstallDialogHooks(RecordingHooks(dialogs));
    CreateScreens();
    StartForm->ShowForm();
    // The player as the learner sees it; its own timer stays out of the timing.
    MainFormEXO->MyTimer->SetEnabled(false);
    MainFormEXO->ShowForm();
    QApplication::processEvents();
    SetClock(MovingClock);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetClock({});
    DestroyScreens();
    ClearDialogHooks();
    return 0;
}
