// The pictures of the multiple-choice, short-answer and matching pages: tick boxes and
// the hover band, right and wrong marks, the answer titles and the "bravo", the
// element pictures in the pair colours, the empty element, the marker and the blank
// association picture.
#include <QPainterPathStroker>

#include "player/ChoiceMarking.h"
#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

// A thick stroke (tick or cross) in white over a dark outline.
void DrawStrokeMark(QPainter& p, const QPainterPath& stroke, qreal width, const QColor& outline) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    DrawOutlined(p, stroker.createStroke(stroke), Qt::white, outline, width * 0.55, false);
}

// A round glossy badge with a white tick (right) or cross (wrong).
void DrawAnswerMark(QPainter& p, const QSize& size, bool right) {
    const QColor base = right ? kGrass : kCoral;
    const qreal d = std::min(size.width(), size.height()) - 3;
    const QRectF disc((size.width() - d) / 2, 1, d, d);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(disc.translated(0, 1.5));
    QRadialGradient g(disc.center() - QPointF(d * 0.2, d * 0.25), d * 0.8);
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(1, base.darker(110));
    p.setBrush(g);
    p.setPen(QPen(base.darker(170), 1.4));
    p.drawEllipse(disc);
    p.restore();
    const qreal u = d / 10;
    QPainterPath mark;
    if (right) {
        mark.moveTo(disc.left() + 2.8 * u, disc.top() + 5.2 * u);
        mark.lineTo(disc.left() + 4.4 * u, disc.top() + 7.0 * u);
        mark.lineTo(disc.left() + 7.4 * u, disc.top() + 3.0 * u);
    } else {
        mark.moveTo(disc.left() + 3.2 * u, disc.top() + 3.2 * u);
        mark.lineTo(disc.left() + 6.8 * u, disc.top() + 6.8 * u);
        mark.moveTo(disc.left() + 6.8 * u, disc.top() + 3.2 * u);
        mark.lineTo(disc.left() + 3.2 * u, disc.top() + 6.8 * u);
    }
    DrawStrokeMark(p, mark, 2.2 * u, base.darker(200));
}

// The right mark of a multiple-choice row: a green tick on its own.
void DrawRowTick(QPainter& p, const QSize& size) {
    QPainterPath tick;
    tick.moveTo(4, size.height() * 0.52);
    tick.lineTo(size.width() * 0.42, size.height() - 6);
    tick.lineTo(size.width() - 4, 5);
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    DrawOutlined(p, stroker.createStroke(tick), kGrass.lighter(115), kGrass.darker(230), 2.5, true);
}

// The hover band of a multiple-choice row: a light rounded band with a soft edge.
void DrawHoverBand(QPainter& p, const QSize& size) {
    const QRectF band(1.5, 3.5, size.width() - 3, size.height() - 7);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(0xF4, 0xF8, 0xFF));
    g.setColorAt(1, QColor(0xD6, 0xE6, 0xFA));
    const QPainterPath path = RoundedPath(band, band.height() / 2);
    p.fillPath(path, g);
    DrawHoverGlow(p, path, 2, 60);
    p.setPen(QPen(kSky, 1.6));
    p.drawPath(path);
    p.restore();
}

// "LA BONNE RÉPONSE :" on a ribbon in the upper part, clear of the answer lines below.
void DrawAnswerTitle(QPainter& p, const QSize& size, const QString& text) {
    DrawRibbon(p, QRectF(0, 2, size.width() - 12, 38), kTeal, text, 21, Icon::None);
}

void DrawBravo(QPainter& p, const QSize& size) {
    const QRectF box(16, 2, size.width() - 32, size.height() - 4);
    DrawCaption(p, QStringLiteral("BRAVO !"), box, 30, kSun, kInk, 5.5);
    DrawStar(p, QPointF(9, size.height() * 0.35), 7, kPink, -12);
    DrawStar(p, QPointF(size.width() - 9, size.height() * 0.62), 7, kGrass, 12);
}

// The square of an element in its box (the place of the tick boxes).
QRectF ElementSquare(const QSize& size) {
    return QRectF(4.5, size.height() - 38.5, 32, 32);
}

