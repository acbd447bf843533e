// The pictures of the word bank and of the words to pick out: the bank's tray, its
// slots and their hovered twin, the hatched cover of a word in use, and what the
// colours of a corrected text of words to pick out mean.
#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

// The slots' colours as the bank gives them (TColor 0xF0CAA6, hovered 0xEAB380).
const QColor kSlot(0xA6, 0xCA, 0xF0);
const QColor kSlotHover(0x80, 0xB3, 0xEA);
const QColor kSlotEdge(0xC0, 0xC0, 0xC0);

// A paper tray with a soft shadow; the book at its right end says what it holds.
void DrawBankTray(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tray(1.5, 1.5, size.width() - 4, size.height() - 5);
    const QPainterPath path = RoundedPath(tray, 12);
    p.fillPath(path.translated(1, 2), QColor(0, 0, 0, 45));
    p.fillPath(path, kPaper);
    // A light band across the top, the paper's sheen.
    p.fillPath(RoundedPath(QRectF(tray.left() + 6, tray.top() + 3, tray.width() - 12, 8), 4), QColor(255, 255, 255, 150));
    p.setPen(QPen(Mix(kPaper, kBorder, 0.55), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const qreal d = 40;
    const QRectF bubble(size.width() - 54, (size.height() - d) / 2 - 1, d, d);
    p.setPen(QPen(kTeal.darker(140), 1.4));
    p.setBrush(kTeal);
    p.drawEllipse(bubble);
    DrawIcon(p, Icon::Book, bubble.adjusted(8, 8, -8, -8), Qt::white);
    p.restore();
}

// A glossy slot of the bank: its colour from top to bottom, a glint, a silver edge.
void DrawSlot(QPainter& p, const QSize& size, bool hover) {
    const QColor base = hover ? kSlotHover : kSlot;
    const QRectF box(0.75, 0.75, size.width() - 1.5, size.height() - 2.5);
    const QPainterPath path = RoundedPath(box, 6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path.translated(0, 1), QColor(0, 0, 0, 35));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(1, base);
    p.fillPath(path, g);
    p.fillPath(RoundedPath(box.adjusted(4, 2, -4, -box.height() * 0.55), 4), QColor(255, 255, 255, 80));
    p.setPen(QPen(hover ? base.darker(150) : kSlotEdge, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

// The cover of a word in use: thin dark lines slanting down to the right over the
// slot, drawn without smoothing so that the word shows whole between them.
void DrawCover(QPainter& p, const QSize& size) {
    const QRectF box(0.75, 0.75, size.width() - 1.5, size.height() - 2.5);
    const QPainterPath path = RoundedPath(box, 6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipPath(path);
    p.setPen(QPen(Mix(kSlot, kInk, 0.55), 1));
    for (int x = -size.height(); x < size.width(); x += 5)
        p.drawLine(QPoint(x, 0), QPoint(x + size.height(), size.height()));
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Mix(kSlot, kInk, 0.45), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

}  // namespace

void RegisterWordBankArt(Registry& r) {
    r.Add("banque_fond", QSize(769, 81), kFrame, DrawBankTray);
    r.AddTwins("banque_case_", "1", "2", QSize(170, 25), kPaper, DrawSlot);
    // Drawn on the slot's own colour, which the cover leaves see-through.
    r.Add("banque_cache", QSize(169, 25), kSlot, DrawCover);
    r.Add("info_mots_choisis", QSize(600, 40), kFrame, [](QPainter& p, const QSize& s) {
        DrawColourKey(p, s, {{QColor(0x00, 0x80, 0x00), QStringLiteral("En vert"), QStringLiteral(" : bien trouvés")},
                             {QColor(0xFF, 0x00, 0x00), QStringLiteral("En rouge"), QStringLiteral(" : erreurs")},
                             {QColor(0x80, 0x00, 0x80), QStringLiteral("En violet"), QStringLiteral(" : oubliés"), true}});
    });
}

}  // namespace art
