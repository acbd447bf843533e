// The home screen's commands, panels, web link, animation and authoring scrambler,
// driven through real mouse events where the wiring matters.
#include <map>

#include "ScreenFixture.h"
#include "home/Historique.h"
#include "home/Intro.h"
#include "home/Options.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

bool SamePicture(TImage* a, TImage* b) {
    return !a->Picture().Empty() && a->Picture().Image() == b->Picture().Image();
}

// The centre of a control in the coordinates of its form.
QPoint CentreOnForm(TControl* c) {
    return c->mapTo(c->window(), QPoint(c->Width() / 2, c->Height() / 2));
}

class HomeCommandsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteLearnerFile({"Paul@Mathematiques CM1", "Zoé@Français 6e"});
        RunStartup();
        StartForm->timer_ballon->SetEnabled(false);   // steps are run by hand
    }
};

}  // namespace

TEST_F(HomeCommandsTest, HoveringACommandOrALinkSwapsItsFace) {
    TStartForm& f = *StartForm;
    // Commands show their banner and the penguins beside them; links only their face.
    const struct {
        TLabel* label;
        TImage *face, *hovered, *banner;
        const char* hint;
    } rows[] = {
        {f.LabelOptions, f.ImageOptions, f.ImageOptions2, f.HintImageOptions, "Edition des options de fonctionnement"},
        {f.LabelHistorique, f.ImageHistorique, f.ImageHistorique2, f.HintImageHistorique,
         "Affichage de l'historique de l'apprenant"},
        {f.LabelTravailler, f.ImageTravailler, f.ImageTravailler2, f.HintImageTravailler, "Début d'une session de travail"},
        {f.LabelQuitter, f.ImageQuitter, f.ImageQuitter2, f.HintImageQuitter, "Fin du programme"},
        {f.Label_web_quillombre_education, f.web_quillombre_education, f.web_quillombre_education_2, nullptr, ""},
        {f.changer_liste, f.changer_liste_img, f.changer_2, nullptr, ""},
        {f.changer_liste_apprenant, f.changer_liste_apprenant_img, f.changer_2, nullptr, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.label->Name());
        // A click on the face lands on the transparent label above it.
        EXPECT_EQ(f.childAt(CentreOnForm(r.label)), r.label);
        const QImage normal = r.face->Picture().Image();
        SendEnter(r.label);
        EXPECT_TRUE(SamePicture(r.face, r.hovered));
        EXPECT_EQ(f.HintButton->Caption(), Ansi(r.hint));
        if (r.banner) {
            EXPECT_TRUE(f.Hint_Button_Image->Visible() && SamePicture(f.Hint_Button_Image, r.banner));
            EXPECT_TRUE(f.lpingouin->Visible() && f.rpingouin->Visible());
            EXPECT_EQ(std::make_pair(f.lpingouin->Top(), f.rpingouin->Top()), std::make_pair(r.face->Top() - 16, r.face->Top() - 16));
        }
        SendLeave(r.label);
        EXPECT_EQ(r.face->Picture().Image(), normal);
        EXPECT_FALSE(f.lpingouin->Visible() || f.rpingouin->Visible() || f.Hint_Button_Image->Visible());
    }
    // The web link opens the site its face shows.
    EXPECT_EQ(ClickAt(&f, 600, 482), f.Label_web_quillombre_education);
    EXPECT_EQ(urls, (std::vector<AnsiString>{kPublisherUrl}));
}

