// Drawing kit of the artwork.
#include "ui/ArtKit.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

namespace art {

QPainterPath RoundedPath(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()),
                  lerp(a.blue(), b.blue()), lerp(a.alpha(), b.alpha()));
}

QFont Font(const QString& family, qreal px, bool bold) {
    QFont f(family);
    f.setPixelSize(std::max(1, qRound(px)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath TextPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QPainterPath FittedText(const QString& text, QFont font, const QRectF& box, Qt::Alignment align) {
    // The largest size from the given one down to 6 pixels at which the text fits the
    // box. Width and cap height grow with the size: a first guess in proportion, then a
    // step or two either way, so the text is shaped about twice, not once per pixel.
    const int start = font.pixelSize() > 0 ? font.pixelSize() : 12;
    struct Shaped { QPainterPath path; QRectF bounds; qreal cap = 0; };
    const auto shape = [&](int px) {
        font.setPixelSize(px);
        Shaped s;
        s.path = TextPath(text, font);
        s.bounds = s.path.boundingRect();
        s.cap = QFontMetricsF(font).capHeight();
        return s;
    };
    const auto fits = [&](const Shaped& s) {
        return s.bounds.width() <= box.width() && s.cap <= box.height();
    };
    int px = start;
    Shaped shaped = shape(px);
    if (!fits(shaped) && px > 6) {
        qreal ratio = 1;
        if (shaped.bounds.width() > box.width()) ratio = box.width() / shaped.bounds.width();
        if (shaped.cap > box.height()) ratio = std::min(ratio, box.height() / shaped.cap);
        px = std::clamp(static_cast<int>(std::floor(start * ratio)), 6, start - 1);
        shaped = shape(px);
        while (fits(shaped) && px + 1 < start) {
            Shaped larger = shape(px + 1);
            if (!fits(larger)) break;
            ++px;
            shaped = std::move(larger);
        }
        while (!fits(shaped) && px > 6) shaped = shape(--px);
    }
    const QRectF& b = shaped.bounds;
    qreal dx;
    if (align & Qt::AlignLeft) dx = box.left() - b.left();
    else if (align & Qt::AlignRight) dx = box.right() - b.right();
    else dx = box.center().x() - b.center().x();
    qreal baseline;
    if (align & Qt::AlignTop) baseline = box.top() + shaped.cap;
    else if (align & Qt::AlignBottom) baseline = box.bottom();
    else baseline = box.center().y() + shaped.cap / 2;
    return shaped.path.translated(dx, baseline);
}

void DrawOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill,
                  const QColor& outline, qreal width, bool shadow) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The outline is stroked once and filled where the shadow falls and in place. The
    // stroker follows curves as finely as the painter's scale needs, as a pen would.
    QPainterPath rim;
    if (width > 0) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QTransform& m = p.worldTransform();
        const qreal scale = std::sqrt(std::abs(m.determinant()));
        if (scale > 0) stroker.setCurveThreshold(0.25 / scale);
        rim = stroker.createStroke(path);
    }
    if (shadow) {
        const qreal off = std::max<qreal>(1.2, width * 0.45);
        const QColor shade(0, 0, 0, 60);
        if (width > 0) p.fillPath(rim.translated(off * 0.4, off), shade);
        p.fillPath(path.translated(off * 0.4, off), shade);
    }
    if (width > 0) p.fillPath(rim, outline);
    p.fillPath(path, fill);
    p.restore();
}

void DrawCaption(QPainter& p, const QString& text, const QRectF& box, qreal px,
                 const QColor& fill, const QColor& outline, qreal outlineWidth,
                 const QString& family, Qt::Alignment align) {
    QPainterPath path = FittedText(text, Font(family, px), box, align);
    DrawOutlined(p, path, fill, outline, outlineWidth, outlineWidth > 0);
}

