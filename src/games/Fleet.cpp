// The ship-locating game's rules: placing the fleet, reading fleet lines, shots.
#include "games/Fleet.h"

#include "platform/DateTime.h"

namespace {

// Draws of a whole fleet before one with a ship missing is kept.
constexpr int kMaxFleetDraws = 50;

// One square along the ship, and one across it.
struct Axes {
    int alongRow, alongColumn, acrossRow, acrossColumn;
};
Axes AxesOf(int direction) {
    switch (direction) {
    case 1: return {0, -1, 1, 0};
    case 2: return {0, 1, 1, 0};
    case 3: return {-1, 0, 0, 1};
    default: return {1, 0, 0, 1};
    }
}

// Calls f(row, column) for each square of the ship's box, ring and ship alike.
template <typename F>
void ForEachBoxSquare(const FleetLine& ship, F f) {
    const Axes a = AxesOf(ship.direction);
    const int length = ShipLength(ship.type);
    for (int i = -1; i <= length; ++i)
        for (int j = -1; j <= 1; ++j)
            f(ship.row + i * a.alongRow + j * a.acrossRow, ship.column + i * a.alongColumn + j * a.acrossColumn);
}

}  // namespace

AnsiString CellText(Cell cell) { return IntToStr(static_cast<int>(cell)); }

int ShipLength(int type) {
    static const int lengths[] = {5, 4, 3, 3, 2};
    return type >= 1 && type <= 5 ? lengths[type - 1] : 0;
}

AnsiString ShipName(int type) {
    switch (type) {
    case 1: return "porte-avions";
    case 2: return "croiseur";
    case 3:
    case 4: return "contre-torpilleur";
    case 5: return "torpilleur";
    default: return "";
    }
}

AnsiString FleetLineText(const FleetLine& ship) {
    return IntToStr(ship.row) + "#" + IntToStr(ship.column) + "#" + IntToStr(ship.type) + "#" +
           IntToStr(ship.direction);
}

bool ReadFleetLine(const AnsiString& text, FleetLine& ship) {
    int fields[4];
    AnsiString rest = text;
    for (int k = 0; k < 4; ++k) {
        const int sep = Pos("#", rest);
        if ((k < 3) != (sep > 0)) return false;
        fields[k] = StrToIntDef(Trim(k < 3 ? SubString(rest, 1, sep - 1) : rest), 0);
        rest = SubStringFrom(rest, sep + 1);
    }
    FleetLine read{fields[0], fields[1], fields[2], fields[3]};
    if (ShipLength(read.type) == 0 || read.direction < 1 || read.direction > 4) return false;
    for (const auto& [row, column] : ShipSquares(read))
        if (!FleetGrid::OnGrid(row, column)) return false;
    ship = read;
    return true;
}

std::vector<std::pair<int, int>> ShipSquares(const FleetLine& ship) {
    const Axes a = AxesOf(ship.direction);
    std::vector<std::pair<int, int>> squares;
    for (int i = 0; i < ShipLength(ship.type); ++i)
        squares.emplace_back(ship.row + i * a.alongRow, ship.column + i * a.alongColumn);
    return squares;
}

std::vector<int> AllowedDirections(const FleetGrid& grid, int row, int column, int type) {
    std::vector<int> allowed;
    const int length = ShipLength(type);
    for (int d = 1; d <= 4; ++d) {
        const FleetLine ship{row, column, type, d};
        const Axes a = AxesOf(d);
        // The ship lies on the grid when its first and last squares do.
        bool fits = length > 0 && FleetGrid::OnGrid(row, column) &&
                    FleetGrid::OnGrid(row + (length - 1) * a.alongRow, column + (length - 1) * a.alongColumn);
        // Squares near a ship do not stand in the way; ships of a box do.
        if (fits)
            ForEachBoxSquare(ship, [&](int r, int c) {
                if (FleetGrid::OnGrid(r, c) && grid.At(r, c) == Cell::Ship) fits = false;
            });
        if (fits) allowed.push_back(d);
    }
    return allowed;
}

AnsiString PlaceShip(FleetGrid& grid, int type, const std::function<void()>& step) {
    std::vector<std::pair<int, int>> candidates;
    for (int row = 1; row <= kGridSize; ++row)
        for (int column = 1; column <= kGridSize; ++column) {
            if (step) step();
            if (!AllowedDirections(grid, row, column, type).empty()) candidates.emplace_back(row, column);
        }
    if (candidates.empty()) return "";
    const auto [row, column] = candidates[Random(static_cast<int>(candidates.size()))];
    const std::vector<int> directions = AllowedDirections(grid, row, column, type);
    const FleetLine ship{row, column, type, directions[Random(static_cast<int>(directions.size()))]};
    for (const auto& [r, c] : ShipSquares(ship)) grid.Set(r, c, Cell::Ship);
    ForEachBoxSquare(ship, [&](int r, int c) {
        if (FleetGrid::OnGrid(r, c) && grid.At(r, c) != Cell::Ship) grid.Set(r, c, Cell::Near);
    });
    return FleetLineText(ship);
}

std::vector<AnsiString> PlaceFleet(FleetGrid& grid, const std::function<void()>& restart,
                                   const std::function<void()>& step, const std::vector<int>& types) {
    std::vector<AnsiString> lines;
    for (int draw = 1;; ++draw) {
        grid.Clear();
        if (restart) restart();
        lines.clear();
        bool whole = true;
        for (int type : types) {
            lines.push_back(PlaceShip(grid, type, step));
            if (!lines.back().empty()) continue;
            whole = false;
            // The last draw is kept as it comes, with the ships that found room.
            if (draw < kMaxFleetDraws) break;
        }
        if (whole || draw == kMaxFleetDraws) return lines;
    }
}

ShotOutcome Shoot(const AnsiString& state) {
    if (state == CellText(Cell::Water)) return {true, 10340756, state, "Dans l'eau!"};
    if (state == CellText(Cell::Near)) return {true, 8757200, state, "En vue!"};
    if (state == CellText(Cell::Ship)) return {true, 6117341, CellText(Cell::Hit), Utf8ToAnsi("Touché!")};
    // A hit square (or anything else) stays as it is.
    return {false, 0, state, ""};
}

AnsiString CountShot(const AnsiString& counter) {
    const int colon = Pos(":", counter);
    if (colon == 0) return counter;
    return SubString(counter, 1, colon) + " " + IntToStr(StrToIntDef(ShotsOf(counter), 0) + 1);
}

AnsiString ShotsOf(const AnsiString& counter) {
    const int colon = Pos(":", counter);
    return colon == 0 ? AnsiString() : Trim(SubStringFrom(counter, colon + 1));
}

int MarkerLength(int type) {
    static const int lengths[] = {225, 180, 130, 130, 80};
    return type >= 1 && type <= 5 ? lengths[type - 1] : 0;
}

MarkerPlace MarkerBounds(int squareLeft, int squareTop, int type, int direction) {
    const int length = MarkerLength(type);
    const bool across = direction == 1 || direction == 2;
    MarkerPlace m{squareLeft + 8, squareTop + 8, across ? length : 33, across ? 33 : length};
    // From the first square towards the others.
    if (direction == 1) m.left -= length - 32;
    if (direction == 3) m.top -= length - 32;
    return m;
}
