// The history report without its screen: the order of the query, day names, time
// parts, the elapsed time in words, the lines of a record and of a group, the order of
// the records.
#include <gtest/gtest.h>

#include "home/HistoryReport.h"
#include "platform/Text.h"

namespace {

AnsiString A(const char* utf8) { return Utf8ToAnsi(utf8); }

TraceFields Exercise(const char* start, const char* end, const char* chap = "Les fractions") {
    return {"102", start, end, "7", "0", "QB", chap};
}

TraceFields Game(const char* type, const char* note, const char* useverif) {
    return {" Jeu ", "16/03/2024 10:00:00", "16/03/2024 10:12:40", note, useverif, type, "Jeu"};
}

std::vector<AnsiString> Lines(const std::vector<const char*>& utf8) {
    std::vector<AnsiString> lines;
    for (const char* l : utf8) lines.push_back(A(l));
    return lines;
}

}  // namespace

TEST(HistoryReportLogic, QueryTextCutAtItsFirstByAndGivenTheOrder) {
    const AnsiString stored = "SELECT * FROM TraceExo ORDER BY ExoStart";
    EXPECT_EQ(OrderedQueryText(stored, HistoryOrder::ByDate), stored + " ASC");
    const AnsiString byChapter = OrderedQueryText(stored, HistoryOrder::ByChapter);
    EXPECT_EQ(byChapter, "SELECT * FROM TraceExo ORDER BY ExoChap ASC");
    // Cut at the same place again, whatever order was chosen before.
    EXPECT_EQ(OrderedQueryText(byChapter, HistoryOrder::ByChapter), byChapter);
    EXPECT_EQ(OrderedQueryText(byChapter, HistoryOrder::ByDate), stored + " ASC");
    EXPECT_EQ(OrderedQueryText("SELECT * FROM TraceExo", HistoryOrder::ByDate),
              "SELECT * FROM TraceExo ORDER BY ExoStart ASC");
    EXPECT_EQ(OrderField(HistoryOrder::ByDate), "ExoStart");
    EXPECT_EQ(OrderField(HistoryOrder::ByChapter), "ExoChap");
}

TEST(HistoryReportLogic, DayNamesAndTimeParts) {
    const std::vector<std::pair<const char*, const char*>> days = {
        {"10/03/2024 09:00:00", "Dimanche "}, {"11/03/2024", "Lundi "},           {"12/03/2024 23:59:59", "Mardi "},
        {"13/03/2024 10:00:00", "Mercredi "}, {"14/03/2024 ", "Jeudi "},          {"15/03/2024 08:00:00", "Vendredi "},
        {"16/03/2024 10:00:00", "Samedi "},   {"29/02/2000", "Mardi "},            {"01/01/1900", "Lundi "},
        {"", ""},                             {"31/02/2024 10:00:00", ""},         {"16-03-2024 10:00:00", ""},
        {"jeu", ""},
    };
    for (const auto& [text, name] : days) EXPECT_EQ(DayNameOf(text), name) << text;

    const std::vector<std::pair<const char*, const char*>> times = {
        {"16/03/2024 10:05:09", "10:05:09"}, {"16/03/2024   7:05:09 ", "7:05:09"},
        {"16/03/2024", "00:00:00"},   // midnight: the time is not written
        {"", ""},                     {"abc", "abc"},
    };
    for (const auto& [text, time] : times) EXPECT_EQ(TimePartOf(text), time) << text;
}

