// The ship-locating game without its board: fleet lines, allowed directions, whole
// fleets from many seeds, the bounded redraw, shots, the counter and the markers.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "games/Fleet.h"
#include "platform/DateTime.h"

namespace {

std::vector<FleetLine> Ships(const std::vector<AnsiString>& lines) {
    std::vector<FleetLine> ships;
    for (const AnsiString& line : lines) {
        FleetLine ship;
        if (ReadFleetLine(line, ship)) ships.push_back(ship);
    }
    return ships;
}

// Every ship wholly on the grid, none touching another even at a corner, and the grid
// holding exactly the ships with the ring of squares around them.
void ExpectSoundFleet(const FleetGrid& grid, const std::vector<FleetLine>& ships) {
    int owner[kGridSize + 2][kGridSize + 2];
    for (auto& row : owner) std::fill(std::begin(row), std::end(row), -1);
    for (size_t i = 0; i < ships.size(); ++i)
        for (const auto& [r, c] : ShipSquares(ships[i])) {
            ASSERT_TRUE(FleetGrid::OnGrid(r, c)) << FleetLineText(ships[i]);
            owner[r][c] = static_cast<int>(i);
        }
    for (int r = 1; r <= kGridSize; ++r)
        for (int c = 1; c <= kGridSize; ++c) {
            bool nearShip = false;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    const int other = owner[r + dr][c + dc];
                    nearShip = nearShip || other >= 0;
                    ASSERT_TRUE(owner[r][c] < 0 || other < 0 || other == owner[r][c]) << "ships touch at " << r << "," << c;
                }
            ASSERT_EQ(grid.At(r, c), owner[r][c] >= 0 ? Cell::Ship : nearShip ? Cell::Near : Cell::Water) << r << "," << c;
        }
}

}  // namespace

TEST(Fleet, FleetLines) {
    const FleetLine croiseur{3, 7, 2, 4};
    EXPECT_EQ(FleetLineText(croiseur), "3#7#2#4");
    FleetLine read;
    ASSERT_TRUE(ReadFleetLine(" 3 # 7 # 2 # 4 ", read));
    EXPECT_EQ(FleetLineText(read), "3#7#2#4");
    EXPECT_EQ(ShipSquares(read), (std::vector<std::pair<int, int>>{{3, 7}, {4, 7}, {5, 7}, {6, 7}}));
    EXPECT_EQ(ShipSquares({5, 5, 5, 1}), (std::vector<std::pair<int, int>>{{5, 5}, {5, 4}}));
    EXPECT_EQ(ShipSquares({5, 5, 3, 3}), (std::vector<std::pair<int, int>>{{5, 5}, {4, 5}, {3, 5}}));
    // Not a whole ship on the grid.
    for (const char* bad : {"", "3#7#2", "3#7#2#4#1", "0#1#5#2", "1#7#1#2", "2#2#1#3", "1#1#6#2", "1#1#1#5", "a#1#1#2"})
        EXPECT_FALSE(ReadFleetLine(bad, read)) << bad;
    EXPECT_EQ(ShipName(3) + ShipName(4), "contre-torpilleurcontre-torpilleur");
}

TEST(Fleet, AllowedDirectionsKeepShipsApart) {
    FleetGrid grid;
    EXPECT_EQ(AllowedDirections(grid, 1, 1, 1), std::vector<int>({2, 4}));
    EXPECT_EQ(AllowedDirections(grid, 5, 5, 5), std::vector<int>({1, 2, 3, 4}));
    EXPECT_EQ(AllowedDirections(grid, 10, 8, 2), std::vector<int>({1, 3}));
    // A ship keeps others off its ring, corners included; squares near a ship do not.
    grid.Set(3, 5, Cell::Ship);
    EXPECT_EQ(AllowedDirections(grid, 2, 3, 5), std::vector<int>({1, 3, 4})) << "rightwards it touches a corner";
    EXPECT_TRUE(AllowedDirections(grid, 4, 5, 5).empty());
    grid.Set(8, 8, Cell::Near);
    EXPECT_EQ(AllowedDirections(grid, 8, 8, 5), std::vector<int>({1, 2, 3, 4}));
    // A full grid leaves no room: the ship is not placed.
    for (int r = 1; r <= kGridSize; ++r)
        for (int c = 1; c <= kGridSize; ++c) grid.Set(r, c, Cell::Ship);
    int steps = 0;
    EXPECT_EQ(PlaceShip(grid, 5, [&] { ++steps; }), "");
    EXPECT_EQ(steps, 100);
}