void DrawHoverGlow(QPainter& p, const QPainterPath& path, int rings, int alphaStep) {
    p.setBrush(Qt::NoBrush);
    for (int i = rings; i >= 1; --i) {
        p.setPen(QPen(QColor(255, 236, 130, alphaStep * (rings - i + 1)), i * 2.2));
        p.drawPath(path);
    }
}

void DrawCard(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& border,
              qreal borderWidth) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(r, radius, radius);
    p.fillPath(card.translated(0, 3), QColor(0, 0, 0, 55));
    p.fillPath(card, fill);
    p.setPen(QPen(border, borderWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
    p.restore();
}

void DrawBody(QPainter& p, const QRectF& r, qreal radius, const QColor& base, bool hover) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor b = hover ? base.lighter(118) : base;
    QPainterPath body;
    body.addRoundedRect(r, radius, radius);
    p.fillPath(body.translated(0, 2.5), QColor(0, 0, 0, 55));
    if (hover) DrawHoverGlow(p, body, 3, 60);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, b.lighter(140));
    g.setColorAt(0.5, b);
    g.setColorAt(1, b.darker(118));
    p.fillPath(body, g);
    // Gloss on the upper half.
    const qreal inset = std::min(radius * 0.45 + 2, r.width() / 4);
    QRectF gr(r.left() + inset, r.top() + 2, r.width() - 2 * inset, r.height() * 0.46);
    QPainterPath gloss;
    const qreal gRad = std::min(radius, gr.height() / 2);
    gloss.addRoundedRect(gr, gRad, gRad);
    QLinearGradient gg(gr.topLeft(), gr.bottomLeft());
    gg.setColorAt(0, QColor(255, 255, 255, hover ? 130 : 100));
    gg.setColorAt(1, QColor(255, 255, 255, 8));
    p.fillPath(gloss, gg);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hover ? QColor(0xFF, 0xF1, 0xA6) : b.darker(150), hover ? 2.4 : 1.8));
    p.drawPath(body);
    p.restore();
}