TEST_F(HomeCommandsTest, PanelsOpenCloseAndShowTheirCommandsWhole) {
    TStartForm& f = *StartForm;
    SendClick(f.changer_liste);
    EXPECT_TRUE(f.panel_liste_classes->Visible());
    SendClick(f.Label1);
    EXPECT_FALSE(f.panel_liste_classes->Visible());
    SendClick(f.changer_liste);
    SendDoubleClick(f.Liste_matieres);
    EXPECT_FALSE(f.panel_liste_classes->Visible());

    // AJOUTER opens the add area below the list, which stays open with the panel.
    SendClick(f.changer_liste_apprenant);
    const int listOnly = f.panel_liste_eleves->Height();
    EXPECT_EQ(f.Liste_prenoms->Count(), 2) << "opening the panel loads the learner file";
    SendClick(f.Label3);
    const int withAddArea = f.panel_liste_eleves->Height();
    EXPECT_GT(withAddArea, listOnly);
    SendClick(f.Label2);
    EXPECT_FALSE(f.panel_liste_eleves->Visible());
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(f.panel_liste_eleves->Height(), withAddArea);

    // Where the two panels overlap, clicks reach the one opened last.
    SendClick(f.changer_liste);
    QWidget* hit = f.childAt(CentreOnForm(f.Label4));
    while (hit && hit != f.panel_liste_classes) hit = hit->parentWidget();
    EXPECT_EQ(hit, f.panel_liste_classes);
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(CoveredControls(&f), std::vector<AnsiString>{});
    SendClick(f.Label4);
    EXPECT_EQ(f.panel_liste_eleves->Height(), listOnly);

    // The text commands turn red while hovered, navy again when left.
    for (TLabel* label : {f.Label1, f.Label2, f.Label3, f.Label4, f.Label6, f.Label7}) {
        SendEnter(label);
        const TColor hovered = label->Font().Color();
        SendLeave(label);
        EXPECT_EQ(std::make_pair(hovered, label->Font().Color()), std::make_pair(255, 0x800000)) << label->Name();
    }
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

TEST_F(HomeCommandsTest, BalloonSinksToItsBandThenSwingsAndTheButterflySwings) {
    TStartForm& f = *StartForm;
    // The steps where a picture turns, with its top there.
    std::vector<int> ballon, papillon;
    for (int i = 0; i < 120; ++i) {
        f.timer_ballon->Fire();
        ballon.push_back(f.ballon->Top());
        papillon.push_back(f.papillon->Top());
    }
    using Turns = std::vector<std::pair<int, int>>;
    const auto turns = [](const std::vector<int>& tops) {
        Turns found;
        for (size_t i = 1; i + 1 < tops.size(); ++i)
            if (tops[i] - tops[i - 1] != tops[i + 1] - tops[i]) found.push_back({int(i), tops[i]});
        return found;
    };
    // The balloon sinks 32 steps to 120, then swings 40 steps each way between
    // 120 and 80; the butterfly swings 20 steps each way between 136 and 116.
    EXPECT_EQ(turns(ballon), (Turns{{31, 120}, {71, 80}, {111, 120}}));
    EXPECT_EQ(turns(papillon), (Turns{{19, 136}, {39, 116}, {59, 136}, {79, 116}, {99, 136}}));
    // A picture placed outside its band never turns.
    f.ballon->SetTop(200);
    f.BallonRising = 0;
    for (int i = 0; i < 50; ++i) f.timer_ballon->Fire();
    EXPECT_EQ(f.ballon->Top(), 250);
}

// The authoring scrambler: each run scrambles every record once more, resets the done
// flag, and stops at a database failure keeping what was posted.
TEST_F(HomeCommandsTest, TheScramblerRunsOverEveryTableAndStopsAtAFailure) {
    const auto rows = [&](const std::string& table) {
        return ReadRows(data->ExosDb(), "SELECT contenuEXO, resoluEXO FROM " + table + " ORDER BY rowid");
    };
    std::map<std::string, std::vector<DbRow>> before;
    size_t total = 0;
    ExecSql(data->ExosDb(), "UPDATE exos_math_cp SET resoluEXO = 1; DELETE FROM exos_francais_6e");
    for (const DbRow& row : ReadRows(data->ExosDb(), "SELECT name FROM sqlite_master WHERE name LIKE 'exos%'"))
        total += (before[row.at("name")] = rows(row.at("name"))).size();
    ASSERT_EQ(before.size(), 11u);

    StartForm->button_cryptClick(StartForm->button_crypt);
    StartForm->button_cryptClick(StartForm->button_crypt);
    const AnsiString done = "Crypt done!\n" + IntToStr(total) + " items crypted";
    EXPECT_EQ(messages, (std::vector<AnsiString>{done, done}));
    // The last table is empty: its name and 0 stay on the panel.
    EXPECT_EQ(StartForm->panel_crypt->Caption(), "exos_francais_6e (0 exercices)");
    for (const auto& [table, was] : before) {
        const std::vector<DbRow> now = rows(table);
        ASSERT_EQ(now.size(), was.size()) << table;
        for (size_t i = 0; i < now.size(); ++i) {
            const AnsiString text = was[i].at("contenuEXO");
            EXPECT_EQ(now[i].at("contenuEXO"), ScrambleContent(ScrambleContent(text))) << table;
            EXPECT_EQ(now[i].at("resoluEXO"), "0") << table;
            // One unscramble now shows the text as if scrambled once.
            EXPECT_EQ(StartForm->UnscrambleText(now[i].at("contenuEXO")), StartForm->ScrambleText(text));
        }
    }

    // A missing table stops the command: those before it are scrambled again, those
    // after it untouched, and the error is shown instead of "Crypt done!".
    messages.clear();
    const auto cm1 = rows("exos_math_cm1"), sixth = rows("exos_math_6e");
    ExecSql(data->ExosDb(), "DROP TABLE exos_math_cm2");
    RunHandler([] { StartForm->button_cryptClick(StartForm->button_crypt); });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].find("Crypt done!"), std::string::npos);
    EXPECT_EQ(rows("exos_math_cm1")[0].at("contenuEXO"), ScrambleContent(cm1[0].at("contenuEXO")));
    EXPECT_EQ(rows("exos_math_6e"), sixth);
}
