// The history report: its day names, time parts, elapsed times and order of records
// alone, then the screen on a real trace of exercises corrected by the player and game
// records written as the two games write them, reported by date and by chapter.
#include <algorithm>
#include <cstdio>

#include "../player/ChapterFixture.h"
#include "home/Historique.h"
#include "home/HistoryReport.h"
#include "LockedDatabase.h"

namespace {

using Texts = std::vector<AnsiString>;

const AnsiString kRule(64, '-');

// The report's outline: group titles (between two rules) and record numbers in order.
AnsiString Outline(const Texts& lines) {
    AnsiString outline;
    for (size_t i = 0; i < lines.size(); ++i)
        if (i > 0 && i + 1 < lines.size() && lines[i - 1] == kRule && lines[i + 1] == kRule)
            outline += "[" + lines[i] + "] ";
        else if (!lines[i].empty() && lines[i].back() == '.' && lines[i].find("     ") != 0)
            outline += Trim(lines[i]) + " ";
    return Trim(outline);
}

// The report of these records, in its order, as the memo shows it.
Texts ReportOf(std::vector<TraceFields> records, HistoryOrder order) {
    SortForReport(records, order);
    HistoryReport report(order);
    for (const TraceFields& r : records) report.Add(r);
    return SplitLines(report.Text());
}

}  // namespace

TEST(HistoryReportLogic, DayNamesTimePartsElapsedTimesAndCalendarOrder) {
    const std::pair<const char*, const char*> days[] = {
        {"10/03/2024 09:00:00", "Dimanche "}, {"11/03/2024", "Lundi "}, {"12/03/2024 23:59:59", "Mardi "},
        {"13/03/2024 10:00:00", "Mercredi "}, {"14/03/2024 ", "Jeudi "}, {"15/03/2024 08:00:00", "Vendredi "},
        {"16/03/2024 10:00:00", "Samedi "},   {"29/02/2000", "Mardi "},  {"01/01/1900", "Lundi "},
        {"", ""}, {"31/02/2024 10:00:00", ""}, {"16-03-2024 10:00:00", ""}, {"jeu", ""},
    };
    for (const auto& [text, name] : days) EXPECT_EQ(DayNameOf(text), name) << text;
    // A date alone is midnight; other texts without a blank stay whole.
    EXPECT_EQ(TimePartOf("16/03/2024") + "|" + TimePartOf("16/03/2024   7:05:09 ") + "|" + TimePartOf("abc"),
              "00:00:00|7:05:09|abc");

    // Elapsed times the screen's trace does not hold (nullptr: no elapsed time).
    const std::tuple<const char*, const char*, const char*> elapsed[] = {
        {"13/03/2024 10:00:00", "13/03/2024 10:00:01", "01 seconde"},
        {"13/03/2024 10:00:00", "13/03/2024 11:00:05", "01 heure 05 secondes"},
        {"13/03/2024 10:00:00", "13/03/2024 12:02:02", "02 heures 02 minutes 02 secondes"},
        {"31/03/2024 23:59:00", "01/04/2024 00:01:00", "02 minutes"},
        {"16/03/2024", "16/03/2024 00:10:00", "10 minutes"},
        {"13/03/2024 10:05:00", "13/03/2024 10:00:00", "05 minutes"},   // an end before its start
        {"13/03/2024 10:00:00", "", nullptr}, {"13/03/2024 25:00:00", "13/03/2024", nullptr},
    };
    for (const auto& [start, end, words] : elapsed) {
        AnsiString out;
        EXPECT_EQ(ElapsedTimeText(start, end, out), words != nullptr) << start << " " << end;
        if (words) {
            EXPECT_EQ(out, words) << start << " " << end;
        }
    }

    // By date, starts sort day first and by year; unreadable starts after every date,
    // ties kept.
    std::vector<TraceFields> records;
    for (const char* start : {"02/04/2024 08:00:00", "13/03/2024 10:00:00", "13/03/2024 10:00:00", "13/03/2024 9:30:00",
                              "20/12/2023 10:00:00", "", "hier"}) {
        TraceFields r;
        r.code = std::to_string(records.size());
        r.start = start;
        records.push_back(r);
    }
    SortForReport(records, HistoryOrder::ByDate);
    AnsiString order;
    for (const TraceFields& r : records) order += r.code;
    EXPECT_EQ(order, "4312056");
}

