// The home screen's commands, panels, web link, animation and authoring scrambler,
// driven through real mouse events where the wiring matters.
#include <map>

#include "ScreenFixture.h"
#include "home/Endapp.h"
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

TEST_F(HomeCommandsTest, HoveringACommandShowsItsFaceBannerAndPenguins) {
    TStartForm& f = *StartForm;
    struct Row { TLabel* label; TImage* face; TImage* normal; TImage* hovered; TImage* banner; int top; const char* hint; };
    const Row rows[] = {
        {f.LabelOptions, f.ImageOptions, f.ImageOptions1, f.ImageOptions2, f.HintImageOptions, 8,
         "Edition des options de fonctionnement"},
        {f.LabelHistorique, f.ImageHistorique, f.ImageHistorique1, f.ImageHistorique2,
         f.HintImageHistorique, 68, "Affichage de l'historique de l'apprenant"},
        {f.LabelTravailler, f.ImageTravailler, f.ImageTravailler1, f.ImageTravailler2,
         f.HintImageTravailler, 128, "Début d'une session de travail"},
        {f.LabelQuitter, f.ImageQuitter, f.ImageQuitter1, f.ImageQuitter2, f.HintImageQuitter, 188,
         "Fin du programme"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label->Name());
        // A click on the face lands on the transparent label above it.
        EXPECT_EQ(f.childAt(CentreOnForm(r.label)), r.label);
        SendEnter(r.label);
        EXPECT_TRUE(SamePicture(r.face, r.hovered));
        EXPECT_EQ(f.lpingouin->Top(), r.top);
        EXPECT_EQ(f.rpingouin->Top(), r.top);
        EXPECT_EQ(r.face->Top() - r.top, 16) << "the penguins stand 16 pixels above the face";
        EXPECT_TRUE(f.lpingouin->Visible() && f.rpingouin->Visible());
        EXPECT_TRUE(f.Hint_Button_Image->Visible() && SamePicture(f.Hint_Button_Image, r.banner));
        EXPECT_EQ(f.HintButton->Caption(), Ansi(r.hint));
        EXPECT_FALSE(f.HintButton->Visible()) << "the hint label stays hidden";

        SendLeave(r.label);
        EXPECT_TRUE(SamePicture(r.face, r.normal));
        EXPECT_FALSE(f.lpingouin->Visible() || f.rpingouin->Visible() || f.Hint_Button_Image->Visible());
        EXPECT_EQ(f.HintButton->Caption(), "");
    }
}

