// Letter pictures: bold capitals with a dark outline on the screen colour, and the
// sheet of capital letter blocks that the learner's name is cut from.
#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QLinearGradient>

#include "ui/ArtParts.h"

namespace art {

const std::vector<SmallGlyph>& SmallGlyphs() {
    static const std::vector<SmallGlyph> glyphs = {
        {"alpha_a", 'a', 34, 30}, {"alpha_b", 'b', 29, 30}, {"alpha_c", 'c', 31, 32},
        {"alpha_d", 'd', 31, 30}, {"alpha_e", 'e', 30, 33}, {"alpha_f", 'f', 29, 31},
        {"alpha_g", 'g', 33, 31}, {"alpha_h", 'h', 32, 30}, {"alpha_i", 'i', 17, 30},
        {"alpha_j", 'j', 26, 31}, {"alpha_k", 'k', 30, 30}, {"alpha_l", 'l', 28, 32},
        {"alpha_m", 'm', 40, 30}, {"alpha_n", 'n', 31, 30}, {"alpha_o", 'o', 33, 31},
        {"alpha_p", 'p', 29, 30}, {"alpha_q", 'q', 33, 35}, {"alpha_r", 'r', 32, 30},
        {"alpha_s", 's', 31, 33}, {"alpha_t", 't', 32, 31}, {"alpha_u", 'u', 28, 31},
        {"alpha_v", 'v', 34, 30}, {"alpha_w", 'w', 40, 30}, {"alpha_x", 'x', 32, 30},
        {"alpha_y", 'y', 33, 30}, {"alpha_z", 'z', 31, 32},
        {"alpha_0", '0', 24, 30}, {"alpha_1", '1', 18, 29}, {"alpha_2", '2', 25, 29},
        {"alpha_3", '3', 24, 30}, {"alpha_4", '4', 25, 29}, {"alpha_5", '5', 25, 31},
        {"alpha_6", '6', 24, 30}, {"alpha_7", '7', 26, 30}, {"alpha_8", '8', 24, 30},
        {"alpha_9", '9', 26, 32},
        {"alpha_pe", '!', 11, 30}, {"alpha_pi", '?', 19, 30}, {"alpha_pp", ':', 10, 21},
        {"alpha_op", '+', 32, 40}, {"alpha_mm", '-', 32, 40}, {"alpha_of", '*', 32, 40},
        {"alpha_od", '/', 32, 40}, {"alpha_opo", '(', 32, 40}, {"alpha_opf", ')', 32, 40},
    };
    return glyphs;
}

const std::vector<SheetGlyph>& SheetGlyphs() {
    static const std::vector<SheetGlyph> glyphs = {
        {'A', 0, 4, 41, 62},      {'B', 41, 4, 84, 62},     {'C', 84, 4, 125, 62},
        {'D', 125, 4, 167, 62},   {'E', 167, 4, 209, 62},   {'F', 209, 4, 250, 62},
        {'G', 250, 4, 293, 62},   {'H', 293, 4, 336, 62},   {'I', 336, 4, 368, 62},
        {'J', 368, 4, 410, 62},   {'K', 410, 4, 452, 62},   {'L', 452, 4, 491, 62},
        {'M', 1, 76, 64, 135},    {'N', 64, 76, 107, 135},  {'O', 107, 76, 148, 135},
        {'P', 148, 76, 190, 135}, {'Q', 190, 76, 234, 140}, {'R', 234, 76, 276, 135},
        {'S', 276, 76, 318, 135}, {'T', 318, 76, 359, 135}, {'U', 359, 76, 402, 135},
        {'V', 402, 76, 443, 135}, {'W', 443, 76, 497, 135}, {'X', 0, 149, 44, 207},
        {'Y', 44, 149, 90, 207},  {'Z', 90, 149, 134, 207}, {'0', 134, 149, 177, 207},
        {'1', 177, 149, 216, 207}, {'2', 216, 149, 259, 207}, {'3', 259, 149, 302, 207},
        {'4', 302, 149, 347, 207}, {'5', 347, 149, 390, 207}, {'6', 390, 149, 434, 207},
        {'7', 434, 149, 474, 207}, {'8', 0, 220, 43, 278},   {'9', 43, 220, 85, 278},
        {'+', 85, 220, 126, 278}, {'-', 126, 220, 167, 278}, {'_', 167, 220, 210, 278},
        {'&', 210, 220, 258, 278},
    };
    return glyphs;
}

namespace {

const QColor kGlyphInk(0x1B, 0x22, 0x3C);

QColor TileColor(int index) {
    static const QColor colors[] = {kCoral, kOrange, QColor(0xF0, 0xAE, 0x12), kGrass,
                                    kSky,   kGrape,  kPink};
    return colors[index % 7];
}

// A bar with round ends, as a path.
QPainterPath Bar(const QPointF& centre, qreal length, qreal thickness, qreal angleDeg = 0) {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-length / 2, -thickness / 2, length, thickness), thickness / 2,
                       thickness / 2);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angleDeg);
    return t.map(bar);
}

