// Timing of the exercise player: showing it on a large level (2,250 exercises, a
// programme of 200 entries), and reading one exercise record (unscramble + parse).
#include <memory>
#include <string>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "DataFolder.h"
#include "QuietScreens.h"
#include "home/Intro.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

constexpr int kChapters = 180;      // coded entries, under 20 headings: 200 entries
constexpr int kHeadings = 20;
constexpr int kExercises = 2250;

const char* const kRecord =
    "/#Complète le texte avec les mots qui conviennent.#/"
    "/#Le {...} du jardin est plein de {...} : les enfants y jouent tous les {...} après "
    "l'école, et leur {...} les regarde depuis la fenêtre de la {...}.#/"
    "/#portail#//#fleurs#//#soirs#//#grand-mère#//#cuisine#/";

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

// A data folder whose CM1 level holds the large programme and exercise table.
struct LargeLevel {
    std::unique_ptr<TempDataFolder> folder;

    LargeLevel() {
        folder = std::make_unique<TempDataFolder>(std::vector<std::string>{"Paul@Mathematiques CM1"});
        std::string programme;
        for (int h = 0; h < kHeadings; ++h) {
            programme += "Partie " + std::to_string(h + 1) + "\n";
            for (int c = 0; c < kChapters / kHeadings; ++c) {
                const int code = h * (kChapters / kHeadings) + c;
                programme += "\t[C" + std::to_string(code) + "] Chapitre " + std::to_string(code) +
                             " #(remarque)\n";
            }
        }
        SetProgramme(folder->ExosDb(), "Mathematiques", "CM1", programme);
        ClearTable(folder->ExosDb(), "exos_math_cm1");
        const std::string stored = Escape(AnsiToUtf8(ScrambleContent(Utf8ToAnsi(kRecord))));
        std::string sql = "BEGIN;";
        for (int i = 0; i < kExercises; ++i)
            sql += "INSERT INTO exos_math_cm1 (codeExo, typeEXO, numEXO, contenuEXO, imageExo, resoluEXO) "
                   "VALUES ('C" + std::to_string(i % kChapters) + "', " + std::to_string(1 + i % 8) +
                   ", '" + std::to_string(i + 1) + "', '" + stored + "', NULL, 0);";
        sql += "COMMIT;";
        ExecSql(folder->ExosDb(), sql);
    }
};

}  // namespace

// The table of contents as the show builds it: load the tree, count per chapter.
static void BM_LoadAndCountContents(benchmark::State& state) {
    MainFormEXO->MainADOConnection->Open();
    for (auto _ : state) {
        MainFormEXO->Load_IndexClick();
        MainFormEXO->CountChapterExercises();
    }
    const std::vector<TTreeNode*> nodes = MainFormEXO->IndexTree->Nodes();
    if (nodes.size() != kChapters + kHeadings || nodes[1]->Data() != "C0 NbExo = 13")
        state.SkipWithError("table of contents not loaded and counted");
    MainFormEXO->MainADOConnection->Close();
}
BENCHMARK(BM_LoadAndCountContents)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The whole show handler, connections included, then the close handler.
static void BM_ShowAndClose(benchmark::State& state) {
    for (auto _ : state) {
        MainFormEXO->FormShow();
        MainFormEXO->FormClose();
    }
}
BENCHMARK(BM_ShowAndClose)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// One record as the loader reads it: field, unscramble, parse.
static void BM_UnscrambleAndParseRecord(benchmark::State& state) {
    MainFormEXO->MainADOConnection->Open();
    MainFormEXO->Table_Exos->SetSQLText("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"C5\"))");
    MainFormEXO->Table_Exos->Open();
    for (auto _ : state) {
        const AnsiString text = MainFormEXO->Table_Exos->FieldByName("contenuEXO").AsString();
        ParsedContent fields = ParseExerciseContent(UnscrambleContent(text));
        benchmark::DoNotOptimize(fields);
    }
    MainFormEXO->MainADOConnection->Close();
}
BENCHMARK(BM_UnscrambleAndParseRecord)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    LargeLevel data;
    StartQuietScreens();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopQuietScreens();
    return 0;
}