namespace {

// Runs the drawing in a unit square centred in the box.
template <typename F>
void InUnitSquare(QPainter& p, const QRectF& box, F draw) {
    const qreal s = std::min(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - s / 2, box.center().y() - s / 2);
    p.scale(s, s);
    draw();
    p.restore();
}

QPen UnitPen(const QColor& c, qreal w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath Circle(qreal cx, qreal cy, qreal r) {
    QPainterPath c;
    c.addEllipse(QPointF(cx, cy), r, r);
    return c;
}

}  // namespace

void DrawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& color) {
    if (icon == Icon::None) return;
    InUnitSquare(p, box, [&] {
        p.setBrush(Qt::NoBrush);
        switch (icon) {
        case Icon::Gear: {
            QPainterPath gear = Circle(0.5, 0.5, 0.3);
            for (int i = 0; i < 8; ++i) {
                QPainterPath tooth;
                tooth.addRoundedRect(QRectF(-0.08, -0.46, 0.16, 0.2), 0.03, 0.03);
                QTransform t;
                t.translate(0.5, 0.5);
                t.rotate(i * 45);
                gear = gear.united(t.map(tooth));
            }
            gear = gear.subtracted(Circle(0.5, 0.5, 0.12));
            p.fillPath(gear, color);
            break;
        }
        case Icon::Clock:
            p.setPen(UnitPen(color, 0.11));
            p.drawEllipse(QPointF(0.5, 0.5), 0.38, 0.38);
            p.setPen(UnitPen(color, 0.1));
            p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, 0.26));
            p.drawLine(QPointF(0.5, 0.5), QPointF(0.68, 0.58));
            break;
        case Icon::Pencil: {
            p.save();
            p.translate(0.5, 0.5);
            p.rotate(45);
            QPainterPath body;
            body.addRoundedRect(QRectF(-0.12, -0.46, 0.24, 0.62), 0.04, 0.04);
            p.fillPath(body, color);
            QPainterPath tip;
            tip.moveTo(-0.12, 0.2);
            tip.lineTo(0.12, 0.2);
            tip.lineTo(0, 0.46);
            tip.closeSubpath();
            p.fillPath(tip, color);
            p.restore();
            break;
        }
        case Icon::Door:
            p.setPen(UnitPen(color, 0.1));
            p.drawRoundedRect(QRectF(0.12, 0.1, 0.42, 0.8), 0.05, 0.05);
            p.setPen(UnitPen(color, 0.13));
            p.drawLine(QPointF(0.38, 0.5), QPointF(0.9, 0.5));
            p.drawLine(QPointF(0.72, 0.32), QPointF(0.9, 0.5));
            p.drawLine(QPointF(0.72, 0.68), QPointF(0.9, 0.5));
            break;
        case Icon::House: {
            QPainterPath roof;
            roof.moveTo(0.5, 0.06);
            roof.lineTo(0.96, 0.5);
            roof.lineTo(0.04, 0.5);
            roof.closeSubpath();
            QPainterPath body;
            body.addRect(QRectF(0.17, 0.42, 0.66, 0.48));
            QPainterPath door;
            door.addRoundedRect(QRectF(0.41, 0.6, 0.18, 0.3), 0.05, 0.05);
            p.fillPath(roof.united(body).subtracted(door), color);
            break;
        }
        case Icon::Magnifier:
            p.setPen(UnitPen(color, 0.12));
            p.drawEllipse(QPointF(0.42, 0.42), 0.26, 0.26);
            p.setPen(UnitPen(color, 0.17));
            p.drawLine(QPointF(0.62, 0.62), QPointF(0.86, 0.86));
            break;
        case Icon::Check: {
            p.setPen(UnitPen(color, 0.17));
            QPainterPath c;
            c.moveTo(0.14, 0.52);
            c.lineTo(0.4, 0.78);
            c.lineTo(0.88, 0.22);
            p.drawPath(c);
            break;
        }
        case Icon::ArrowRight:
        case Icon::ArrowLeft: {
            p.save();
            if (icon == Icon::ArrowLeft) {
                p.translate(1, 0);
                p.scale(-1, 1);
            }
            p.setPen(UnitPen(color, 0.17));
            p.drawLine(QPointF(0.14, 0.5), QPointF(0.8, 0.5));
            QPainterPath head;
            head.moveTo(0.52, 0.2);
            head.lineTo(0.84, 0.5);
            head.lineTo(0.52, 0.8);
            p.drawPath(head);
            p.restore();
            break;
        }
        case Icon::List:
            for (int i = 0; i < 3; ++i) {
                const qreal y = 0.24 + i * 0.26;
                p.fillPath(Circle(0.16, y, 0.08), color);
                p.setPen(UnitPen(color, 0.12));
                p.drawLine(QPointF(0.36, y), QPointF(0.88, y));
            }
            break;
        case Icon::Dice: {
            QPainterPath die;
            die.addRoundedRect(QRectF(0.1, 0.1, 0.8, 0.8), 0.16, 0.16);
            for (QPointF c : {QPointF(0.3, 0.3), QPointF(0.5, 0.5), QPointF(0.7, 0.7),
                              QPointF(0.7, 0.3), QPointF(0.3, 0.7)})
                die = die.subtracted(Circle(c.x(), c.y(), 0.075));
            p.fillPath(die, color);
            break;
        }
        case Icon::Book: {
            QPainterPath left;
            left.moveTo(0.47, 0.26);
            left.cubicTo(0.36, 0.16, 0.2, 0.16, 0.06, 0.22);
            left.lineTo(0.06, 0.82);
            left.cubicTo(0.2, 0.76, 0.36, 0.76, 0.47, 0.86);
            left.closeSubpath();
            p.fillPath(left, color);
            p.fillPath(QTransform(-1, 0, 0, 1, 1, 0).map(left), color);
            break;
        }
        case Icon::Cross:
            p.setPen(UnitPen(color, 0.18));
            p.drawLine(QPointF(0.22, 0.22), QPointF(0.78, 0.78));
            p.drawLine(QPointF(0.78, 0.22), QPointF(0.22, 0.78));
            break;
        case Icon::Globe:
            p.setPen(UnitPen(color, 0.08));
            p.drawEllipse(QPointF(0.5, 0.5), 0.4, 0.4);
            p.drawEllipse(QPointF(0.5, 0.5), 0.17, 0.4);
            p.drawLine(QPointF(0.1, 0.5), QPointF(0.9, 0.5));
            p.drawLine(QPointF(0.5, 0.1), QPointF(0.5, 0.9));
            break;
        case Icon::Info: {
            QPainterPath stem;
            stem.addRoundedRect(QRectF(0.4, 0.4, 0.2, 0.46), 0.06, 0.06);
            p.fillPath(stem.united(Circle(0.5, 0.22, 0.11)), color);
            break;
        }
        case Icon::Star:
            p.fillPath(StarPath(QPointF(0.5, 0.54), 0.48, 0.21), color);
            break;
        case Icon::Question: {
            QFont f = Font(QStringLiteral("Arial"), 100);
            QPainterPath q = TextPath(QStringLiteral("?"), f);
            const QRectF b = q.boundingRect();
            const qreal s = 0.86 / b.height();
            QTransform t;
            t.translate(0.5, 0.5);
            t.scale(s, s);
            t.translate(-b.center().x(), -b.center().y());
            p.fillPath(t.map(q), color);
            break;
        }
        case Icon::Jump: {
            p.setPen(UnitPen(color, 0.15));
            QPainterPath c;
            c.moveTo(0.16, 0.86);
            c.cubicTo(0.12, 0.36, 0.4, 0.22, 0.78, 0.3);
            p.drawPath(c);
            QPainterPath head;
            head.moveTo(0.56, 0.1);
            head.lineTo(0.82, 0.3);
            head.lineTo(0.6, 0.54);
            p.drawPath(head);
            break;
        }
        case Icon::Maths: {
            p.setPen(UnitPen(color, 0.11));
            p.drawLine(QPointF(0.1, 0.27), QPointF(0.42, 0.27));     // plus
            p.drawLine(QPointF(0.26, 0.11), QPointF(0.26, 0.43));
            p.drawLine(QPointF(0.58, 0.27), QPointF(0.9, 0.27));     // minus
            p.drawLine(QPointF(0.13, 0.6), QPointF(0.39, 0.86));     // times
            p.drawLine(QPointF(0.39, 0.6), QPointF(0.13, 0.86));
            p.drawLine(QPointF(0.58, 0.65), QPointF(0.9, 0.65));     // equals
            p.drawLine(QPointF(0.58, 0.81), QPointF(0.9, 0.81));
            break;
        }
        case Icon::Smile: {
            p.setPen(UnitPen(color, 0.1));
            p.drawEllipse(QPointF(0.5, 0.5), 0.4, 0.4);
            p.fillPath(Circle(0.36, 0.4, 0.065).united(Circle(0.64, 0.4, 0.065)), color);
            p.drawArc(QRectF(0.3, 0.36, 0.4, 0.32), -20 * 16, -140 * 16);
            break;
        }
        case Icon::None:
            break;
        }
    });
}

