#pragma once
// A data folder for tests: laid out by the builder in a fresh temporary directory,
// made the working directory, removed afterwards; and small helpers to read and
// write its databases directly.
#include <map>
#include <string>
#include <vector>

#include "Builder.h"

class TempDataFolder {
public:
    // Lays out the data folder (both databases, exo_images/) without a learner file.
    TempDataFolder();
    // The same, then writes liste_apprenants.txt with these lines (given in UTF-8,
    // written as the program writes it: Windows-1252, CR LF), even when there are none.
    explicit TempDataFolder(const std::vector<std::string>& learnerLines);
    // Restores the previous working directory and removes the folder.
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    const std::string& Dir() const { return dir_; }
    std::string Path(const std::string& name) const;   // Dir() + "/" + name
    std::string ExosDb() const { return Path("bd_exos.mdb"); }
    std::string TraceDb() const { return Path("bd_trace.mdb"); }
    std::string ImagesDir() const { return Path("exo_images"); }
    std::string LearnerFile() const { return Path("liste_apprenants.txt"); }

    void WriteLearnerFile(const std::vector<std::string>& utf8Lines) const;

private:
    TempDataFolder(const std::vector<std::string>* learnerLines, const std::string& contentDir);
    std::string dir_;
    std::string previousDir_;
};

// A fresh empty temporary directory (removed by the caller).
std::string MakeTempDir(const std::string& prefix);

using DbRow = std::map<std::string, std::string>;
// Runs a query and returns its rows, column name -> value as UTF-8 text (integers in
// decimal, Null as ""). Throws std::runtime_error on a database error.
std::vector<DbRow> ReadRows(const std::string& dbPath, const std::string& sql);
// Runs statements that return nothing. Throws std::runtime_error.
void ExecSql(const std::string& dbPath, const std::string& sql);

// One exercise record, its content given in clear UTF-8; it is scrambled on insert.
struct ExerciseRecord {
    std::string code;           // codeExo
    int typeExo = 1;
    std::string number;         // numEXO
    std::string content;        // clear
    std::string image;          // "" stores Null
    int resolu = 0;
};
// Appends the record to a level table (after the records already there).
void InsertExercise(const std::string& dbPath, const std::string& table, const ExerciseRecord& record);
// Empties a level table.
void ClearTable(const std::string& dbPath, const std::string& table);
// Sets the programme text of a subject and level (UTF-8), adding the row when missing.
void SetProgramme(const std::string& dbPath, const std::string& matiere, const std::string& classe,
                  const std::string& programme);
