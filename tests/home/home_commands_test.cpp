// The home screen's commands, panels, web link, animation and authoring scrambler,
// driven through real mouse events where the wiring matters.
#include <map>

#include "ScreenFixture.h"
#include "home/Endapp.h"
#include "home/Historique.h"
#include "home/Intro.h"
#include "home/Options.h"
#include "platform/Ado.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

const char* const kLevelTables[] = {
    "exos_math_cp", "exos_math_ce1", "exos_math_ce2", "exos_math_cm1",
    "exos_math_cm2", "exos_math_6e", "exos_math_5e", "exos_math_4e",
    "exos_math_3e", "exos_francais_ce1", "exos_francais_6e"};

bool SamePicture(TImage* a, TImage* b) {
    return !a->Picture().Empty() && a->Picture().Image() == b->Picture().Image();
}

}  // namespace

class HomeCommandsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        WriteLearnerFile({"Paul@Mathematiques CM1", "Zoé@Français 6e"});
        RunStartup();
        StartForm->timer_ballon->SetEnabled(false);   // steps are run by hand
    }
};

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
        EXPECT_TRUE(SamePicture(r.face, r.normal));
        SendEnter(r.label);
        EXPECT_TRUE(SamePicture(r.face, r.hovered));
        EXPECT_EQ(f.lpingouin->Top(), r.top);
        EXPECT_EQ(f.rpingouin->Top(), r.top);
        EXPECT_TRUE(f.lpingouin->Visible());
        EXPECT_TRUE(f.rpingouin->Visible());
        EXPECT_TRUE(f.Hint_Button_Image->Visible());
        EXPECT_TRUE(SamePicture(f.Hint_Button_Image, r.banner));
        EXPECT_EQ(f.HintButton->Caption(), Ansi(r.hint));
        EXPECT_FALSE(f.HintButton->Visible()) << "the hint label stays hidden";
        // The penguins stand 16 pixels above the hovered face.
        EXPECT_EQ(r.face->Top() - f.lpingouin->Top(), 16);

        SendLeave(r.label);
        EXPECT_TRUE(SamePicture(r.face, r.normal));
        EXPECT_FALSE(f.lpingouin->Visible());
        EXPECT_FALSE(f.rpingouin->Visible());
        EXPECT_FALSE(f.Hint_Button_Image->Visible());
        EXPECT_EQ(f.HintButton->Caption(), "");
    }
}

TEST_F(HomeCommandsTest, WebLinkAndChangeLinksLeaveThePenguinsAsTheyAre) {
    TStartForm& f = *StartForm;
    SendEnter(f.LabelTravailler);
    ASSERT_TRUE(f.lpingouin->Visible());

    SendEnter(f.Label_web_quillombre_education);
    EXPECT_TRUE(SamePicture(f.web_quillombre_education, f.web_quillombre_education_2));
    SendLeave(f.Label_web_quillombre_education);
    EXPECT_TRUE(SamePicture(f.web_quillombre_education, f.web_quillombre_education_1));

    SendEnter(f.changer_liste);
    EXPECT_TRUE(SamePicture(f.changer_liste_img, f.changer_2));
    SendLeave(f.changer_liste);
    EXPECT_TRUE(SamePicture(f.changer_liste_img, f.changer_1));
    SendEnter(f.changer_liste_apprenant);
    EXPECT_TRUE(SamePicture(f.changer_liste_apprenant_img, f.changer_2));
    SendLeave(f.changer_liste_apprenant);
    EXPECT_TRUE(SamePicture(f.changer_liste_apprenant_img, f.changer_1));

    EXPECT_TRUE(f.lpingouin->Visible());
    EXPECT_TRUE(f.rpingouin->Visible());
    EXPECT_EQ(f.lpingouin->Top(), 128);
}