// The round bubble holding an icon at the left end of a face: `inset` less high than
// the body, `margin` from its left edge. Returns the bubble.
QRectF DrawIconBubble(QPainter& p, const QRectF& body, qreal inset, qreal margin, qreal penWidth,
                      Icon icon, const QColor& base, const QColor& fill, int iconDarker) {
    const qreal d = body.height() - inset;
    const QRectF bubble(body.left() + margin, body.center().y() - d / 2, d, d);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(base.darker(140), penWidth));
    p.setBrush(fill);
    p.drawEllipse(bubble);
    p.restore();
    DrawIcon(p, icon, bubble.adjusted(d * 0.2, d * 0.2, -d * 0.2, -d * 0.2), base.darker(iconDarker));
    return bubble;
}

void DrawButtonFace(QPainter& p, const QSizeF& size, const QColor& base, const QString& caption,
                    Icon icon, bool hover, qreal captionPx) {
    const qreal m = 4;
    const QRectF body(m, m - 1, size.width() - 2 * m, size.height() - 2 * m - 1);
    const qreal radius = std::min(body.height() / 2, 16.0);
    DrawBody(p, body, radius, base, hover);
    QRectF textBox = body.adjusted(radius * 0.6 + 4, 2, -(radius * 0.6 + 4), -2);
    if (icon != Icon::None) {
        const QRectF bubble = DrawIconBubble(p, body, 12, 7, 1.5, icon, base,
                                             hover ? QColor(0xFF, 0xFB, 0xE8) : QColor(255, 255, 255, 235),
                                             hover ? 125 : 145);
        textBox.setLeft(bubble.right() + 6);
        textBox.setRight(body.right() - 10);
    }
    DrawCaption(p, caption, textBox, captionPx, Qt::white, base.darker(260), 4.5);
}

