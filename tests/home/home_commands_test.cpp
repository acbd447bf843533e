// The home screen's commands, panels, web link and authoring scrambler,
// driven through real mouse events where the wiring matters.
#include <map>

#include "ScreenFixture.h"
#include "home/Historique.h"
#include "home/Intro.h"
#include "home/Options.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

// The centre of a control in the coordinates of its form.
QPoint CentreOnForm(TControl* c) { return c->mapTo(c->window(), QPoint(c->Width() / 2, c->Height() / 2)); }

class HomeCommandsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteLearnerFile({"Paul@Mathematiques CM1", "Zoé@Français 6e"});
        RunStartup();
    }
};

}  // namespace

TEST_F(HomeCommandsTest, HoveringACommandShowsItsFaceBannerAndHintAndTheLinkOpensTheSite) {
    TStartForm& f = *StartForm;
    // A click on the face lands on the transparent label above it.
    EXPECT_EQ(f.childAt(CentreOnForm(f.LabelOptions)), f.LabelOptions);
    const QImage normal = f.ImageOptions->Picture().Image();
    SendEnter(f.LabelOptions);
    EXPECT_EQ(f.ImageOptions->Picture().Image(), f.ImageOptions2->Picture().Image());
    EXPECT_EQ(f.HintButton->Caption(), "Edition des options de fonctionnement");
    EXPECT_TRUE(f.Hint_Button_Image->Visible() && f.lpingouin->Visible() && f.rpingouin->Visible());
    EXPECT_EQ(f.Hint_Button_Image->Picture().Image(), f.HintImageOptions->Picture().Image());
    SendLeave(f.LabelOptions);
    EXPECT_EQ(f.ImageOptions->Picture().Image(), normal);
    EXPECT_FALSE(f.lpingouin->Visible() || f.rpingouin->Visible() || f.Hint_Button_Image->Visible());
    // The web link opens the site its face shows.
    EXPECT_EQ(ClickAt(&f, 600, 482), f.Label_web_quillombre_education);
    EXPECT_EQ(urls, (std::vector<AnsiString>{kPublisherUrl}));
}

TEST_F(HomeCommandsTest, PanelsOpenCloseAndShowTheirCommandsWhole) {
    TStartForm& f = *StartForm;
    SendClick(f.changer_liste);
    SendDoubleClick(f.Liste_matieres);
    EXPECT_FALSE(f.panel_liste_classes->Visible()) << "a double click chooses and closes";
    // AJOUTER opens the add area below the list, which stays open with the panel.
    SendClick(f.changer_liste_apprenant);
    const int listOnly = f.panel_liste_eleves->Height();
    EXPECT_EQ(f.Liste_prenoms->Count(), 2) << "opening the panel loads the learner file";
    SendClick(f.Label3);
    const int withAddArea = f.panel_liste_eleves->Height();
    EXPECT_GT(withAddArea, listOnly);
    SendClick(f.Label2);
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(f.panel_liste_eleves->Height(), withAddArea);
    // Where the two panels overlap, clicks reach the one opened last.
    SendClick(f.changer_liste);
    EXPECT_TRUE(f.panel_liste_classes->isAncestorOf(f.childAt(CentreOnForm(f.Label4))));
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(CoveredControls(&f), std::vector<AnsiString>{});
    SendClick(f.Label4);
    EXPECT_EQ(f.panel_liste_eleves->Height(), listOnly);
    SendClick(f.Label1);
    EXPECT_FALSE(f.panel_liste_classes->Visible());
}

TEST_F(HomeCommandsTest, EachCommandOpensItsScreenWhichItsOwnCommandCloses) {
    TStartForm& f = *StartForm;
    SendClick(f.changer_liste);
    SendClick(f.changer_liste_apprenant);
    bool panelsHidden = false, databasesOpen = false;
    onModal = [&](TForm& form) {
        if (&form == MainFormEXO) {
            panelsHidden = f.panel_liste_classes->isHidden() && f.panel_liste_eleves->isHidden();
            databasesOpen = MainFormEXO->MainADOConnection->Connected() && MainFormEXO->TraceADOConnection->Connected();
            return;
        }
        EXPECT_FALSE(f.isHidden()) << "the home screen stays behind";
        TControl* ok = &form == OptionForm ? static_cast<TControl*>(OptionForm->LabelOK) : HistoriqueForm->LabelOK;
        const QPoint at = CentreOnForm(ok);
        EXPECT_EQ(ClickAt(&form, at.x(), at.y()), ok);
        EXPECT_TRUE(form.isHidden()) << "OK closes " << form.Name();
    };
    for (TLabel* command : {f.LabelOptions, f.LabelHistorique, f.LabelTravailler}) SendClick(command);
    EXPECT_EQ(modalForms, (std::vector<AnsiString>{OptionForm->Name(), HistoriqueForm->Name(), MainFormEXO->Name()}));
    EXPECT_TRUE(panelsHidden && databasesOpen);
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected()) << "closing the player closes them";
    EXPECT_FALSE(f.isHidden());
}

// The authoring scrambler: each run scrambles every record once more and resets the
// done flag; a database failure stops it, keeping what was posted.
TEST_F(HomeCommandsTest, TheScramblerRunsOverEveryTableAndStopsAtAFailure) {
    const auto rows = [&](const std::string& table) {
        return ReadRows(data->ExosDb(), "SELECT contenuEXO, resoluEXO FROM " + table + " ORDER BY rowid");
    };
    // Every table's records as a run should leave them, scrambled `times` more.
    const auto scrambled = [](std::vector<DbRow> records, int times) {
        for (DbRow& r : records) {
            for (int k = 0; k < times; ++k) r["contenuEXO"] = ScrambleContent(r["contenuEXO"]);
            r["resoluEXO"] = "0";
        }
        return records;
    };
    ExecSql(data->ExosDb(), "UPDATE exos_math_cp SET resoluEXO = 1; DELETE FROM exos_francais_6e");
    std::map<std::string, std::vector<DbRow>> before;
    size_t total = 0;
    for (const DbRow& row : ReadRows(data->ExosDb(), "SELECT name FROM sqlite_master WHERE name LIKE 'exos%'"))
        total += (before[row.at("name")] = rows(row.at("name"))).size();
    ASSERT_EQ(before.size(), 11u);

    StartForm->button_cryptClick(StartForm->button_crypt);
    StartForm->button_cryptClick(StartForm->button_crypt);
    const AnsiString done = "Crypt done!\n" + IntToStr(total) + " items crypted";
    EXPECT_EQ(messages, (std::vector<AnsiString>{done, done}));
    EXPECT_EQ(StartForm->panel_crypt->Caption(), "exos_francais_6e (0 exercices)") << "the last table, empty";
    for (const auto& [table, was] : before) EXPECT_EQ(rows(table), scrambled(was, 2)) << table;

    // A missing table: those before it are scrambled again, those after it untouched,
    // and the error is shown instead of "Crypt done!".
    messages.clear();
    const auto cm1 = rows("exos_math_cm1"), sixth = rows("exos_math_6e");
    ExecSql(data->ExosDb(), "DROP TABLE exos_math_cm2");
    RunHandler([] { StartForm->button_cryptClick(StartForm->button_crypt); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].find("Crypt done!"), std::string::npos);
    EXPECT_EQ(rows("exos_math_cm1"), scrambled(cm1, 1));
    EXPECT_EQ(rows("exos_math_6e"), sixth);
}