TEST_F(HomeCommandsTest, WebLinkOpensThePublisherSite) {
    SendClick(StartForm->Label_web_quillombre_education);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0], kPublisherUrl);
    EXPECT_EQ(AnsiString(kPublisherUrl).rfind("https://", 0), 0u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HomeCommandsTest, ClicksAtTheCommandFacesReachTheirLabels) {
    // A click on the middle of each face lands on the transparent label above it.
    TStartForm& f = *StartForm;
    for (TLabel* label : {f.LabelOptions, f.LabelHistorique, f.LabelTravailler, f.LabelQuitter}) {
        QPoint centre = label->mapTo(&f, QPoint(label->Width() / 2, label->Height() / 2));
        EXPECT_EQ(f.childAt(centre), label) << label->Name();
    }
    QPoint web = f.Label_web_quillombre_education->mapTo(&f, QPoint(300, 16));
    EXPECT_EQ(f.childAt(web), f.Label_web_quillombre_education);
}

TEST_F(HomeCommandsTest, PanelsOpenCloseAndKeepTheirHeightWhileHidden) {
    TStartForm& f = *StartForm;
    SendClick(f.changer_liste);
    EXPECT_TRUE(f.panel_liste_classes->Visible());
    SendClick(f.Label1);
    EXPECT_FALSE(f.panel_liste_classes->Visible());
    SendClick(f.changer_liste);
    SendDoubleClick(f.Liste_matieres);
    EXPECT_FALSE(f.panel_liste_classes->Visible());

    SendClick(f.changer_liste_apprenant);
    EXPECT_TRUE(f.panel_liste_eleves->Visible());
    EXPECT_EQ(f.panel_liste_eleves->Height(), 170);
    EXPECT_EQ(f.Liste_prenoms->Count(), 2) << "opening the panel loads the learner file";
    SendClick(f.Label3);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 270);
    // The add area lies below the stored height and inside the opened one.
    for (TControl* c : std::initializer_list<TControl*>{f.AjoutNOM, f.AM, f.Label6, f.Label4}) {
        EXPECT_GE(c->Top(), 170) << c->Name();
        EXPECT_LE(c->Top() + c->Height(), 270) << c->Name();
    }
    SendClick(f.Label2);
    EXPECT_FALSE(f.panel_liste_eleves->Visible());
    SendClick(f.changer_liste_apprenant);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 270) << "reopened with its add area";
    SendClick(f.Label4);
    EXPECT_EQ(f.panel_liste_eleves->Height(), 170);
    EXPECT_TRUE(f.panel_liste_eleves->Visible());
}

TEST_F(HomeCommandsTest, PanelTextCommandsTurnRedWhileHovered) {
    TStartForm& f = *StartForm;
    for (TLabel* label : {f.Label1, f.Label2, f.Label3, f.Label4, f.Label6, f.Label7}) {
        SCOPED_TRACE(label->Name());
        EXPECT_EQ(label->Font().Color(), 0x800000);
        SendEnter(label);
        EXPECT_EQ(label->Font().Color(), 255);
        SendLeave(label);
        EXPECT_EQ(label->Font().Color(), 0x800000);
    }
}

TEST_F(HomeCommandsTest, OptionsAndHistoryOpenModally) {
    SendClick(StartForm->LabelOptions);
    SendClick(StartForm->LabelHistorique);
    ASSERT_EQ(modalForms.size(), 2u);
    EXPECT_EQ(modalForms[0], OptionForm->Name());
    EXPECT_EQ(modalForms[1], HistoriqueForm->Name());
    EXPECT_FALSE(StartForm->isHidden()) << "the home screen stays";
}

TEST_F(HomeCommandsTest, WorkClosesBothPanelsAndOpensThePlayerOnBothDatabases) {
    TStartForm& f = *StartForm;
    SendClick(f.changer_liste);
    SendClick(f.changer_liste_apprenant);
    bool panelsHidden = false, exosOpen = false, traceOpen = false;
    onModal = [&](TForm& form) {
        if (&form != MainFormEXO) return;
        panelsHidden = !f.panel_liste_classes->Visible() && !f.panel_liste_eleves->Visible();
        exosOpen = MainFormEXO->MainADOConnection->Connected();
        traceOpen = MainFormEXO->TraceADOConnection->Connected();
    };
    SendClick(f.LabelTravailler);
    ASSERT_EQ(modalForms.size(), 1u);
    EXPECT_EQ(modalForms[0], MainFormEXO->Name());
    EXPECT_TRUE(panelsHidden);
    EXPECT_TRUE(exosOpen);
    EXPECT_TRUE(traceOpen);
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected()) << "closing the player closes them";
    EXPECT_FALSE(MainFormEXO->TraceADOConnection->Connected());
}