void DrawHintBanner(QPainter& p, const QSizeF& size, const QString& text, qreal px) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(3, 2, size.width() - 6, size.height() - 6);
    const qreal radius = body.height() / 2;
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    p.fillPath(path.translated(0, 2.5), QColor(0, 0, 0, 50));
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xFC, 0xEE));
    g.setColorAt(1, QColor(0xFF, 0xE7, 0xA6));
    p.fillPath(path, g);
    p.setPen(QPen(kOrange, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    // Light bubble with an "i" at the left.
    const qreal d = body.height() - 8;
    const QRectF bubble(body.left() + 5, body.top() + 4, d, d);
    QRadialGradient rg(bubble.center() - QPointF(d * 0.15, d * 0.2), d * 0.7);
    rg.setColorAt(0, kSky.lighter(140));
    rg.setColorAt(1, kSky);
    p.setPen(QPen(kSky.darker(140), 1.5));
    p.setBrush(rg);
    p.drawEllipse(bubble);
    p.restore();
    DrawIcon(p, Icon::Info, bubble.adjusted(d * 0.18, d * 0.14, -d * 0.18, -d * 0.14), Qt::white);
    // Stars at the right end, to balance the bubble.
    DrawStar(p, QPointF(body.right() - d * 0.62, body.center().y()), d * 0.34, kSun, 12);
    const QRectF textBox(bubble.right() + 10, body.top() + 2, body.right() - bubble.right() - 20 - d,
                         body.height() - 4);
    DrawCaption(p, text, textBox, px, kInk, kInk, 0);
}

void DrawRibbon(QPainter& p, const QRectF& r, const QColor& base, const QString& text, qreal px,
                Icon icon) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal tail = std::min<qreal>(18, r.height() * 0.42);
    const QColor dark = base.darker(135);
    // Swallow tails behind both ends.
    for (int side = 0; side < 2; ++side) {
        QPainterPath t;
        const qreal top = r.top() + r.height() * 0.22, bottom = r.bottom() - 1;
        if (side == 0) {
            t.moveTo(r.left(), top);
            t.lineTo(r.left() + tail + 12, top);
            t.lineTo(r.left() + tail + 12, bottom);
            t.lineTo(r.left(), bottom);
            t.lineTo(r.left() + tail * 0.55, (top + bottom) / 2);
        } else {
            t.moveTo(r.right(), top);
            t.lineTo(r.right() - tail - 12, top);
            t.lineTo(r.right() - tail - 12, bottom);
            t.lineTo(r.right(), bottom);
            t.lineTo(r.right() - tail * 0.55, (top + bottom) / 2);
        }
        t.closeSubpath();
        p.fillPath(t, dark);
    }
    p.restore();
    const QRectF body(r.left() + tail, r.top(), r.width() - 2 * tail, r.height() - r.height() * 0.12);
    const qreal radius = std::min<qreal>(12, body.height() / 2);
    DrawBody(p, body, radius, base, false);
    QRectF textBox = body.adjusted(radius * 0.5 + 8, 2, -(radius * 0.5 + 8), -2);
    if (icon != Icon::None) {
        const qreal d = body.height() - 10;
        const QRectF bubble = DrawIconBubble(p, body, 10, 6, 1.2, icon, base, QColor(255, 255, 255, 235), 150);
        textBox.setLeft(bubble.right() + 4);
        textBox.setRight(body.right() - d * 0.5 - 8);
    }
    DrawCaption(p, text, textBox, px, Qt::white, base.darker(260), 4);
}

