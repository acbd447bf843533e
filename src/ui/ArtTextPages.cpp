// The pictures of the text pages: the sheet the words lie on, and what the colours of
// a corrected text mean.
#include <QFontMetricsF>

#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

// A sheet of paper with a soft shadow and a margin line; words start at Left 16.
void DrawTextSheet(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(2, 1, size.width() - 5, size.height() - 5);
    QPainterPath path;
    path.addRoundedRect(sheet, 10, 10);
    p.fillPath(path.translated(1.5, 2.5), QColor(0, 0, 0, 40));
    QLinearGradient g(sheet.topLeft(), sheet.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xFD, 0xF4));
    g.setColorAt(1, kPaper);
    p.fillPath(path, g);
    p.setPen(QPen(QColor(0xF2, 0x9A, 0x9A, 150), 1.2));
    p.drawLine(QPointF(9, sheet.top() + 6), QPointF(9, sheet.bottom() - 6));
    p.setPen(QPen(Mix(kPaper, kInk, 0.25), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

}  // namespace

void DrawColourKey(QPainter& p, const QSize& size, const std::vector<ColourKey>& keys) {
    const QRectF body = DrawNoteCard(p, size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal chip = body.height() - 16, gap = 28;
    // The font shrinks until every entry fits on the card.
    QFont font = Font(QStringLiteral("Arial Narrow"), 19);
    auto widthIn = [&](const QFont& f) {
        const QFontMetricsF fm(f);
        qreal width = -gap;
        for (const ColourKey& key : keys) width += chip + 8 + fm.horizontalAdvance(key.lead + key.rest) + gap;
        return width;
    };
    for (qreal px = 19; px > 10 && widthIn(font) > body.width() - body.height(); --px)
        font = Font(QStringLiteral("Arial Narrow"), px - 1);
    const QFontMetricsF fm(font);
    qreal x = body.center().x() - widthIn(font) / 2;
    const qreal baseline = body.center().y() + fm.capHeight() / 2;
    for (const ColourKey& key : keys) {
        const QRectF box(x, body.center().y() - chip / 2, chip, chip);
        p.setPen(QPen(key.colour.darker(140), 1.2));
        p.setBrush(key.colour);
        p.drawRoundedRect(box, 4, 4);
        x += chip + 8;
        DrawOutlined(p, TextPath(key.lead, font).translated(x, baseline), key.colour, key.colour, 0, false);
        if (key.underlined) {
            p.setPen(QPen(key.colour, 1.6));
            p.drawLine(QPointF(x, baseline + 3), QPointF(x + fm.horizontalAdvance(key.lead), baseline + 3));
        }
        x += fm.horizontalAdvance(key.lead);
        DrawOutlined(p, TextPath(key.rest, font).translated(x, baseline), kInk, kInk, 0, false);
        x += fm.horizontalAdvance(key.rest) + gap;
    }
    p.restore();
}

void RegisterTextPagesArt(Registry& r) {
    r.Add("fond_texte", QSize(793, 295), kFrame, DrawTextSheet);
    // "En vert : tes bonnes réponses  En rouge : la correction".
    r.Add("info_mots", QSize(520, 40), kFrame, [](QPainter& p, const QSize& s) {
        DrawColourKey(p, s, {{QColor(0x00, 0x80, 0x00), QStringLiteral("En vert"), QStringLiteral(" : tes bonnes réponses")},
                             {QColor(0xFF, 0x00, 0x00), QStringLiteral("En rouge"), QStringLiteral(" : la correction")}});
    });
}

}  // namespace art