TEST(HistoryReportLogic, ElapsedTimeInWords) {
    const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
        {"13/03/2024 10:00:00", "13/03/2024 11:05:00", "01 heure 05 minutes"},
        {"13/03/2024 10:00:00", "13/03/2024 10:01:30", "01 minute 30 secondes"},
        {"13/03/2024 10:00:00", "13/03/2024 10:00:00", "00"},
        {"13/03/2024 10:00:00", "13/03/2024 10:00:45", "45 secondes"},
        {"13/03/2024 10:00:00", "13/03/2024 10:00:01", "01 seconde"},
        {"13/03/2024 10:00:00", "13/03/2024 11:00:05", "01 heure 05 secondes"},
        {"13/03/2024 10:00:00", "13/03/2024 12:02:02", "02 heures 02 minutes 02 secondes"},
        // Whole days are dropped; across midnight and a month end as any other time.
        {"13/03/2024 10:00:00", "15/03/2024 10:00:45", "45 secondes"},
        {"31/03/2024 23:59:00", "01/04/2024 00:01:00", "02 minutes"},
        {"16/03/2024", "16/03/2024 00:10:00", "10 minutes"},
        // An end before its start counts the time between them.
        {"13/03/2024 10:05:00", "13/03/2024 10:00:00", "05 minutes"},
    };
    for (const auto& [start, end, words] : cases) {
        AnsiString out;
        EXPECT_TRUE(ElapsedTimeText(start, end, out)) << start << " " << end;
        EXPECT_EQ(out, words) << start << " " << end;
    }
    for (const auto& [start, end] : std::vector<std::pair<const char*, const char*>>{
             {"", "13/03/2024 10:00:00"}, {"13/03/2024 10:00:00", ""}, {"13/03/2024 25:00:00", "13/03/2024"}}) {
        AnsiString out = "unchanged";
        EXPECT_FALSE(ElapsedTimeText(start, end, out)) << start << " " << end;
    }
}

TEST(HistoryReportLogic, RecordLinesOfAnExerciseAndOfBothGames) {
    HistoryReport report(HistoryOrder::ByChapter);
    report.Add({"102", "13/03/2024 10:00:00", "13/03/2024 11:05:00", " 7 ", "1", " QB ", " les Fractions "});
    report.Add(Game("La reconnaissance navale", "40", "1"));
    report.Add(Game("LA RECONNAISSANCE NAVALE", "37", "0"));
    report.Add(Game("LE COMPTE EST BON", "10", "0"));
    report.Add(Game("le compte est bon", "0", "1"));
    const std::vector<AnsiString> expected = Lines({
        " ", " ", "----------------------------------------------------------------", "LES FRACTIONS",
        "----------------------------------------------------------------",
        "  1.",
        "     Jour de la semaine: Mercredi ",
        "     Heure de début: 10:00:00",
        "     Heure de fin:\t  11:05:00",
        "     Temps écoulé:\t  01 heure 05 minutes",
        "     Note obtenue: 7/10",
        "     A sollicité la vérification: oui",
        "     Type d'exercice: QB",
        "     Chapitre: LES FRACTIONS",
        " ", " ", "----------------------------------------------------------------", "JEU",
        "----------------------------------------------------------------",
        "  1.",
        "     Jour de la semaine: Samedi ",
        "     Heure de début: 10:00:00",
        "     Heure de fin:\t  10:12:40",
        "     Temps écoulé:\t  12 minutes 40 secondes",
        "     Chapitre: JEU",
        "     Nom du jeu: LA RECONNAISSANCE NAVALE",
        "     A terminé la partie: abandon",
        "     Nombre de tirs utilisés: 40",
        "  2.",
    });
    ASSERT_GE(report.Lines().size(), expected.size());
    EXPECT_EQ(std::vector<AnsiString>(report.Lines().begin(), report.Lines().begin() + expected.size()), expected);
    // The game records that follow: success of the ship game, then the numbers game
    // without shots nor mark, named in capitals.
    const std::vector<AnsiString> tail = Lines({
        "     Chapitre: JEU", "     Nom du jeu: LA RECONNAISSANCE NAVALE", "     A terminé la partie: succès",
        "     Nombre de tirs utilisés: 37", "  3.",
        "     Jour de la semaine: Samedi ", "     Heure de début: 10:00:00", "     Heure de fin:\t  10:12:40",
        "     Temps écoulé:\t  12 minutes 40 secondes", "     Chapitre: JEU", "     Nom du jeu: LE COMPTE EST BON",
        "     A terminé la partie: succès", "  4.",
        "     Jour de la semaine: Samedi ", "     Heure de début: 10:00:00", "     Heure de fin:\t  10:12:40",
        "     Temps écoulé:\t  12 minutes 40 secondes", "     Chapitre: JEU", "     Nom du jeu: LE COMPTE EST BON",
        "     A terminé la partie: abandon",
    });
    EXPECT_EQ(std::vector<AnsiString>(report.Lines().end() - tail.size(), report.Lines().end()), tail);
    // The memo's text begins with the first rule and ends with the last line.
    const AnsiString text = report.Text();
    EXPECT_EQ(text.substr(0, 66), AnsiString(64, '-') + "\r\n");
    EXPECT_EQ(text.substr(text.size() - 9), ": abandon");
}

