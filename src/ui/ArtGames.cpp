// The pictures of the games screen: the choice panel's banner and scenes, the numbers
// board's title, its number and operator tiles and its slots, and the glossy frames of
// the text commands.
#include <algorithm>
#include <cmath>
#include <tuple>

#include <QLinearGradient>
#include <QRadialGradient>

#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

QPainterPath RoundedPath(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A tile's rim around the screen colour: letter pictures drawn on that colour sit
// inside it seamlessly.
void DrawTileRim(QPainter& p, const QSize& size, const QColor& rim) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2, 1.5, size.width() - 4, size.height() - 5);
    const QPainterPath body = RoundedPath(outer, 11);
    p.fillPath(body.translated(0, 2.5), QColor(0, 0, 0, 60));
    QLinearGradient g(outer.topLeft(), outer.bottomLeft());
    g.setColorAt(0, rim.lighter(145));
    g.setColorAt(0.5, rim);
    g.setColorAt(1, rim.darker(125));
    p.fillPath(body, g);
    p.setPen(QPen(rim.darker(170), 1.4));
    p.drawPath(body);
    const QRectF inner = outer.adjusted(5, 5, -5, -5);
    const QPainterPath well = RoundedPath(inner, 7);
    p.fillPath(well, kScreen);
    p.setPen(QPen(kScreen.darker(150), 1.6));
    p.drawPath(well);
    // Gloss on the rim's top edge.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.4));
    p.drawLine(QPointF(outer.left() + 10, outer.top() + 2.2), QPointF(outer.right() - 10, outer.top() + 2.2));
    p.restore();
}

// An empty slot of the proposed solution: a dashed, lightly sunken square.
void DrawSlot(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(3, 3, size.width() - 6, size.height() - 6);
    const QPainterPath path = RoundedPath(r, 9);
    p.fillPath(path.translated(0, -1.5), kScreen.darker(130));
    p.fillPath(path, kScreen);
    QPen pen(kCream, 1.8, Qt::DashLine);
    pen.setDashPattern({3.2, 2.6});
    p.setPen(pen);
    p.drawPath(path);
    p.restore();
}

