// The table of contents without any screen.
#include "player/ChapterIndex.h"

bool SplitChapterLine(const AnsiString& line, AnsiString& code, AnsiString& title) {
    const AnsiString s = Trim(line);
    if (s.size() < 3 || s[0] != '[') return false;
    const int close = Pos("]", s);
    if (close == 0) return false;
    code = Trim(SubString(s, 2, close - 2));
    title = Trim(SubStringFrom(s, close + 1));
    return true;
}

AnsiString CutRemark(const AnsiString& title) {
    AnsiString s = Trim(title);
    const int p = Pos("#(", s);
    if (p > 0) s = Trim(SubString(s, 1, p - 1));
    return s;
}

AnsiString SumTypeCountsText(const AnsiString& counts) {
    long long sum = 0;
    AnsiString s = Trim(counts);
    for (int p = Pos(",", s); p > 0; p = Pos(",", s)) {
        sum += LeadingInt(Trim(SubString(s, 1, p - 1)));
        s = Trim(SubStringFrom(s, p + 1));
    }
    sum += LeadingInt(s);
    return " T = " + IntToStr(sum);
}

int EntryExerciseCount(const AnsiString& data) {
    const int p = Pos("=", data);
    if (p == 0) return 0;
    return LeadingInt(Trim(SubStringFrom(data, p + 1)));
}

AnsiString EntryChapterCode(const AnsiString& data) {
    const int p = Pos("NbExo", data);
    return Trim(p > 0 ? SubString(data, 1, p - 1) : data);
}

AnsiString EntryDataWithTotal(const AnsiString& code, const AnsiString& total) {
    return code + " NbExo = " + total;
}

namespace {
// The builder indexes exactly these rows on (codeExo, typeEXO): a count walks that
// index alone, already in code order. SQLite takes that index only while the
// condition stays the index's own.
const char* const kCountedKinds = " WHERE (typeExo IN (1, 2, 3, 4, 5, 6, 7, 8))";
}  // namespace

AnsiString CountQueryText(const AnsiString& tableName) {
    return "SELECT codeExo, COUNT(*) AS NbExo FROM " + tableName + kCountedKinds + " GROUP BY codeExo";
}

AnsiString LevelCountQueryText(const AnsiString& tableName) {
    return "SELECT COUNT(*) AS NbExo FROM " + tableName + kCountedKinds;
}

AnsiString NarrowQueryToChapter(const AnsiString& sql, const AnsiString& code) {
    const int p = Pos("=", sql);
    if (p == 0) return sql;
    AnsiString quoted;
    for (char c : code) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return SubString(sql, 1, p) + "\"" + quoted + "\"))";
}

void ChapterCountTable::Add(const AnsiString& code, long long count) {
    if (!code.empty()) chapters_[code].total += count;
}

bool ChapterCountTable::TakeEntryData(const AnsiString& code, AnsiString& data) {
    const auto found = chapters_.find(code);
    if (found == chapters_.end() || found->second.taken) return false;
    found->second.taken = true;
    data = EntryDataWithTotal(code, IntToStr(found->second.total));
    return true;
}