QPainterPath Dot(const QPointF& c, qreal r) {
    QPainterPath d;
    d.addEllipse(c, r, r);
    return d;
}

// The shapes of the arithmetic signs, centred on c, about `span` wide.
QPainterPath OperatorPath(char ch, const QPointF& c, qreal span, qreal thickness) {
    switch (ch) {
    case '+': return Bar(c, span, thickness).united(Bar(c, span, thickness, 90));
    case '-': return Bar(c, span, thickness);
    case '*': return Bar(c, span * 0.92, thickness, 45).united(Bar(c, span * 0.92, thickness, -45));
    case '/':
        return Bar(c, span, thickness * 0.9)
            .united(Dot(QPointF(c.x(), c.y() - span * 0.36), thickness * 0.5))
            .united(Dot(QPointF(c.x(), c.y() + span * 0.36), thickness * 0.5));
    default: return {};
    }
}

// A font character's outline scaled to the given height, centred on c.
QPainterPath ScaledChar(QChar ch, const QPointF& c, qreal height) {
    QPainterPath path = TextPath(QString(ch), Font(QStringLiteral("Arial"), 100));
    const QRectF b = path.boundingRect();
    const qreal s = height / b.height();
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

}  // namespace

void DrawSmallGlyph(QPainter& p, const QSize& size, char ch) {
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath path;
    QColor top, bottom;
    if (ch == '+' || ch == '-' || ch == '*' || ch == '/') {
        path = OperatorPath(ch, QPointF(w / 2, h / 2), 24, 7);
        top = QColor(0xC4, 0xF5, 0xB4);
        bottom = QColor(0x5C, 0xC8, 0x50);
    } else if (ch == '(' || ch == ')') {
        path = ScaledChar(QChar(ch), QPointF(w / 2, h / 2), 30);
        top = QColor(0xC4, 0xF5, 0xB4);
        bottom = QColor(0x5C, 0xC8, 0x50);
    } else if (ch == ':') {
        path = Dot(QPointF(w / 2, 5.5), 3.4).united(Dot(QPointF(w / 2, h - 5.5), 3.4));
        top = QColor(0xFF, 0xF0, 0x9A);
        bottom = QColor(0xFF, 0xB3, 0x2E);
    } else {
        // Letters and digits share one cap height and one baseline once placed on the
        // 40-pixel strip, whatever the height of their own picture.
        const QFont font = Font(QStringLiteral("Arial"), 100);
        const QChar c = QChar(ch).toUpper();
        QPainterPath raw = TextPath(QString(c), font);
        const QRectF b = raw.boundingRect();
        const qreal cap = 25;
        const qreal s = cap / QFontMetricsF(font).capHeight();
        const qreal capTop = 7 - std::floor((40 - h) / 2);
        const qreal sx = std::min<qreal>(s * 1.3, (w - 5.5) / b.width());
        QTransform t;
        t.translate(w / 2, capTop + cap);
        t.scale(sx, s);
        t.translate(-b.center().x(), 0);
        path = t.map(raw);
        // A tail reaching below the picture (the Q) is shortened to fit.
        const qreal baseline = capTop + cap, room = h - 2.5 - baseline;
        const qreal depth = path.boundingRect().bottom() - baseline;
        if (depth > room && depth > 0) {
            for (int i = 0; i < path.elementCount(); ++i) {
                const QPainterPath::Element e = path.elementAt(i);
                if (e.y > baseline) path.setElementPositionAt(i, e.x, baseline + (e.y - baseline) * room / depth);
            }
        }
        if (ch >= '0' && ch <= '9') {
            top = QColor(0xFF, 0xFF, 0xFF);
            bottom = QColor(0xBF, 0xE6, 0xFF);
        } else {
            top = QColor(0xFF, 0xF0, 0x9A);
            bottom = QColor(0xFF, 0xB3, 0x2E);
        }
    }
    const QRectF b = path.boundingRect();
    QLinearGradient g(QPointF(0, b.top()), QPointF(0, b.bottom()));
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    DrawOutlined(p, path, g, kGlyphInk, 3, false);
}

