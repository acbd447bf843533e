// The ship-locating board on a real games screen: shots through the squares' own mouse
// handler, located ships and their markers, the end of a game and its trace record.
#include "GamesFixture.h"

namespace {

using Texts = std::vector<std::string>;

class NavalTest : public GamesTest {
protected:
    void SetUp() override {
        GamesTest::SetUp();
        OpenGames();
        SendClick(games->Label19);
    }
    void NewGame() {
        SendClick(games->NouvellePartie);
        for (const AnsiString& line : SplitLines(games->FleetList)) {
            FleetLine ship;
            ASSERT_TRUE(ReadFleetLine(line, ship)) << line;
            fleet.push_back(ship);
        }
    }
    TShape* Square(int row, int column) const { return games->GetCell(row, column); }
    void Fire(int row, int column) { SendClick(Square(row, column)); }
    // The squares of a state, row by row.
    std::vector<std::pair<int, int>> SquaresIn(Cell state) const {
        std::vector<std::pair<int, int>> squares;
        for (int r = 1; r <= kGridSize; ++r)
            for (int c = 1; c <= kGridSize; ++c)
                if (Square(r, c)->Hint() == CellText(state)) squares.emplace_back(r, c);
        return squares;
    }
    AnsiString Message() const { return games->MonTIR->Caption(); }
    bool Counted(int shots) const {
        const AnsiString counter = "Nombre de tirs: " + IntToStr(shots);
        return games->Score->Hint() == counter && Shows(games->Score, counter);
    }
    // A marker lies over every square of its ship.
    bool Marks(const TShape* marker, const FleetLine& ship) const {
        for (const auto& [r, c] : ShipSquares(ship))
            if (!marker->geometry().contains(Square(r, c)->geometry().center())) return false;
        return marker->Visible();
    }
    std::vector<FleetLine> fleet;
};

}  // namespace

TEST_F(NavalTest, NothingHappensBeforeNouvellePartie) {
    EXPECT_TRUE(Shows(games->Joueur, "Joueur: Paul"));
    Fire(1, 1);
    SendClick(games->FinPartie);
    EXPECT_EQ(Square(1, 1)->Brush().Style(), TBrushStyle::Clear);
    EXPECT_TRUE(Counted(0) && Message().empty() && TraceRows().empty());
    EXPECT_EQ(games->NouvellePartie->Caption(), "NOUVELLE PARTIE");
}

TEST_F(NavalTest, NewGameShotsAndTheCounter) {
    clock.minute = 40;
    NewGame();
    ASSERT_EQ(fleet.size(), 7u);
    EXPECT_EQ(games->NouvellePartie->Caption(), "PARTIE EN COURS");
    EXPECT_TRUE(!games->PanelPG->Visible() && games->PG->Position() == 700);
    EXPECT_EQ(SquaresIn(Cell::Ship).size(), 23u);
    EXPECT_EQ(player->ExoStartTime + "|" + player->ExoTypeName + "|" + player->ChapterTitle + "|" + player->ChapterCode,
              "14/03/2024 09:40:00|LA RECONNAISSANCE  NAVALE|Jeu|");
    // A second NOUVELLE PARTIE during the game does nothing.
    const AnsiString fleetList = games->FleetList;
    SendClick(games->NouvellePartie);
    EXPECT_EQ(games->FleetList, fleetList);

    // Water, then the same square again: one shot.
    const auto [wr, wc] = SquaresIn(Cell::Water).front();
    Fire(wr, wc);
    EXPECT_EQ(Message(), "Dans l'eau!");
    EXPECT_TRUE(Square(wr, wc)->Brush().Style() == TBrushStyle::Solid && Square(wr, wc)->Brush().Color() == 10340756);
    EXPECT_TRUE(Counted(1));
    Fire(wr, wc);
    EXPECT_TRUE(Counted(1) && Message() == "Dans l'eau!");
    const auto [nr, nc] = SquaresIn(Cell::Near).front();
    Fire(nr, nc);
    EXPECT_TRUE(Message() == "En vue!" && Square(nr, nc)->Brush().Color() == 8757200 && Counted(2));
    // A hit, then the hit square again: nothing changes.
    const auto [hr, hc] = SquaresIn(Cell::Ship).front();
    Fire(hr, hc);
    EXPECT_EQ(Message(), Ansi("Touché!"));
    EXPECT_TRUE(Square(hr, hc)->Hint() == "11" && Square(hr, hc)->Brush().Color() == 6117341 && Counted(3));
    Fire(nr, nc);
    Fire(hr, hc);
    EXPECT_TRUE(Message() == "En vue!" && Counted(3));
}

