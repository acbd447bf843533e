// exobuilder DATA_DIR: lays out a data folder from the content of the source tree.
#include <cstdio>
#include <exception>

#include <QApplication>

#include "Builder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: exobuilder DATA_DIR\n");
        return 1;
    }
    const char* dir = argv[1];
    // The pictures are drawn and the texts laid out off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        const BuildSummary s = LayOutDataFolder(dir);
        std::printf("exobuilder: %d exercises in %d level tables, %d pictures, %s bd_trace.mdb, in %s\n",
                    s.exercises, s.tables, s.pictures, s.traceCreated ? "new" : "kept", dir);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exobuilder: failed: %s\n", e.what());
        return 1;
    }
}