void DrawGlyphSheet(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font = Font(QStringLiteral("Arial"), 44);
    const qreal cap = QFontMetricsF(font).capHeight();
    const auto& glyphs = SheetGlyphs();
    // A part of the sheet drawn alone (the blocks of a learner's name) draws its blocks only.
    const QRect shown = p.hasClipping() ? p.clipBoundingRect().toAlignedRect() : QRect();
    for (int i = 0; i < static_cast<int>(glyphs.size()); ++i) {
        const SheetGlyph& g = glyphs[i];
        const QRectF cell(g.left, g.top, g.right - g.left, g.bottom - g.top);
        if (!shown.isNull() && !shown.intersects(cell.toAlignedRect())) continue;
        // The block stands on the row's height; only the tail of the Q hangs below it.
        const qreal blockHeight = g.ch == 'Q' ? 59 : cell.height();
        const QRectF block(cell.left(), cell.top(), cell.width(), blockHeight);
        const QColor color = TileColor(i);
        p.save();
        p.setClipRect(cell);
        QPainterPath side, face;
        side.addRoundedRect(block.adjusted(0.5, 3, -0.5, -0.5), 9, 9);
        face.addRoundedRect(block.adjusted(0.5, 0.5, -0.5, -3.5), 9, 9);
        p.fillPath(side, color.darker(150));
        QLinearGradient fg(block.topLeft(), block.bottomLeft());
        fg.setColorAt(0, color.lighter(135));
        fg.setColorAt(0.6, color);
        fg.setColorAt(1, color.darker(112));
        p.fillPath(face, fg);
        QPainterPath gloss;
        gloss.addRoundedRect(QRectF(block.left() + 5, block.top() + 3, block.width() - 10, 12), 6, 6);
        QLinearGradient gg(gloss.boundingRect().topLeft(), gloss.boundingRect().bottomLeft());
        gg.setColorAt(0, QColor(255, 255, 255, 110));
        gg.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(gloss, gg);
        p.setPen(QPen(color.darker(170), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(face);

        // The character, white with a dark outline, centred on the block's face.
        const QPointF centre(block.center().x(), block.top() + (blockHeight - 3.5) / 2);
        QPainterPath path;
        if (g.ch == '+' || g.ch == '-') {
            path = OperatorPath(g.ch, centre, std::min<qreal>(cell.width() - 14, 28), 8);
        } else if (g.ch == '_') {
            path = Bar(QPointF(centre.x(), block.bottom() - 15), std::min<qreal>(cell.width() - 14, 28), 7);
        } else {
            QPainterPath raw = TextPath(QString(QChar(g.ch)), font);
            const QRectF b = raw.boundingRect();
            const qreal sx = std::min<qreal>(1.0, (cell.width() - 10) / b.width());
            QTransform t;
            t.translate(centre.x(), centre.y() + cap / 2);
            t.scale(sx, 1);
            t.translate(-b.center().x(), 0);
            path = t.map(raw);
            if (g.ch == 'Q') {
                // A longer tail, hanging below the block.
                const QRectF qb = path.boundingRect();
                QPainterPath tail;
                tail.moveTo(qb.right() - 9, qb.bottom() - 9);
                tail.quadTo(QPointF(qb.right() - 4, cell.bottom() - 8), QPointF(std::min(qb.right() + 1, cell.right() - 7), cell.bottom() - 5.5));
                QPainterPathStroker stroker;
                stroker.setWidth(7);
                stroker.setCapStyle(Qt::RoundCap);
                path = path.united(stroker.createStroke(tail)).simplified();
            }
        }
        QLinearGradient lg(QPointF(0, centre.y() - cap / 2), QPointF(0, centre.y() + cap / 2));
        lg.setColorAt(0, Qt::white);
        lg.setColorAt(1, QColor(0xFF, 0xF3, 0xD0));
        DrawOutlined(p, path, lg, kGlyphInk, 4.5, true);
        p.restore();
    }
}

}  // namespace art
