// Timing of the history report on a trace of 10,000 records (exercises of 40 chapters
// over a school year, and games): the whole report command, reading included, by date
// and by chapter; and the report lines alone.
#include <memory>
#include <string>
#include <vector>

#include "BenchScreens.h"
#include "DataFolder.h"
#include "home/Historique.h"
#include "home/HistoryReport.h"
#include "platform/DateTime.h"

namespace {

constexpr int kRecords = 10000;

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A trace of kRecords records written in the order a class writes them.
struct LargeTrace {
    std::unique_ptr<TempDataFolder> folder;

    LargeTrace() {
        folder = std::make_unique<TempDataFolder>(std::vector<std::string>{"Paul@Mathematiques CM1"});
        std::string sql = "BEGIN;";
        for (int i = 0; i < kRecords; ++i) {
            const int day = 1 + (i / 40) % 28, month = 1 + (i / 1120) % 12, minute = i % 40;
            const std::string date = Two(day) + "/" + Two(month) + "/2024 ";
            const std::string start = date + "10:" + Two(minute) + ":00", end = date + "11:" + Two(minute) + ":30";
            if (i % 10 == 9)
                sql += "INSERT INTO TraceExo VALUES ('jeu', '" + start + "', '" + end + "', " +
                       (i % 20 == 9 ? "'37', 0, 'LA RECONNAISSANCE NAVALE'" : "10, 0, 'LE COMPTE EST BON'") +
                       ", 'Jeu', 'Jeu');";
            else
                sql += "INSERT INTO TraceExo VALUES ('" + std::to_string(100 + i % 500) + "', '" + start + "', '" +
                       end + "', " + std::to_string(i % 11) + ", " + std::to_string(i % 2) + ", 'QB', 'Chapitre " +
                       std::to_string(i % 40) + "', 'C" + std::to_string(i % 40) + "');";
        }
        sql += "COMMIT;";
        ExecSql(folder->TraceDb(), sql);
    }
};

void CheckReport(benchmark::State& state) {
    const AnsiString text = HistoriqueForm->Histo->Text();
    if (text.size() < 100u * kRecords) state.SkipWithError("the report does not list every record");
}

}  // namespace

// The report command as the learner clicks it: query, report, memo.
static void BM_HistoryReportByDate(benchmark::State& state) {
    HistoriqueForm->TD->SetChecked(true);
    for (auto _ : state) HistoriqueForm->LabelVisualiserClick(HistoriqueForm->LabelVisualiser);
    CheckReport(state);
}
BENCHMARK(BM_HistoryReportByDate)->Unit(benchmark::kMillisecond);

static void BM_HistoryReportByChapter(benchmark::State& state) {
    HistoriqueForm->TC->SetChecked(true);
    for (auto _ : state) HistoriqueForm->LabelVisualiserClick(HistoriqueForm->LabelVisualiser);
    CheckReport(state);
}
BENCHMARK(BM_HistoryReportByChapter)->Unit(benchmark::kMillisecond);

// The lines alone, from records already read.
static void BM_ReportLinesOnly(benchmark::State& state) {
    std::vector<TraceFields> records;
    for (int i = 0; i < kRecords; ++i)
        records.push_back({"101", DateTimeText({2024, 1 + i / 1120 % 12, 1 + i / 40 % 28, 10, i % 40, 0}),
                           DateTimeText({2024, 1 + i / 1120 % 12, 1 + i / 40 % 28, 11, i % 40, 30}), "7", "0", "QB",
                           "Chapitre " + std::to_string(i % 40)});
    for (auto _ : state) {
        std::vector<TraceFields> copy = records;
        SortForReport(copy, HistoryOrder::ByDate);
        HistoryReport report(HistoryOrder::ByDate);
        for (const TraceFields& r : copy) report.Add(r);
        benchmark::DoNotOptimize(report.Text());
    }
}
BENCHMARK(BM_ReportLinesOnly)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunScreenBenchmarks<LargeTrace>(argc, argv);
}