TEST(HistoryReportLogic, ChaptersInFrenchOrderCaseAndAccentsAside) {
    // Chapters as written, in the order of the trace -> titles and numbers of the report.
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{"Problèmes", "additions", "Équations", "Fractions", "additions", "zéro", "Zoo"},
         "[ADDITIONS] 1. 2. [ÉQUATIONS] 1. [FRACTIONS] 1. [PROBLÈMES] 1. [ZÉRO] 1. [ZOO] 1."},
        // A change of case or accent only still starts a group, next to its twin.
        {{"Additions", "Bilan", "additions", " Additions ", "élan", "Elan", "Élan"},
         "[ADDITIONS] 1. [ADDITIONS] 1. 2. [BILAN] 1. [ELAN] 1. [ÉLAN] 1. [ÉLAN] 1."},
        // Without a chapter first, under no title.
        {{"Jeu", "", "cube", ""}, "1. 2. [CUBE] 1. [JEU] 1."},
    };
    for (const auto& [chapters, outline] : cases) {
        std::vector<TraceFields> records;
        for (const char* chapter : chapters) {
            TraceFields r;
            r.start = "13/03/2024 10:00:00";
            r.chap = Ansi(chapter);
            records.push_back(r);
        }
        EXPECT_EQ(Outline(ReportOf(records, HistoryOrder::ByChapter)), Ansi(outline)) << outline;
    }
}

TEST(HistoryReportLogic, EveryTextOfARecordIsCutToALineOrTwo) {
    const AnsiString huge(1 << 20, 'x'), long2(kShownFieldChars + 1, 'y'), fits(kShownFieldChars, 'z');
    EXPECT_EQ(ShownField("  " + fits + "  "), fits);
    EXPECT_EQ(ShownField(long2), AnsiString(kShownFieldChars - 1, 'y') + Ansi("…"));
    EXPECT_EQ(ShownField(AnsiString(kShownFieldChars - 1, 'a') + "      b"), AnsiString(kShownFieldChars - 1, 'a') + Ansi("…"));

    // A megabyte in each text of an exercise and of a game record, by date and by chapter.
    TraceFields exercise{"101", "13/03/2024 " + huge, "13/03/2024 " + huge, huge, "0", huge, huge};
    TraceFields game{"jeu", huge, huge, huge, "1", "La reconnaissance " + huge, huge};
    for (HistoryOrder order : {HistoryOrder::ByDate, HistoryOrder::ByChapter}) {
        const Texts lines = ReportOf({exercise, game}, order);
        size_t cut = 0;
        for (const AnsiString& line : lines) {
            EXPECT_LE(line.size(), 40 + kShownFieldChars) << line.substr(0, 40);
            cut += line.find(Ansi("…")) != AnsiString::npos;
        }
        EXPECT_GE(cut, 10u);
        EXPECT_EQ(Outline(lines).substr(0, 17), order == HistoryOrder::ByDate ? "[MERCREDI 13/03/2" : "[XXXXXXXXXXXXXXXX");
    }
}

namespace {

class HistoryTest : public ChapterTest {
protected:
    THistoriqueForm& H() { return *HistoriqueForm; }