TEST(HistoryReportLogic, GroupsNumberingAndTheLeadingRecordsWithoutAKey) {
    // By chapter: empty keys first under no title, any change of the key (of case
    // too) starts a group numbered from 1.
    HistoryReport byChapter(HistoryOrder::ByChapter);
    for (const char* chap : {"", "  ", "Les fractions", "Les fractions ", "les fractions", "Jeu"})
        byChapter.Add(Exercise("13/03/2024 10:00:00", "13/03/2024 10:01:00", chap));
    std::vector<AnsiString> titles, numbers;
    const auto& lines = byChapter.Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        const AnsiString rule(64, '-');
        if (i > 0 && i + 1 < lines.size() && lines[i - 1] == rule && lines[i + 1] == rule) titles.push_back(lines[i]);
        if (lines[i].size() > 2 && lines[i][2] != ' ' && lines[i].back() == '.') numbers.push_back(Trim(lines[i]));
    }
    EXPECT_EQ(titles, (std::vector<AnsiString>{"LES FRACTIONS", "LES FRACTIONS", "JEU"}));
    EXPECT_EQ(numbers, (std::vector<AnsiString>{"1.", "2.", "1.", "2.", "1.", "1."}));
    EXPECT_EQ(byChapter.Text().substr(0, 4), "1.\r\n");

    // By date: the day name and the date; a record without a start time has no day
    // name, no start and no elapsed time.
    HistoryReport byDate(HistoryOrder::ByDate);
    byDate.Add(Exercise("", "16/03/2024 10:00:00"));
    byDate.Add(Exercise("13/03/2024 10:00:00", "13/03/2024 10:00:00"));
    const std::vector<AnsiString> expected = Lines({
        "  1.", "     Jour de la semaine: ", "     Heure de début: ", "     Heure de fin:\t  10:00:00",
        "     Note obtenue: 7/10", "     A sollicité la vérification: non", "     Type d'exercice: QB",
        "     Chapitre: LES FRACTIONS",
        " ", " ", "----------------------------------------------------------------", "MERCREDI 13/03/2024",
        "----------------------------------------------------------------", "  1.",
    });
    EXPECT_EQ(std::vector<AnsiString>(byDate.Lines().begin(), byDate.Lines().begin() + expected.size()), expected);
    EXPECT_TRUE(HistoryReport(HistoryOrder::ByDate).Text().empty());
}

TEST(HistoryReportLogic, RecordsByDateComeInCalendarOrder) {
    // The start texts sort day first: 02/04 before 13/03, 2023 among 2024.
    std::vector<TraceFields> records = {
        Exercise("02/04/2024 08:00:00", ""), Exercise("13/03/2024 10:00:00", "", "a"),
        Exercise("13/03/2024 10:00:00", "", "b"), Exercise("13/03/2024 9:30:00", ""),
        Exercise("20/12/2023 10:00:00", ""), Exercise("", "", "empty"), Exercise("hier", "", "unreadable"),
    };
    std::vector<TraceFields> byChapter = records;
    SortForReport(byChapter, HistoryOrder::ByChapter);
    for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(byChapter[i].start, records[i].start);

    SortForReport(records, HistoryOrder::ByDate);
    std::vector<AnsiString> order;
    for (const TraceFields& r : records) order.push_back(r.start + "|" + r.chap);
    EXPECT_EQ(order, (std::vector<AnsiString>{"|empty", "hier|unreadable", "20/12/2023 10:00:00|Les fractions",
                                              "13/03/2024 9:30:00|Les fractions", "13/03/2024 10:00:00|a",
                                              "13/03/2024 10:00:00|b", "02/04/2024 08:00:00|Les fractions"}));
}
