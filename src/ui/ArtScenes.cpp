// The larger pictures: home screen decorations, identification screen, the player's
// pages, marks, verdicts and tick boxes.
#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include "ui/ArtParts.h"
#include "ui/Artwork.h"

namespace art {

namespace {

QPainterPath Ellipse(const QPointF& c, qreal rx, qreal ry) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    return e;
}

}  // namespace

// ---------------------------------------------------------------- home screen

void DrawBalloon(QPainter& p, const QSize& size) {
    const qreal s = std::min(size.width() / 90.0, size.height() / 120.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size.width() / 2.0 - 45 * s, size.height() / 2.0 - 60 * s);
    p.scale(s, s);
    QPainterPath env;
    env.moveTo(32, 90);
    env.cubicTo(18, 78, 5, 62, 5, 43);
    env.arcTo(QRectF(5, 3, 80, 80), 180, -180);
    env.cubicTo(85, 62, 72, 78, 58, 90);
    env.closeSubpath();
    // Ropes and basket.
    p.setPen(QPen(QColor(0x5A, 0x3E, 0x2B), 1.4));
    p.drawLine(QPointF(33, 92), QPointF(37, 105));
    p.drawLine(QPointF(57, 92), QPointF(53, 105));
    p.drawLine(QPointF(45, 93), QPointF(45, 105));
    QLinearGradient bg(QPointF(0, 104), QPointF(0, 118));
    bg.setColorAt(0, QColor(0xD9, 0x8C, 0x4A));
    bg.setColorAt(1, QColor(0x9C, 0x55, 0x26));
    p.setPen(QPen(QColor(0x5A, 0x33, 0x16), 1.4));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(34, 104, 22, 14), 3, 3);
    p.setPen(QPen(QColor(0x7A, 0x43, 0x1E), 1));
    p.drawLine(QPointF(35, 109), QPointF(55, 109));
    p.drawLine(QPointF(35, 113.5), QPointF(55, 113.5));
    for (int x = 40; x <= 50; x += 5) p.drawLine(QPointF(x, 105), QPointF(x, 117));
    // Envelope with curved stripes.
    p.save();
    p.setClipPath(env);
    p.fillRect(QRectF(0, 0, 90, 100), kSky);
    const QColor stripes[] = {kSun, kCoral, kSun};
    const qreal widths[] = {58, 32, 10};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(stripes[i]);
        p.drawEllipse(QRectF(45 - widths[i] / 2, -6, widths[i], 112));
    }
    QRadialGradient shade(QPointF(30, 26), 70);
    shade.setColorAt(0, QColor(255, 255, 255, 90));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(QRectF(0, 0, 90, 100), shade);
    p.restore();
    p.setPen(QPen(QColor(0x2E, 0x3A, 0x55), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(env);
    p.setPen(QPen(QColor(0x2E, 0x3A, 0x55), 1.2));
    p.setBrush(kCoral.darker(120));
    p.drawRoundedRect(QRectF(31, 88, 28, 5), 2, 2);
    p.restore();
}

void DrawButterfly(QPainter& p, const QSize& size) {
    const qreal s = std::min(size.width() / 70.0, size.height() / 60.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size.width() / 2.0 - 35 * s, size.height() / 2.0 - 30 * s);
    p.scale(s, s);
    const QColor outline(0x3A, 0x22, 0x44);
    for (int side = 0; side < 2; ++side) {
        p.save();
        if (side == 1) {
            p.translate(70, 0);
            p.scale(-1, 1);
        }
        // Upper wing.
        p.save();
        p.translate(19, 22);
        p.rotate(-25);
        QLinearGradient ug(QPointF(-16, 0), QPointF(16, 0));
        ug.setColorAt(0, kPink);
        ug.setColorAt(1, kOrange);
        p.setPen(QPen(outline, 1.6));
        p.setBrush(ug);
        p.drawEllipse(QPointF(0, 0), 16, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(-6, -2), 4.2, 4.2);
        p.setBrush(kSun);
        p.drawEllipse(QPointF(5, 3), 3.2, 3.2);
        p.restore();
        // Lower wing.
        p.save();
        p.translate(24, 42);
        p.rotate(20);
        QLinearGradient lg(QPointF(-10, 0), QPointF(10, 0));
        lg.setColorAt(0, kSun.lighter(110));
        lg.setColorAt(1, kOrange);
        p.setPen(QPen(outline, 1.6));
        p.setBrush(lg);
        p.drawEllipse(QPointF(0, 0), 11, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(kSky);
        p.drawEllipse(QPointF(-2, 1), 3, 3);
        p.restore();
        // Antenna.
        p.setPen(QPen(outline, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath a;
        a.moveTo(33.5, 12);
        a.quadTo(30, 4, 24, 3);
        p.drawPath(a);
        p.setPen(Qt::NoPen);
        p.setBrush(outline);
        p.drawEllipse(QPointF(24, 3), 2.3, 2.3);
        p.restore();
    }
    // Body and head.
    QLinearGradient bg(QPointF(31, 0), QPointF(39, 0));
    bg.setColorAt(0, QColor(0x6B, 0x45, 0x7A));
    bg.setColorAt(1, outline);
    p.setPen(QPen(outline, 1));
    p.setBrush(bg);
    p.drawEllipse(QPointF(35, 33), 3.6, 17);
    p.drawEllipse(QPointF(35, 15), 4.8, 4.8);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(33.4, 14.3), 1.3, 1.3);
    p.drawEllipse(QPointF(36.6, 14.3), 1.3, 1.3);
    p.restore();
}

void DrawWebLink(QPainter& p, const QSize& size, bool hover) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(3, 2, size.width() - 6, size.height() - 5);
    const QPainterPath path = RoundedPath(body, body.height() / 2);
    if (hover) DrawHoverGlow(p, path, 2, 80);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    if (hover) {
        g.setColorAt(0, kSun.lighter(125));
        g.setColorAt(1, kSun);
    } else {
        g.setColorAt(0, kScreen.darker(112));
        g.setColorAt(1, kScreen.darker(135));
    }
    p.fillPath(path, g);
    p.setPen(QPen(hover ? kOrange : kScreen.lighter(130), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    const QColor text = hover ? kInk : kCream;
    const qreal d = body.height() - 6;
    DrawIcon(p, Icon::Globe, QRectF(body.left() + 10, body.top() + 3, d, d), hover ? kSky.darker(130) : kSun);
    DrawCaption(p, QStringLiteral("Visitez notre site : ") + QString::fromLatin1(kPublisherSiteAddress),
                body.adjusted(d + 20, 2, -d - 20, -2), 19, text, text, 0);
}

void DrawChangeLink(QPainter& p, const QSize& size, bool hover) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1, 1, size.width() - 2, size.height() - 3);
    const QPainterPath path = RoundedPath(body, body.height() / 2);
    p.fillPath(path.translated(0, 1.5), QColor(0, 0, 0, 60));
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    const QColor base = hover ? QColor(0xFF, 0xF3, 0xB8) : kSun;
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(1, base);
    p.fillPath(path, g);
    p.setPen(QPen(hover ? kOrange : kSun.darker(140), hover ? 1.6 : 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    const qreal d = body.height() - 4;
    const QColor ink = hover ? kOrange.darker(150) : kInk;
    DrawIcon(p, Icon::Pencil, QRectF(body.left() + 5, body.top() + 2, d, d), ink);
    DrawCaption(p, QStringLiteral("changer"), body.adjusted(d + 6, 0, -6, 0), 14, ink, ink, 0);
}

// ---------------------------------------------------------------- identification

void DrawIdentBanner(QPainter& p, const QSize& size) {
    const QRectF body(8, 8, size.width() - 16, size.height() - 20);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = RoundedPath(body, 28);
    p.fillPath(path.translated(0, 4), QColor(0, 0, 0, 60));
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, kSky);
    g.setColorAt(0.5, kTeal);
    g.setColorAt(1, kGrape);
    p.fillPath(path, g);
    QLinearGradient gloss(body.topLeft(), body.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillPath(RoundedPath(body.adjusted(20, 3, -20, -body.height() * 0.5), 20), gloss);
    p.setPen(QPen(QColor(0xFF, 0xF1, 0xA6), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    DrawPenguin(p, QRectF(body.left() + 30, body.top() + 6, 106, body.height() - 12), true);
    DrawPenguin(p, QRectF(body.right() - 136, body.top() + 6, 106, body.height() - 12), false);
    const QRectF title(body.left() + 170, body.top() + 8, body.width() - 340, 70);
    DrawCaption(p, QStringLiteral("IDENTIFICATION"), title, 62, Qt::white, kInk, 7);
    DrawCaption(p, QStringLiteral("Bienvenue !"), QRectF(title.left(), title.bottom() + 4, title.width(), 34),
                34, kSun, kInk, 5.5);
    const QPointF stars[] = {{body.left() + 200, body.top() + 95}, {body.right() - 210, body.top() + 28},
                             {body.right() - 240, body.top() + 100}, {body.left() + 180, body.top() + 24}};
    const QColor starColors[] = {kSun, kSun, kPink, kOrange};
    for (int i = 0; i < 4; ++i) DrawStar(p, stars[i], 13 - (i % 2) * 3, starColors[i], i * 17);
    DrawSparkle(p, QPointF(body.left() + 300, body.top() + 100), 8, Qt::white);
    DrawSparkle(p, QPointF(body.right() - 320, body.top() + 105), 7, Qt::white);
}

void DrawIdentForm(QPainter& p, const QSize& size) {
    const QRectF card(4, 4, size.width() - 8, size.height() - 10);
    DrawCard(p, card, 22, kPaper, kOrange, 3);
    // Header.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath header;
    header.addRoundedRect(QRectF(card.left() + 10, card.top() + 10, card.width() - 20, 52), 16, 16);
    QLinearGradient hg(QPointF(0, card.top() + 10), QPointF(0, card.top() + 62));
    hg.setColorAt(0, kGrass.lighter(130));
    hg.setColorAt(1, kGrass);
    p.fillPath(header, hg);
    p.setPen(QPen(kGrass.darker(140), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(header);
    p.restore();
    DrawCaption(p, QStringLiteral("QUI ES-TU ?"), QRectF(card.left() + 60, card.top() + 14, card.width() - 120, 44),
                32, Qt::white, kGrass.darker(260), 5);
    DrawStar(p, QPointF(card.left() + 40, card.top() + 36), 14, kSun, -10);
    DrawStar(p, QPointF(card.right() - 40, card.top() + 36), 14, kSun, 10);
    // The penguin and its speech bubble.
    DrawPenguin(p, QRectF(20, 84, 150, 168), true);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble = RoundedPath(QRectF(188, 86, 280, 160), 22);
    QPainterPath pointer;
    pointer.moveTo(192, 132);
    pointer.lineTo(158, 150);
    pointer.lineTo(192, 170);
    pointer.closeSubpath();
    bubble = bubble.united(pointer);
    p.fillPath(bubble.translated(0, 3), QColor(0, 0, 0, 35));
    p.fillPath(bubble, Qt::white);
    p.setPen(QPen(kSky, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bubble);
    p.restore();
    DrawCaption(p, QStringLiteral("Bonjour !"), QRectF(200, 94, 256, 40), 30, kOrange, kOrange.darker(170), 3);
    const QString lines[] = {QStringLiteral("Écris ton prénom,"), QStringLiteral("choisis ta classe,"),
                             QStringLiteral("puis clique sur OK.")};
    for (int i = 0; i < 3; ++i)
        DrawCaption(p, lines[i], QRectF(200, 140 + i * 32, 256, 26), 22, kInk, kInk, 0,
                    QStringLiteral("Arial"), Qt::AlignCenter);
    // A row of stars.
    const QColor rowColors[] = {kCoral, kOrange, kSun, kGrass, kSky, kGrape, kPink};
    for (int i = 0; i < 7; ++i)
        DrawStar(p, QPointF(64 + i * 60, 298), 15, rowColors[i], i * 13);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOrange.lighter(120), 2, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 340), QPointF(size.width() - 30, 340));
    // Slots that frame the first-name box and the class list.
    const QRectF nameSlot(267, 377, 179, 34), classSlot(263, 415, 139, 31);
    for (const QRectF& slot : {nameSlot, classSlot}) {
        QPainterPath sp = RoundedPath(slot, 8);
        p.fillPath(sp, Qt::white);
        p.setPen(QPen(kSky, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(sp);
    }
    p.restore();
    DrawCaption(p, QStringLiteral("Ton prénom :"), QRectF(40, 380, 216, 28), 24, kInk, kInk, 0,
                QStringLiteral("Arial"), Qt::AlignRight | Qt::AlignVCenter);
    DrawCaption(p, QStringLiteral("Ta classe :"), QRectF(40, 417, 216, 26), 24, kInk, kInk, 0,
                QStringLiteral("Arial"), Qt::AlignRight | Qt::AlignVCenter);
    DrawIcon(p, Icon::Pencil, QRectF(24, 382, 24, 24), kOrange);
    DrawIcon(p, Icon::Book, QRectF(24, 418, 24, 24), kGrape);
}

// ---------------------------------------------------------------- player

void DrawRoundCommand(QPainter& p, const QSize& size, const QColor& base, Icon icon, bool hover) {
    const QRectF body(4, 3, size.width() - 8, size.height() - 8);
    DrawBody(p, body, std::min<qreal>(16, body.width() / 2.5), base, hover);
    const qreal side = std::min(body.width(), body.height());
    const qreal d = side * (side < 30 ? 0.86 : 0.62);
    const QRectF box(body.center().x() - d / 2, body.center().y() - d / 2, d, d);
    DrawIcon(p, icon, box.translated(0.8, 1.2), base.darker(230));
    DrawIcon(p, icon, box, Qt::white);
}

void DrawHelpButton(QPainter& p, const QSize& size, bool hover) {
    const qreal d = std::min(size.width(), size.height()) - 10;
    const QRectF body((size.width() - d) / 2, (size.height() - d) / 2 - 1, d, d);
    DrawBody(p, body, d / 2, kOrange, hover);
    DrawCaption(p, QStringLiteral("?"), body.adjusted(8, 8, -8, -8), 50, Qt::white, kOrange.darker(260), 6);
}

void DrawContentsPage(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, size.width(), size.height()), kPaper);
    // Header band with the title.
    QLinearGradient hg(QPointF(0, 0), QPointF(0, 64));
    hg.setColorAt(0, kSky.lighter(125));
    hg.setColorAt(1, kSky);
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(size.width(), 0);
    band.lineTo(size.width(), 58);
    for (int i = 0; i < 12; ++i) {
        const qreal x0 = size.width() - i * size.width() / 12.0, x1 = x0 - size.width() / 12.0;
        band.quadTo(QPointF((x0 + x1) / 2, 70), QPointF(x1, 58));
    }
    band.closeSubpath();
    p.fillPath(band, hg);
    p.restore();
    DrawCaption(p, QStringLiteral("TABLE DES MATIÈRES"), QRectF(110, 6, size.width() - 220, 50), 38,
                Qt::white, kSky.darker(250), 6);
    DrawIcon(p, Icon::Book, QRectF(50, 10, 44, 44), Qt::white);
    DrawIcon(p, Icon::Book, QRectF(size.width() - 94, 10, 44, 44), Qt::white);
    // Frame of the chapter tree; the tree itself paints its own area.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tree(56, 80, 574, 470);
    QPainterPath frame = RoundedPath(tree.adjusted(-7, -7, 7, 7), 12);
    p.fillPath(frame.translated(0, 3), QColor(0, 0, 0, 40));
    p.fillPath(frame, kSky);
    p.fillRect(tree, kTree);
    p.restore();
    // A reading penguin and a pile of books on the right.
    DrawPenguin(p, QRectF(664, 92, 140, 158), false);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bookColors[] = {kCoral, kGrass, kGrape, kOrange};
    for (int i = 0; i < 4; ++i) {
        const QRectF book(672 + (i % 2) * 8 - 4, 300 - i * 20, 126 - i * 6, 18);
        p.setPen(QPen(bookColors[i].darker(150), 1.4));
        p.setBrush(bookColors[i]);
        p.drawRoundedRect(book, 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.drawLine(QPointF(book.left() + 10, book.center().y()), QPointF(book.right() - 10, book.center().y()));
    }
    p.restore();
    DrawStar(p, QPointF(672, 120), 11, kSun, -8);
    DrawStar(p, QPointF(800, 104), 9, kPink, 14);
    DrawSparkle(p, QPointF(805, 190), 8, kSun);
    DrawCaption(p, QStringLiteral("Choisis un chapitre,"), QRectF(646, 338, 178, 28), 20, kInk, kInk, 0,
                QStringLiteral("Arial Narrow"));
    DrawCaption(p, QStringLiteral("puis clique sur OUVRIR"), QRectF(646, 364, 178, 28), 20, kInk, kInk, 0,
                QStringLiteral("Arial Narrow"));
}

namespace {

// From red (0) through orange and gold to green (10).
QColor MarkColor(int mark) {
    static const QRgb ramp[] = {0xE53935, 0xEC5330, 0xF26D2B, 0xF58A24, 0xF5A31F, 0xEDB512,
                                0xC4BE22, 0x98C23A, 0x6DBA45, 0x47AE48, 0x2E9E44};
    return QColor(ramp[std::clamp(mark, 0, 10)]);
}

}  // namespace

void DrawMarkBadge(QPainter& p, const QSize& size, int mark) {
    const QColor c = MarkColor(mark);
    const QPointF centre(size.width() / 2.0, 70);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Ribbon tails.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath tail;
        tail.moveTo(centre.x() + side * 14, centre.y() + 30);
        tail.lineTo(centre.x() + side * 44, centre.y() + 34);
        tail.lineTo(centre.x() + side * 52, size.height() - 3);
        tail.lineTo(centre.x() + side * 38, size.height() - 14);
        tail.lineTo(centre.x() + side * 24, size.height() - 4);
        tail.closeSubpath();
        p.setPen(QPen(c.darker(170), 1.5));
        p.setBrush(c.darker(125));
        p.drawPath(tail);
    }
    // Scalloped rosette.
    QPainterPath rosette = Ellipse(centre, 58, 58);
    for (int i = 0; i < 18; ++i) {
        const qreal a = i * 2 * M_PI / 18;
        rosette = rosette.united(Ellipse(centre + QPointF(58 * std::cos(a), 58 * std::sin(a)), 10, 10));
    }
    p.fillPath(rosette.translated(0, 3), QColor(0, 0, 0, 60));
    QRadialGradient rg(centre - QPointF(20, 24), 90);
    rg.setColorAt(0, c.lighter(125));
    rg.setColorAt(1, c);
    p.setPen(QPen(c.darker(170), 2));
    p.setBrush(rg);
    p.drawPath(rosette);
    p.setPen(QPen(QColor(255, 255, 255, 230), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 50, 50);
    if (mark >= 10) {
        p.setPen(QPen(kSun, 3));
        p.drawEllipse(centre, 45, 45);
    }
    p.restore();
    DrawCaption(p, QString::number(std::clamp(mark, 0, 10)), QRectF(centre.x() - 42, centre.y() - 40, 84, 50),
                60, Qt::white, c.darker(260), 7);
    DrawCaption(p, QStringLiteral("/10"), QRectF(centre.x() - 30, centre.y() + 17, 60, 20), 22, Qt::white,
                c.darker(260), 4.5);
    if (mark >= 10) {
        DrawStar(p, QPointF(22, 20), 13, kSun, -12);
        DrawStar(p, QPointF(size.width() - 22, 20), 13, kSun, 12);
        DrawSparkle(p, QPointF(18, 118), 8, Qt::white);
        DrawSparkle(p, QPointF(size.width() - 18, 118), 8, Qt::white);
    }
}

void DrawVerdict(QPainter& p, const QSize& size, const QColor& base, const QString& text, Icon icon) {
    const QRectF body(4, 3, size.width() - 8, size.height() - 9);
    DrawBody(p, body, body.height() / 2, base, false);
    const qreal d = body.height() - 10;
    for (int side = 0; side < 2; ++side) {
        const QRectF bubble(side ? body.right() - 7 - d : body.left() + 7, body.top() + 5, d, d);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(base.darker(140), 1.5));
        p.setBrush(QColor(255, 255, 255, 240));
        p.drawEllipse(bubble);
        p.restore();
        const QColor iconColor = icon == Icon::Star ? QColor(0xF5, 0xB3, 0x00) : base.darker(135);
        DrawIcon(p, icon, bubble.adjusted(d * 0.18, d * 0.18, -d * 0.18, -d * 0.18), iconColor);
    }
    DrawCaption(p, text, body.adjusted(d + 24, 2, -d - 24, -2), 30, Qt::white, base.darker(260), 5.5);
}

void DrawTickBox(QPainter& p, const QSize& size, bool ticked) {
    // The learner's choice, in blue: green and red are kept for right and wrong.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(4, size.height() - 38, 32, 32);
    const QPainterPath path = RoundedPath(box, 8);
    p.fillPath(path.translated(0, 2), QColor(0, 0, 0, 55));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    if (ticked) {
        g.setColorAt(0, kSky.lighter(135));
        g.setColorAt(1, kSky);
    } else {
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(0xE4, 0xEC, 0xF6));
    }
    p.fillPath(path, g);
    p.setPen(QPen(ticked ? kSky.darker(160) : QColor(0x4A, 0x5B, 0x7C), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    if (ticked) {
        QPainterPath tick;
        tick.moveTo(11, box.center().y() + 1);
        tick.lineTo(19, box.bottom() - 7);
        tick.lineTo(size.width() - 7, 7);
        QPainterPathStroker stroker;
        stroker.setWidth(6);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        DrawOutlined(p, stroker.createStroke(tick), Qt::white, kSky.darker(220), 3.5, true);
    }
}

void DrawFullMarks(QPainter& p, const QSize& size, int frame) {
    // The mark badge stands over the right of the picture while the mark shows: the
    // trophy, its word and its stars keep to the free left part.
    const bool second = frame == 2;
    const qreal free = std::min<qreal>(88, size.width());
    DrawTrophy(p, QRectF(14, 4, free - 28, size.height() - 36), second ? 7 : -7);
    DrawCaption(p, second ? QStringLiteral("BRAVO !") : QStringLiteral("SUPER !"),
                QRectF(0, size.height() - 30, free, 26), 20, second ? kSun : Qt::white, kInk, 4);
    DrawStar(p, QPointF(second ? free - 10 : 10, 12), 8, kSun, second ? 15 : -15);
    DrawStar(p, QPointF(second ? 10 : free - 10, 44), 6, kPink, second ? -10 : 10);
    DrawSparkle(p, QPointF(second ? free - 12 : 12, 58), 6, Qt::white);
}

QRectF DrawNoteCard(QPainter& p, const QSize& size) {
    const QRectF body(3, 2, size.width() - 6, size.height() - 6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = RoundedPath(body, body.height() / 2);
    p.fillPath(path.translated(0, 2), QColor(0, 0, 0, 45));
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xFC, 0xEE));
    g.setColorAt(1, QColor(0xFF, 0xEC, 0xB8));
    p.fillPath(path, g);
    p.setPen(QPen(kOrange, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    return body;
}

}  // namespace art