QPainterPath StarPath(const QPointF& c, qreal outer, qreal inner, qreal rotationDeg) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const qreal a = (rotationDeg - 90 + i * 36) * M_PI / 180;
        const qreal r = (i % 2) ? inner : outer;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) s.moveTo(pt);
        else s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

void DrawStar(QPainter& p, const QPointF& centre, qreal outer, const QColor& fill, qreal rotationDeg) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath s = StarPath(centre, outer, outer * 0.46, rotationDeg);
    QRadialGradient g(centre - QPointF(outer * 0.2, outer * 0.3), outer * 1.1);
    g.setColorAt(0, fill.lighter(135));
    g.setColorAt(1, fill);
    p.setPen(QPen(fill.darker(150), std::max<qreal>(1, outer * 0.09), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(s);
    p.restore();
}

void DrawSparkle(QPainter& p, const QPointF& c, qreal r, const QColor& color) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c, QPointF(c.x() + r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() + r));
    s.quadTo(c, QPointF(c.x() - r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() - r));
    p.fillPath(s, color);
    p.restore();
}

void DrawPenguin(QPainter& p, const QRectF& box, bool waving) {
    // Drawn in a 100 x 112 design box.
    const qreal s = std::min(box.width() / 100.0, box.height() / 112.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - 50 * s, box.center().y() - 56 * s);
    p.scale(s, s);
    const QColor navy(0x24, 0x30, 0x49), beak(0xFF, 0x9F, 0x1C), outline(0x14, 0x1B, 0x2C);
    auto ellipse = [](qreal cx, qreal cy, qreal rx, qreal ry) {
        QPainterPath e;
        e.addEllipse(QPointF(cx, cy), rx, ry);
        return e;
    };
    // Feet.
    p.setPen(QPen(beak.darker(150), 1.5));
    p.setBrush(beak);
    p.drawEllipse(QPointF(36, 104), 13, 6);
    p.drawEllipse(QPointF(64, 104), 13, 6);
    // Wings, behind the body.
    p.setPen(QPen(outline, 2));
    p.setBrush(navy);
    p.save();
    p.translate(84, 70);
    p.rotate(-18);
    p.drawEllipse(QPointF(0, 0), 9, 24);
    p.restore();
    p.save();
    if (waving) {
        p.translate(22, 48);
        p.rotate(-30);
        p.drawEllipse(QPointF(0, -12), 8.5, 22);
    } else {
        p.translate(16, 70);
        p.rotate(18);
        p.drawEllipse(QPointF(0, 0), 9, 24);
    }
    p.restore();
    // Body and head.
    QPainterPath body = ellipse(50, 68, 37, 40).united(ellipse(50, 36, 30, 30));
    QLinearGradient bg(QPointF(20, 10), QPointF(80, 100));
    bg.setColorAt(0, navy.lighter(150));
    bg.setColorAt(1, navy);
    p.setPen(QPen(outline, 2));
    p.setBrush(bg);
    p.drawPath(body);
    // Belly and face.
    const QColor white(0xFF, 0xFD, 0xF6);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(ellipse(50, 76, 27, 30));
    p.drawPath(ellipse(39, 38, 14, 15).united(ellipse(61, 38, 14, 15)).united(ellipse(50, 48, 21, 13)));
    // Scarf.
    QPainterPath scarf;
    scarf.addRoundedRect(QRectF(21, 57, 58, 11), 5, 5);
    QPainterPath tailPath;
    tailPath.addRoundedRect(QRectF(58, 62, 11, 22), 4, 4);
    p.setPen(QPen(kCoral.darker(150), 1.2));
    p.setBrush(kCoral);
    p.drawPath(tailPath);
    p.drawPath(scarf);
    p.setPen(QPen(kSun, 2.5));
    p.drawLine(QPointF(59, 78), QPointF(68, 78));
    p.drawLine(QPointF(30, 59), QPointF(30, 66));
    p.drawLine(QPointF(44, 59), QPointF(44, 66));
    // Eyes, cheeks, beak.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x12, 0x1A));
    p.drawEllipse(QPointF(41, 37), 5.5, 6.5);
    p.drawEllipse(QPointF(59, 37), 5.5, 6.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(43, 34.5), 2.1, 2.1);
    p.drawEllipse(QPointF(61, 34.5), 2.1, 2.1);
    p.setBrush(QColor(0xFF, 0x8F, 0xA8, 150));
    p.drawEllipse(QPointF(31, 47), 5, 3.5);
    p.drawEllipse(QPointF(69, 47), 5, 3.5);
    QPainterPath bk;
    bk.moveTo(43, 44);
    bk.quadTo(50, 41, 57, 44);
    bk.quadTo(53, 51, 50, 53);
    bk.quadTo(47, 51, 43, 44);
    p.setPen(QPen(beak.darker(150), 1.2));
    p.setBrush(beak);
    p.drawPath(bk);
    p.restore();
}

