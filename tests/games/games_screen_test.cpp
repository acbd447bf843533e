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
    for (const auto& [choice, then] : choices) {
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
    // Every command of both boards and of the choice panel, with its frame; the links
    // change their text only.
    const std::pair<TLabel*, TShape*> buttons[] = {
        {games->Label19, games->Shape113},        {games->Label17, games->Shape111},
        {games->Label16, games->Shape110},        {games->NOUVEAUTirage, games->Shape105},
        {games->VERIFIERCompte, games->Shape104}, {games->SOLUTIONCompte, games->Shape106},
        {games->QUITTERCompte, games->Shape107},  {games->EFFACERSolution, games->Shape108},
        {games->AIDECompte, games->Shape109},     {games->NouvellePartie, games->Shape101},
        {games->FinPartie, games->Shape102},      {games->Label9, games->Shape103},
        {games->ShowRule, nullptr},               {games->HideHelpCompte, nullptr},
    };
    using Colours = std::vector<TColor>;
    for (const auto& [label, frame] : buttons) {
        SCOPED_TRACE(label->Name());
        const auto colours = [&] {
            return frame ? Colours{label->Font().Color(), frame->Brush().Color(), frame->Pen().Color()}
                         : Colours{label->Font().Color()};
        };
        const Colours normal = colours(),
                      expected = frame ? Colours{clNavy, kTextButtonFill, kTextButtonEdge} : Colours{clNavy},
                      hovered = frame ? Colours{kTextButtonHoverText, kTextButtonHoverFill, kTextButtonEdge}
                                      : Colours{label == games->ShowRule ? kTextButtonHoverText : clRed};
        EXPECT_EQ(normal, expected);
        SendEnter(label);
        EXPECT_EQ(colours(), hovered);
        SendLeave(label);
        EXPECT_EQ(colours(), normal);
    }
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
