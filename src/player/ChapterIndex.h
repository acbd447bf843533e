#pragma once
// The table of contents without any screen: chapter codes of the programme lines,
// the per-code exercise counts, the entry texts and the narrowing of the exercise
// query to one chapter.
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

// The count query of one kind over a level table.
AnsiString CountQueryText(const AnsiString& tableName, int typeExo);

// The exercise query narrowed to one chapter: the text up to its first "=", then
// the code between double quotes and "))". A double quote inside the code is
// doubled, so the code stays one literal. A text without "=" is kept as it is.
AnsiString NarrowQueryToChapter(const AnsiString& sql, const AnsiString& code);

// The exercise counts of each chapter code, one number per kind in page order
// (QCM, QO, QB, QCC, QTRO, QTRC, QMR, QMT), built one page at a time.
class ChapterCountTable {
public:
    // Starts the counts of page number t (1..8): from the second page on, every
    // code gets a ", 0" for it.
    void BeginPage(int pageNumber);
    // The count of a code on the current page. An empty code is skipped; a new code
    // starts with "0, " for every earlier page.
    void Add(const AnsiString& code, int pageNumber, int count);
    int Count() const { return codes_.Count(); }
    const AnsiString& Code(int i) const { return codes_[i]; }
    // "2, 0, 0, 0, 0, 0, 0, 3".
    const AnsiString& Counts(int i) const { return counts_[i]; }
    // The total of entry i (the trimmed text after "=" of its sum text).
    AnsiString Total(int i) const;
private:
    TStringList codes_, counts_;
};