    // One exercise of chapter N1 put before the learner at `start`, answered and
    // corrected at `end`; `meanwhile` runs in between.
    void Exercise(TDateTime start, TDateTime end, const std::function<void()>& meanwhile = {}) {
        clock = start;
        if (exercises_++ == 0) OpenChapter();
        else player->LabelSuivantClick();
        player->qb_selection_click(player->qb_label_true);
        if (meanwhile) meanwhile();
        clock = end;
        player->LabelCorrigerClick();
    }
    // A record as the games write it: open, append, the eight fields in order, post, close.
    void GameRecord(const char* start, const char* end, const Variant& note, int useverif, const char* type) {
        TADOTable& t = *player->TRACE_Table;
        if (!player->TraceADOConnection->Connected()) player->TraceADOConnection->Open();
        t.Open();
        t.Append();
        const std::pair<const char*, Variant> fields[] = {{"ExoCode", "jeu"}, {"ExoStart", start}, {"ExoEnd", end},
                                                          {"ExoNote", note}, {"ExoUseverif", useverif},
                                                          {"ExoType", type}, {"ExoChap", "Jeu"}, {"ExoChapcode", "Jeu"}};
        for (const auto& [name, value] : fields) t.FieldByName(name).SetValue(value);
        t.Post();
        t.Close();
    }
    // Six corrected exercises (one started with an empty time and no chapter, one in a
    // chapter written in small letters) and four game records.
    void FillTrace() {
        SetExercises(TrueFalseChapter(6));
        Exercise({2024, 3, 13, 10, 0, 0}, {2024, 3, 13, 11, 5, 0});
        Exercise({2024, 3, 13, 11, 10, 0}, {2024, 3, 13, 11, 11, 30}, [this] { player->LabelVerificationClick(); });
        Exercise({2024, 3, 16, 9, 0, 0}, {2024, 3, 16, 9, 0, 0});
        Exercise({2024, 4, 2, 8, 0, 0}, {2024, 4, 3, 8, 0, 45});
        Exercise({2024, 3, 16, 9, 20, 0}, {2024, 3, 16, 9, 30, 0}, [this] {
            player->ExoStartTime = "";
            player->ChapterTitle = "";
        });
        Exercise({2024, 3, 16, 11, 0, 0}, {2024, 3, 16, 11, 2, 0}, [this] { player->ChapterTitle = "les grands nombres"; });
        GameRecord("16/03/2024 10:00:00", "16/03/2024 10:12:40", "37", 0, "LA RECONNAISSANCE NAVALE");
        GameRecord("16/03/2024 10:20:00", "16/03/2024 10:25:00", "40", 1, "La reconnaissance navale");
        GameRecord("16/03/2024 10:30:00", "16/03/2024 10:31:00", 10, 0, "LE COMPTE EST BON");
        GameRecord("16/03/2024 10:40:00", "16/03/2024 10:41:05", 0, 1, "LE COMPTE EST BON");
        player->Close();
        ASSERT_EQ(TraceRows().size(), 10u);
    }

    // Chooses the order and clicks the report command, as the learner does.
    Texts Report(TRadioButton* order) {
        const QPoint at = order->mapTo(&H(), QPoint(8, order->Height() / 2));
        ClickAt(&H(), at.x(), at.y());
        EXPECT_TRUE(order->Checked());
        SendClick(H().LabelVisualiser);
        return SplitLines(H().Histo->Text());
    }
    Texts Shown() { return SplitLines(H().Histo->Text()); }

    // What follows the label on each line that starts with it (UTF-8 label), sorted.
    static Texts Values(const Texts& lines, const char* label) {
        const AnsiString prefix = Ansi(label);
        Texts values;
        for (const AnsiString& l : lines)
            if (l.compare(0, prefix.size(), prefix) == 0) values.push_back(l.substr(prefix.size()));
        std::sort(values.begin(), values.end());
        return values;
    }
    static Texts Lines(const std::vector<const char*>& utf8) {
        Texts lines;
        for (const char* l : utf8) lines.push_back(Ansi(l));
        return lines;
    }

private:
    int exercises_ = 0;
};

}  // namespace