TEST_F(HomeCommandsTest, QuitShowsTheGoodbyeScreenThenClosesTheMainWindow) {
    TStartForm& f = *StartForm;
    ASSERT_FALSE(f.isHidden());
    bool homeShownDuringGoodbye = false;
    onModal = [&](TForm& form) {
        if (&form == Abientot) homeShownDuringGoodbye = !f.isHidden();
    };
    SendClick(f.LabelQuitter);
    ASSERT_EQ(modalForms.size(), 1u);
    EXPECT_EQ(modalForms[0], Abientot->Name());
    EXPECT_TRUE(homeShownDuringGoodbye);
    EXPECT_TRUE(f.isHidden()) << "the main window is closed";
}

TEST_F(HomeCommandsTest, BalloonSinksToItsBandThenSwingsAndTheButterflySwings) {
    TStartForm& f = *StartForm;
    ASSERT_EQ(f.ballon->Top(), 88);
    ASSERT_EQ(f.papillon->Top(), 116);
    std::vector<int> ballonTops, papillonTops;
    for (int i = 0; i < 200; ++i) {
        f.timer_ballon->Fire();
        ballonTops.push_back(f.ballon->Top());
        papillonTops.push_back(f.papillon->Top());
    }
    // Sinks 32 steps to 120, rises 40 to 80, sinks 40 to 120, and so on.
    EXPECT_EQ(ballonTops[31], 120);
    EXPECT_EQ(ballonTops[32], 119);
    EXPECT_EQ(ballonTops[71], 80);
    EXPECT_EQ(ballonTops[72], 81);
    EXPECT_EQ(ballonTops[111], 120);
    // The butterfly goes down 20 to 136, then up 20 to 116.
    EXPECT_EQ(papillonTops[19], 136);
    EXPECT_EQ(papillonTops[20], 135);
    EXPECT_EQ(papillonTops[39], 116);
    EXPECT_EQ(papillonTops[40], 117);
    for (int i = 32; i < 200; ++i) {
        EXPECT_GE(ballonTops[i], 80);
        EXPECT_LE(ballonTops[i], 120);
    }
    for (int t : papillonTops) {
        EXPECT_GE(t, 116);
        EXPECT_LE(t, 136);
    }
}

TEST_F(HomeCommandsTest, APictureOutsideItsBandNeverTurns) {
    TStartForm& f = *StartForm;
    f.ballon->SetTop(200);
    for (int i = 0; i < 50; ++i) f.timer_ballon->Fire();
    EXPECT_EQ(f.ballon->Top(), 250);
}

// ---------------------------------------------------------------------------------
// The authoring scrambler

class CryptTest : public HomeCommandsTest {
protected:
    // Contents and done flags of every level table, in record order.
    struct Row { AnsiString content; AnsiString solved; };
    std::map<std::string, std::vector<Row>> ReadTables() {
        TADOConnection c;
        c.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + DataPath("bd_exos.mdb") + ";");
        c.Open();
        std::map<std::string, std::vector<Row>> tables;
        for (const char* name : kLevelTables) {
            TADOQuery q;
            q.SetConnection(&c);
            q.SetSQLText(AnsiString("SELECT contenuEXO, resoluEXO FROM ") + name + " ORDER BY rowid");
            q.Open();
            auto& rows = tables[name];
            for (q.First(); !q.Eof(); q.Next())
                rows.push_back({q.FieldByName("contenuEXO").AsString(), q.FieldByName("resoluEXO").AsString()});
            q.Close();
        }
        return tables;
    }
    void Execute(const AnsiString& sql) {
        TADOConnection c;
        c.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + DataPath("bd_exos.mdb") + ";");
        c.Open();
        c.Execute(sql);
    }
};

