// Texts drawn from letter pictures.
#include "ui/LetterDrawing.h"

#include <algorithm>
#include <cstdlib>

#include <QPainter>

namespace letters {

const char* const kSheetGlyphList =
    "A;B;C;D;E;F;G;H;I;J;K;L;M;N;O;P;Q;R;S;T;U;V;W;X;Y;Z;0;1;2;3;4;5;6;7;8;9;+;-;_;&;";
const char* const kSheetLeftList =
    "0;41;84;125;167;209;250;293;336;368;410;452;1;64;107;148;190;234;276;318;359;402;"
    "443;0;44;90;134;177;216;259;302;347;390;434;0;43;85;126;167;210;";
const char* const kSheetTopList =
    "4;4;4;4;4;4;4;4;4;4;4;4;76;76;76;76;76;76;76;76;76;76;76;149;149;149;149;149;149;"
    "149;149;149;149;149;220;220;220;220;220;220;";
const char* const kSheetRightList =
    "41;84;125;167;209;250;293;336;368;410;452;491;64;107;148;190;234;276;318;359;402;"
    "443;497;44;90;134;177;216;259;302;347;390;434;474;43;85;126;167;210;258;";
const char* const kSheetBottomList =
    "62;62;62;62;62;62;62;62;62;62;62;62;135;135;135;135;140;135;135;135;135;135;135;"
    "207;207;207;207;207;207;207;207;207;207;207;278;278;278;278;278;278;";

namespace {

QImage Filled(int width, int height, TColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(colour));
    return image;
}

}  // namespace

AnsiString CharacterPictureName(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return AnsiString("alpha_") + c;
    switch (c) {
    case '!': return "alpha_pe";
    case '?': return "alpha_pi";
    case ':': return "alpha_pp";
    case '+': return "alpha_op";
    case '-': return "alpha_mm";
    case '*': return "alpha_of";
    case '/': return "alpha_od";
    case '(': return "alpha_opo";
    case ')': return "alpha_opf";
    default: return "";
    }
}

QImage RenderGlyphImage(const AnsiString& text, const PictureLookup& lookup, TColor colour) {
    const AnsiString lowered = AnsiLowerCase(Trim(text));
    struct Placed { QImage picture; int x; };
    std::vector<Placed> placed;
    int x = 0;
    for (char c : lowered) {
        if (c == ' ') {
            x += kBlankAdvance;
            continue;
        }
        const AnsiString name = CharacterPictureName(c);
        if (name.empty()) continue;
        QImage picture = lookup ? lookup(name) : QImage();
        if (picture.isNull()) continue;
        placed.push_back({picture, x});
        x += picture.width();
    }
    if (x <= 0) return QImage();
    QImage strip = Filled(x, kStripHeight, colour);
    QPainter painter(&strip);
    for (const Placed& p : placed)
        painter.drawImage(p.x, (kStripHeight - p.picture.height()) / 2, p.picture);
    return strip;
}

std::vector<AnsiString> SplitItems(const AnsiString& text) {
    std::vector<AnsiString> items;
    AnsiString rest = Trim(text);
    int sep;
    while ((sep = Pos(";", rest)) > 0) {
        AnsiString item = Trim(SubString(rest, 1, sep - 1));
        rest = Trim(SubStringFrom(rest, sep + 1));
        if (!item.empty()) items.push_back(item);
    }
    return items;
}

void ParseGlyphSheet(const AnsiString& glyphList, const AnsiString& leftList,
                     const AnsiString& topList, const AnsiString& rightList,
                     const AnsiString& bottomList, GlyphSheet& sheet) {
    for (const AnsiString& g : SplitItems(glyphList)) sheet.glyphs.push_back(AnsiUpperCase(g));
    const auto numbers = [](const AnsiString& list, std::vector<int>& out) {
        for (const AnsiString& item : SplitItems(list)) out.push_back(LeadingInt(item));
    };
    numbers(leftList, sheet.left);
    numbers(topList, sheet.top);
    numbers(rightList, sheet.right);
    numbers(bottomList, sheet.bottom);
}