TEST_F(HistoryTest, ByDateThenByChapterOnATraceOfExercisesAndGames) {
    FillTrace();
    Texts byDate, byChapter, again;
    onModal = [&](TForm& form) {
        EXPECT_EQ(H().Histo->Text(), "") << "each showing starts with an empty memo";
        byDate = Report(H().TD);
        EXPECT_EQ(H().HISTO_Query->SQLText(), "SELECT * FROM TraceExo ORDER BY ExoStart ASC");
        byChapter = Report(H().TC);
        EXPECT_EQ(H().HISTO_Query->SQLText(), "SELECT * FROM TraceExo ORDER BY ExoChap ASC");
        EXPECT_EQ(Report(H().TC), byChapter) << "the same order gives the same report";
        again = Report(H().TD);
        EXPECT_FALSE(player->TraceADOConnection->Connected());
        SendClick(H().LabelOK);
        EXPECT_TRUE(form.isHidden());
    };
    H().Histo->SetText("ancien rapport");
    StartForm->LabelHistoriqueClick(StartForm->LabelHistorique);
    EXPECT_EQ(modalForms, Texts{"HistoriqueForm"});
    EXPECT_EQ(again, byDate);

    // By date, in calendar order: one group a day, numbered from 1, then the record
    // without a start time under a title of its own.
    EXPECT_EQ(Outline(byDate),
              "[MERCREDI 13/03/2024] 1. 2. [SAMEDI 16/03/2024] 1. 2. 3. 4. 5. 6. [MARDI 02/04/2024] 1. [SANS DATE] 1.");
    EXPECT_EQ(Texts(byDate.begin(), byDate.begin() + 12),
              Lines({kRule.c_str(), "MERCREDI 13/03/2024", kRule.c_str(), "  1.",
                     "     Jour de la semaine: Mercredi ", "     Heure de début: 10:00:00",
                     "     Heure de fin:\t  11:05:00", "     Temps écoulé:\t  01 heure 05 minutes",
                     "     Note obtenue: 10/10", "     A sollicité la vérification: non",
                     "     Type d'exercice: QB", "     Chapitre: LES GRANDS NOMBRES"}));
    EXPECT_EQ(Texts(byDate.end() - 13, byDate.end()),
              Lines({" ", " ", kRule.c_str(), "SANS DATE", kRule.c_str(), "  1.", "     Jour de la semaine: ",
                     "     Heure de début: ", "     Heure de fin:\t  09:30:00", "     Note obtenue: 10/10",
                     "     A sollicité la vérification: non", "     Type d'exercice: QB", "     Chapitre:"}));
    EXPECT_EQ(Values(byDate, "     Temps écoulé:\t  "),
              Lines({"00", "01 heure 05 minutes", "01 minute", "01 minute 05 secondes", "01 minute 30 secondes",
                     "02 minutes", "05 minutes", "12 minutes 40 secondes", "45 secondes"}));
    EXPECT_EQ(Values(byDate, "     A sollicité la vérification: "), (Texts{"non", "non", "non", "non", "non", "oui"}));

    // By chapter: the leading record without a chapter, the games under JEU, and a
    // change of case only starts a group that reads the same.
    EXPECT_EQ(Outline(byChapter), "1. [JEU] 1. 2. 3. 4. [LES GRANDS NOMBRES] 1. [LES GRANDS NOMBRES] 1. 2. 3. 4.");
    // A ship-game record whole, from its number to its shots.
    const auto shots = std::find(byChapter.begin(), byChapter.end(), Ansi("     Nombre de tirs utilisés: 37"));
    ASSERT_NE(shots, byChapter.end());
    EXPECT_EQ(Texts(shots - 7, shots + 1),
              Lines({"     Jour de la semaine: Samedi ", "     Heure de début: 10:00:00",
                     "     Heure de fin:\t  10:12:40", "     Temps écoulé:\t  12 minutes 40 secondes",
                     "     Chapitre: JEU", "     Nom du jeu: LA RECONNAISSANCE NAVALE",
                     "     A terminé la partie: succès", "     Nombre de tirs utilisés: 37"}));
    EXPECT_EQ(Values(byChapter, "     Nom du jeu: "),
              (Texts{"LA RECONNAISSANCE NAVALE", "LA RECONNAISSANCE NAVALE", "LE COMPTE EST BON", "LE COMPTE EST BON"}));
    EXPECT_EQ(Values(byChapter, "     A terminé la partie: "), Lines({"abandon", "abandon", "succès", "succès"}));
    EXPECT_EQ(Values(byChapter, "     Nombre de tirs utilisés: "), (Texts{"37", "40"}));
    EXPECT_EQ(Values(byChapter, "     Note obtenue: ").size(), 6u) << "games show no mark";
}

