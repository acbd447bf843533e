// The pictures of the options screen: title banner, the heading of the inner panel,
// the two decorations either side of it and the defaults command.
#include <QLinearGradient>

#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

namespace {

const QColor kInner(0x8C, 0x96, 0xB0);   // the inner panel (TColor 11572876)

void DrawOptionsHeading(QPainter& p, const QSize& size) {
    const QRectF body(3, 2, size.width() - 6, size.height() - 8);
    DrawCard(p, body, body.height() / 2, kPaper, kSky.darker(115), 2.5);
    const qreal d = body.height() - 12;
    DrawIcon(p, Icon::Gear, QRectF(body.left() + 16, body.top() + 6, d, d), kSky.darker(125));
    DrawIcon(p, Icon::Gear, QRectF(body.right() - 16 - d, body.top() + 6, d, d), kOrange);
    DrawCaption(p, QStringLiteral("Choisis comment tu veux travailler et jouer"),
                body.adjusted(d + 32, 4, -d - 32, -4), 24, kInk, kInk, 0);
}

// A penguin beside a big gear, with a few sparkles.
void DrawGearPenguin(QPainter& p, const QSize& size) {
    const qreal w = size.width(), h = size.height();
    DrawIcon(p, Icon::Gear, QRectF(w * 0.42, h * 0.06, w * 0.56, w * 0.56), kSun);
    DrawIcon(p, Icon::Gear, QRectF(w * 0.12, h * 0.12, w * 0.3, w * 0.3), kSky.lighter(120));
    DrawPenguin(p, QRectF(w * 0.04, h * 0.34, w * 0.86, h * 0.62), true);
    DrawSparkle(p, QPointF(w * 0.9, h * 0.5), 8, kCream);
    DrawSparkle(p, QPointF(w * 0.1, h * 0.08), 6, kCream);
}

// A clipboard of three choices, two ticked, and a pencil.
void DrawChecklist(QPainter& p, const QSize& size) {
    const qreal w = size.width(), h = size.height();
    const QRectF board(w * 0.1, h * 0.1, w * 0.78, h * 0.78);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath back;
    back.addRoundedRect(board, 10, 10);
    p.fillPath(back.translated(0, 4), QColor(0, 0, 0, 60));
    QLinearGradient wood(board.topLeft(), board.bottomRight());
    wood.setColorAt(0, QColor(0xE0, 0xA4, 0x62));
    wood.setColorAt(1, QColor(0xB8, 0x74, 0x38));
    p.fillPath(back, wood);
    p.setPen(QPen(QColor(0x7A, 0x46, 0x1C), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(back);
    p.restore();
    const QRectF sheet = board.adjusted(10, 18, -10, -10);
    DrawCard(p, sheet, 4, Qt::white, QColor(0xD8, 0xD8, 0xD8), 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8A, 0x8F, 0x99), 1.5));
    p.setBrush(QColor(0xC9, 0xCE, 0xD6));
    p.drawRoundedRect(QRectF(board.center().x() - 24, board.top() - 8, 48, 20), 6, 6);
    p.restore();
    const QColor ticks[] = {kGrass, kGrass, kCoral};
    for (int i = 0; i < 3; ++i) {
        const qreal y = sheet.top() + 22 + i * (sheet.height() - 36) / 3;
        const QRectF box(sheet.left() + 10, y, 20, 20);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(box, 4, 4);
        p.setPen(QPen(QColor(0xB5, 0xBB, 0xC8), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(box.right() + 10, box.center().y()), QPointF(sheet.right() - 12, box.center().y()));
        p.restore();
        DrawIcon(p, i < 2 ? Icon::Check : Icon::Cross, box.adjusted(-2, -4, 4, 2), ticks[i]);
    }
    DrawIcon(p, Icon::Pencil, QRectF(w * 0.56, h * 0.68, w * 0.42, w * 0.42), kOrange);
    DrawStar(p, QPointF(w * 0.12, h * 0.9), 12, kSun, 10);
}

}  // namespace

void RegisterOptionsArt(Registry& r) {
    r.AddRibbon("options_titre", QSize(560, 76), kScreen, 0, kSky, QStringLiteral("OPTIONS"), 40, Icon::Gear);
    r.Add("options_entete", QSize(660, 50), kInner, DrawOptionsHeading);
    r.Add("options_deco_1", QSize(170, 230), kScreen, DrawGearPenguin);
    r.Add("options_deco_2", QSize(170, 230), kScreen, DrawChecklist);
    r.AddFace("options_v", "1", "2", QSize(200, 50), kScreen, kOrange, QStringLiteral("PAR DÉFAUT"),
              Icon::ArrowLeft, 22);
}

}  // namespace art
