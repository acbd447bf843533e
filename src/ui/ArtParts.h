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
void DrawInfoNote(QPainter& p, const QSize& size);
// The cream card of the info pictures, drawn over the whole picture; returns its body.
QRectF DrawNoteCard(QPainter& p, const QSize& size);

}  // namespace art
