// The pictures of the goodbye screen: title banner, the rainbow, the trophy, the
// penguin, the balloon, the flower beds and the seven numbered countdown suns.
#include <algorithm>
#include <cmath>

#include <QRadialGradient>

#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

void DrawCloud(QPainter& p, const QPointF& c, qreal r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    auto puff = [](const QPointF& centre, qreal rx, qreal ry) {
        QPainterPath e;
        e.addEllipse(centre, rx, ry);
        return e;
    };
    const QPainterPath cloud = puff(c, r * 1.3, r * 0.75)
                                   .united(puff(c + QPointF(-r * 0.7, -r * 0.35), r * 0.7, r * 0.65))
                                   .united(puff(c + QPointF(r * 0.35, -r * 0.6), r * 0.85, r * 0.8));
    p.fillPath(cloud.translated(0, 3), QColor(0, 0, 0, 45));
    p.fillPath(cloud, QColor(0xFB, 0xFD, 0xFF));
    p.setPen(QPen(QColor(0xB8, 0xC8, 0xDC), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cloud);
    p.restore();
}

// Seven bands over the words, a cloud at each foot.
void DrawRainbow(QPainter& p, const QSize& size) {
    const QColor bands[] = {kCoral, kOrange, kSun, kGrass, kSky, QColor(0x3B, 0x6B, 0xD8), kGrape};
    const QPointF centre(size.width() / 2.0, 330);
    const qreal band = 17;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Each band is a ring; the picture shows only its upper part.
    for (int i = 0; i < 7; ++i) {
        const qreal r = 320 - i * band;
        QPainterPath ring;
        ring.addEllipse(centre, r, r);
        ring.addEllipse(centre, r - band - 0.6, r - band - 0.6);
        p.fillPath(ring, bands[i]);
    }
    p.restore();
    DrawCloud(p, QPointF(centre.x() - 262, 222), 36);
    DrawCloud(p, QPointF(centre.x() + 262, 222), 36);
    // Outlined without a shadow: the rainbow behind already sets them off.
    DrawOutlined(p, FittedText(QStringLiteral("Bravo pour ton travail !"), Font(QStringLiteral("Arial"), 28),
                               QRectF(centre.x() - 180, 142, 360, 44)),
                 Qt::white, kInk, 4.5, false);
    DrawOutlined(p, FittedText(QStringLiteral("Reviens vite !"), Font(QStringLiteral("Arial"), 30),
                               QRectF(centre.x() - 150, 198, 300, 34)),
                 kSun, kInk, 4.5, false);
    DrawSparkle(p, QPointF(60, 40), 10, kCream);
    DrawSparkle(p, QPointF(size.width() - 64, 52), 8, kCream);
    DrawStar(p, QPointF(110, 110), 11, kSun, 12);
    DrawStar(p, QPointF(size.width() - 104, 120), 9, kPink, -10);
}

void DrawGoodbyeTrophy(QPainter& p, const QSize& size) {
    const qreal w = size.width(), h = size.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(w / 2, h / 2), std::min(w, h) * 0.5);
    glow.setColorAt(0, QColor(0xFF, 0xF1, 0xA6, 150));
    glow.setColorAt(1, QColor(0xFF, 0xF1, 0xA6, 0));
    p.fillRect(QRectF(0, 0, w, h), glow);
    p.restore();
    DrawTrophy(p, QRectF(w * 0.18, h * 0.08, w * 0.64, h * 0.84), -5);
    DrawStar(p, QPointF(w * 0.12, h * 0.25), 12, kSun, 14);
    DrawStar(p, QPointF(w * 0.88, h * 0.2), 10, kPink, -8);
    DrawStar(p, QPointF(w * 0.86, h * 0.7), 8, kSky, 20);
    DrawSparkle(p, QPointF(w * 0.15, h * 0.66), 7, kCream);
}