// A cartoon ship on waves, with a flag and smoke.
void DrawShipScene(QPainter& p, const QSize& size) {
    const qreal s = std::min(size.width() / 280.0, size.height() / 180.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((size.width() - 280 * s) / 2, (size.height() - 180 * s) / 2);
    p.scale(s, s);
    // Smoke puffs.
    for (const auto& [x, y, r] : {std::tuple{168.0, 34.0, 11.0}, {183.0, 22.0, 9.0}, {198.0, 13.0, 7.0}})
        p.fillPath(RoundedPath(QRectF(x - r, y - r, 2 * r, 2 * r), r), QColor(255, 255, 255, 200));
    // Funnel and cabin.
    p.setPen(QPen(kInk, 2.2));
    p.setBrush(kCoral);
    p.drawRoundedRect(QRectF(150, 44, 24, 44), 4, 4);
    p.setBrush(kCream);
    p.drawRoundedRect(QRectF(92, 72, 92, 36), 6, 6);
    p.setBrush(kSky.lighter(150));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(112 + i * 26, 90), 7, 7);
    // Mast and flag.
    p.drawLine(QPointF(78, 104), QPointF(78, 34));
    QPainterPath flag;
    flag.moveTo(78, 36);
    flag.lineTo(112, 46);
    flag.lineTo(78, 56);
    flag.closeSubpath();
    p.setBrush(kSun);
    p.drawPath(flag);
    // Hull.
    QPainterPath hull;
    hull.moveTo(28, 104);
    hull.lineTo(252, 104);
    hull.lineTo(226, 140);
    hull.lineTo(54, 140);
    hull.closeSubpath();
    QLinearGradient hg(QPointF(0, 104), QPointF(0, 140));
    hg.setColorAt(0, QColor(0x3B, 0x4F, 0x9E));
    hg.setColorAt(1, QColor(0x22, 0x2E, 0x66));
    p.setBrush(hg);
    p.drawPath(hull);
    p.setPen(QPen(kCream, 3));
    p.drawLine(QPointF(40, 114), QPointF(240, 114));
    // Waves, on a patch of sea with rounded ends.
    QPainterPath sea;
    sea.addEllipse(QPointF(140, 150), 142, 32);
    p.setClipPath(sea);
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave;
        const qreal y = 140 + row * 16;
        wave.moveTo(0, y);
        for (int k = 0; k < 7; ++k)
            wave.quadTo(QPointF(k * 40 + 20, y - 10), QPointF(k * 40 + 40, y));
        wave.lineTo(280, 180);
        wave.lineTo(0, 180);
        wave.closeSubpath();
        p.setPen(Qt::NoPen);
        p.fillPath(wave, row == 0 ? kSky : kSky.darker(125));
        p.setPen(QPen(QColor(255, 255, 255, 170), 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath crest;
        crest.moveTo(0, y);
        for (int k = 0; k < 7; ++k)
            crest.quadTo(QPointF(k * 40 + 20, y - 10), QPointF(k * 40 + 40, y));
        p.drawPath(crest);
    }
    p.restore();
}

// A fan of number cards with a sign between them.
void DrawNumberCards(QPainter& p, const QSize& size) {
    const qreal s = std::min(size.width() / 280.0, size.height() / 180.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((size.width() - 280 * s) / 2, (size.height() - 180 * s) / 2);
    p.scale(s, s);
    const struct { qreal x, y, angle; QColor color; const char* text; } cards[] = {
        {70, 100, -16, kOrange, "7"}, {140, 88, 0, kGrass, "+"}, {210, 100, 16, kSky, "25"}};
    for (const auto& c : cards) {
        p.save();
        p.translate(c.x, c.y);
        p.rotate(c.angle);
        const QRectF card(-40, -58, 80, 116);
        DrawBody(p, card, 14, c.color, false);
        DrawCaption(p, QString::fromLatin1(c.text), card.adjusted(8, 14, -8, -14), 56, Qt::white,
                    c.color.darker(260), 5);
        p.restore();
    }
    DrawSparkle(p, QPointF(30, 28), 10, kSun);
    DrawSparkle(p, QPointF(252, 24), 8, kCream);
    p.restore();
}

void DrawBanner(QPainter& p, const QSize& size, const QColor& base, const QString& text, qreal px, Icon icon) {
    DrawRibbon(p, QRectF(0, 2, size.width(), size.height() - 4), base, text, px, icon);
}

}  // namespace

void DrawTextButtonFrame(QPainter& p, const QRectF& r, const QColor& fill, const QColor& edge) {
    const qreal radius = std::min<qreal>(r.height() / 2, 10);
    DrawBody(p, r.adjusted(1, 1, -1, -3), radius, fill, false);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedPath(r.adjusted(1, 1, -1, -3), radius));
    p.restore();
}

void RegisterGamesArt(Registry& r) {
    r.Add("jeu_banniere", QSize(760, 84), kScreen, [](QPainter& p, const QSize& s) {
        DrawBanner(p, s, kPink, QStringLiteral("LES JEUX"), 44, Icon::Dice);
    });
    r.Add("jeu_bateau", QSize(280, 180), kScreen, DrawShipScene);
    r.Add("jeu_cartes", QSize(280, 180), kScreen, DrawNumberCards);
    r.Add("jeu_pingouin_1", QSize(110, 124), kScreen, [](QPainter& p, const QSize& s) {
        DrawPenguin(p, QRectF(0, 0, s.width(), s.height()), true);
    });
    r.Add("jeu_pingouin_2", QSize(110, 124), kScreen, [](QPainter& p, const QSize& s) {
        DrawPenguin(p, QRectF(0, 0, s.width(), s.height()), false);
    });
    r.Add("jeu_titre_compte", QSize(700, 76), kScreen, [](QPainter& p, const QSize& s) {
        DrawBanner(p, s, kGrass, QStringLiteral("LE COMPTE EST BON"), 40, Icon::Maths);
    });
    r.Add("jeu_trophee", QSize(190, 170), kScreen, [](QPainter& p, const QSize& s) {
        DrawTrophy(p, QRectF(0, 0, s.width(), s.height()), -8);
    });
    r.Add("jeu_tuile_nombre", QSize(57, 57), kScreen, [](QPainter& p, const QSize& s) { DrawTileRim(p, s, kSun); });
    r.Add("jeu_tuile_signe", QSize(57, 57), kScreen, [](QPainter& p, const QSize& s) { DrawTileRim(p, s, kTeal); });
    r.Add("jeu_cadre_compte", QSize(129, 57), kScreen, [](QPainter& p, const QSize& s) { DrawTileRim(p, s, kCoral); });
    r.Add("jeu_case", QSize(57, 57), kScreen, DrawSlot);
}

}  // namespace art
