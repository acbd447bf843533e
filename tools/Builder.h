#pragma once
// The database builder: content/ -> bd_exos.mdb (scrambled texts), an empty
// bd_trace.mdb, and the exercise pictures of exo_images/.
#include <string>

#include "ContentSource.h"

// The content folder of the source tree.
std::string DefaultContentDir();

// (Re)creates the exercise database at outPath from the content folder: the table of
// contents and the eleven level tables, every content stored scrambled, all text in
// UTF-8. The file is written beside outPath and renamed over it, so a failed build
// leaves the previous database whole. Needs a QApplication (the text exercises are
// laid out to be checked). Throws BuildError.
void BuildExerciseDatabase(const std::string& contentDir, const std::string& outPath);

// The indexes of a level table, to run once its rows are in (IF NOT EXISTS, so that
// they may be added to a database made before): the chapter lookup by code and the
// per-code count of the eight kinds, whose query must keep the condition
// "typeExo IN (1, 2, 3, 4, 5, 6, 7, 8)" to be able to walk it.
std::string LevelTableIndexSql(const std::string& table);

// Creates an empty trace database (TraceExo, OptionApp, Apprenant) at path. Refuses
// to replace an existing file. Throws BuildError.
void CreateTraceDatabase(const std::string& path);

// Draws every picture named by an exercise into imagesDir (made when missing), as
// JPEG. Needs a QApplication. Returns the number of pictures written.
int MakeExercisePictures(const std::string& contentDir, const std::string& imagesDir);

struct BuildSummary {
    int exercises = 0;
    int tables = 0;
    int pictures = 0;
    bool traceCreated = false;   // false when an existing bd_trace.mdb was kept
};

// Lays out a data folder: makes dir when needed, builds bd_exos.mdb, creates
// bd_trace.mdb only when it is not there, makes exo_images/ with its pictures.
// The learner file and an existing trace are left alone. Needs a QApplication.
// Throws BuildError.
BuildSummary LayOutDataFolder(const std::string& dir, const std::string& contentDir = DefaultContentDir());
