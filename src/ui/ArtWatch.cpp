// The pictures around the exercise: the frame of the figure and the toggle that hides
// and shows it, the clock's background in the command column, the two watch faces
// (without hands: the player draws them each second) and the three face choices.
#include <cmath>

#include <QLinearGradient>
#include <QRadialGradient>

#include "ui/ArtRegistry.h"

namespace art {

namespace {

// What tells the two faces apart: the bezel, the dial and the figures.
struct WatchStyle {
    QColor bezel, dial, dialEdge, figures, ticks;
    bool allFigures;   // twelve figures, or only 12, 3, 6 and 9 with dots between
};

const WatchStyle& FaceStyle(int face) {
    static const WatchStyle classic{kSky, QColor(0xFF, 0xFD, 0xF5), QColor(0xE8, 0xEE, 0xF6), kInk, kInk, true};
    static const WatchStyle sunny{kCoral, QColor(0xFF, 0xF0, 0xB8), QColor(0xFF, 0xD8, 0x6A),
                                  QColor(0xC8, 0x3A, 0x3A), kOrange.darker(130), false};
    return face == 1 ? classic : sunny;
}

QPointF OnDial(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal r = degrees * M_PI / 180;
    return centre + QPointF(std::sin(r) * radius, -std::cos(r) * radius);
}

// A glossy bezel round a light dial.
void DrawDial(QPainter& p, const QPointF& c, qreal outer, qreal inner, const WatchStyle& s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(c + QPointF(0, 1.5), outer, outer);
    QLinearGradient ring(c.x(), c.y() - outer, c.x(), c.y() + outer);
    ring.setColorAt(0, s.bezel.lighter(145));
    ring.setColorAt(0.5, s.bezel);
    ring.setColorAt(1, s.bezel.darker(130));
    p.setPen(QPen(s.bezel.darker(170), outer > 20 ? 1.6 : 1));
    p.setBrush(ring);
    p.drawEllipse(c, outer, outer);
    QRadialGradient dial(c - QPointF(inner * 0.3, inner * 0.35), inner * 1.3);
    dial.setColorAt(0, s.dial);
    dial.setColorAt(1, s.dialEdge);
    p.setPen(QPen(s.bezel.darker(150), outer > 20 ? 1.2 : 0.8));
    p.setBrush(dial);
    p.drawEllipse(c, inner, inner);
}

// A watch face without hands, its centre at (50, 50) where the hands start.
void DrawWatchFace(QPainter& p, const QSize& size, int face) {
    const WatchStyle& s = FaceStyle(face);
    const QPointF c(50, 50);
    p.save();
    DrawDial(p, c, 49, 43, s);
    // Minute marks, longer at the hours.
    for (int m = 0; m < 60; ++m) {
        const bool hour = m % 5 == 0;
        if (!s.allFigures && !hour) continue;
        p.setPen(QPen(s.ticks, hour ? 2 : 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(OnDial(c, hour ? 36.5 : 39, m * 6), OnDial(c, 41, m * 6));
    }
    // The figures stand inside the marks; the hands run over them as on any watch.
    const QFont small = Font(QStringLiteral("Arial"), 11.5), big = Font(QStringLiteral("Arial"), 17);
    for (int h = 1; h <= 12; ++h) {
        const bool quarter = h % 3 == 0;
        if (!s.allFigures && !quarter) {
            p.setPen(Qt::NoPen);
            p.setBrush(s.figures);
            p.drawEllipse(OnDial(c, 30, h * 30), 2.2, 2.2);
            continue;
        }
        const QFont& f = s.allFigures ? small : big;
        const qreal radius = s.allFigures ? 29 : 27;
        const QPointF at = OnDial(c, radius, h * 30);
        const QPainterPath figure = FittedText(QString::number(h), f, QRectF(at.x() - 12, at.y() - 9, 24, 18));
        p.fillPath(figure, s.figures);
    }
    // The hub the hands turn on.
    p.setPen(Qt::NoPen);
    p.setBrush(s.bezel.darker(140));
    p.drawEllipse(c, 3.5, 3.5);
    p.restore();
    Q_UNUSED(size);
}

// The small choice of a face: the face in miniature, its hands at ten past ten.
void DrawFaceChoice(QPainter& p, const QSize& size, int face) {
    const WatchStyle& s = FaceStyle(face);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    p.save();
    DrawDial(p, c, 9.5, 7, s);
    p.setPen(QPen(s.figures, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, OnDial(c, 4, 300));
    p.drawLine(c, OnDial(c, 6, 60));
    p.restore();
}

// The choice that hides the watch: a small red disc with a white cross.
void DrawHideChoice(QPainter& p, const QSize& size) {
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(c + QPointF(0, 1.2), 9, 9);
    QLinearGradient g(c.x(), c.y() - 9, c.x(), c.y() + 9);
    g.setColorAt(0, kCoral.lighter(130));
    g.setColorAt(1, kCoral.darker(115));
    p.setPen(QPen(kCoral.darker(170), 1));
    p.setBrush(g);
    p.drawEllipse(c, 9, 9);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3.6, -3.6), c + QPointF(3.6, 3.6));
    p.drawLine(c + QPointF(-3.6, 3.6), c + QPointF(3.6, -3.6));
    p.restore();
}

// A face of the figure toggle: a glossy pill with an eye, crossed out on the face that
// hides the figure, and its caption.
void DrawFigureToggle(QPainter& p, const QSize& size, const QColor& base, const QString& caption,
                      bool hides, bool hover) {
    const QRectF body(3, 1.5, size.width() - 6, size.height() - 4.5);
    DrawBody(p, body, body.height() / 2, base, hover);
    const QPointF eye(body.left() + 17, body.center().y());
    p.save();
    QPainterPath lids;
    lids.moveTo(eye + QPointF(-10, 0));
    lids.quadTo(eye + QPointF(0, -10), eye + QPointF(10, 0));
    lids.quadTo(eye + QPointF(0, 10), eye + QPointF(-10, 0));
    p.setPen(QPen(base.darker(220), 1));
    p.setBrush(Qt::white);
    p.drawPath(lids);
    p.setPen(Qt::NoPen);
    p.setBrush(base.darker(180));
    p.drawEllipse(eye, 3.6, 3.6);
    if (hides) {
        p.setPen(QPen(base.darker(250), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eye + QPointF(-8, 7), eye + QPointF(8, -7));
        p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eye + QPointF(-8, 7), eye + QPointF(8, -7));
    }
    p.restore();
    DrawCaption(p, caption, QRectF(eye.x() + 14, body.top() + 2, body.right() - eye.x() - 24, body.height() - 4), 14,
                Qt::white, base.darker(260), 3.5);
}

// The frame of a figure: a light mat round the 300 by 300 picture placed at (6, 7),
// with a shadow to the lower right.
void DrawFigureFrame(QPainter& p, const QSize& size) {
    const QRectF picture(6, 7, 300, 300);
    const QRectF mat = picture.adjusted(-5, -5, 5, 5);
    p.save();
    for (int i = 4; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRoundedRect(mat.translated(i + 1, i + 2), 8, 8);
    }
    QLinearGradient g(mat.topLeft(), mat.bottomRight());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xEE, 0xE6, 0xD2));
    p.setPen(QPen(kInk.lighter(180), 1.4));
    p.setBrush(g);
    p.drawRoundedRect(mat, 8, 8);
    p.setPen(QPen(QColor(0xD8, 0xCC, 0xB0), 1));
    p.setBrush(kPaper);
    p.drawRect(picture.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
    Q_UNUSED(size);
}

// The clock in the command column: a light screen for the date and the time, an
// alarm clock above it, and a darker band under the exercise counter.
void DrawClockBackground(QPainter& p, const QSize& size) {
    p.save();
    // Alarm clock: two bells, a round body, two hands.
    const QPointF c(22, 21);
    p.setPen(QPen(kCoral.darker(170), 1.2));
    p.setBrush(kCoral);
    for (int side : {-1, 1}) p.drawEllipse(c + QPointF(side * 10, -11), 5.5, 5.5);
    p.drawEllipse(c, 14, 14);
    p.setBrush(kCream);
    p.drawEllipse(c, 10.5, 10.5);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -7));
    p.drawLine(c, c + QPointF(5, 2));
    DrawCaption(p, QStringLiteral("AUJOURD'HUI"), QRectF(42, 10, 114, 22), 16, Qt::white, kInk, 3.5,
                QStringLiteral("Arial"), Qt::AlignLeft | Qt::AlignVCenter);
    // The screen behind DateLabel and TimeLabel.
    const QRectF screen(2, 40, 122, 47);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRoundedRect(screen.translated(0, 2), 9, 9);
    QLinearGradient g(screen.topLeft(), screen.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xFD, 0xF4));
    g.setColorAt(1, QColor(0xF1, 0xE8, 0xCF));
    p.setPen(QPen(kSky.darker(150), 2));
    p.setBrush(g);
    p.drawRoundedRect(screen, 9, 9);
    // The band under the counter and "AFFICHER MA NOTE".
    const QRectF band(3, 90, size.width() - 6, size.height() - 93);
    p.setPen(QPen(kPlayer.lighter(125), 1));
    p.setBrush(kPlayer.darker(125));
    p.drawRoundedRect(band, 9, 9);
    p.restore();
}

}  // namespace

