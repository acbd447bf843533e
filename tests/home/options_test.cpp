// The options screen: the value radios, the three ways of keeping them, OptionApp read
// back from the trace file, the hint line, and a store refused by a locked database.
#include <QApplication>

#include "../player/ChapterFixture.h"
#include "LockedDatabase.h"
#include "home/Historique.h"
#include "home/Options.h"

namespace {

class OptionsTest : public ChapterTest {
protected:
    TOptionForm& O() { return *OptionForm; }

    // Opens the screen from the home screen, chooses these radios (`inside` runs then),
    // then OK. Returns the values held afterwards.
    std::pair<int, int> WithOptions(std::vector<TRadioButton*> radios, const std::function<void()>& inside = {}) {
        onModal = [&](TForm& form) {
            if (&form != OptionForm) return;
            for (TRadioButton* radio : radios) Choose(radio);
            if (inside) inside();
            SendClick(O().LabelOK);
            EXPECT_TRUE(form.isHidden()) << "OK closes the screen";
        };
        SendClick(StartForm->LabelOptions);
        onModal = {};
        return {StartForm->OptionExo, StartForm->OptionJeux};
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
    // OptionApp as the file holds it: "exo,jeux;" a record.
    std::string Stored() const {
        std::string stored;
        for (const DbRow& r : ReadRows(data->TraceDb(), "SELECT * FROM OptionApp"))
            stored += r.at("optionExo") + "," + r.at("optionJeux") + ";";
        return stored;
    }
    bool LeftClosed() const { return !player->TraceADOConnection->Connected() && !player->OPTION_Table->Active(); }
};

}  // namespace

TEST_F(OptionsTest, KeepingForNothingForThisSessionOrForTheNextOnes) {
    using Values = std::pair<int, int>;
    // P3, as stored: whatever is clicked, nothing is taken and the radios come back.
    EXPECT_EQ(WithOptions({O().S2, O().D1}), Values(0, 1));
    EXPECT_EQ(Checked(), "S1 D2 P3 ");
    // P1: taken for the session only; the screen shows them when opened again.
    EXPECT_EQ(WithOptions({O().S2, O().D1, O().P1}), Values(1, 0));
    EXPECT_EQ(Stored(), "");
    EXPECT_EQ(WithOptions({}, [&] { EXPECT_EQ(Checked(), "S2 D1 P1 "); }), Values(1, 0));
    // The defaults command checks P3 too: OK then changes nothing, unless a keeping
    // choice is made after it.
    EXPECT_EQ(WithOptions({O().P1}, [&] { SendClick(O().LabelDefaut); }), Values(1, 0));
    EXPECT_EQ(Checked(), "S2 D1 P3 ");
    EXPECT_EQ(WithOptions({}, [&] {
                  SendClick(O().LabelDefaut);
                  EXPECT_EQ(Checked(), "S1 D2 P3 ");
                  Choose(O().P1);
              }), Values(0, 1));

    // P2: one record appended, then rewritten; the trace connection is left closed.
    EXPECT_EQ(WithOptions({O().S2, O().P2}), Values(1, 1));
    EXPECT_EQ(Stored(), "1,1;");
    EXPECT_EQ(WithOptions({O().S1, O().D1}), Values(0, 0));
    EXPECT_EQ(Stored(), "0,0;");
    EXPECT_TRUE(LeftClosed());

    // The next run starts from the defaults again: the stored pair is never read back.
    RunStartup();
    EXPECT_EQ(Values(StartForm->OptionExo, StartForm->OptionJeux), Values(0, 1));
    EXPECT_EQ(Stored(), "0,0;");
}

TEST_F(OptionsTest, CaptionsAndTheHintLineOfOk) {
    EXPECT_FALSE(O().S3->Visible());
    EXPECT_EQ(O().D1->Caption(),
              Ansi("ne donner accès au module de divertissement que lorsqu'au moins 1 exercice a été traité"));
    EXPECT_EQ(O().D2->Caption(), Ansi("laisser un accès libre au module de divertissement"));
    WithOptions({}, [&] {
        // The hint of OK depends on P3 being checked.
        for (auto [before, hint] : {std::pair<TRadioButton*, const char*>{nullptr, "Fermer cette fenêtre"},
                                    {O().P1, "Considérer les choix actuels et fermer cette fenêtre"}}) {
            if (before) before->SetChecked(true);
            SendEnter(O().LabelOK);
            EXPECT_EQ(O().ButtonHint->Caption(), Ansi(hint));
            EXPECT_TRUE(SamePicture(O().ok, O().o2));
            SendLeave(O().LabelOK);
            EXPECT_EQ(O().ButtonHint->Caption(), "");
            EXPECT_TRUE(SamePicture(O().ok, O().o1));
        }
    });
}

TEST_F(OptionsTest, ShowingOrActivatingTheScreenShowsTheValuesHeld) {
    StartForm->OptionExo = 1;
    StartForm->OptionJeux = 0;
    WithOptions({}, [&] {
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

// The trace held by another program, for writing or for everything: the screen waits
// no longer than the player does to write a result (were it to wait as long as the
// connection allows, an hour here, this test would hang), closes, and the learner
// hears that the choices hold for this session only.
TEST_F(OptionsTest, AStoreRefusedByALockedDatabaseIsToldAndLeavesTheHistoryWorking) {
    SetExercises(TrueFalseChapter(1));
    OpenChapter();
    player->LabelCorrigerClick();
    player->Close();
    const int anHour = 3600 * 1000;
    player->TraceADOConnection->SetBusyTimeout(anHour);
    const std::tuple<const char*, std::vector<TRadioButton*>, std::pair<int, int>> locks[] = {
        {"IMMEDIATE", {O().S2, O().P2}, {1, 1}},
        {"EXCLUSIVE", {O().D1, O().P2}, {1, 0}},
    };
    for (const auto& [mode, radios, values] : locks) {
        messages.clear();
        {
            LockedDatabase holder(data->TraceDb(), mode);
            ASSERT_TRUE(holder.Held());
            // The values are taken, nothing is stored and nothing is left open.
            EXPECT_EQ(WithOptions(radios), values) << mode;
            EXPECT_TRUE(LeftClosed()) << mode;
        }
        EXPECT_EQ(messages, std::vector<AnsiString>{Ansi("Attention : les choix sont pris en compte pour cette "
                                                         "session, mais ils n'ont pas pu être enregistrés pour "
                                                         "les suivantes.")})
            << mode;
        EXPECT_EQ(player->TraceADOConnection->BusyTimeout(), anHour) << mode;
        EXPECT_EQ(Stored(), "") << mode;
    }
    messages.clear();
    HistoriqueForm->LabelVisualiserClick(HistoriqueForm->LabelVisualiser);
    EXPECT_EQ(SplitLines(HistoriqueForm->Histo->Text()).at(3), "  1.");
    // Stored once the trace is free again, without a word.
    WithOptions({});
    EXPECT_EQ(Stored(), "1,0;");
    EXPECT_TRUE(messages.empty());
}