void GlyphSheetCache::Update(const AnsiString& glyphList, const AnsiString& leftList,
                             const AnsiString& topList, const AnsiString& rightList,
                             const AnsiString& bottomList) {
    const std::array<AnsiString, 5> lists = {glyphList, leftList, topList, rightList, bottomList};
    if (parsed_ && lists == lists_) return;
    parsed_ = false;
    lists_ = lists;
    sheet_ = GlyphSheet();
    ParseGlyphSheet(glyphList, leftList, topList, rightList, bottomList, sheet_);
    parsed_ = true;
}

int GlyphSheet::Find(char c) const {
    const AnsiString wanted(1, AnsiUpperChar(c));
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (!SameText(glyphs[i], wanted)) continue;
        // A glyph listed without its four edges cannot be drawn: treated as absent.
        if (i >= left.size() || i >= top.size() || i >= right.size() || i >= bottom.size())
            return -1;
        return static_cast<int>(i);
    }
    return -1;
}

namespace {

constexpr int kMargin = 4, kRightMargin = 12;

// Where each glyph of a text goes on the strip, and the size of the result.
struct SheetLayout {
    struct Placed { QRect source; int x; };
    std::vector<Placed> placed;
    QSize size;
};

SheetLayout LayOutSheetText(const AnsiString& text, const GlyphSheet& sheet) {
    const AnsiString lowered = AnsiLowerCase(Trim(text));
    SheetLayout layout;
    int x = kMargin, tallest = 0;
    for (char c : lowered) {
        const int i = sheet.Find(c);
        if (i >= 0) {
            const int w = std::abs(sheet.right[i] - sheet.left[i]);
            const int h = std::abs(sheet.bottom[i] - sheet.top[i]);
            layout.placed.push_back({QRect(std::min(sheet.left[i], sheet.right[i]),
                                           std::min(sheet.top[i], sheet.bottom[i]), w, h), x});
            tallest = std::max(tallest, h);
            x += w;
        } else if (c == ' ') {
            x += kBlankAdvance;
        }
    }
    // 4 above and below the tallest glyph.
    layout.size = QSize(x + kRightMargin, tallest + 2 * kMargin);
    return layout;
}

// The sheet's parts, cut from it or drawn alone.
using SheetPart = std::function<QImage(const QRect&)>;

QImage DrawLaidOut(const SheetLayout& layout, const QRect& sheetArea, const SheetPart& sheetPart,
                   int height, TColor colour) {
    // The working strip of the given height: glyphs taller than it are cut.
    QImage strip = Filled(layout.size.width(), std::max(height, 1), colour);
    {
        QPainter painter(&strip);
        for (const SheetLayout::Placed& p : layout.placed) {
            // Only the part of the rectangle that lies on the sheet is copied, unscaled.
            const QRect source = p.source.intersected(sheetArea);
            if (source.isEmpty()) continue;
            painter.drawImage(QPoint(p.x + source.left() - p.source.left(),
                                     kMargin + source.top() - p.source.top()),
                              sheetPart(source));
        }
    }
    // Background wherever no glyph covers the result.
    QImage result = Filled(layout.size.width(), layout.size.height(), colour);
    QPainter painter(&result);
    painter.drawImage(0, 0, strip);
    return result;
}

}  // namespace

QImage DrawSheetImage(const AnsiString& text, const QImage& sheetPicture,
                      const GlyphSheet& sheet, int height, TColor colour) {
    return DrawLaidOut(LayOutSheetText(text, sheet), sheetPicture.rect(),
                       [&sheetPicture](const QRect& r) { return sheetPicture.copy(r); }, height, colour);
}

DeferredImage DeferredSheetImage(const AnsiString& text, DeferredImage sheetPicture,
                                 const GlyphSheet& sheet, int height, TColor colour) {
    SheetLayout layout = LayOutSheetText(text, sheet);
    const QSize size = layout.size;
    return std::make_shared<const TDeferredImage>(
        size, [layout = std::move(layout), sheetPicture = std::move(sheetPicture), height, colour] {
            // Only the glyphs of the text are taken from the sheet, which need not be drawn whole.
            const QRect area = sheetPicture ? QRect(QPoint(), sheetPicture->Size()) : QRect();
            return DrawLaidOut(layout, area,
                               [&sheetPicture](const QRect& r) { return sheetPicture->Part(r); },
                               height, colour);
        });
}

AnsiString CollapseSpaces(const AnsiString& text) {
    const AnsiString trimmed = Trim(text);
    AnsiString out;
    out.reserve(trimmed.size());
    for (char c : trimmed) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

}  // namespace letters
