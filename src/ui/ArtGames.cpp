// The pictures of the games screen: the choice panel's banner and scenes, the numbers
// board's title, its number and operator tiles and its slots, the sea chart and the
// decorations of the ship-locating board, the ship markers and the glossy frames of the
// text commands.
#include <algorithm>
#include <cmath>
#include <tuple>

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
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
    const QPainterPath well = RoundedPath(TileWell(size), 7);
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
    p.setBrush(kSun);
    p.drawPath(Polygon({{78, 36}, {112, 46}, {78, 56}}));
    // Hull.
    const QPainterPath hull = Polygon({{28, 104}, {252, 104}, {226, 140}, {54, 140}});
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

// The sea chart under the ship-locating grid: deep water, a lighter cell at each
// square, column numbers above and row letters on the left.
void DrawSeaChart(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sea(1, 1, size.width() - 2, size.height() - 2);
    const QPainterPath body = RoundedPath(sea, 18);
    QLinearGradient g(sea.topLeft(), sea.bottomLeft());
    g.setColorAt(0, QColor(0x2F, 0x6D, 0xA8));
    g.setColorAt(1, QColor(0x1B, 0x3F, 0x73));
    p.fillPath(body, g);
    p.setClipPath(body);
    // Swell lines across the water.
    p.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int y = 30; y < size.height(); y += 34) {
        QPainterPath swell;
        swell.moveTo(0, y);
        for (int x = 0; x < size.width(); x += 60) swell.quadTo(QPointF(x + 30, y - 9), QPointF(x + 60, y));
        p.drawPath(swell);
    }
    const QFont labels = Font(QStringLiteral("Arial"), 14);
    for (int k = 0; k < 10; ++k) {
        const qreal left = kSquareLefts[k] - kChartLeft, top = kSquareTops[k] - kChartTop;
        DrawCaption(p, QString::number(k + 1), QRectF(left, 2, 48, 19), 14, kCream, kInk, 3);
        DrawCaption(p, QString(QChar('A' + k)), QRectF(16, top, 26, 48), 16, kCream, kInk, 3);
        for (int r = 0; r < 10; ++r) {
            const QRectF cell(left + 1, kSquareTops[r] - kChartTop + 1, 46, SquareHeight(r + 1) - 2);
            const QPainterPath path = RoundedPath(cell, 6);
            p.fillPath(path, QColor(255, 255, 255, 34));
            p.setPen(QPen(QColor(255, 255, 255, 70), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    }
    p.restore();
    p.setPen(QPen(kBorder, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// A lighthouse on its rock, its beam sweeping out.
void DrawLighthouse(QPainter& p, const QSize& size) {
    const qreal s = std::min(size.width() / 140.0, size.height() / 260.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((size.width() - 140 * s) / 2, (size.height() - 260 * s) / 2);
    p.scale(s, s);
    const QPainterPath beam = Polygon({{70, 52}, {140, 20}, {140, 84}});
    QLinearGradient bg(QPointF(70, 0), QPointF(140, 0));
    bg.setColorAt(0, QColor(0xFF, 0xF1, 0xA6, 200));
    bg.setColorAt(1, QColor(0xFF, 0xF1, 0xA6, 0));
    p.fillPath(beam, bg);
    p.setPen(QPen(kInk, 2.2));
    // Rock.
    p.setBrush(QColor(0x6B, 0x6F, 0x7A));
    p.drawRoundedRect(QRectF(14, 226, 112, 30), 14, 14);
    // Tower in red and white bands.
    const QPainterPath tower = Polygon({{48, 228}, {56, 76}, {84, 76}, {92, 228}});
    p.setBrush(kCream);
    p.drawPath(tower);
    p.save();
    p.setClipPath(tower);
    for (int band = 0; band < 3; ++band) p.fillRect(QRectF(40, 100 + band * 44, 60, 22), kCoral);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(tower);
    // Lantern and roof.
    p.setBrush(kSun);
    p.drawRect(QRectF(54, 42, 32, 34));
    p.setBrush(kCoral);
    p.drawPath(Polygon({{48, 44}, {70, 20}, {92, 44}}));
    p.restore();
}

// A compass rose.
void DrawCompass(QPainter& p, const QSize& size) {
    const qreal r = std::min(size.width(), size.height()) / 2.0 - 4;
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 2));
    p.setBrush(kCream);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.78, r * 0.78);
    for (int k = 0; k < 8; ++k) {
        const qreal length = k % 2 == 0 ? r * 0.74 : r * 0.46;
        p.save();
        p.translate(c);
        p.rotate(k * 45);
        p.setBrush(k == 0 ? kCoral : (k % 2 == 0 ? kSky : kTeal));
        p.drawPath(Polygon({{0, -length}, {r * 0.12, 0}, {-r * 0.12, 0}}));
        p.restore();
    }
    DrawCaption(p, QStringLiteral("N"), QRectF(c.x() - 12, c.y() - r - 2, 24, 20), 16, kCoral, kInk, 3);
    p.restore();
}

void DrawBanner(QPainter& p, const QSize& size, const QColor& base, const QString& text, qreal px, Icon icon) {
    DrawRibbon(p, QRectF(0, 2, size.width(), size.height() - 4), base, text, px, icon);
}

}  // namespace

// Five pixels inside the rim's body, which stands 2 from the sides, 1.5 from the top
// and 3.5 from the bottom (its shadow).
QRectF TileWell(const QSize& size) { return QRectF(7, 6.5, size.width() - 14, size.height() - 15); }

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

void DrawShipMarker(QPainter& p, const QRectF& r, const QColor& hatch, const QColor& edge, qreal edgeWidth) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = r.adjusted(edgeWidth / 2, edgeWidth / 2, -edgeWidth / 2, -edgeWidth / 2);
    const qreal radius = std::min(box.width(), box.height()) / 3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(box, radius, radius);
    p.setBrush(QBrush(hatch, Qt::DiagCrossPattern));
    p.drawRoundedRect(box, radius, radius);
    p.setPen(QPen(edge, edgeWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, radius, radius);
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
    r.Add("jeu_titre_naval", QSize(560, 70), kScreen, [](QPainter& p, const QSize& s) {
        DrawBanner(p, s, kSky, QStringLiteral("LA RECONNAISSANCE NAVALE"), 30, Icon::Globe);
    });
    r.Add("jeu_carte_marine", QSize(kChartWidth, kChartHeight), kScreen, DrawSeaChart);
    r.Add("jeu_phare", QSize(140, 260), kScreen, DrawLighthouse);
    r.Add("jeu_boussole", QSize(130, 130), kScreen, DrawCompass);
    r.Add("jeu_bateau_petit", QSize(180, 116), kScreen, DrawShipScene);
}

}  // namespace art