TEST_F(HomeCommandsTest, WebLinkAndChangeLinksSwapTheirFacesAndLeaveThePenguins) {
    TStartForm& f = *StartForm;
    SendEnter(f.LabelTravailler);
    const std::pair<TLabel*, std::pair<TImage*, TImage*>> links[] = {
        {f.Label_web_quillombre_education, {f.web_quillombre_education, f.web_quillombre_education_2}},
        {f.changer_liste, {f.changer_liste_img, f.changer_2}},
        {f.changer_liste_apprenant, {f.changer_liste_apprenant_img, f.changer_2}},
    };
    for (const auto& [label, faces] : links) {
        const QImage normal = faces.first->Picture().Image();
        SendEnter(label);
        EXPECT_TRUE(SamePicture(faces.first, faces.second)) << label->Name();
        SendLeave(label);
        EXPECT_EQ(faces.first->Picture().Image(), normal) << label->Name();
    }
    EXPECT_TRUE(f.lpingouin->Visible() && f.rpingouin->Visible());
    EXPECT_EQ(f.lpingouin->Top(), 128);

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

    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 170);
    EXPECT_EQ(f.Liste_prenoms->Count(), 2) << "opening the panel loads the learner file";
    SendClick(f.Label3);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 270);
    SendClick(f.Label2);
    EXPECT_FALSE(f.panel_liste_eleves->Visible());
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 270) << "reopened with its add area";

    // SUPPRIMER, AJOUTER, FERMER under the list, left to right with room between them;
    // the add area below the stored height and inside the opened one.
    EXPECT_GE(f.Label3->Left(), f.Label7->Left() + f.Label7->Width() + 6);
    EXPECT_GE(f.Label2->Left(), f.Label3->Left() + f.Label3->Width() + 6);
    EXPECT_LE(f.Label2->Left() + f.Label2->Width(), f.Liste_prenoms->Left() + f.Liste_prenoms->Width());
    for (TControl* c : std::initializer_list<TControl*>{f.AjoutNOM, f.AM, f.Label6, f.Label4})
        EXPECT_TRUE(c->Top() >= 170 && c->Top() + c->Height() <= 270) << c->Name();

    // Where the two panels overlap, clicks reach the one opened last.
    SendClick(f.changer_liste);
    QWidget* hit = f.childAt(CentreOnForm(f.Label4));
    while (hit && hit != f.panel_liste_classes) hit = hit->parentWidget();
    EXPECT_EQ(hit, f.panel_liste_classes);
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(f.childAt(CentreOnForm(f.Label4)), f.Label4);
    EXPECT_EQ(CoveredControls(&f), std::vector<AnsiString>{});
    SendClick(f.Label4);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 170);

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
    std::vector<AnsiString> closedBy;
    bool panelsHidden = false, databasesOpen = false;
    onModal = [&](TForm& form) {
        if (&form == MainFormEXO) {
            panelsHidden = f.panel_liste_classes->isHidden() && f.panel_liste_eleves->isHidden();
            databasesOpen = MainFormEXO->MainADOConnection->Connected() &&
                            MainFormEXO->TraceADOConnection->Connected();
            return;
        }
        EXPECT_FALSE(f.isHidden()) << "the home screen stays behind";
        // OK of the options and of the history; the goodbye screen closes at a click on
        // the window itself.
        TControl* close = &form == OptionForm ? static_cast<TControl*>(OptionForm->LabelOK)
                          : &form == HistoriqueForm ? static_cast<TControl*>(HistoriqueForm->LabelOK)
                                                    : static_cast<TControl*>(Abientot);
        const QPoint at = close == &form ? QPoint(60, 480) : CentreOnForm(close);
        QWidget* hit = ClickAt(&form, at.x(), at.y());
        if (hit == close && form.isHidden()) closedBy.push_back(close->Name());
    };
    for (TLabel* command : {f.LabelOptions, f.LabelHistorique, f.LabelTravailler}) SendClick(command);
    EXPECT_TRUE(panelsHidden);
    EXPECT_TRUE(databasesOpen);
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected()) << "closing the player closes them";
    EXPECT_FALSE(f.isHidden());

    // QUITTER: the goodbye screen, then the main window closes, which ends the program.
    SendClick(f.LabelQuitter);
    EXPECT_EQ(modalForms, (std::vector<AnsiString>{OptionForm->Name(), HistoriqueForm->Name(),
                                                   MainFormEXO->Name(), Abientot->Name()}));
    EXPECT_EQ(closedBy, (std::vector<AnsiString>{"LabelOK", "LabelOK", "Abientot"}));
    EXPECT_TRUE(f.isHidden());
}

TEST_F(HomeCommandsTest, BalloonSinksToItsBandThenSwingsAndTheButterflySwings) {
    TStartForm& f = *StartForm;
    ASSERT_EQ(f.ballon->Top(), 88);
    ASSERT_EQ(f.papillon->Top(), 116);
    // Steps where a picture turns, with its top there.
    using Turns = std::vector<std::pair<int, int>>;
    std::vector<int> ballon, papillon;
    for (int i = 0; i < 120; ++i) {
        f.timer_ballon->Fire();
        ballon.push_back(f.ballon->Top());
        papillon.push_back(f.papillon->Top());
    }
    const auto turns = [](const std::vector<int>& tops) {
        Turns found;
        for (size_t i = 1; i + 1 < tops.size(); ++i)
            if (tops[i] - tops[i - 1] != tops[i + 1] - tops[i]) found.push_back({int(i), tops[i]});
        return found;
    };
    // The balloon sinks 32 steps to 120, then swings 40 steps each way between 120 and
    // 80; the butterfly swings 20 steps each way between 136 and 116.
    EXPECT_EQ(turns(ballon), (Turns{{31, 120}, {71, 80}, {111, 120}}));
    EXPECT_EQ(turns(papillon), (Turns{{19, 136}, {39, 116}, {59, 136}, {79, 116}, {99, 136}}));

    // A picture placed outside its band never turns.
    f.ballon->SetTop(200);
    f.BallonRising = 0;
    for (int i = 0; i < 50; ++i) f.timer_ballon->Fire();
    EXPECT_EQ(f.ballon->Top(), 250);
}

