#pragma once
// The ship-locating game without its board: the 10 x 10 grid of square states, the
// placing of a fleet of seven ships that never touch, the fleet lines, what a shot
// finds, the shot counter text and where a located ship's marker goes.
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "platform/Text.h"

inline constexpr int kGridSize = 10;
inline constexpr int kFleetSize = 7;
// The ship types in placing order: a porte-avions, two croiseurs, a contre-torpilleur,
// a sous-marin and two torpilleurs.
inline constexpr std::array<int, kFleetSize> kFleetTypes = {1, 2, 2, 3, 4, 5, 5};

// A square's state (`CellState`, held as text in the square's hint).
enum class Cell : signed char { Water = -1, Near = 0, Ship = 1, Hit = 11 };
AnsiString CellText(Cell cell);

// Squares of a ship type: 5, 4, 3, 3, 2 for types 1 to 5 (0 for any other).
int ShipLength(int type);
// The name announced when a ship of that type is located.
AnsiString ShipName(int type);

// One ship: its first square, type and direction (1 left, 2 right, 3 up, 4 down).
struct FleetLine {
    int row = 0, column = 0, type = 0, direction = 0;
};
// "row#column#type#direction", as the fleet list holds it.
AnsiString FleetLineText(const FleetLine& ship);
// Reads a fleet line; false for a line that is not a whole ship on the grid (an empty
// line is such a line).
bool ReadFleetLine(const AnsiString& text, FleetLine& ship);
// The ship's squares (row, column), from its first square on.
std::vector<std::pair<int, int>> ShipSquares(const FleetLine& ship);

// The states of the hundred squares while a fleet is placed.
class FleetGrid {
public:
    FleetGrid() { Clear(); }
    void Clear() { cells_.fill(Cell::Water); }
    static bool OnGrid(int row, int column) {
        return row >= 1 && row <= kGridSize && column >= 1 && column <= kGridSize;
    }
    Cell At(int row, int column) const { return cells_[(row - 1) * kGridSize + column - 1]; }
    void Set(int row, int column, Cell cell) { cells_[(row - 1) * kGridSize + column - 1] = cell; }
private:
    std::array<Cell, kGridSize * kGridSize> cells_;
};

// The directions in which a ship of that type may start at (row, column), in the
// order 1 to 4: wholly on the grid, with no ship square in its box (the ship and the
// ring of squares around it).
std::vector<int> AllowedDirections(const FleetGrid& grid, int row, int column, int type);
// Places one ship on a square drawn among those that allow it, then a direction drawn
// among those allowed; its squares become ships and its ring "near". Calls `step` once
// per square looked at. Returns its fleet line, or the empty text when no square is left.
AnsiString PlaceShip(FleetGrid& grid, int type, const std::function<void()>& step);
// Places the ships of those types in order (the game's fleet by default); when one
// finds no room, the grid is cleared and the whole fleet drawn again (`restart` is
// called first each time), 50 draws at the most, the last one kept as it comes.
// Returns one placing result per ship.
std::vector<AnsiString> PlaceFleet(FleetGrid& grid, const std::function<void()>& restart,
                                   const std::function<void()>& step,
                                   const std::vector<int>& types = {kFleetTypes.begin(), kFleetTypes.end()});

// What a shot at a square does, from the state its hint holds.
struct ShotOutcome {
    bool changes = false;       // false: a hit square stays as it is
    int colour = 0;             // the square's colour once fired at (TColor)
    AnsiString after;           // its state afterwards
    AnsiString message;         // the message line
};
ShotOutcome Shoot(const AnsiString& state);

// The shot counter "Nombre de tirs: N" raised by one (a text without ":" stays).
AnsiString CountShot(const AnsiString& counter);
// The shots of a counter text: what follows its ":", trimmed ("" without ":").
AnsiString ShotsOf(const AnsiString& counter);

// Where the marker of a located ship goes, from the place of its first square: along
// the ship, 33 pixels across, 8 pixels in from the square's corner.
struct MarkerPlace {
    int left = 0, top = 0, width = 0, height = 0;
};
// The marker's length for a ship type (225, 180, 130, 130, 80).
int MarkerLength(int type);
MarkerPlace MarkerBounds(int squareLeft, int squareTop, int type, int direction);
