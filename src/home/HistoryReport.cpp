// The history report without its screen.
#include "home/HistoryReport.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include <QCollator>
#include <QLocale>
#include <QString>

#include "platform/DateTime.h"

namespace {

// The report's own words, in the program's 8-bit text.
struct Words {
    AnsiString day = "     Jour de la semaine: ";
    AnsiString start = Utf8ToAnsi("     Heure de début: ");
    AnsiString end = "     Heure de fin:\t  ";
    AnsiString elapsed = Utf8ToAnsi("     Temps écoulé:\t  ");
    AnsiString mark = "     Note obtenue: ";
    AnsiString check = Utf8ToAnsi("     A sollicité la vérification: ");
    AnsiString kind = "     Type d'exercice: ";
    AnsiString chapter = "     Chapitre: ";
    AnsiString game = "     Nom du jeu: ";
    AnsiString outcome = Utf8ToAnsi("     A terminé la partie: ");
    AnsiString shots = Utf8ToAnsi("     Nombre de tirs utilisés: ");
    AnsiString success = Utf8ToAnsi("succès");
    AnsiString rule = AnsiString(64, '-');
    AnsiString ellipsis = Utf8ToAnsi("…");
};

const Words& W() {
    static const Words words;
    return words;
}

const char* const kShipGame = "LA RECONNAISSANCE";

// Days from 1 January 1970 (Howard Hinnant's days_from_civil).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

long long SecondsOf(const TDateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

// The part of a text before its first blank, trimmed; the whole text, trimmed, when
// there is no blank.
AnsiString DatePartOf(const AnsiString& text) {
    const int p = Pos(" ", text);
    return Trim(p == 0 ? text : SubString(text, 1, p - 1));
}

// "01 heure " / "05 minutes ": the text, its unit (plural from 2) and a blank, when
// its value is above 0.
void AppendUnit(AnsiString& out, const AnsiString& text, const char* unit) {
    const int value = LeadingInt(text);
    if (value <= 0) return;
    out += text + " " + unit + (value >= 2 ? "s" : "") + " ";
}

// The place of each record's chapter in French order, case and accents aside: the
// chapters are few, so each is placed once and the records are sorted by number. Texts
// the collator holds equal still differ as groups and are kept apart by their bytes.
std::vector<long long> ChapterRanks(const std::vector<TraceFields>& records) {
    std::unordered_map<AnsiString, long long> ranks;
    std::vector<long long*> rankOf;
    std::vector<AnsiString> chapters;
    rankOf.reserve(records.size());
    for (const TraceFields& r : records) {
        const auto [at, added] = ranks.emplace(Trim(r.chap), 0);
        if (added) chapters.push_back(at->first);
        rankOf.push_back(&at->second);
    }
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    std::vector<QString> texts;
    texts.reserve(chapters.size());
    for (const AnsiString& c : chapters) texts.push_back(ToQString(c));
    std::vector<size_t> placed(chapters.size());
    for (size_t i = 0; i < placed.size(); ++i) placed[i] = i;
    std::sort(placed.begin(), placed.end(), [&](size_t a, size_t b) {
        const int c = collator.compare(texts[a], texts[b]);
        return c != 0 ? c < 0 : chapters[a] < chapters[b];
    });
    for (size_t i = 0; i < placed.size(); ++i) ranks[chapters[placed[i]]] = static_cast<long long>(i);
    std::vector<long long> result;
    result.reserve(records.size());
    for (long long* rank : rankOf) result.push_back(*rank);
    return result;
}

}  // namespace

AnsiString OrderField(HistoryOrder order) {
    return order == HistoryOrder::ByDate ? "ExoStart" : "ExoChap";
}

AnsiString OrderedQueryText(const AnsiString& sql, HistoryOrder order) {
    const int p = Pos(" BY ", sql);
    // A text without an order gets one.
    const AnsiString head = p == 0 ? sql + " ORDER" : SubString(sql, 1, p - 1);
    return head + " BY " + OrderField(order) + " ASC";
}

AnsiString DayNameOf(const AnsiString& text) {
    static const char* const names[7] = {"Jeudi", "Vendredi", "Samedi", "Dimanche",
                                         "Lundi", "Mardi", "Mercredi"};   // from a Thursday
    TDateTime date;
    const AnsiString part = DatePartOf(text);
    if (!ParseDateTimeText(part, date)) return "";
    const long long days = DaysFromCivil(date.year, date.month, date.day);
    return AnsiString(names[((days % 7) + 7) % 7]) + " ";
}

AnsiString TimePartOf(const AnsiString& text) {
    const int p = Pos(" ", text);
    if (p != 0) return Trim(SubStringFrom(text, p + 1));
    // At exactly midnight the time is not written: a date alone is that time.
    TDateTime date;
    if (ParseDateTimeText(text, date)) return "00:00:00";
    return text;
}

bool ElapsedTimeText(const AnsiString& start, const AnsiString& end, AnsiString& words) {
    TDateTime from, to;
    if (!ParseDateTimeText(start, from) || !ParseDateTimeText(end, to)) return false;
    // The difference as a time of day: whole days dropped, before as after.
    const long long seconds = std::llabs(SecondsOf(to) - SecondsOf(from)) % 86400;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    AnsiString rest = buf;

    AnsiString out;
    int p = Pos(":", rest);
    if (p != 0) {
        AppendUnit(out, Trim(SubString(rest, 1, p - 1)), "heure");
        rest = Trim(SubStringFrom(rest, p + 1));
        p = Pos(":", rest);
        if (p != 0) {
            const AnsiString minutes = Trim(SubString(rest, 1, p - 1));
            rest = Trim(SubStringFrom(rest, p + 1));
            AppendUnit(out, minutes, "minute");
            AppendUnit(out, rest, "seconde");
        }
    }
    out = Trim(out);
    words = out.empty() ? rest : out;
    return true;
}

void SortForReport(std::vector<TraceFields>& records, HistoryOrder order) {
    struct Keyed {
        long long key;
        size_t index;
    };
    std::vector<Keyed> keys;
    keys.reserve(records.size());
    if (order == HistoryOrder::ByDate) {
        for (size_t i = 0; i < records.size(); ++i) {
            TDateTime t;
            keys.push_back({ParseDateTimeText(records[i].start, t) ? SecondsOf(t) : LLONG_MAX, i});
        }
    } else {
        const std::vector<long long> ranks = ChapterRanks(records);
        for (size_t i = 0; i < records.size(); ++i) keys.push_back({ranks[i], i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::vector<TraceFields> sorted;
    sorted.reserve(records.size());
    for (const Keyed& k : keys) sorted.push_back(std::move(records[k.index]));
    records = std::move(sorted);
}

AnsiString ShownField(const AnsiString& text) {
    AnsiString shown = Trim(text);
    if (shown.size() <= kShownFieldChars) return shown;
    shown.resize(kShownFieldChars - 1);
    return TrimRight(shown) + W().ellipsis;
}

void HistoryReport::Add(const TraceFields& r) {
    const Words& w = W();
    const bool byDate = order_ == HistoryOrder::ByDate;
    const AnsiString group = byDate ? DatePartOf(r.start) : Trim(r.chap);
    if (group != group_) {
        AnsiString title = byDate ? DayNameOf(r.start) + group : group;
        // Records without a start come after every date, under a title of their own.
        if (byDate && Trim(title).empty()) title = "Sans date";
        lines_.insert(lines_.end(), {" ", " ", w.rule, AnsiUpperCase(ShownField(title)), w.rule});
        group_ = group;
        number_ = 1;
    }

    // Every text of the record is cut to a line or two: the memo lays out slowly what
    // is long, and a record may hold anything.
    lines_.push_back("  " + IntToStr(number_) + ".");
    lines_.push_back(w.day + DayNameOf(r.start));
    lines_.push_back(w.start + ShownField(TimePartOf(r.start)));
    lines_.push_back(w.end + ShownField(TimePartOf(r.end)));
    AnsiString elapsed;
    if (ElapsedTimeText(r.start, r.end, elapsed)) lines_.push_back(w.elapsed + elapsed);

    const AnsiString chapter = w.chapter + AnsiUpperCase(ShownField(r.chap));
    if (AnsiUpperCase(Trim(r.code)) != "JEU") {
        lines_.push_back(w.mark + ShownField(r.note) + "/10");
        lines_.push_back(w.check + (r.useverif == "0" ? "non" : "oui"));
        lines_.push_back(w.kind + ShownField(r.type));
        lines_.push_back(chapter);
    } else {
        const AnsiString game = AnsiUpperCase(ShownField(r.type));
        const bool ship = Pos(kShipGame, game) == 1;
        lines_.push_back(chapter);
        lines_.push_back(w.game + (ship ? AnsiString("LA RECONNAISSANCE NAVALE") : game));
        lines_.push_back(w.outcome + (r.useverif == "0" ? w.success : AnsiString("abandon")));
        if (ship) lines_.push_back(w.shots + ShownField(r.note));
    }
    ++number_;
}

AnsiString HistoryReport::Text() const {
    size_t size = 0;
    for (const AnsiString& line : lines_) size += line.size() + 2;
    AnsiString text;
    text.reserve(size);
    for (const AnsiString& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return Trim(text);
}