// ---------------------------------------------------------------------------------
// The authoring scrambler

class CryptTest : public HomeCommandsTest {
protected:
    std::vector<DbRow> Rows(const std::string& table) {
        return ReadRows(data->ExosDb(), "SELECT contenuEXO, resoluEXO FROM " + table + " ORDER BY rowid");
    }
};

TEST_F(CryptTest, TwoRunsScrambleEveryRecordTwiceAndResetTheDoneFlag) {
    std::vector<std::string> tables;
    for (const DbRow& row : ReadRows(data->ExosDb(), "SELECT name FROM sqlite_master WHERE name LIKE 'exos%'"))
        tables.push_back(row.at("name"));
    ASSERT_EQ(tables.size(), 11u);
    ExecSql(data->ExosDb(), "UPDATE exos_math_cp SET resoluEXO = 1");
    ExecSql(data->ExosDb(), "DELETE FROM exos_francais_6e");
    std::map<std::string, std::vector<DbRow>> before;
    size_t total = 0;
    for (const std::string& t : tables) total += (before[t] = Rows(t)).size();
    ASSERT_GT(before.at("exos_math_cp").size(), 0u);

    StartForm->button_cryptClick(StartForm->button_crypt);
    StartForm->button_cryptClick(StartForm->button_crypt);

    const AnsiString done = "Crypt done!\n" + IntToStr(total) + " items crypted";
    EXPECT_EQ(messages, (std::vector<AnsiString>{done, done}));
    // The last table is empty: its name and 0 stay on the panel.
    EXPECT_EQ(StartForm->panel_crypt->Caption(), "exos_francais_6e (0 exercices)");
    for (const std::string& t : tables) {
        const auto now = Rows(t);
        ASSERT_EQ(now.size(), before.at(t).size()) << t;
        for (size_t i = 0; i < now.size(); ++i) {
            const AnsiString was = before.at(t)[i].at("contenuEXO");
            EXPECT_EQ(now[i].at("contenuEXO"), ScrambleContent(ScrambleContent(was))) << t;
            EXPECT_EQ(now[i].at("resoluEXO"), "0") << t;
            // One unscramble now shows the text as if scrambled once.
            EXPECT_EQ(StartForm->UnscrambleText(now[i].at("contenuEXO")), StartForm->ScrambleText(was));
        }
    }
}

TEST_F(CryptTest, ADatabaseFailureStopsTheCommandAndKeepsWhatWasPosted) {
    const auto cm1 = Rows("exos_math_cm1"), sixth = Rows("exos_math_6e");
    ASSERT_FALSE(cm1.empty() || sixth.empty());
    ExecSql(data->ExosDb(), "DROP TABLE exos_math_cm2");
    RunHandler([] { StartForm->button_cryptClick(StartForm->button_crypt); });
    // The framework's display shows the error; no "Crypt done!" message.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].find("Crypt done!"), std::string::npos);
    // Tables before the missing one are scrambled again, those after it untouched.
    EXPECT_EQ(Rows("exos_math_cm1")[0].at("contenuEXO"), ScrambleContent(cm1[0].at("contenuEXO")));
    EXPECT_EQ(Rows("exos_math_6e")[0].at("contenuEXO"), sixth[0].at("contenuEXO"));
}
