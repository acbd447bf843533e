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

AnsiString CountQueryText(const AnsiString& tableName, int typeExo) {
    return "SELECT codeExo, COUNT(*) AS NbExo FROM " + tableName + " WHERE (typeExo=" +
           IntToStr(typeExo) + ") GROUP BY codeExo";
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

void ChapterCountTable::BeginPage(int pageNumber) {
    if (pageNumber <= 1) return;
    for (int i = 0; i < counts_.Count(); ++i) counts_[i] += ", 0";
}

void ChapterCountTable::Add(const AnsiString& code, int pageNumber, int count) {
    if (code.empty()) return;
    const int i = codes_.IndexOf(code);
    if (i < 0) {
        AnsiString entry;
        for (int t = 1; t < pageNumber; ++t) entry += "0, ";
        codes_.Add(code);
        counts_.Add(entry + IntToStr(count));
    } else {
        AnsiString& entry = counts_[i];
        if (!entry.empty()) entry.pop_back();
        entry += IntToStr(count);
    }
}

AnsiString ChapterCountTable::Total(int i) const {
    const AnsiString sum = SumTypeCountsText(counts_[i]);
    return Trim(SubStringFrom(sum, Pos("=", sum) + 1));
}
