// The pictures of the history screen: title banner, the notebook behind the report
// and the commands, and the two command faces.
#include <QLinearGradient>

#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

// The notebook page under the report (the memo covers 40..601 x 72..593) and, on the
// right, the card under the order choice and the two commands.
void DrawHistoryBackground(QPainter& p, const QSize& size) {
    const QRectF page(4, 4, 633, size.height() - 10);
    DrawCard(p, page, 18, kPaper, kGrape, 3);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Spiral rings along the top.
    for (qreal x = page.left() + 34; x < page.right() - 20; x += 38) {
        p.setPen(QPen(QColor(0x9A, 0xA0, 0xAE), 3));
        p.setBrush(kScreen);
        p.drawEllipse(QPointF(x, page.top() + 14), 6, 6);
        p.setPen(QPen(QColor(0x5E, 0x63, 0x70), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, page.top() + 14), QPointF(x, page.top() - 2));
    }
    // A frame around the report.
    p.setPen(QPen(kGrape.lighter(150), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(35, 67, 571, 531), 8, 8);
    p.restore();
    DrawIcon(p, Icon::Clock, QRectF(page.left() + 36, 32, 30, 30), kGrape);
    DrawCaption(p, QStringLiteral("Tous les exercices faits et les parties jouées"),
                QRectF(page.left() + 76, 30, page.width() - 112, 34), 24, kInk, kInk, 0,
                QStringLiteral("Arial"), Qt::AlignLeft | Qt::AlignVCenter);

    const QRectF side(652, 4, size.width() - 656, size.height() - 10);
    DrawCard(p, side, 18, kPaper, kGrape, 3);
    DrawCaption(p, QStringLiteral("Comment ranger ?"), QRectF(side.left() + 10, 28, side.width() - 20, 34), 22,
                kGrape.darker(130), kGrape.darker(130), 0);
    // The penguin keeps the time between the report command and OK.
    const QRectF clock(side.center().x() - 48, 262, 96, 96);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGrape.darker(130), 3));
    QLinearGradient face(clock.topLeft(), clock.bottomRight());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xEE, 0xE4, 0xFF));
    p.setBrush(face);
    p.drawEllipse(clock);
    p.restore();
    DrawIcon(p, Icon::Clock, clock.adjusted(10, 10, -10, -10), kGrape);
    DrawPenguin(p, QRectF(side.left() + 28, 370, side.width() - 56, 150), true);
    DrawStar(p, QPointF(side.left() + 30, 290), 11, kSun, 8);
    DrawStar(p, QPointF(side.right() - 28, 330), 9, kPink, -12);
    DrawSparkle(p, QPointF(side.right() - 40, 270), 7, kSun);
}

}  // namespace

void RegisterHistoryArt(Registry& r) {
    r.AddRibbon("histo_titre", QSize(560, 76), kScreen, 0, kGrape, QStringLiteral("HISTORIQUE"), 40, Icon::Clock);
    r.Add("histo_cahier", QSize(916, 617), kScreen, DrawHistoryBackground);
    r.AddFace("histo_v", "1", "2", QSize(160, 50), kPaper, kTeal, QStringLiteral("AFFICHER"), Icon::List, 22);
    r.AddFace("histo_o", "1", "2", QSize(160, 50), kPaper, kGrass, QStringLiteral("OK"), Icon::Check, 26);
}

}  // namespace art
