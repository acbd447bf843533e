// The keys of the input box: thirteen keypad keys and three commands, each with its
// hovered twin, on the box's light blue.
#include <string>

#include "ui/ArtRegistry.h"

namespace art {

namespace {

const QColor kBox(0x88, 0xB6, 0xE8);   // TColor 0xE8B688

// A square glossy key with its character in the middle (a comma stays a comma).
void DrawKey(QPainter& p, const QSize& size, const QColor& base, const QString& text, bool hover) {
    const QRectF body(3, 2, size.width() - 6, size.height() - 7);
    DrawBody(p, body, 9, base, hover);
    const QPainterPath glyph = TextPath(text, Font(QStringLiteral("Arial"), 26));
    const QPointF shift = body.center() - glyph.boundingRect().center();
    DrawOutlined(p, glyph.translated(shift), Qt::white, base.darker(260), 4);
}

// A command of the text row: a rounded key with its caption.
void DrawCommandKey(QPainter& p, const QSize& size, const QColor& base, const QString& caption, bool hover) {
    const QRectF body(3, 2, size.width() - 6, size.height() - 6);
    DrawBody(p, body, 9, base, hover);
    DrawCaption(p, caption, body.adjusted(6, 2, -6, -2), 17, Qt::white, base.darker(260), 3.5);
}

}  // namespace

void RegisterInputBoxArt(Registry& r) {
    const QSize key(46, 46), command(88, 30);
    const char* const digits[] = {"zero", "un", "deux", "trois", "quatre",
                                  "cinq", "six", "sept", "huit", "neuf"};
    for (int d = 0; d <= 9; ++d) {
        const QString text = QString::number(d);
        r.AddTwins(std::string("saisie_") + digits[d], "_1", "_2", key, kBox,
                   [text](QPainter& p, const QSize& s, bool h) { DrawKey(p, s, kSky, text, h); });
    }
    const struct { const char* name; const char* text; } signs[] = {{"vr", ","}, {"plus", "+"}, {"moins", "-"}};
    for (const auto& sign : signs) {
        const QString text = QString::fromLatin1(sign.text);
        r.AddTwins(std::string("saisie_") + sign.name, "_1", "_2", key, kBox,
                   [text](QPainter& p, const QSize& s, bool h) { DrawKey(p, s, kGrape, text, h); });
    }
    const struct { const char* name; QColor base; const char* caption; } commands[] = {
        {"effacer", kOrange, "EFFACER"}, {"annuler", kCoral, "ANNULER"}, {"valider", kGrass, "VALIDER"}};
    for (const auto& c : commands) {
        const QColor base = c.base;
        const QString caption = QString::fromLatin1(c.caption);
        r.AddTwins(std::string("saisie_") + c.name, "_1", "_2", command, kBox,
                   [base, caption](QPainter& p, const QSize& s, bool h) { DrawCommandKey(p, s, base, caption, h); });
    }
}

}  // namespace art
