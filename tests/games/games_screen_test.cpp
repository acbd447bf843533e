// The games screen: opened modally from the player, the choice panel and the closing
// cycle, the learner's name, the seeding of the draws and the text-button colours.
#include "GamesFixture.h"
#include "games/TextButton.h"

using GamesScreenTest = GamesTest;

TEST_F(GamesScreenTest, ChoiceBoardsAndClosingCycle) {
    // Each opening starts on the choice panel over both boards, with its title and name;
    // each choice is followed by what it leaves shown.
    const std::pair<TLabel*, std::function<void()>> choices[] = {
        {games->Label17, [&] {
             EXPECT_TRUE(!games->CHOISIRJEU->Visible() && games->CompteEstBon->Visible());
             SendClick(games->QUITTERCompte);
         }},
        {games->Label19, [&] {
             EXPECT_FALSE(games->CHOISIRJEU->Visible() || games->CompteEstBon->Visible());
             EXPECT_TRUE(games->Panel1->Visible() && games->NouvellePartie->Visible() && games->Visible());
             SendClick(games->Label9);
         }},
        {games->Label16, [] {}},
    };
    for (const auto& entry : choices) {
        auto* const choice = entry.first;
        const auto& then = entry.second;
        onModal = [&](TForm&) {
            EXPECT_TRUE(games->CHOISIRJEU->Visible() && !games->CompteEstBon->Visible());
            EXPECT_TRUE(Shows(games->ChoixDuJeu, "choix du jeu"));
            EXPECT_TRUE(!games->nom_joueur->Picture().Empty() && SamePicture(games->nom_joueur, StartForm->IdentifiantNOM));
            SendClick(choice);
            then();
            EXPECT_FALSE(games->Visible()) << choice->Name();
        };
        SendClick(player->LabelJEU);
    }
    EXPECT_EQ(modalForms, std::vector<AnsiString>({"Jeu", "Jeu", "Jeu"}));
    EXPECT_TRUE(player->Visible());

    // A learner with no name picture yet gets an empty one, not the previous learner's.
    StartForm->IdentifiantNOM->Picture().Clear();
    OpenGames();
    EXPECT_TRUE(games->nom_joueur->Picture().Empty());
}

TEST_F(GamesScreenTest, OpeningsWithinOneSecondDrawTheSameNumbers) {
    const auto firstDraw = [&] {
        OpenGames();
        games->Label17Click();
        games->NOUVEAUTirageClick();
        AnsiString numbers;
        for (TImage* v : games->Numbers) numbers += v->Hint() + ";";
        games->Close();
        return numbers + games->verdict->Hint();
    };
    const AnsiString first = firstDraw();
    EXPECT_EQ(firstDraw(), first);
    // The seed follows the clock.
    clock.second += 1;
    const AnsiString later = firstDraw();
    EXPECT_NE(later, first);
    EXPECT_EQ(firstDraw(), later);
}

TEST_F(GamesScreenTest, TextButtonsAndLinksFollowTheMouse) {
    // A command with its frame, and a link, which changes its text only.
    using Colours = std::vector<TColor>;
    const auto colours = [&] {
        return Colours{games->VERIFIERCompte->Font().Color(), games->Shape104->Brush().Color(),
                       games->Shape104->Pen().Color(), games->HideHelpCompte->Font().Color()};
    };
    const Colours normal = colours();
    EXPECT_EQ(normal, (Colours{clNavy, kTextButtonFill, kTextButtonEdge, clNavy}));
    SendEnter(games->VERIFIERCompte);
    SendEnter(games->HideHelpCompte);
    EXPECT_EQ(colours(), (Colours{kTextButtonHoverText, kTextButtonHoverFill, kTextButtonEdge, clRed}));
    SendLeave(games->VERIFIERCompte);
    SendLeave(games->HideHelpCompte);
    EXPECT_EQ(colours(), normal);
}

TEST_F(GamesScreenTest, AGameDuringAnExerciseLeavesThatExerciseItsOwnTrace) {
    SetExercises(TrueFalseChapter(1));
    OpenChapter();
    const AnsiString shownAt = player->ExoStartTime;
    clock.minute += 5;
    // A numbers draw and a ship game both start attempts of their own.
    onModal = [&](TForm&) {
        games->Label17Click();
        games->NOUVEAUTirageClick();
        games->Close();
    };
    SendClick(player->LabelJEU);
    onModal = [&](TForm&) {
        games->Label19Click();
        games->NouvellePartieClick();
        games->FinPartieClick();   // one abandoned game, traced as such
    };
    SendClick(player->LabelJEU);
    SendClick(player->qb_label_true);
    Correct();
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].at("ExoCode") + "|" + rows[1].at("ExoStart") + "|" + rows[1].at("ExoType") + "|" +
                  rows[1].at("ExoChapcode") + "|" + rows[1].at("ExoNote"),
              "101|" + AnsiToUtf8(shownAt) + "|QB|N1|10");
}
