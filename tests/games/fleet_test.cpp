// The ship-locating game's fleet without its board: fleet lines, ships kept apart,
// whole fleets from many seeds and the bounded redraw.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "games/Fleet.h"
#include "platform/DateTime.h"

namespace {

std::vector<FleetLine> Ships(const std::vector<AnsiString>& lines) {
    std::vector<FleetLine> ships;
    for (const AnsiString& line : lines)
        if (FleetLine ship; ReadFleetLine(line, ship)) ships.push_back(ship);
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

TEST(Fleet, FleetLinesAreReadWithTheirBlanksAndOnlyForAWholeShipOnTheGrid) {
    FleetLine read;
    ASSERT_TRUE(ReadFleetLine(" 3 # 7 # 2 # 4 ", read));
    EXPECT_EQ(FleetLineText(read), "3#7#2#4");
    EXPECT_EQ(ShipSquares(read), (std::vector<std::pair<int, int>>{{3, 7}, {4, 7}, {5, 7}, {6, 7}}));
    // Not a whole ship on the grid.
    for (const char* bad : {"", "3#7#2", "3#7#2#4#1", "0#1#5#2", "1#7#1#2", "2#2#1#3", "1#1#6#2", "1#1#1#5", "a#1#1#2"})
        EXPECT_FALSE(ReadFleetLine(bad, read)) << bad;
}

TEST(Fleet, TenThousandFleetsFromDifferentSeeds) {
    for (unsigned seed = 1; seed <= 10000; ++seed) {
        RandSeed(seed);
        FleetGrid grid;
        int steps = 0;
        const std::vector<AnsiString> lines = PlaceFleet(grid, [&] { steps = 0; }, [&] { ++steps; });
        const std::vector<FleetLine> ships = Ships(lines);
        ASSERT_TRUE(lines.size() == 7u && ships.size() == 7u) << "seed " << seed;
        for (size_t k = 0; k < ships.size(); ++k) ASSERT_EQ(ships[k].type, kFleetTypes[k]);
        ExpectSoundFleet(grid, ships);
        ASSERT_EQ(steps, 700) << "100 squares looked at per ship";
    }
}

TEST(Fleet, AFleetWithoutRoomIsDrawnAgainABoundedNumberOfTimes) {
    // Seven porte-avions seldom fit at the first draw: the grid is cleared and drawn
    // again until they do. Nine never fit: after 50 draws the last one is kept.
    RandSeed(1);
    const struct { int ships; bool fit; } cases[] = {{7, true}, {9, false}};
    for (const auto& c : cases) {
        FleetGrid grid;
        int draws = 0;
        const std::vector<AnsiString> lines = PlaceFleet(grid, [&] { ++draws; }, {}, std::vector<int>(c.ships, 1));
        EXPECT_TRUE(c.fit ? draws > 1 : draws == 50) << draws;
        EXPECT_EQ(lines.size(), size_t(c.ships));
        EXPECT_EQ(Ships(lines).size() == size_t(c.ships), c.fit);
        ExpectSoundFleet(grid, Ships(lines));
    }
}
