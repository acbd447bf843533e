// Timing of the exercise player at scale: the show (table of contents and counts) and
// the home screen's count of a level on the exercise database of make-big-exos.py at
// two sizes, beside the same contents shown by the smallest Qt program, CORRIGER's
// trace write on a trace of 100 and of 1,000,000 rows, and the parse of a 400 KB
// exercise text.
// Repetitions come from the command line (--benchmark_repetitions=15).
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "BenchScreens.h"
#include "Builder.h"
#include "DataFolder.h"
#include "ReferenceContents.h"
#include "platform/Ado.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace fs = std::filesystem;

namespace {

// make-big-exos.py's default size (exercises per level, programme entries); the large
// database has eight times both.
constexpr int kExercises = 2250;
constexpr int kEntries = 200;

std::unique_ptr<TempDataFolder> folder;

std::string ExosCopy(int scale) { return folder->Path("exos-x" + std::to_string(scale) + ".mdb"); }
std::string TraceCopy(int rows) { return folder->Path("trace-" + std::to_string(rows) + ".mdb"); }

// The script comes from the environment (MAKE_BIG_EXOS) or from the configure step.
std::string BigExosScript() {
    if (const char* path = std::getenv("MAKE_BIG_EXOS"); path && *path) return path;
#ifdef MAKE_BIG_EXOS_SCRIPT
    return MAKE_BIG_EXOS_SCRIPT;
#else
    return "";
#endif
}

bool MakeExercises(int scale) {
    const std::string script = BigExosScript();
    if (script.empty() || !fs::exists(script)) return false;
    const std::string command = "python3 '" + script + "' '" + ExosCopy(scale) + "' " +
                                std::to_string(kExercises * scale) + " " +
                                std::to_string(kEntries * scale);
    if (std::system(command.c_str()) != 0 || !fs::exists(ExosCopy(scale))) return false;
    // A school's database comes from the builder, with the indexes it writes.
    for (const LevelInfo& level : LevelTables()) ExecSql(ExosCopy(scale), LevelTableIndexSql(level.table));
    return true;
}

// A copy of the empty trace database holding `rows` records.
void MakeTrace(int rows) {
    fs::copy_file(folder->TraceDb(), TraceCopy(rows), fs::copy_options::overwrite_existing);
    ExecSql(TraceCopy(rows),
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                std::to_string(rows) +
                ") INSERT INTO TraceExo SELECT 'E' || i, '12/03/2024 09:15:02', "
                "'12/03/2024 09:17:40', i % 11, i % 2, 'QB', 'Chapitre', 'CM11.1' FROM n");
    // On disk now, so that the first timed write does not wait for the whole file.
    const int fd = ::open(TraceCopy(rows).c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Puts the exercise database of a scale in place (the player's connections closed).
bool UseExercises(benchmark::State& state, int scale) {
    if (!fs::exists(ExosCopy(scale))) {
        state.SkipWithError("make-big-exos.py not found: set MAKE_BIG_EXOS to its path");
        return false;
    }
    fs::copy_file(ExosCopy(scale), folder->ExosDb(), fs::copy_options::overwrite_existing);
    return true;
}

void CheckContents(benchmark::State& state, int scale) {
    const std::vector<TTreeNode*> nodes = MainFormEXO->IndexTree->Nodes();
    if (nodes.size() != static_cast<size_t>(kEntries * scale) || nodes.size() < 2 ||
        Pos("NbExo = ", nodes[1]->Data()) == 0)
        state.SkipWithError("table of contents not loaded and counted");
}

}  // namespace

// The table of contents as the show builds it: load the tree, count per chapter.
static void BM_LoadAndCountContents(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    if (!UseExercises(state, scale)) return;
    MainFormEXO->MainADOConnection->Open();
    for (auto _ : state) {
        MainFormEXO->Load_IndexClick();
        MainFormEXO->CountChapterExercises();
    }
    CheckContents(state, scale);
    MainFormEXO->MainADOConnection->Close();
}
BENCHMARK(BM_LoadAndCountContents)->ArgName("scale")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

// The player's whole show handler, connections included, then its close handler.
static void BM_ShowAndClose(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    if (!UseExercises(state, scale)) return;
    for (auto _ : state) {
        MainFormEXO->FormShow();
        MainFormEXO->FormClose();
    }
    MainFormEXO->FormShow();
    CheckContents(state, scale);
    MainFormEXO->FormClose();
}
BENCHMARK(BM_ShowAndClose)->ArgName("scale")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

// The home screen's count under the subject-and-level list: the exercise database
// opened, the level's exercises counted, the database closed.
static void BM_CountLevelExercises(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    if (!UseExercises(state, scale)) return;
    long long count = 0;
    for (auto _ : state) count = MainFormEXO->CountLevelExercises();
    if (count != kExercises * scale) state.SkipWithError("level not counted");
}
BENCHMARK(BM_CountLevelExercises)->ArgName("scale")->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);

// The same contents shown by the smallest Qt program, on the same database: the floor
// of the two benchmarks above.
static void BM_ReferenceContents(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    if (!UseExercises(state, scale)) return;
    QTreeWidget tree;
    for (auto _ : state) ReferenceLoadContents(folder->ExosDb(), "Mathematiques", "CM1", "exos_math_cm1", tree);
    if (tree.topLevelItemCount() == 0) state.SkipWithError("reference contents not loaded");
}
BENCHMARK(BM_ReferenceContents)->ArgName("scale")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

// CORRIGER's trace write (open the table, append, eight fields, post, close) on a
// trace of the given size; the row written is taken away again untimed.
static void BM_TraceAppend(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TADOConnection connection;
    connection.SetConnectionString("Data Source=" + Utf8ToAnsi(TraceCopy(rows)));
    connection.Open();
    TADOTable trace;
    trace.SetConnection(&connection);
    trace.SetTableName("TraceExo");
    for (auto _ : state) {
        trace.Open();
        trace.Append();
        trace.FieldByName("ExoCode").SetValue(Variant("17"));
        trace.FieldByName("ExoStart").SetValue(Variant("12/03/2024 09:15:02"));
        trace.FieldByName("ExoEnd").SetValue(Variant("12/03/2024 09:17:40"));
        trace.FieldByName("ExoNote").SetValue(Variant(9));
        trace.FieldByName("ExoUseverif").SetValue(Variant(0));
        trace.FieldByName("ExoType").SetValue(Variant("QB"));
        trace.FieldByName("ExoChap").SetValue(Variant("Chapitre 1.1"));
        trace.FieldByName("ExoChapcode").SetValue(Variant("CM11.1"));
        trace.Post();
        trace.Close();
        state.PauseTiming();
        connection.Execute("DELETE FROM TraceExo WHERE rowid > " + IntToStr(rows));
        state.ResumeTiming();
    }
}
// The commit waits for the disk: iterations are counted in real time.
BENCHMARK(BM_TraceAppend)->ArgName("rows")->Arg(100)->Arg(1000000)->UseRealTime()->Unit(benchmark::kMillisecond);

// A 400 KB exercise text of many short fields, parsed as every show routine does.
static void BM_ParseLargeContent(benchmark::State& state) {
    AnsiString content = "/#Relie chaque mot a sa definition.#/\r\n";
    for (int i = 0; content.size() < 400 * 1024; ++i)
        content += "/#  mot " + IntToStr(i) + " #/ ";
    for (auto _ : state) {
        ParsedContent fields = ParseExerciseContent(content);
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(content.size()));
}
BENCHMARK(BM_ParseLargeContent)->Unit(benchmark::kMillisecond);

// One record as the loader reads it: field, unscramble, parse.
static void BM_UnscrambleAndParseRecord(benchmark::State& state) {
    if (!UseExercises(state, 1)) return;
    MainFormEXO->MainADOConnection->Open();
    MainFormEXO->Table_Exos->SetSQLText("SELECT * FROM exos_math_cm1 WHERE ((codeExo=\"CM11.1\"))");
    MainFormEXO->Table_Exos->Open();
    for (auto _ : state) {
        const AnsiString text = MainFormEXO->Table_Exos->FieldByName("contenuEXO").AsString();
        ParsedContent fields = ParseExerciseContent(UnscrambleContent(text));
        benchmark::DoNotOptimize(fields);
    }
    MainFormEXO->Table_Exos->Close();
    MainFormEXO->MainADOConnection->Close();
}
BENCHMARK(BM_UnscrambleAndParseRecord)->Unit(benchmark::kMicrosecond);

// The data folder of these benchmarks: both exercise databases and both traces made
// once, the player's connections closed after the start-up opened them.
namespace {

struct BigData {
    BigData() {
        folder = std::make_unique<TempDataFolder>(std::vector<std::string>{"Paul@Mathematiques CM1"});
        for (int scale : {1, 8}) MakeExercises(scale);
        for (int rows : {100, 1000000}) MakeTrace(rows);
    }
    ~BigData() { folder.reset(); }
};

}  // namespace

int main(int argc, char** argv) {
    return RunScreenBenchmarks<BigData>(argc, argv, [] { MainFormEXO->FormClose(); });
}
