#pragma once
// Drawing kit shared by the artwork: the palette, captions with an outline, rounded
// button faces, banners, small icons and a few characters (penguin, star, trophy).
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace art {

// Surfaces the pictures sit on.
inline const QColor kScreen(0x5B, 0x70, 0x84);   // every screen (TColor 0x84705B)
inline const QColor kPlayer(0x66, 0x73, 0x94);   // player window and command column
inline const QColor kFrame(0x8C, 0x96, 0xB0);    // player frame and its pages
inline const QColor kBorder(0x4A, 0x69, 0x8A);   // window border pen
inline const QColor kPaper(0xFF, 0xF8, 0xE7);    // light pages (table of contents, forms)
inline const QColor kTree(0x93, 0xC6, 0xCA);     // table-of-contents tree

// Cheerful accents.
inline const QColor kSun(0xFF, 0xC8, 0x3A);
inline const QColor kOrange(0xFF, 0x8F, 0x3F);
inline const QColor kCoral(0xF2, 0x5F, 0x5C);
inline const QColor kGrass(0x4C, 0xB9, 0x44);
inline const QColor kTeal(0x1F, 0xAE, 0x9F);
inline const QColor kSky(0x34, 0x9C, 0xE6);
inline const QColor kGrape(0x8E, 0x5C, 0xD9);
inline const QColor kPink(0xEE, 0x5F, 0xA7);

// Text colours.
inline const QColor kInk(0x1E, 0x27, 0x47);      // dark navy outlines and text
inline const QColor kCream(0xFF, 0xF6, 0xD8);

QColor Mix(const QColor& a, const QColor& b, qreal t);

// A font of the given family ("Arial", "Arial Narrow", "DejaVu Sans") and pixel size.
QFont Font(const QString& family, qreal px, bool bold = true);

// A rectangle with rounded corners.
QPainterPath RoundedPath(const QRectF& r, qreal radius);

// The outline of a text with its baseline at the origin.
QPainterPath TextPath(const QString& text, const QFont& font);

// The outline of a text laid out in a box: the font shrinks until the text fits,
// capitals are centred on their cap height.
QPainterPath FittedText(const QString& text, QFont font, const QRectF& box,
                        Qt::Alignment align = Qt::AlignCenter);

// Fills a path over a round-joined outline, with an optional soft shadow below.
void DrawOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill,
                  const QColor& outline, qreal width, bool shadow = true);

// A caption: fitted text, filled and outlined.
void DrawCaption(QPainter& p, const QString& text, const QRectF& box, qreal px,
                 const QColor& fill, const QColor& outline, qreal outlineWidth,
                 const QString& family = QStringLiteral("Arial"),
                 Qt::Alignment align = Qt::AlignCenter);

// A light card with a soft shadow and a coloured border.
void DrawCard(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& border,
              qreal borderWidth);

// A rounded glossy body; the hovered one is lighter and glows in yellow.
// The yellow glow of a hovered face: `rings` strokes around the path, brighter inside.
void DrawHoverGlow(QPainter& p, const QPainterPath& path, int rings, int alphaStep);
void DrawBody(QPainter& p, const QRectF& r, qreal radius, const QColor& base, bool hover);

enum class Icon {
    None, Gear, Clock, Pencil, Door, House, Magnifier, Check, ArrowRight, ArrowLeft,
    List, Dice, Book, Cross, Globe, Info, Star, Question, Jump, Maths, Smile
};
// A small pictogram drawn in one colour inside the box.
void DrawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& color);

// A command face: rounded glossy body, an icon in a white bubble, a white caption.
void DrawButtonFace(QPainter& p, const QSizeF& size, const QColor& base,
                    const QString& caption, Icon icon, bool hover, qreal captionPx);

// A help banner: cream ribbon with a light bulb bubble and a dark caption.
void DrawHintBanner(QPainter& p, const QSizeF& size, const QString& text, qreal px);

// A coloured ribbon banner with a white caption (titles, levels, verdicts).
void DrawRibbon(QPainter& p, const QRectF& r, const QColor& base, const QString& text,
                qreal px, Icon icon = Icon::None);

QPainterPath StarPath(const QPointF& centre, qreal outer, qreal inner, qreal rotationDeg = 0);
void DrawStar(QPainter& p, const QPointF& centre, qreal outer, const QColor& fill,
              qreal rotationDeg = 0);
void DrawSparkle(QPainter& p, const QPointF& centre, qreal r, const QColor& color);

// Characters drawn in a box keeping their proportions.
void DrawPenguin(QPainter& p, const QRectF& box, bool waving);
void DrawTrophy(QPainter& p, const QRectF& box, qreal tiltDeg);

}  // namespace art