void DrawFlower(QPainter& p, const QPointF& head, qreal r, const QColor& petals, qreal stemBottom) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGrass.darker(140), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head, QPointF(head.x(), stemBottom));
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.save();
    p.translate(head.x(), (head.y() + stemBottom) / 2);
    p.rotate(-35);
    p.drawEllipse(QPointF(r * 0.55, 0), r * 0.6, r * 0.25);
    p.restore();
    p.setPen(QPen(petals.darker(140), 1.2));
    p.setBrush(petals);
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * M_PI / 3;
        p.drawEllipse(head + QPointF(std::cos(a), std::sin(a)) * r * 0.62, r * 0.48, r * 0.48);
    }
    p.setBrush(kSun);
    p.setPen(QPen(kOrange.darker(130), 1.2));
    p.drawEllipse(head, r * 0.42, r * 0.42);
    p.restore();
}

// A bed of flowers at each end; the middle stays free for the name.
void DrawFlowerBeds(QPainter& p, const QSize& size) {
    const qreal h = size.height();
    const QColor colours[] = {kPink, kSky, kCoral, kGrape, kSun.lighter(115)};
    for (int side = 0; side < 2; ++side) {
        const qreal x0 = side == 0 ? 6 : size.width() - 176;
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(QPointF(0, h - 50), QPointF(0, h));
        g.setColorAt(0, kGrass.lighter(115));
        g.setColorAt(1, kGrass.darker(120));
        p.setPen(QPen(kGrass.darker(150), 1.5));
        p.setBrush(g);
        p.drawEllipse(QRectF(x0, h - 44, 170, 80));
        p.restore();
        for (int i = 0; i < 5; ++i) {
            const qreal x = x0 + 22 + i * 31;
            const qreal top = h - 70 - ((i * 37 + side * 23) % 60);
            DrawFlower(p, QPointF(x, top), 13 - (i % 2) * 2, colours[(i + side * 2) % 5], h - 30);
        }
    }
    p.save();
    p.translate(120, 8);
    DrawButterfly(p, QSize(56, 48));
    p.restore();
}

// A sun whose number tells how many seconds are left.
void DrawCountdownSun(QPainter& p, const QSize& size, int number) {
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const qreal outer = std::min(size.width(), size.height()) / 2.0 - 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOrange.darker(135), 1.2));
    p.setBrush(kOrange);
    p.drawPath(StarPath(c, outer, outer * 0.68, 0).united(StarPath(c, outer * 0.92, outer * 0.64, 18)));
    QRadialGradient g(c - QPointF(outer * 0.2, outer * 0.25), outer * 0.7);
    g.setColorAt(0, QColor(0xFF, 0xF3, 0x9E));
    g.setColorAt(1, kSun);
    p.setPen(QPen(kOrange.darker(120), 2));
    p.setBrush(g);
    p.drawEllipse(c, outer * 0.6, outer * 0.6);
    p.restore();
    DrawCaption(p, QString::number(number), QRectF(c.x() - outer * 0.5, c.y() - outer * 0.4, outer, outer * 0.8),
                outer, Qt::white, kOrange.darker(190), 4);
}

}  // namespace

void RegisterGoodbyeArt(Registry& r) {
    r.AddRibbon("fin_titre", QSize(537, 65), kScreen, 0, kCoral, QStringLiteral("À BIENTÔT !"), 38, Icon::Smile);
    r.Add("fin_arc_en_ciel", QSize(729, 249), kScreen, DrawRainbow);
    r.Add("fin_trophee", QSize(230, 200), kScreen, DrawGoodbyeTrophy);
    r.Add("fin_pingouin", QSize(180, 200), kScreen, [](QPainter& p, const QSize& s) {
        DrawPenguin(p, QRectF(6, 6, s.width() - 12, s.height() - 12), true);
    });
    r.Add("fin_ballon", QSize(150, 200), kScreen, DrawBalloon);
    r.Add("fin_jardin", QSize(883, 191), kScreen, DrawFlowerBeds);
    for (int n = 1; n <= 7; ++n)
        r.Add("soleil_" + std::to_string(n), QSize(81, 81), kScreen,
              [n](QPainter& p, const QSize& s) { DrawCountdownSun(p, s, n); });
}

}  // namespace art