void RegisterWatchArt(Registry& r) {
    r.Add("figure_frame", QSize(320, 320), kFrame, DrawFigureFrame);
    // The toggle under the figure: "masquer" while it is shown, "afficher" while hidden.
    const QSize toggle(201, 25);
    r.AddTwins("mf", "1", "2", toggle, kFrame, [](QPainter& p, const QSize& s, bool hover) {
        DrawFigureToggle(p, s, kGrape, QStringLiteral("MASQUER LA FIGURE"), true, hover);
    });
    r.AddTwins("af", "1", "2", toggle, kFrame, [](QPainter& p, const QSize& s, bool hover) {
        DrawFigureToggle(p, s, kTeal, QStringLiteral("AFFICHER LA FIGURE"), false, hover);
    });
    r.Add("clock_background", QSize(161, 153), kPlayer, DrawClockBackground);
    for (int face : {1, 2}) {
        r.Add("watch_empty_" + std::to_string(face), QSize(100, 100), kFrame,
              [face](QPainter& p, const QSize& s) { DrawWatchFace(p, s, face); });
        r.Add("watch_choice_" + std::to_string(face), QSize(20, 20), kFrame,
              [face](QPainter& p, const QSize& s) { DrawFaceChoice(p, s, face); });
    }
    r.Add("watch_choice_hide", QSize(20, 20), kFrame, DrawHideChoice);
}

}  // namespace art
