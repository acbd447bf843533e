// Timing of the games: evaluating a full composition of fourteen tokens, generating
// the target expression of five numbers, one whole draw of the numbers board, and
// placing the fleet of the ship-locating game.
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "DataFolder.h"
#include "games/ExpressionEvaluator.h"
#include "games/Fleet.h"
#include "games/ExpressionGenerator.h"
#include "games/Jeux.h"
#include "home/Intro.h"
#include "home/Screens.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "player/Mainform_exo.h"

namespace {

// Fourteen tokens, as many as the slots hold: ( 18 / 6 - 2 ) * 14 + 4 - 7.
const char* const kFullComposition = "(18/6-2)*14+4-7";

void StartGames() {
    static RecordedDialogs record;
    InstallDialogHooks(RecordingHooks(record));
    CreateScreens();
    StartForm->ShowForm();    // start-up: data folder, connections, learner
    MainFormEXO->ShowForm();  // the games are opened from the player
    Jeu->ShowForm();
    Jeu->Label17Click();
}

}  // namespace

static void BM_EvaluateExpression(benchmark::State& state) {
    int value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EvaluateExpression(kFullComposition, value));
        benchmark::DoNotOptimize(value);
    }
    if (!EvaluateExpression(kFullComposition, value) || value != 11) state.SkipWithError("wrong value");
}
BENCHMARK(BM_EvaluateExpression)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

static void BM_GenerateExpression(benchmark::State& state) {
    RandSeed(1);
    const std::vector<int> numbers = {18, 6, 2, 14, 4};
    for (auto _ : state) benchmark::DoNotOptimize(GenerateExpression(numbers, state.range(0) != 0));
}
BENCHMARK(BM_GenerateExpression)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// NOUVEAU TIRAGE: the numbers, the target expression and their letter pictures.
static void BM_NewDraw(benchmark::State& state) {
    for (auto _ : state) Jeu->NOUVEAUTirageClick();
    if (Jeu->compte->Hint().empty() || Jeu->Numbers[0]->Picture().Empty()) state.SkipWithError("no draw");
}
BENCHMARK(BM_NewDraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The same, with the whole board painted afterwards, as the learner sees it.
static void BM_NewDrawPainted(benchmark::State& state) {
    for (auto _ : state) {
        Jeu->NOUVEAUTirageClick();
        benchmark::DoNotOptimize(Jeu->CompteEstBon->grab());
    }
}
BENCHMARK(BM_NewDrawPainted)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Placing a whole fleet of seven ships.
static void BM_PlaceFleet(benchmark::State& state) {
    RandSeed(1);
    FleetGrid grid;
    for (auto _ : state) benchmark::DoNotOptimize(PlaceFleet(grid, {}, {}));
}
BENCHMARK(BM_PlaceFleet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The same with the screen's progress bar stepped 700 times, as NOUVELLE PARTIE does.
static void BM_PlaceFleetWithProgressBar(benchmark::State& state) {
    RandSeed(1);
    FleetGrid grid;
    Jeu->PanelPG->Show();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceFleet(grid, [] { Jeu->PG->SetPosition(0); }, [] { Jeu->PG->StepIt(); }));
    Jeu->PanelPG->Hide();
}
BENCHMARK(BM_PlaceFleetWithProgressBar)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The whole NOUVELLE PARTIE: the board reset and drawn again, the fleet, the squares.
static void BM_NouvellePartie(benchmark::State& state) {
    for (auto _ : state) {
        Jeu->NouvellePartie->SetCaption("NOUVELLE PARTIE");
        Jeu->NouvellePartieClick();
    }
    if (Jeu->FleetList.empty()) state.SkipWithError("no fleet");
}
BENCHMARK(BM_NouvellePartie)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    auto data = std::make_unique<TempDataFolder>(std::vector<std::string>{"Paul@Mathematiques CM1"});
    StartGames();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyScreens();
    ClearDialogHooks();
    return 0;
}