TEST_F(CryptTest, TwoRunsScrambleEveryRecordTwiceAndResetTheDoneFlag) {
    Execute("UPDATE exos_math_cp SET resoluEXO = 1");
    Execute("DELETE FROM exos_francais_6e");
    const auto before = ReadTables();
    size_t total = 0;
    for (auto& [name, rows] : before) total += rows.size();
    ASSERT_GT(before.at("exos_math_cp").size(), 0u);

    StartForm->button_cryptClick(StartForm->button_crypt);
    StartForm->button_cryptClick(StartForm->button_crypt);

    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Crypt done!\n" + IntToStr(total) + " items crypted");
    EXPECT_EQ(messages[1], messages[0]);
    // The last table is empty: its name and 0 stay on the panel.
    EXPECT_EQ(StartForm->panel_crypt->Caption(), "exos_francais_6e (0 exercices)");

    const auto after = ReadTables();
    for (const char* name : kLevelTables) {
        SCOPED_TRACE(name);
        const auto& was = before.at(name);
        const auto& now = after.at(name);
        ASSERT_EQ(was.size(), now.size());
        for (size_t i = 0; i < was.size(); ++i) {
            EXPECT_EQ(now[i].content, ScrambleContent(ScrambleContent(was[i].content)));
            EXPECT_EQ(now[i].solved, "0");
            // One unscramble now shows the text as if scrambled once.
            EXPECT_EQ(StartForm->UnscrambleText(now[i].content), ScrambleContent(was[i].content));
        }
    }
    EXPECT_EQ(StartForm->progress_crypt->Min(), 0);
    EXPECT_EQ(StartForm->progress_crypt->Max(), 7);
    EXPECT_EQ(StartForm->progress_crypt->Step(), 1);
}

TEST_F(CryptTest, ADatabaseFailureStopsTheCommandAndKeepsWhatWasPosted) {
    const auto before = ReadTables();
    Execute("DROP TABLE exos_math_cm2");
    RunHandler([] { StartForm->button_cryptClick(StartForm->button_crypt); });
    // The framework's display shows the error; no "Crypt done!" message.
    for (const AnsiString& m : messages) EXPECT_EQ(m.find("Crypt done!"), std::string::npos);
    EXPECT_FALSE(messages.empty() && dialogs.empty()) << "the failure is shown";

    TADOConnection c;
    c.SetConnectionString("Provider=x;Data Source=" + DataPath("bd_exos.mdb") + ";");
    c.Open();
    auto firstContent = [&](const char* table) {
        TADOQuery q;
        q.SetConnection(&c);
        q.SetSQLText(AnsiString("SELECT contenuEXO FROM ") + table + " ORDER BY rowid");
        q.Open();
        return q.RecordCount() ? q.FieldByName("contenuEXO").AsString() : AnsiString();
    };
    // Tables before the missing one are scrambled again, those after it untouched.
    ASSERT_FALSE(before.at("exos_math_cm1").empty());
    EXPECT_EQ(firstContent("exos_math_cm1"), ScrambleContent(before.at("exos_math_cm1")[0].content));
    ASSERT_FALSE(before.at("exos_math_6e").empty());
    EXPECT_EQ(firstContent("exos_math_6e"), before.at("exos_math_6e")[0].content);
}

TEST_F(CryptTest, ScrambleAndUnscrambleAreTheCodecsRoutines) {
    const AnsiString text = Ansi("/#Écris une phrase : le yéti a froid.#/ [1] AEIOUY 42");
    EXPECT_EQ(StartForm->ScrambleText(text), ScrambleContent(text));
    EXPECT_EQ(StartForm->UnscrambleText(StartForm->ScrambleText(text)), text);
    EXPECT_EQ(StartForm->ScrambleText(text).size(), text.size());
}