void DrawTrophy(QPainter& p, const QRectF& box, qreal tiltDeg) {
    // Drawn in a 100 x 100 design box.
    const qreal s = std::min(box.width(), box.height()) / 100.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - 50 * s, box.center().y() - 50 * s);
    p.scale(s, s);
    p.translate(50, 94);
    p.rotate(tiltDeg);
    p.translate(-50, -94);
    const QColor gold(0xF5, 0xB3, 0x00), edge(0x8A, 0x5A, 0x00);
    QLinearGradient g(QPointF(18, 0), QPointF(82, 0));
    g.setColorAt(0, QColor(0xFF, 0xE8, 0x8A));
    g.setColorAt(0.45, gold);
    g.setColorAt(1, QColor(0xD0, 0x86, 0x00));
    p.setPen(QPen(edge, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 14, 26, 28), 90 * 16, 180 * 16);
    p.drawArc(QRectF(68, 14, 26, 28), -90 * 16, 180 * 16);
    p.setPen(QPen(gold, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6, 14, 26, 28), 90 * 16, 180 * 16);
    p.drawArc(QRectF(68, 14, 26, 28), -90 * 16, 180 * 16);
    QPainterPath cup;
    cup.moveTo(18, 8);
    cup.lineTo(82, 8);
    cup.cubicTo(82, 44, 66, 60, 50, 62);
    cup.cubicTo(34, 60, 18, 44, 18, 8);
    cup.closeSubpath();
    p.setPen(QPen(edge, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(cup);
    p.drawRect(QRectF(44, 61, 12, 14));
    p.drawRoundedRect(QRectF(31, 74, 38, 8), 3, 3);
    p.drawRoundedRect(QRectF(24, 81, 52, 13), 4, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 14), QPointF(29, 34));
    p.restore();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - 50 * s, box.center().y() - 50 * s);
    p.scale(s, s);
    p.translate(50, 94);
    p.rotate(tiltDeg);
    p.translate(-50, -94);
    p.fillPath(StarPath(QPointF(50, 32), 13, 6), QColor(0xFF, 0xFF, 0xFF, 235));
    p.restore();
}

}  // namespace art
