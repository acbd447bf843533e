#pragma once
// The history report without its screen: every trace record as lines of plain text,
// grouped by the day it started or by chapter; the order of the query, the time parts,
// the elapsed time in words and the French day names.
#include <vector>

#include "platform/Text.h"

// What the report reads of one trace record, each field as text.
struct TraceFields {
    AnsiString code;       // ExoCode: "jeu" for a game
    AnsiString start;      // ExoStart, a DateTimeText
    AnsiString end;        // ExoEnd, a DateTimeText
    AnsiString note;       // ExoNote: the mark, or the shots of the ship game
    AnsiString useverif;   // ExoUseverif: "0" or "1"
    AnsiString type;       // ExoType: kind of exercise or name of the game
    AnsiString chap;       // ExoChap
};

enum class HistoryOrder { ByDate, ByChapter };

// The field the records are grouped and sorted by: "ExoStart" or "ExoChap".
AnsiString OrderField(HistoryOrder order);
// The query text cut at its first " BY " and ended by the order:
// "SELECT * FROM TraceExo ORDER BY ExoStart" -> "... ORDER BY ExoChap ASC".
AnsiString OrderedQueryText(const AnsiString& sql, HistoryOrder order);

// The French name of the day of a DateTimeText (or of a date alone) followed by one
// blank ("Mercredi "); empty when the date cannot be read.
AnsiString DayNameOf(const AnsiString& text);
// The time of a DateTimeText: the text after its first blank, trimmed; "00:00:00" for
// a date alone (midnight); any other text without a blank whole.
AnsiString TimePartOf(const AnsiString& text);
// The time from start to end in words ("01 heure 05 minutes", "01 minute 30 secondes",
// "00" under a second); whole days are left out. False when either cannot be read.
bool ElapsedTimeText(const AnsiString& start, const AnsiString& end, AnsiString& words);

// Puts the records in the order of the report. By date: in calendar order of their
// start (the texts sort day first), those whose start cannot be read after every date.
// By chapter: in French order, case and accents aside ("additions" before "Équations"
// before "Fractions"); texts differing in case or accents only stay apart. Records of
// equal key keep their order.
void SortForReport(std::vector<TraceFields>& records, HistoryOrder order);

// The longest text of a record the report shows, a line or two of the memo.
constexpr size_t kShownFieldChars = 120;
// A text of a record as the report shows it: trimmed, and cut with "…" when longer
// than kShownFieldChars (which it then is, "…" included).
AnsiString ShownField(const AnsiString& text);

// The report, made one record at a time in the order of the report.
class HistoryReport {
public:
    explicit HistoryReport(HistoryOrder order) : order_(order) {}
    // A group title when the record's group differs from the one before, then its lines.
    void Add(const TraceFields& record);
    const std::vector<AnsiString>& Lines() const { return lines_; }
    // The lines joined by line breaks, trimmed: what the memo shows.
    AnsiString Text() const;

private:
    HistoryOrder order_;
    std::vector<AnsiString> lines_;
    AnsiString group_;
    int number_ = 1;
};
