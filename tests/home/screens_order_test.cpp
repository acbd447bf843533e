// The screens as the running program has them: the start-up sequence runs before what the
// first window does not show is built.
#include <QBackingStore>

#include "ScreenFixture.h"
#include "games/Jeux.h"
#include "home/Historique.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "home/Options.h"
#include "home/Screens.h"
#include "player/Mainform_exo.h"

namespace {

// The screens anew, as the entry routine leaves them before the loop first idles.
class ScreensOrderTest : public ScreenTest {
protected:
    void RecreateScreens() {
        DestroyScreens();
        CreateScreens();
    }
};

TEST_F(ScreensOrderTest, StartupBeforeTheRestIsBuiltKeepsWhatItSetOnThePlayer) {
    WriteLearnerFile({"Zoé@Français 6e"});
    RecreateScreens();
    ASSERT_EQ(HistoriqueForm, nullptr);
    RunStartup();
    CompleteScreens();
    ASSERT_NE(HistoriqueForm, nullptr);
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), Ansi("Zoé"));
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_6e");
    EXPECT_TRUE(MainFormEXO->titreCLASSE->Picture().Image() == MainFormEXO->Classe6e->Picture().Image());
    EXPECT_TRUE(MainFormEXO->Titre_MATIERE->Picture().Image() ==
                MainFormEXO->Titre_MATIERE_FRANCAIS->Picture().Image());
    // The home screen's panels, built afterwards, answer their commands.
    StartForm->changer_liste_apprenantClick(nullptr);
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 1);
    SendClick(StartForm->Label2);
    EXPECT_TRUE(StartForm->panel_liste_eleves->isHidden());
}

TEST_F(ScreensOrderTest, FirstRunShowsTheIdentificationBeforeTheRestIsBuilt) {
    RemoveLearnerFile();
    RecreateScreens();
    ASSERT_EQ(Identification, nullptr);
    RunStartup();
    EXPECT_EQ(modalForms, std::vector<AnsiString>{"Identification"});
    for (TForm* screen : Application->Forms()) EXPECT_NE(screen, nullptr);
}

// Memory is made ahead where it pays: once idle, the player's window surface (every
// learner opens it) and the letter pictures the games screen writes with; nothing of the
// identification, shown on a first run only; the options', history's and games' surfaces
// when their command is pointed at.
TEST_F(ScreensOrderTest, IdleWorkPreparesThePlayerAndLeavesTheOtherSurfacesUntilPointedAt) {
    WriteLearnerFile({"Zoé@Français 6e"});
    RecreateScreens();
    RunStartup();
    while (Application->RunIdleStep()) {
    }
    const auto prepared = [](TForm* screen) {
        const QBackingStore* surface = screen->backingStore();
        return surface && surface->size() == screen->size();
    };
    EXPECT_TRUE(prepared(MainFormEXO));
    EXPECT_TRUE(StartForm->alpha_j->Picture().Source()->Drawn());
    EXPECT_FALSE(Identification->Image1->Picture().Source()->Drawn());
    for (TForm* screen : std::vector<TForm*>{OptionForm, HistoriqueForm, Jeu, Identification})
        EXPECT_FALSE(prepared(screen)) << screen->Name();

    SendEnter(StartForm->LabelOptions);
    SendEnter(StartForm->LabelHistorique);
    SendEnter(MainFormEXO->LabelJEU);
    for (TForm* screen : std::vector<TForm*>{OptionForm, HistoriqueForm, Jeu})
        EXPECT_TRUE(prepared(screen)) << screen->Name();
}

}  // namespace
