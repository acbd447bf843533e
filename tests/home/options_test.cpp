// The options screen: the value radios, the three ways of keeping them, OptionApp read
// back from the trace file, the hover texts, and a store refused by a locked database.
#include <sqlite3.h>

#include <QApplication>

#include "../player/ChapterFixture.h"
#include "home/Historique.h"
#include "home/Options.h"

namespace {

class OptionsTest : public ChapterTest {
protected:
    TOptionForm& O() { return *OptionForm; }

    // Opens the screen from the home screen; `inside` runs while it is shown, then OK
    // is clicked.
    void WithOptions(const std::function<void()>& inside) {
        onModal = [&](TForm& form) {
            if (&form != OptionForm) return;
            inside();
            SendClick(O().LabelOK);
            EXPECT_TRUE(form.isHidden()) << "OK closes the screen";
        };
        SendClick(StartForm->LabelOptions);
        onModal = {};
    }
    // A click on a radio as the learner makes it.
    void Choose(TRadioButton* radio) {
        const QPoint at = radio->mapTo(&O(), QPoint(8, radio->Height() / 2));
        ClickAt(&O(), at.x(), at.y());
        EXPECT_TRUE(radio->Checked()) << radio->Name();
    }
    std::string Checked() {
        std::string names;
        for (TRadioButton* r : {O().S1, O().S2, O().S3, O().D1, O().D2, O().P1, O().P2, O().P3})
            if (r->Checked()) names += r->Name() + " ";
        return names;
    }
    std::pair<int, int> Values() const { return {StartForm->OptionExo, StartForm->OptionJeux}; }
    std::vector<DbRow> Stored() const { return ReadRows(data->TraceDb(), "SELECT * FROM OptionApp"); }
    static DbRow Row(int exo, int jeux) { return {{"optionExo", std::to_string(exo)}, {"optionJeux", std::to_string(jeux)}}; }
};

}  // namespace

TEST_F(OptionsTest, CaptionsAndTheStoredChoices) {
    EXPECT_EQ(Checked(), "S1 D2 P3 ");
    EXPECT_FALSE(O().S3->Visible());
    EXPECT_EQ(O().D1->Caption(),
              Ansi("ne donner accès au module de divertissement que lorsqu'au moins 1 exercice a été traité"));
    EXPECT_EQ(O().D2->Caption(), "laisser un " + Ansi("accès") + " libre au module de divertissement");
    EXPECT_EQ(O().Label1->Caption(), Ansi("Remarque: Les options courantes peuvent être changées à tout moment. "));
    EXPECT_EQ(O().ButtonHint->Caption(), "");
    // Every radio shows its whole caption.
    for (TRadioButton* r : {O().S1, O().S2, O().D1, O().D2, O().P1, O().P2, O().P3}) {
        const int text = QFontMetrics(r->Font().ToQFont()).horizontalAdvance(ToQString(r->Caption()));
        EXPECT_LE(text + 24, r->Width()) << r->Name();
        EXPECT_LE(r->Left() + r->Width(), r->Parent()->Width()) << r->Name();
    }
}

TEST_F(OptionsTest, KeepingForNothingForThisSessionOrForTheNextOnes) {
    // P3, as stored: whatever is clicked, nothing is taken and the radios come back.
    WithOptions([&] {
        Choose(O().S2);
        Choose(O().D1);
    });
    EXPECT_EQ(Values(), std::make_pair(0, 1));
    EXPECT_EQ(Checked(), "S1 D2 P3 ");

    // P1: taken for the session only; the screen shows them when opened again.
    WithOptions([&] {
        Choose(O().S2);
        Choose(O().D1);
        Choose(O().P1);
    });
    EXPECT_EQ(Values(), std::make_pair(1, 0));
    EXPECT_TRUE(Stored().empty());
    WithOptions([&] { EXPECT_EQ(Checked(), "S2 D1 P1 "); });
    EXPECT_EQ(Values(), std::make_pair(1, 0));

    // The defaults command checks P3 too: OK then changes nothing...
    WithOptions([&] { SendClick(O().LabelDefaut); });
    EXPECT_EQ(Values(), std::make_pair(1, 0));
    EXPECT_EQ(Checked(), "S2 D1 P3 ");
    // ...unless a keeping choice is made after it.
    WithOptions([&] {
        SendClick(O().LabelDefaut);
        EXPECT_EQ(Checked(), "S1 D2 P3 ");
        Choose(O().P1);
    });
    EXPECT_EQ(Values(), std::make_pair(0, 1));

    // P2: one record appended, then rewritten; the trace connection is left closed.
    WithOptions([&] {
        Choose(O().S2);
        Choose(O().P2);
    });
    EXPECT_EQ(Stored(), std::vector<DbRow>{Row(1, 1)});
    WithOptions([&] {
        Choose(O().S1);
        Choose(O().D1);
    });
    EXPECT_EQ(Stored(), std::vector<DbRow>{Row(0, 0)});
    EXPECT_EQ(Values(), std::make_pair(0, 0));
    EXPECT_FALSE(player->TraceADOConnection->Connected());
    EXPECT_FALSE(player->OPTION_Table->Active());

    // The next run starts from the defaults again: the stored pair is never read back.
    RunStartup();
    EXPECT_EQ(Values(), std::make_pair(0, 1));
    EXPECT_EQ(Stored(), std::vector<DbRow>{Row(0, 0)});
}