// A small sign of its own on each element, so that the pale colours are told apart:
// disc, triangle, square, diamond, star, cross, ring, triangle pointing down.
QPainterPath ElementSign(int k, const QPointF& c, qreal r) {
    QPainterPath path;
    auto polygon = [&](std::initializer_list<QPointF> points) {
        path.addPolygon(QPolygonF(QList<QPointF>(points)));
        path.closeSubpath();
    };
    switch (k) {
    case 1: path.addEllipse(c, r, r); break;
    case 2: polygon({c + QPointF(0, -r), c + QPointF(r, r * 0.8), c + QPointF(-r, r * 0.8)}); break;
    case 3: path.addRect(QRectF(c - QPointF(r * 0.85, r * 0.85), QSizeF(r * 1.7, r * 1.7))); break;
    case 4: polygon({c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)}); break;
    case 5: path = StarPath(c, r * 1.1, r * 0.5); break;
    case 6:
        path.addRect(QRectF(c.x() - r, c.y() - r * 0.3, 2 * r, r * 0.6));
        path.addRect(QRectF(c.x() - r * 0.3, c.y() - r, r * 0.6, 2 * r));
        path.setFillRule(Qt::WindingFill);
        break;
    case 7:
        path.addEllipse(c, r, r);
        path.addEllipse(c, r * 0.5, r * 0.5);
        break;
    default: polygon({c + QPointF(-r, -r * 0.8), c + QPointF(r, -r * 0.8), c + QPointF(0, r)}); break;
    }
    return path;
}

// A right element's own picture: a glossy square of its pair colour with its sign.
void DrawElement(QPainter& p, const QSize& size, int k, const QColor& colour) {
    const QRectF box = ElementSquare(size);
    const QPainterPath path = RoundedPath(box, 8);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path.translated(0, 2), QColor(0, 0, 0, 60));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lightness() < 40 ? QColor(0x55, 0x55, 0x5E) : colour.lighter(125));
    g.setColorAt(1, colour);
    p.fillPath(path, g);
    // A glint in the upper half.
    p.fillPath(RoundedPath(box.adjusted(4, 3, -4, -box.height() * 0.55), 5), QColor(255, 255, 255, 90));
    p.setPen(QPen(colour.lightness() < 60 ? QColor(0x20, 0x20, 0x24) : colour.darker(165), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const bool dark = colour.lightness() < 110;
    p.fillPath(ElementSign(k, box.center() + QPointF(0, 1.5), 6.5),
               dark ? QColor(255, 255, 255, 230) : QColor(kInk.red(), kInk.green(), kInk.blue(), 150));
    p.restore();
}

// An unpaired left element: an empty dashed square waiting for a colour.
void DrawEmptyElement(QPainter& p, const QSize& size) {
    const QRectF box = ElementSquare(size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 255, 255, 70));
    QPen pen(QColor(0xF4, 0xF6, 0xFA), 2, Qt::DashLine);
    pen.setDashPattern({3, 2.5});
    p.setPen(pen);
    p.drawPath(RoundedPath(box, 8));
    p.restore();
}

// The marker beside the selected element: a small star.
void DrawMarker(QPainter& p, const QSize& size) {
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kSun);
    p.drawPath(StarPath(centre, size.width() / 2.0 - 0.5, size.width() / 4.4));
    p.restore();
}

}  // namespace

void RegisterChoicePagesArt(Registry& r) {
    const QSize box(41, 46), mark(30, 30);
    r.Add("qcm_selected", box, kFrame, [](QPainter& p, const QSize& s) { DrawTickBox(p, s, true); });
    r.Add("qcm_unselected", box, kFrame, [](QPainter& p, const QSize& s) { DrawTickBox(p, s, false); });
    r.Add("qcm_shape_selection", QSize(686, 57), kFrame, DrawHoverBand);
    r.Add("qcm_juste", QSize(25, 30), kFrame, DrawRowTick);
    for (const char* name : {"qo_correct", "qcc_true"})
        r.Add(name, mark, kFrame, [](QPainter& p, const QSize& s) { DrawAnswerMark(p, s, true); });
    for (const char* name : {"qo_incorrect", "qcc_false"})
        r.Add(name, mark, kFrame, [](QPainter& p, const QSize& s) { DrawAnswerMark(p, s, false); });
    r.Add("Imq_title_answer_QO", QSize(281, 57), kFrame,
          [](QPainter& p, const QSize& s) { DrawAnswerTitle(p, s, QStringLiteral("LA BONNE RÉPONSE :")); });
    r.Add("Imq_title_answers_QO", QSize(281, 57), kFrame,
          [](QPainter& p, const QSize& s) { DrawAnswerTitle(p, s, QStringLiteral("LES BONNES RÉPONSES :")); });
    r.Add("Bravo_qo", QSize(137, 41), kFrame, DrawBravo);
    for (int k = 1; k <= 8; ++k) {
        const QColor colour = ToQColor(PairColour(k));
        r.Add("qcc_right_" + std::to_string(k), box, kFrame,
              [k, colour](QPainter& p, const QSize& s) { DrawElement(p, s, k, colour); });
    }
    r.Add("qcc_empty", box, kFrame, DrawEmptyElement);
    r.Add("right_select_image", QSize(20, 25), kFrame, DrawMarker);
    // The pair lines are drawn on a copy of it.
    r.Add("QCC_Association_empty", QSize(100, 423), kFrame, [](QPainter&, const QSize&) {});
}

}  // namespace art
