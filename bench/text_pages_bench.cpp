// Timing of the text pages: laying out a text of 300 words with 8 gaps, placing its
// labels again after an answer changed their widths; a text of one very long line cut
// into its pieces, and checked by the builder; and the resident memory of the program
// after walking 200 text exercises against after the first one.
#include <fstream>
#include <memory>
#include <string>

#include <vector>

#include <QApplication>

#include "BenchScreens.h"
#include "ContentSource.h"
#include "DataFolder.h"
#include "home/Intro.h"
#include "player/Mainform_exo.h"

namespace {

// 300 words on a few lines, 8 of them gaps.
AnsiString LongText() {
    const char* const words[] = {"Le", "petit", "chat", "de", "la", "voisine", "regarde", "les",
                                 "oiseaux", "qui", "chantent", "dans", "le", "grand", "arbre", "du",
                                 "jardin,", "puis", "il", "s'endort", "au", "soleil."};
    AnsiString text;
    for (int i = 0; i < 300; ++i) {
        text += i % 37 == 5 && i < 300 - 8 ? kGapToken : words[i % 22];
        text += i % 60 == 59 ? "\n" : " ";
    }
    return text;
}

TStringList Answers() {
    TStringList answers;
    for (int i = 0; i < 8; ++i) answers.Add("réponse");
    return answers;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

}  // namespace

// Not a timing: the resident memory after the first text exercise of a chapter and
// after the 200th, shown as counters (kB).
static void BM_WalkTwoHundredTextExercises(benchmark::State& state) {
    for (auto _ : state) {
        MainFormEXO->ShowForm();
        for (TTreeNode* n : MainFormEXO->IndexTree->Nodes())
            if (n->Text() == "Les textes") MainFormEXO->IndexTree->ClickNode(n);
        MainFormEXO->Label_Index_OKClick();
        // Each exercise is painted, as the event loop does after each click.
        QApplication::processEvents();
        state.counters["rss_first_kB"] = static_cast<double>(ResidentKb());
        for (int i = 1; i < 200; ++i) {
            MainFormEXO->LabelSuivantClick();
            QApplication::processEvents();
            if (i == 19) state.counters["rss_20th_kB"] = static_cast<double>(ResidentKb());
        }
        state.counters["rss_200th_kB"] = static_cast<double>(ResidentKb());
        if (MainFormEXO->NbExo->Caption() != "200/200") state.SkipWithError("chapter not walked");
        MainFormEXO->Close();
    }
}
BENCHMARK(BM_WalkTwoHundredTextExercises)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_LayOutText300Words8Gaps(benchmark::State& state) {
    // On the shown page, as the learner sees it.
    MainFormEXO->ShowForm();
    MainFormEXO->ExoPageControl->SetActivePageIndex(4);
    const AnsiString text = LongText();
    const TStringList answers = Answers();
    for (auto _ : state) {
        MainFormEXO->BuildTextQTRO(text, answers);
        // What the event loop does after each handler, untimed.
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (CountOccurrences(kGapToken, text) != 8 || MainFormEXO->WordLabels(MainFormEXO->Panel_Text_QTRO).size() < 600)
        state.SkipWithError("text not laid out");
    MainFormEXO->Close();
}
BENCHMARK(BM_LayOutText300Words8Gaps)->Unit(benchmark::kMillisecond);

// An answer alternately longer and shorter than the gap: the words after it move.
static void BM_ReflowAfterAnAnswer(benchmark::State& state) {
    MainFormEXO->ShowForm();
    MainFormEXO->ExoPageControl->SetActivePageIndex(4);
    MainFormEXO->BuildTextQTRO(LongText(), Answers());
    TLabel* gap = nullptr;
    for (TLabel* l : MainFormEXO->WordLabels(MainFormEXO->Panel_Text_QTRO))
        if (!gap && l->Caption() == kGapToken) gap = l;
    bool longer = false;
    for (auto _ : state) {
        state.PauseTiming();
        gap->SetCaption((longer = !longer) ? "anticonstitutionnellement" : "oui");
        QApplication::processEvents();
        state.ResumeTiming();
        MainFormEXO->ReflowWordLabels(MainFormEXO->Panel_Text_QTRO);
    }
    MainFormEXO->Close();
}
BENCHMARK(BM_ReflowAfterAnAnswer)->Unit(benchmark::kMicrosecond);

namespace {

// One line of about `bytes` characters: words and a gap now and then, or (for the words
// to retype) marked words glued to each other, with no blank to cut at.
AnsiString OneLongLine(size_t bytes, WordMarkup markup) {
    AnsiString line;
    line.reserve(bytes + 16);
    for (int i = 0; line.size() < bytes; ++i) {
        if (markup == WordMarkup::MarkedWords)
            line += i % 2 ? "{mot}" : "a{b}";
        else
            line += i % 50 == 0 ? "({...}), " : "chaque ";
    }
    return line;
}

}  // namespace

static void BM_CutOneLongLine(benchmark::State& state) {
    const auto markup = static_cast<WordMarkup>(state.range(1));
    const AnsiString line = OneLongLine(static_cast<size_t>(state.range(0)), markup);
    size_t pieces = 0;
    for (auto _ : state) {
        // As a layout takes them, one by one.
        pieces = 0;
        CutTextIntoPieces(line, markup, [&](const WordPiece&) { return ++pieces > 0; });
    }
    state.counters["pieces"] = static_cast<double>(pieces);
}
BENCHMARK(BM_CutOneLongLine)
    ->ArgsProduct({{100'000, 2'000'000}, {static_cast<int>(WordMarkup::Gaps), static_cast<int>(WordMarkup::MarkedWords)}})
    ->Unit(benchmark::kMillisecond);

// The builder's check of a gap text to type whose one gap opens a long line of words.
static void BM_BuilderCheckOneLongLine(benchmark::State& state) {
    std::string content = "/#Complète.#/ /#Il {...}";
    while (content.size() < static_cast<size_t>(state.range(0))) content += " chaque";
    content += "#/ /#mot#/";
    for (auto _ : state) benchmark::DoNotOptimize(CheckExerciseContent(5, content));
}
BENCHMARK(BM_BuilderCheckOneLongLine)->Arg(100'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond);

namespace {

// A chapter of 200 text exercises, gaps to type and words to retype in turn.
struct TextChapter {
    TempDataFolder folder{std::vector<std::string>{"Paul@Mathematiques CM1"}};
    TextChapter() {
        SetProgramme(folder.ExosDb(), "Mathematiques", "CM1", "[T1] Les textes");
        ClearTable(folder.ExosDb(), "exos_math_cm1");
        for (int i = 0; i < 200; ++i)
            InsertExercise(folder.ExosDb(), "exos_math_cm1",
                           {"T1", i % 2 ? 8 : 5, std::to_string(i + 1),
                            i % 2 ? "/#Accorde.#/ /#Les {oiseau} chantent dans les {arbre}.#/ /#oiseaux#/ /#arbres#/"
                                  : "/#Complète.#/ /#Le {...} mange une {...}.\nLe {...} boit du {...}.#/"
                                    " /#chat#/ /#souris#/ /#chien#/ /#lait#/",
                            "", 0});
    }
};

}  // namespace

int main(int argc, char** argv) {
    return RunScreenBenchmarks<TextChapter>(argc, argv);
}
