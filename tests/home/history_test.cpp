// The history screen on a real trace: exercises corrected by the player and game
// records written as the two games write them, reported by date and by chapter.
#include <algorithm>
#include <cstdio>

#include "../player/ChapterFixture.h"
#include "home/Historique.h"

namespace {

using Texts = std::vector<AnsiString>;

const AnsiString kRule(64, '-');

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
        t.FieldByName("ExoCode").SetValue("jeu");
        t.FieldByName("ExoStart").SetValue(start);
        t.FieldByName("ExoEnd").SetValue(end);
        t.FieldByName("ExoNote").SetValue(note);
        t.FieldByName("ExoUseverif").SetValue(useverif);
        t.FieldByName("ExoType").SetValue(type);
        t.FieldByName("ExoChap").SetValue("Jeu");
        t.FieldByName("ExoChapcode").SetValue("Jeu");
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

    static Texts Titles(const Texts& lines) {
        Texts titles;
        for (size_t i = 1; i + 1 < lines.size(); ++i)
            if (lines[i - 1] == kRule && lines[i + 1] == kRule) titles.push_back(lines[i]);
        return titles;
    }
    // The record numbers, in order.
    static AnsiString Numbers(const Texts& lines) {
        AnsiString numbers;
        for (const AnsiString& l : lines)
            if (!l.empty() && l.back() == '.' && l.find("     ") != 0) numbers += Trim(l.substr(0, l.size() - 1)) + " ";
        return Trim(numbers);
    }
    // What follows the label on each line that starts with it (UTF-8 label).
    static Texts Values(const Texts& lines, const char* label, bool sorted = false) {
        const AnsiString prefix = Ansi(label);
        Texts values;
        for (const AnsiString& l : lines)
            if (l.compare(0, prefix.size(), prefix) == 0) values.push_back(l.substr(prefix.size()));
        if (sorted) std::sort(values.begin(), values.end());
        return values;
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

    // By date, in calendar order: first the record without a start time under no
    // title, then one group a day, numbered from 1.
    EXPECT_EQ(Titles(byDate), (Texts{"MERCREDI 13/03/2024", "SAMEDI 16/03/2024", "MARDI 02/04/2024"}));
    EXPECT_EQ(Numbers(byDate), "1 1 2 1 2 3 4 5 6 1");
    const Texts head(byDate.begin(), byDate.begin() + 6);
    EXPECT_EQ(head, (Texts{"1.", "     Jour de la semaine: ", Ansi("     Heure de début: "),
                           "     Heure de fin:\t  09:30:00", "     Note obtenue: 10/10",
                           Ansi("     A sollicité la vérification: non")}));
    EXPECT_EQ(Values(byDate, "     Temps écoulé:\t  "),
              (Texts{"01 heure 05 minutes", Ansi("01 minute 30 secondes"), "00", "12 minutes 40 secondes",
                     "05 minutes", "01 minute", "01 minute 05 secondes", "02 minutes", "45 secondes"}));
    EXPECT_EQ(Values(byDate, "     Jour de la semaine: ")[1], "Mercredi ");
    EXPECT_EQ(Values(byDate, "     A sollicité la vérification: "), (Texts{"non", "non", "oui", "non", "non", "non"}));
    EXPECT_EQ(Values(byDate, "     Heure de début: ")[1], "10:00:00");
    EXPECT_EQ(Values(byDate, "     Type d'exercice: "), Texts(6, "QB"));

    // By chapter: the leading record without a chapter, the games under JEU, and a
    // change of case only starts a group that reads the same.
    EXPECT_EQ(Titles(byChapter), (Texts{"JEU", "LES GRANDS NOMBRES", "LES GRANDS NOMBRES"}));
    EXPECT_EQ(Numbers(byChapter), "1 1 2 3 4 1 2 3 4 1");
    EXPECT_EQ(Values(byChapter, "     Nom du jeu: ", true),
              (Texts{"LA RECONNAISSANCE NAVALE", "LA RECONNAISSANCE NAVALE", "LE COMPTE EST BON", "LE COMPTE EST BON"}));
    EXPECT_EQ(Values(byChapter, "     A terminé la partie: ", true), (Texts{"abandon", "abandon", Ansi("succès"), Ansi("succès")}));
    EXPECT_EQ(Values(byChapter, "     Nombre de tirs utilisés: ", true), (Texts{"37", "40"}));
    EXPECT_EQ(Values(byChapter, "     Note obtenue: ").size(), 6u) << "games show no mark";
    EXPECT_EQ(Values(byChapter, "     Chapitre: ", true),
              (Texts{"", "JEU", "JEU", "JEU", "JEU", "LES GRANDS NOMBRES", "LES GRANDS NOMBRES", "LES GRANDS NOMBRES",
                     "LES GRANDS NOMBRES", "LES GRANDS NOMBRES"}));
}

TEST_F(HistoryTest, AnEmptyOrUnreadableTraceAndAConnectionLeftOpen) {
    // An empty trace gives an empty memo.
    H().FormShow(&H());
    SendClick(H().LabelVisualiser);
    EXPECT_EQ(H().Histo->Text(), "");
    EXPECT_TRUE(messages.empty());

    // A connection already open is closed after the report too.
    FillTrace();
    player->TraceADOConnection->Open();
    SendClick(H().LabelVisualiser);
    EXPECT_EQ(Titles(SplitLines(H().Histo->Text())).size(), 3u);
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
    EXPECT_EQ(Numbers(SplitLines(H().Histo->Text())), "1 1 2 1 2 3 4 5 6 1");
}

TEST_F(HistoryTest, ReportCommandsSwapTheirFacesAndTheDayNameOfTheScreen) {
    for (auto [label, face, normal, hovered] : {std::tuple{H().LabelVisualiser, H().vis, H().v1, H().v2},
                                                std::tuple{H().LabelOK, H().ok, H().o1, H().o2}}) {
        EXPECT_EQ(H().childAt(label->mapTo(&H(), QPoint(label->Width() / 2, label->Height() / 2))), label);
        SendEnter(label);
        EXPECT_TRUE(SamePicture(face, hovered)) << label->Name();
        SendLeave(label);
        EXPECT_TRUE(SamePicture(face, normal)) << label->Name();
    }
    EXPECT_EQ(H().DayNameOf("16/03/2024 10:00:00"), "Samedi ");
    EXPECT_TRUE(H().TD->Checked() && !H().TC->Checked());
}