TEST_F(HistoryTest, AnEmptyOrUnreadableTraceAndAConnectionLeftOpen) {
    // An empty trace gives an empty memo. A command shows its twin while hovered.
    H().FormShow(&H());
    SendEnter(H().LabelOK);
    EXPECT_TRUE(SamePicture(H().ok, H().o2));
    SendLeave(H().LabelOK);
    EXPECT_TRUE(SamePicture(H().ok, H().o1));
    SendClick(H().LabelVisualiser);
    EXPECT_EQ(H().Histo->Text(), "");
    EXPECT_TRUE(messages.empty());

    // A connection already open is closed after the report too.
    FillTrace();
    player->TraceADOConnection->Open();
    SendClick(H().LabelVisualiser);
    EXPECT_NE(Outline(Shown()), "");
    EXPECT_FALSE(player->TraceADOConnection->Connected());

    // Without its database the report is empty and the learner is told why.
    const std::string aside = data->TraceDb() + ".aside";
    ASSERT_EQ(std::rename(data->TraceDb().c_str(), aside.c_str()), 0);
    SendClick(H().LabelVisualiser);
    EXPECT_EQ(H().Histo->Text(), "");
    EXPECT_EQ(messages, Texts{Ansi("L'historique n'a pas pu être lu : le fichier bd_trace.mdb est absent, "
                                   "occupé par un autre programme ou abîmé.")});
    ASSERT_EQ(std::rename(aside.c_str(), data->TraceDb().c_str()), 0);
    SendClick(H().LabelVisualiser);
    EXPECT_EQ(Outline(Shown()).substr(0, 25), "[MERCREDI 13/03/2024] 1. ");
}

// The trace held by another program: the report waits no longer than the player does
// to write a result (were it to wait as long as the connection allows, an hour here,
// this test would hang) and tells the learner at once.
TEST_F(HistoryTest, ALockedTraceIsToldAtOnce) {
    FillTrace();
    const int anHour = 3600 * 1000;
    player->TraceADOConnection->SetBusyTimeout(anHour);
    {
        LockedDatabase holder(data->TraceDb(), "EXCLUSIVE");
        ASSERT_TRUE(holder.Held());
        SendClick(H().LabelVisualiser);
    }
    EXPECT_EQ(H().Histo->Text(), "");
    EXPECT_EQ(messages, Texts{Ansi("L'historique n'a pas pu être lu : le fichier bd_trace.mdb est absent, "
                                   "occupé par un autre programme ou abîmé.")});
    EXPECT_FALSE(player->TraceADOConnection->Connected());
    EXPECT_EQ(player->TraceADOConnection->BusyTimeout(), anHour);
    // Held for writing only, the trace is read as usual.
    messages.clear();
    LockedDatabase writer(data->TraceDb(), "IMMEDIATE");
    ASSERT_TRUE(writer.Held());
    SendClick(H().LabelVisualiser);
    EXPECT_EQ(Outline(Shown()).substr(0, 25), "[MERCREDI 13/03/2024] 1. ");
    EXPECT_TRUE(messages.empty());
}

// A record holding a megabyte of text is shown cut, under the chapters in French order.
TEST_F(HistoryTest, AHugeTextIsShownCutAndChaptersSortAsInFrench) {
    const std::string huge(1 << 20, 'x');
    ExecSql(data->TraceDb(), "INSERT INTO TraceExo VALUES ('101', '13/03/2024 10:00:00', '13/03/2024 10:01:00', 7, 0, '" +
                                 huge + "', 'Équations', 'N1');"
                                 "INSERT INTO TraceExo VALUES ('102', '13/03/2024 10:02:00', '13/03/2024 10:03:00', 8, 0, "
                                 "'QB', 'additions', 'N2');"
                                 "INSERT INTO TraceExo VALUES ('103', '13/03/2024 10:04:00', '13/03/2024 10:05:00', 9, 0, "
                                 "'QB', 'Fractions', 'N3');");
    const Texts lines = Report(H().TC);
    EXPECT_EQ(Outline(lines), Ansi("[ADDITIONS] 1. [ÉQUATIONS] 1. [FRACTIONS] 1."));
    EXPECT_EQ(Values(lines, "     Type d'exercice: "),
              (Texts{"QB", "QB", std::string(kShownFieldChars - 1, 'x') + Ansi("…")}));
}
