#pragma once
// The table of contents without any screen: chapter codes of the programme lines,
// the exercise counts per code, the entry texts and the narrowing of the exercise
// query to one chapter.
#include <unordered_map>
#include <vector>

#include "platform/Text.h"

// A programme line (trimmed) carries a chapter code when it has at least three
// characters, begins with "[" and holds a "]": the code is the trimmed text between
// "[" and the first "]", the title the trimmed text after it.
bool SplitChapterLine(const AnsiString& line, AnsiString& code, AnsiString& title);

// The title without its remark: trimmed, cut before the first "#(", trimmed again.
AnsiString CutRemark(const AnsiString& title);

// " T = " followed by the sum of the comma-separated numbers of a count text
// (each read as a leading integer; no digits count 0).
AnsiString SumTypeCountsText(const AnsiString& counts);

// The number after the first "=" of an entry's data ("code NbExo = 5" gives 5);
// 0 without "=".
int EntryExerciseCount(const AnsiString& data);
// The chapter code of an entry's data: the text before "NbExo" when present, trimmed.
AnsiString EntryChapterCode(const AnsiString& data);
// The data of the first entry of a code once counted: code + " NbExo = " + total.
AnsiString EntryDataWithTotal(const AnsiString& code, const AnsiString& total);

// The count query over a level table: one row per code (codeExo, NbExo), the
// exercises of the eight kinds together.
AnsiString CountQueryText(const AnsiString& tableName);
// The exercises of the eight kinds in a level table, in one row (NbExo).
AnsiString LevelCountQueryText(const AnsiString& tableName);

// The exercise query narrowed to one chapter: the text up to its first "=", then
// the code between double quotes and "))". A double quote inside the code is
// doubled, so the code stays one literal. A text without "=" is kept as it is.
AnsiString NarrowQueryToChapter(const AnsiString& sql, const AnsiString& code);

// The number of exercises of each chapter code, found by code.
class ChapterCountTable {
public:
    // Adds exercises to a code; an empty code is left out.
    void Add(const AnsiString& code, long long count);
    int Count() const { return static_cast<int>(chapters_.size()); }
    // The data of the first entry holding a code (code + " NbExo = " + total): true
    // once per code with exercises, false for any other code and the later entries.
    bool TakeEntryData(const AnsiString& code, AnsiString& data);
private:
    struct Chapter {
        long long total = 0;
        bool taken = false;
    };
    std::unordered_map<AnsiString, Chapter> chapters_;
};
