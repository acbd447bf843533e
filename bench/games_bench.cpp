// Timing of the games: evaluating a full composition of fourteen tokens, generating
// the target expression of five numbers, one whole draw of the numbers board, and
// placing the fleet of the ship-locating game.
#include <memory>
#include <string>
#include <vector>

#include "BenchScreens.h"
#include "DataFolder.h"
#include "games/ExpressionEvaluator.h"
#include "games/Fleet.h"
#include "games/ExpressionGenerator.h"
#include "games/Jeux.h"
#include "platform/DateTime.h"
#include "player/Mainform_exo.h"

namespace {

// Fourteen tokens, as many as the slots hold: ( 18 / 6 - 2 ) * 14 + 4 - 7.
const char* const kFullComposition = "(18/6-2)*14+4-7";

// A data folder with one learner.
struct LearnerFolder {
    TempDataFolder folder{std::vector<std::string>{"Paul@Mathematiques CM1"}};
};

// The numbers board as the learner reaches it: from the player, through the choice.
void OpenNumbersBoard() {
    MainFormEXO->ShowForm();
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
BENCHMARK(BM_EvaluateExpression)->Unit(benchmark::kMicrosecond);

static void BM_GenerateExpression(benchmark::State& state) {
    RandSeed(1);
    const std::vector<int> numbers = {18, 6, 2, 14, 4};
    for (auto _ : state) benchmark::DoNotOptimize(GenerateExpression(numbers, state.range(0) != 0));
}
BENCHMARK(BM_GenerateExpression)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// NOUVEAU TIRAGE: the numbers, the target expression and their letter pictures.
static void BM_NewDraw(benchmark::State& state) {
    for (auto _ : state) Jeu->NOUVEAUTirageClick();
    if (Jeu->compte->Hint().empty() || Jeu->Numbers[0]->Picture().Empty()) state.SkipWithError("no draw");
}
BENCHMARK(BM_NewDraw)->Unit(benchmark::kMillisecond);

// The same, with the whole board painted afterwards, as the learner sees it.
static void BM_NewDrawPainted(benchmark::State& state) {
    for (auto _ : state) {
        Jeu->NOUVEAUTirageClick();
        benchmark::DoNotOptimize(Jeu->CompteEstBon->grab());
    }
}
BENCHMARK(BM_NewDrawPainted)->Unit(benchmark::kMillisecond);

// Placing a whole fleet of seven ships.
static void BM_PlaceFleet(benchmark::State& state) {
    RandSeed(1);
    FleetGrid grid;
    for (auto _ : state) benchmark::DoNotOptimize(PlaceFleet(grid, {}, {}));
}
BENCHMARK(BM_PlaceFleet)->Unit(benchmark::kMillisecond);

// The same with the screen's progress bar stepped 700 times, as NOUVELLE PARTIE does.
static void BM_PlaceFleetWithProgressBar(benchmark::State& state) {
    RandSeed(1);
    FleetGrid grid;
    Jeu->PanelPG->Show();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceFleet(grid, [] { Jeu->PG->SetPosition(0); }, [] { Jeu->PG->StepIt(); }));
    Jeu->PanelPG->Hide();
}
BENCHMARK(BM_PlaceFleetWithProgressBar)->Unit(benchmark::kMillisecond);

// The whole NOUVELLE PARTIE: the board reset and drawn again, the fleet, the squares.
static void BM_NouvellePartie(benchmark::State& state) {
    for (auto _ : state) {
        Jeu->NouvellePartie->SetCaption("NOUVELLE PARTIE");
        Jeu->NouvellePartieClick();
    }
    if (Jeu->FleetList.empty()) state.SkipWithError("no fleet");
}
BENCHMARK(BM_NouvellePartie)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunScreenBenchmarks<LearnerFolder>(argc, argv, OpenNumbersBoard);
}
