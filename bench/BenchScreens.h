#pragma once
// What every benchmark of the screens starts with: a Qt application without a
// display, a data folder of the benchmark's making, the eight screens created as the
// entry routine creates them, dialogs answered silently, and the home screen's
// start-up run in that folder.
#include <functional>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "QuietScreens.h"

// Runs the benchmarks of the program on the data folder that `Data` lays out and keeps
// until the screens are gone; `afterStartup` runs once the start-up is done.
template <typename Data>
int RunScreenBenchmarks(int argc, char** argv, const std::function<void()>& afterStartup = {}) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Data data;
    StartQuietScreens();
    if (afterStartup) afterStartup();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopQuietScreens();
    return 0;
}