TEST_F(NavalTest, LocatingTheWholeFleetInTwentyThreeShots) {
    NewGame();
    Texts announced;
    std::vector<std::pair<FleetLine, const TShape*>> marked;
    for (const FleetLine& ship : fleet) {
        for (const auto& [r, c] : ShipSquares(ship)) Fire(r, c);
        announced.push_back(Message());
        for (const TShape* marker : games->Markers)
            if (Marks(marker, ship)) marked.emplace_back(ship, marker);
    }
    EXPECT_EQ(announced, Texts({Ansi("PORTE-AVIONS localisé !"), Ansi("CROISEUR localisé !"),
                                Ansi("CROISEUR localisé !"), Ansi("CONTRE-TORPILLEUR localisé !"),
                                Ansi("CONTRE-TORPILLEUR localisé !"), Ansi("TORPILLEUR localisé !"),
                                Ansi("Localisation achevée, BRAVO !")}));
    // Each ship has its marker: b1; b2 then b3; b4 then b5; b6 then b7.
    ASSERT_EQ(marked.size(), 7u);
    for (size_t k = 0; k < 7; ++k) EXPECT_EQ(marked[k].second, games->Markers[k]);
    EXPECT_TRUE(Counted(23));
    EXPECT_EQ(games->LocatedShipCount, 7);
    EXPECT_EQ(games->FleetList, "");
    EXPECT_EQ(games->NouvellePartie->Caption(), "NOUVELLE PARTIE");

    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    const DbRow& r = rows.front();
    EXPECT_EQ(r.at("ExoCode") + "|" + r.at("ExoStart") + "|" + r.at("ExoEnd") + "|" + r.at("ExoNote") + "|" +
                  r.at("ExoUseverif") + "|" + r.at("ExoType") + "|" + r.at("ExoChap") + "|" + r.at("ExoChapcode"),
              "jeu|14/03/2024 09:30:00|14/03/2024 09:30:00|23|0|LA RECONNAISSANCE NAVALE|Jeu|Jeu");
    // The game is over: the squares take no more shots.
    Fire(1, 1);
    EXPECT_TRUE(Counted(23));
}

TEST_F(NavalTest, TerminerLaPartieAfterFortyShots) {
    NewGame();
    // The porte-avions first, then water and near squares up to 40 shots.
    for (const auto& [r, c] : ShipSquares(fleet[0])) Fire(r, c);
    std::vector<std::pair<int, int>> misses = SquaresIn(Cell::Water);
    for (const auto& near : SquaresIn(Cell::Near)) misses.push_back(near);
    for (size_t k = 0; k < 35; ++k) Fire(misses[k].first, misses[k].second);
    ASSERT_TRUE(Counted(40));
    const AnsiString hidden = games->FleetList;
    clock.minute = 52;
    SendClick(games->FinPartie);
    // Every ship shows its marker; the squares and the fleet list stay as they were.
    for (size_t k = 0; k < 7; ++k) EXPECT_TRUE(Marks(games->Markers[k], fleet[k])) << k;
    EXPECT_EQ(games->FleetList, hidden);
    EXPECT_EQ(SquaresIn(Cell::Ship).size(), 18u);
    EXPECT_EQ(games->NouvellePartie->Caption(), "NOUVELLE PARTIE");
    SendClick(games->FinPartie);
    EXPECT_EQ(Traced("ExoNote"), Texts({"40"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1"}));
    EXPECT_EQ(Traced("ExoType"), Texts({"La reconnaissance navale"}));
    EXPECT_EQ(Traced("ExoEnd"), Texts({"14/03/2024 09:52:00"}));

    // A new game starts afresh; closing the screen in the middle of one writes nothing.
    NewGame();
    EXPECT_TRUE(Counted(0) && Message().empty());
    for (const TShape* marker : games->Markers) EXPECT_FALSE(marker->Visible());
    Fire(fleet.back().row, fleet.back().column);
    SendClick(games->Label9);
    EXPECT_FALSE(games->Visible());
    OpenGames();
    EXPECT_TRUE(Counted(0) && SquaresIn(Cell::Water).size() == 100u);
    EXPECT_EQ(TraceRows().size(), 1u);
}

TEST_F(NavalTest, RulesPanelAndLinks) {
    SendClick(games->ShowRule);
    EXPECT_TRUE(games->REGLEDUJEU->Visible() && games->ShowRule->Hint() == "1");
    EXPECT_EQ(games->ShowRule->Caption(), "MASQUER LE PRINCIPE DU JEU");
    EXPECT_NE(Pos(Ansi("(entre 23 et 100)."), games->Memo1->Lines()[0]), 0);
    SendClick(games->ShowRule);
    EXPECT_TRUE(!games->REGLEDUJEU->Visible() && games->ShowRule->Hint() == "0");
    EXPECT_EQ(games->ShowRule->Caption(), "AFFICHER LE PRINCIPE DU JEU");
    const std::pair<TLabel*, TShape*> buttons[] = {
        {games->NouvellePartie, games->Shape101}, {games->FinPartie, games->Shape102}, {games->Label9, games->Shape103}};
    for (const auto& [label, frame] : buttons) {
        SendEnter(label);
        EXPECT_TRUE(label->Font().Color() == 128 && frame->Brush().Color() == 6986122) << label->Name();
        SendLeave(label);
        EXPECT_TRUE(label->Font().Color() == clNavy && frame->Brush().Color() == 12684098) << label->Name();
    }
    SendEnter(games->ShowRule);
    EXPECT_EQ(games->ShowRule->Font().Color(), 128);
    SendLeave(games->ShowRule);
    EXPECT_EQ(games->ShowRule->Font().Color(), clNavy);
}