TEST(Fleet, TenThousandFleetsFromDifferentSeeds) {
    for (unsigned seed = 1; seed <= 10000; ++seed) {
        RandSeed(seed);
        FleetGrid grid;
        int steps = 0;
        const std::vector<AnsiString> lines = PlaceFleet(grid, [&] { steps = 0; }, [&] { ++steps; });
        ASSERT_EQ(lines.size(), 7u);
        const std::vector<FleetLine> ships = Ships(lines);
        ASSERT_EQ(ships.size(), 7u) << "seed " << seed;
        for (size_t k = 0; k < ships.size(); ++k) ASSERT_EQ(ships[k].type, kFleetTypes[k]);
        ExpectSoundFleet(grid, ships);
        ASSERT_EQ(steps, 700) << "100 squares looked at per ship";
    }
}

TEST(Fleet, AFleetWithoutRoomIsDrawnAgainABoundedNumberOfTimes) {
    // Seven porte-avions seldom fit at the first draw: the grid is cleared and drawn
    // again until they do.
    RandSeed(1);
    FleetGrid grid;
    int draws = 0;
    const std::vector<AnsiString> seven = PlaceFleet(grid, [&] { ++draws; }, {}, std::vector<int>(7, 1));
    EXPECT_GT(draws, 1);
    ASSERT_EQ(Ships(seven).size(), 7u);
    ExpectSoundFleet(grid, Ships(seven));
    // Nine never fit: after 50 draws the last one is kept, with the ships that found room.
    draws = 0;
    const std::vector<AnsiString> nine = PlaceFleet(grid, [&] { ++draws; }, {}, std::vector<int>(9, 1));
    EXPECT_EQ(draws, 50);
    EXPECT_EQ(nine.size(), 9u);
    EXPECT_LT(Ships(nine).size(), 9u);
    ExpectSoundFleet(grid, Ships(nine));
}

TEST(Fleet, ShotsCounterAndMarkers) {
    const struct {
        const char* before;
        bool changes;
        int colour;
        const char *after, *message;
    } shots[] = {
        {"-1", true, 10340756, "-1", "Dans l'eau!"},
        {"0", true, 8757200, "0", "En vue!"},
        {"1", true, 6117341, "11", "Touch\xe9!"},
        {"11", false, 0, "11", ""},
    };
    for (const auto& s : shots) {
        const ShotOutcome o = Shoot(s.before);
        EXPECT_EQ(o.changes, s.changes) << s.before;
        EXPECT_EQ(o.colour, s.colour) << s.before;
        EXPECT_EQ(o.after + "|" + o.message, std::string(s.after) + "|" + s.message);
    }
    EXPECT_EQ(CountShot("Nombre de tirs: 0"), "Nombre de tirs: 1");
    EXPECT_EQ(CountShot("Nombre de tirs:  39 "), "Nombre de tirs: 40");
    EXPECT_EQ(CountShot("sans compteur"), "sans compteur");
    EXPECT_EQ(ShotsOf("Nombre de tirs: 23") + "|" + ShotsOf("sans compteur"), "23|");

    // From the first square towards the others, 8 pixels in.
    const struct {
        int type, direction;
        MarkerPlace expected;
    } markers[] = {
        {1, 2, {108, 208, 225, 33}}, {1, 1, {-85, 208, 225, 33}}, {2, 4, {108, 208, 33, 180}},
        {2, 3, {108, 60, 33, 180}},  {3, 2, {108, 208, 130, 33}}, {5, 3, {108, 160, 33, 80}},
    };
    for (const auto& m : markers) {
        const MarkerPlace p = MarkerBounds(100, 200, m.type, m.direction);
        EXPECT_EQ(std::vector<int>({p.left, p.top, p.width, p.height}),
                  std::vector<int>({m.expected.left, m.expected.top, m.expected.width, m.expected.height}))
            << m.type << "/" << m.direction;
    }
}
