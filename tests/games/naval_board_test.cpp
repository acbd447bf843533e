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
        fleet.clear();
        for (const AnsiString& line : SplitLines(games->FleetList)) {
            FleetLine ship;
            ASSERT_TRUE(ReadFleetLine(line, ship)) << line;
            fleet.push_back(ship);
        }
    }
    TShape* Square(int row, int column) const { return games->GetCell(row, column); }
    void Fire(std::pair<int, int> square) { SendClick(Square(square.first, square.second)); }
    void Sink(const FleetLine& ship) {
        for (const auto& square : ShipSquares(ship)) Fire(square);
    }
    // The squares of a state, row by row.
    std::vector<std::pair<int, int>> SquaresIn(Cell state) const {
        std::vector<std::pair<int, int>> squares;
        for (int r = 1; r <= kGridSize; ++r)
            for (int c = 1; c <= kGridSize; ++c)
                if (Square(r, c)->Hint() == CellText(state)) squares.emplace_back(r, c);
        return squares;
    }
    // The message line and the shot counter as drawn, "|"-joined.
    AnsiString Shown() const {
        const AnsiString counter = games->Score->Hint();
        return games->MonTIR->Caption() + "|" + (Shows(games->Score, counter) ? counter : "(not drawn)");
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

TEST_F(NavalTest, NewGameShotsAndTheCounter) {
    // Before NOUVELLE PARTIE squares and TERMINER LA PARTIE do nothing.
    EXPECT_TRUE(Shows(games->Joueur, "Joueur: Paul"));
    Fire({1, 1});
    SendClick(games->FinPartie);
    EXPECT_EQ(Square(1, 1)->Brush().Style(), TBrushStyle::Clear);
    EXPECT_EQ(Shown(), "|Nombre de tirs: 0");
    EXPECT_TRUE(TraceRows().empty());

    NewGame();
    ASSERT_EQ(fleet.size(), 7u);
    EXPECT_EQ(games->NouvellePartie->Caption(), "PARTIE EN COURS");
    EXPECT_TRUE(!games->PanelPG->Visible() && games->PG->Position() == 700);
    EXPECT_EQ(SquaresIn(Cell::Ship).size(), 23u);
    // A second NOUVELLE PARTIE during the game does nothing.
    const AnsiString fleetList = games->FleetList;
    SendClick(games->NouvellePartie);
    EXPECT_EQ(games->FleetList, fleetList);

    // Water, near, hit; then fired squares again: one shot each, hits unchanged.
    const auto water = SquaresIn(Cell::Water).front(), near = SquaresIn(Cell::Near).front(),
               hit = SquaresIn(Cell::Ship).front();
    const struct { std::pair<int, int> square; const char *shown, *state; TColor colour; } shots[] = {
        {water, "Dans l'eau!|Nombre de tirs: 1", "-1", 10340756}, {water, "Dans l'eau!|Nombre de tirs: 1", "-1", 10340756},
        {near, "En vue!|Nombre de tirs: 2", "0", 8757200},        {hit, "Touché!|Nombre de tirs: 3", "11", 6117341},
        {near, "En vue!|Nombre de tirs: 3", "0", 8757200},        {hit, "En vue!|Nombre de tirs: 3", "11", 6117341},
    };
    for (const auto& s : shots) {
        Fire(s.square);
        TShape* square = Square(s.square.first, s.square.second);
        EXPECT_EQ(Shown(), Ansi(s.shown));
        EXPECT_EQ(square->Hint() + "|" + IntToStr(square->Brush().Color()), s.state + ("|" + IntToStr(s.colour)));
        EXPECT_EQ(square->Brush().Style(), TBrushStyle::Solid);
    }
}

TEST_F(NavalTest, LocatingTheWholeFleetInTwentyThreeShots) {
    NewGame();
    Texts announced;
    std::vector<std::pair<FleetLine, const TShape*>> marked;
    for (const FleetLine& ship : fleet) {
        Sink(ship);
        announced.push_back(games->MonTIR->Caption());
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
    EXPECT_EQ(games->LocatedShipCount, 7);
    EXPECT_EQ(games->NouvellePartie->Caption(), "NOUVELLE PARTIE");

    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u);
    const DbRow& r = rows.front();
    EXPECT_EQ(r.at("ExoCode") + "|" + r.at("ExoStart") + "|" + r.at("ExoEnd") + "|" + r.at("ExoNote") + "|" +
                  r.at("ExoUseverif") + "|" + r.at("ExoType") + "|" + r.at("ExoChap") + "|" + r.at("ExoChapcode"),
              "jeu|14/03/2024 09:30:00|14/03/2024 09:30:00|23|0|LA RECONNAISSANCE NAVALE|Jeu|Jeu");
    // The game is over: the squares take no more shots.
    Fire({1, 1});
    EXPECT_EQ(Shown(), Ansi("Localisation achevée, BRAVO !|Nombre de tirs: 23"));
}

TEST_F(NavalTest, TerminerLaPartieAfterFortyShots) {
    NewGame();
    // The porte-avions first, then water and near squares up to 40 shots.
    Sink(fleet[0]);
    std::vector<std::pair<int, int>> misses = SquaresIn(Cell::Water);
    for (const auto& near : SquaresIn(Cell::Near)) misses.push_back(near);
    for (size_t k = 0; k < 35; ++k) Fire(misses[k]);
    const AnsiString hidden = games->FleetList;
    clock.minute = 52;
    SendClick(games->FinPartie);
    // Every ship shows its marker (see below); the squares and the fleet list stay as they were.
    EXPECT_EQ(games->FleetList, hidden);
    EXPECT_EQ(SquaresIn(Cell::Ship).size(), 18u);
    EXPECT_EQ(games->NouvellePartie->Caption(), "NOUVELLE PARTIE");
    SendClick(games->FinPartie);
    const std::vector<DbRow> rows = TraceRows();
    ASSERT_EQ(rows.size(), 1u) << "a second click does nothing";
    EXPECT_EQ(rows[0].at("ExoNote") + "|" + rows[0].at("ExoUseverif") + "|" + rows[0].at("ExoType") + "|" +
                  rows[0].at("ExoEnd"),
              "40|1|La reconnaissance navale|14/03/2024 09:52:00");

    // A new game starts afresh; closing the screen in the middle of one writes nothing.
    NewGame();
    EXPECT_EQ(Shown(), "|Nombre de tirs: 0");
    for (const TShape* marker : games->Markers) EXPECT_FALSE(marker->Visible());
    Fire({fleet.back().row, fleet.back().column});
    SendClick(games->Label9);
    OpenGames();
    EXPECT_EQ(SquaresIn(Cell::Water).size(), 100u);
    EXPECT_EQ(TraceRows().size(), 1u);
}

TEST_F(NavalTest, RulesPanelShowsAndHides) {
    for (const bool shown : {true, false}) {
        SendClick(games->ShowRule);
        EXPECT_EQ(games->REGLEDUJEU->Visible(), shown);
        EXPECT_EQ(games->ShowRule->Caption(), shown ? "MASQUER LE PRINCIPE DU JEU" : "AFFICHER LE PRINCIPE DU JEU");
    }
    EXPECT_NE(Pos(Ansi("(entre 23 et 100)."), games->Memo1->Lines()[0]), 0);
}
