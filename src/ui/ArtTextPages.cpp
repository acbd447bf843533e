// The pictures of the text pages: the sheet the words lie on, and what the colours of
// a corrected text mean.
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

// "En vert : tes bonnes réponses  En rouge : la correction", each after a chip of its colour.
void DrawWordColours(QPainter& p, const QSize& size) {
    const QRectF body = DrawNoteCard(p, size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font = Font(QStringLiteral("Arial Narrow"), 19);
    const QFontMetricsF fm(font);
    const struct { QColor colour; QString lead, rest; } parts[] = {
        {QColor(0x00, 0x80, 0x00), QStringLiteral("En vert"), QStringLiteral(" : tes bonnes réponses")},
        {QColor(0xFF, 0x00, 0x00), QStringLiteral("En rouge"), QStringLiteral(" : la correction")},
    };
    const qreal chip = body.height() - 16, gap = 28;
    qreal width = -gap;
    for (const auto& part : parts) width += chip + 8 + fm.horizontalAdvance(part.lead + part.rest) + gap;
    qreal x = body.center().x() - width / 2;
    const qreal baseline = body.center().y() + fm.capHeight() / 2;
    for (const auto& part : parts) {
        const QRectF box(x, body.center().y() - chip / 2, chip, chip);
        p.setPen(QPen(part.colour.darker(140), 1.2));
        p.setBrush(part.colour);
        p.drawRoundedRect(box, 4, 4);
        x += chip + 8;
        DrawOutlined(p, TextPath(part.lead, font).translated(x, baseline), part.colour, part.colour, 0, false);
        x += fm.horizontalAdvance(part.lead);
        DrawOutlined(p, TextPath(part.rest, font).translated(x, baseline), kInk, kInk, 0, false);
        x += fm.horizontalAdvance(part.rest) + gap;
    }
    p.restore();
}

}  // namespace

void RegisterTextPagesArt(Registry& r) {
    r.Add("fond_texte", QSize(793, 295), kFrame, DrawTextSheet);
    r.Add("info_mots", QSize(520, 40), kFrame, DrawWordColours);
}

}  // namespace art