TEST_F(OptionsTest, HintLineAndFacesOfTheTwoCommands) {
    WithOptions([&] {
        SendEnter(O().LabelOK);
        EXPECT_EQ(O().ButtonHint->Caption(), Ansi("Fermer cette fenêtre"));
        EXPECT_EQ(O().ok->Picture().Image(), O().o2->Picture().Image());
        SendLeave(O().LabelOK);
        EXPECT_EQ(O().ButtonHint->Caption(), "");
        EXPECT_EQ(O().ok->Picture().Image(), O().o1->Picture().Image());
        Choose(O().P1);
        SendEnter(O().LabelOK);
        EXPECT_EQ(O().ButtonHint->Caption(), Ansi("Considérer les choix actuels et fermer cette fenêtre"));
        SendLeave(O().LabelOK);

        SendEnter(O().LabelDefaut);
        EXPECT_EQ(O().ButtonHint->Caption(), Ansi("Rétablir les valeurs par défaut des différents paramètres"));
        EXPECT_EQ(O().defaut->Picture().Image(), O().v2->Picture().Image());
        SendLeave(O().LabelDefaut);
        EXPECT_EQ(O().ButtonHint->Caption(), "");
        EXPECT_EQ(O().defaut->Picture().Image(), O().v1->Picture().Image());
        EXPECT_NE(O().v1->Picture().Image(), O().v2->Picture().Image());
    });
}

TEST_F(OptionsTest, ShowingOrActivatingTheScreenShowsTheValuesHeld) {
    StartForm->OptionExo = 1;
    StartForm->OptionJeux = 0;
    WithOptions([&] {
        EXPECT_EQ(Checked(), "S2 D1 P3 ");
        Choose(O().S1);
        Choose(O().D2);
        // Coming back to the screen loses a change not yet confirmed.
        QApplication::setActiveWindow(&O());
        EXPECT_EQ(Checked(), "S2 D1 P3 ");
        StartForm->OptionExo = 2;
        O().FormActivate(&O());
        EXPECT_EQ(Checked(), "S3 D1 P3 ");
    });
}

TEST_F(OptionsTest, AStoreRefusedByALockedDatabaseLeavesTheHistoryWorking) {
    SetExercises(TrueFalseChapter(1));
    OpenChapter();
    player->LabelCorrigerClick();
    player->Close();

    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open_v2(data->TraceDb().c_str(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    player->TraceADOConnection->SetBusyTimeout(50);
    WithOptions([&] {
        Choose(O().S2);
        Choose(O().P2);
    });
    // The values are taken, nothing is stored and nothing is left open.
    EXPECT_EQ(Values(), std::make_pair(1, 1));
    EXPECT_FALSE(player->OPTION_Table->Active());
    EXPECT_FALSE(player->TraceADOConnection->Connected());
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_TRUE(Stored().empty());

    HistoriqueForm->LabelVisualiserClick(HistoriqueForm->LabelVisualiser);
    EXPECT_EQ(SplitLines(HistoriqueForm->Histo->Text()).at(3), "  1.");
    EXPECT_TRUE(messages.empty());
    WithOptions([] {});
    EXPECT_EQ(Stored(), std::vector<DbRow>{Row(1, 1)});
}
