#pragma once
// The larger pictures of the artwork, each drawn into a painter over a picture of the
// given size whose background is already filled.
#include <string>
#include <utility>
#include <vector>

#include <QPainter>
#include <QSize>

#include "ui/ArtKit.h"

namespace art {

// Letter pictures: one small picture per character, and the capital-letter sheet.
struct SmallGlyph {
    const char* name;
    char ch;
    int width, height;
};
const std::vector<SmallGlyph>& SmallGlyphs();

struct SheetGlyph {
    char ch;
    int left, top, right, bottom;   // right and bottom exclusive
};
const std::vector<SheetGlyph>& SheetGlyphs();
inline constexpr int kSheetWidth = 501, kSheetHeight = 282;

void DrawSmallGlyph(QPainter& p, const QSize& size, char ch);
void DrawGlyphSheet(QPainter& p);

// The level banners of the home screen and the player, each level with its colour.
std::vector<std::pair<std::string, QColor>> LevelColours();

// Home screen.
void DrawBalloon(QPainter& p, const QSize& size);
void DrawButterfly(QPainter& p, const QSize& size);
void DrawWebLink(QPainter& p, const QSize& size, bool hover);
void DrawChangeLink(QPainter& p, const QSize& size, bool hover);

// Identification screen.
void DrawIdentBanner(QPainter& p, const QSize& size);
void DrawIdentForm(QPainter& p, const QSize& size);

// Player.
void DrawRoundCommand(QPainter& p, const QSize& size, const QColor& base, Icon icon, bool hover);
void DrawHelpButton(QPainter& p, const QSize& size, bool hover);
void DrawContentsPage(QPainter& p, const QSize& size);
void DrawMarkBadge(QPainter& p, const QSize& size, int mark);
void DrawVerdict(QPainter& p, const QSize& size, const QColor& base, const QString& text, Icon icon);
void DrawTickBox(QPainter& p, const QSize& size, bool ticked);
void DrawFullMarks(QPainter& p, const QSize& size, int frame);
// The cream card of the info pictures, drawn over the whole picture; returns its body.
QRectF DrawNoteCard(QPainter& p, const QSize& size);
// What the colours of a corrected text mean, on the cream card: each entry after a chip
// of its colour, its lead words in that colour (underlined when the words are).
struct ColourKey {
    QColor colour;
    QString lead, rest;
    bool underlined = false;
};
void DrawColourKey(QPainter& p, const QSize& size, const std::vector<ColourKey>& keys);

// Games screen: the frame of a text command in its current colours (glossy body,
// coloured edge), drawn by the frame itself as the mouse changes its colours.
void DrawTextButtonFrame(QPainter& p, const QRectF& r, const QColor& fill, const QColor& edge);
// The well inside a number tile's rim (tile, target or slot of that size), where
// its number or sign is shown.
QRectF TileWell(const QSize& size);
// The marker over a located ship: a rounded box hatched with a diagonal cross.
void DrawShipMarker(QPainter& p, const QRectF& r, const QColor& hatch, const QColor& edge, qreal edgeWidth);

// The ship-locating grid as the sea chart under it is drawn: the chart's place on its
// panel, and the left of each column and top of each row of squares on that panel
// (squares are 48 wide and 48 high, 49 for rows 3 and 4).
inline constexpr int kChartLeft = 208, kChartTop = 16, kChartWidth = 585, kChartHeight = 537;
inline constexpr int kSquareLefts[10] = {254, 303, 353, 403, 452, 502, 551, 601, 651, 701};
inline constexpr int kSquareTops[10] = {38, 87, 136, 186, 236, 286, 335, 384, 434, 484};
inline constexpr int SquareHeight(int row) { return row == 3 || row == 4 ? 49 : 48; }

}  // namespace art
