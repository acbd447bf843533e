// Texts drawn from letter pictures (sizes, places, skipped characters) and the letter
// pictures themselves.
#include <algorithm>
#include <map>
#include <memory>

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "ui/Artwork.h"
#include "ui/LetterDrawing.h"

using namespace letters;

namespace {

const QColor kBackground = ToQColor(kScreenColor);

// Sizes of the stored character pictures.
const std::map<char, QSize>& CharacterSizes() {
    static const std::map<char, QSize> sizes = {
        {'a', {34, 30}}, {'b', {29, 30}}, {'c', {31, 32}}, {'d', {31, 30}}, {'e', {30, 33}},
        {'f', {29, 31}}, {'g', {33, 31}}, {'h', {32, 30}}, {'i', {17, 30}}, {'j', {26, 31}},
        {'k', {30, 30}}, {'l', {28, 32}}, {'m', {40, 30}}, {'n', {31, 30}}, {'o', {33, 31}},
        {'p', {29, 30}}, {'q', {33, 35}}, {'r', {32, 30}}, {'s', {31, 33}}, {'t', {32, 31}},
        {'u', {28, 31}}, {'v', {34, 30}}, {'w', {40, 30}}, {'x', {32, 30}}, {'y', {33, 30}},
        {'z', {31, 32}}, {'0', {24, 30}}, {'1', {18, 29}}, {'2', {25, 29}}, {'3', {24, 30}},
        {'4', {25, 29}}, {'5', {25, 31}}, {'6', {24, 30}}, {'7', {26, 30}}, {'8', {24, 30}},
        {'9', {26, 32}}, {'!', {11, 30}}, {'?', {19, 30}}, {':', {10, 21}}, {'+', {32, 40}},
        {'-', {32, 40}}, {'*', {32, 40}}, {'/', {32, 40}}, {'(', {32, 40}}, {')', {32, 40}},
    };
    return sizes;
}

// A colour no two characters share, and never the background.
QColor CharacterColour(char c) {
    return QColor(10 + static_cast<unsigned char>(c), 200, 30);
}

// Character pictures of the stored sizes, each one plain colour.
QImage FakeCharacterPicture(const AnsiString& name) {
    for (const auto& [c, size] : CharacterSizes()) {
        if (CharacterPictureName(c) != name) continue;
        QImage image(size, QImage::Format_RGB32);
        image.fill(CharacterColour(c));
        return image;
    }
    return QImage();
}

int AdvanceOf(const std::string& lowered) {
    int x = 0;
    for (char c : lowered) x += c == ' ' ? 20 : CharacterSizes().at(c).width();
    return x;
}

// A sheet whose every pixel tells where it lies, so copies can be traced back.
QImage CoordinateSheet() {
    QImage sheet(501, 282, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixelColor(x, y, QColor(x % 256, y, 100 + x / 256));
    return sheet;
}

GlyphSheet StoredSheet() {
    GlyphSheet sheet;
    ParseGlyphSheet(kSheetGlyphList, kSheetLeftList, kSheetTopList, kSheetRightList,
                    kSheetBottomList, sheet);
    return sheet;
}

// The name as drawn from the stored lists, on the traceable sheet; drawn later, it has
// the size it announced before and the same pixels.
QImage Sheet(const AnsiString& text) {
    static const QImage picture = CoordinateSheet();
    const QImage now = DrawSheetImage(text, picture, StoredSheet(), kNameStripHeight, kScreenColor);
    const auto source = std::make_shared<const TDeferredImage>(picture.size(), [] { return picture; });
    const DeferredImage later =
        DeferredSheetImage(text, source, StoredSheet(), kNameStripHeight, kScreenColor);
    EXPECT_EQ(later->Size(), now.size()) << text;
    EXPECT_FALSE(source->Drawn());
    EXPECT_EQ(later->Image(), now) << text;
    return now;
}

QImage Strip(const AnsiString& text) { return RenderGlyphImage(text, FakeCharacterPicture); }

// How many pixels of the area differ from the background.
int Inked(const QImage& image, const QRect& area) {
    int inked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) inked += image.pixelColor(x, y) != kBackground;
    return inked;
}

bool AllBackground(const QImage& image, const QRect& area) { return Inked(image, area) == 0; }

}  // namespace

// ---------------------------------------------------------------- character pictures

TEST(RenderGlyphText, CharactersSideBySideCentredOnTheStrip) {
    const QImage image = Strip("Nombre de tirs: 12");
    EXPECT_EQ(image.size(), QSize(AdvanceOf("nombre de tirs: 12"), 40));
    // The colon (10 x 21) from row 9, (40 - 21) / 2, to row 29.
    const int colonX = AdvanceOf("nombre de tirs");
    for (auto [y, c] : {std::pair{8, kBackground}, {9, CharacterColour(':')}, {29, CharacterColour(':')}, {30, kBackground}})
        EXPECT_EQ(image.pixelColor(colonX, y), c) << y;
}

TEST(RenderGlyphText, CharactersWithoutPictureAreSkippedWithoutRoom) {
    EXPECT_EQ(Strip("Le compte est bon, bravo!"), Strip("le compte est bon bravo!"));
    EXPECT_EQ(Strip(Utf8ToAnsi("1=1.'&_é,Ç")), Strip("11"));
    // A picture missing from the store is skipped the same way.
    const auto noA = [](const AnsiString& name) {
        return name == "alpha_a" ? QImage() : FakeCharacterPicture(name);
    };
    EXPECT_EQ(RenderGlyphImage("bab", noA), Strip("bb"));
    // Capitals draw as small letters; inner blanks advance 20 each, outer ones are trimmed.
    EXPECT_EQ(Strip("ABC XYZ"), Strip("abc xyz"));
    const QImage blanks = Strip("  a  b  ");
    EXPECT_EQ(blanks.width(), 34 + 40 + 29);
    EXPECT_TRUE(AllBackground(blanks, QRect(34, 0, 40, 40)));
}

// ---------------------------------------------------------------- glyph sheet

TEST(DrawSheetText, EmmaIsTwoHundredTwentyFiveBySixtySeven) {
    const QImage sheet = CoordinateSheet();
    const QImage image = Sheet("Emma");
    ASSERT_EQ(image.size(), QSize(225, 67));
    // E (167,4)-(209,62) at x 4; M (1,76)-(64,135) at x 46 and 109; A (0,4)-(41,62) at 172.
    struct Piece { int x, left, top, width, height; };
    for (const Piece& p : {Piece{4, 167, 4, 42, 58}, Piece{46, 1, 76, 63, 59},
                           Piece{109, 1, 76, 63, 59}, Piece{172, 0, 4, 41, 58}}) {
        for (int dy : {0, p.height - 1})
            for (int dx : {0, p.width / 2, p.width - 1})
                EXPECT_EQ(image.pixelColor(p.x + dx, 4 + dy),
                          sheet.pixelColor(p.left + dx, p.top + dy)) << p.x << "," << dx << "," << dy;
    }
}

TEST(DrawSheetText, HeightFollowsTheTallestGlyphDrawn) {
    EXPECT_EQ(Sheet("Quentin").height(), 72);   // the tail of the Q: 64 + 8
    EXPECT_EQ(Sheet("Alice").height(), 66);     // A to L only: 58 + 8
    // The Q hangs below the others: its last row is row 67.
    const QImage q = Sheet("aQ");
    EXPECT_NE(q.pixelColor(4 + 41 + 20, 67), kBackground);
    EXPECT_EQ(q.pixelColor(4 + 41 + 20, 68), kBackground);
    // No glyph at all: 16 x 8 of background (and a strip of width 0).
    for (const AnsiString& text : std::initializer_list<AnsiString>{"", "   ", "...", "'"}) {
        const QImage image = Sheet(text);
        ASSERT_EQ(image.size(), QSize(16, 8)) << text;
        EXPECT_TRUE(AllBackground(image, image.rect()));
        EXPECT_EQ(Strip(text).width(), 0) << text;
    }
}

TEST(DrawSheetText, SkippedCharactersTakeNoRoomCapitalsAreAlikeAndBlanksCollapse) {
    // Accented first letter, full stop, comma, equals: dropped; hyphen is the minus glyph.
    EXPECT_EQ(Sheet(Utf8ToAnsi("Éloïse")), Sheet("lose"));
    EXPECT_EQ(Sheet("J.B. =A,B"), Sheet("JB AB"));
    EXPECT_EQ(Sheet("Jean-Paul").width(), Sheet("JeanPaul").width() + 41);
    EXPECT_EQ(Sheet("jean-paul 2"), Sheet("JEAN-PAUL 2"));
    // Collapsed blanks give one gap of 20 pixels; without collapsing every blank counts.
    const QImage collapsed = Sheet(CollapseSpaces("  Marie   Claire "));
    EXPECT_EQ(collapsed, Sheet("Marie Claire"));
    EXPECT_EQ(collapsed.width(), Sheet("MarieClaire").width() + 20);
    EXPECT_EQ(Sheet("Marie   Claire").width(), collapsed.width() + 40);
    EXPECT_EQ(CollapseSpaces("a \t\t b"), "a \t\t b");
}

TEST(DrawSheetText, ListItemsAreTrimmedEmptyOnesDroppedAndTheTailIgnored) {
    GlyphSheet sheet;
    ParseGlyphSheet(" a ; ;B;;c;d", "1;x;3;", "7; 8 ;9;", "12abc;14;", "20;21;22;", sheet);
    EXPECT_EQ(sheet.glyphs, (std::vector<AnsiString>{"A", "B", "C"}));
    EXPECT_EQ(sheet.left, (std::vector<int>{1, 0, 3}));
    EXPECT_EQ(sheet.top, (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(sheet.right, (std::vector<int>{12, 14}));
    EXPECT_EQ(sheet.Find('b'), 1);
    EXPECT_EQ(sheet.Find('c'), -1);   // no right edge for C: it cannot be drawn

    // Kept from one drawing to the next, read anew when other lists come.
    GlyphSheetCache cache;
    cache.Update(" a ; ;B;;c;d", "1;x;3;", "7; 8 ;9;", "12abc;14;", "20;21;22;");
    EXPECT_EQ(cache.Sheet().right, sheet.right);
    cache.Update(kSheetGlyphList, kSheetLeftList, kSheetTopList, kSheetRightList, kSheetBottomList);
    EXPECT_EQ(cache.Sheet().glyphs.size(), 40u);
    EXPECT_EQ(cache.Sheet().Find('&'), 39);
}

// The stored character pictures have their stored sizes; each block of the name sheet
// drawn alone (a learner's name needs only its own) is the sheet's own pixels.
TEST(LetterArtwork, StoredSizesAndSheetBlocksDrawnAloneAsOnTheWholeSheet) {
    ASSERT_EQ(CharacterSizes().size(), 45u);
    for (const auto& [c, size] : CharacterSizes()) EXPECT_EQ(Artwork(CharacterPictureName(c)).size(), size) << c;
    const GlyphSheet sheet = StoredSheet();
    ASSERT_EQ(sheet.glyphs.size(), 40u);
    const DeferredImage picture = ArtworkPicture("LatestALPHA");
    std::vector<std::pair<QRect, QImage>> alone;
    for (size_t i = 0; i < sheet.glyphs.size(); ++i) {
        const QRect cell(QPoint(sheet.left[i], sheet.top[i]), QPoint(sheet.right[i] - 1, sheet.bottom[i] - 1));
        alone.emplace_back(cell, picture->Part(cell));
    }
    const QImage image = Artwork("LatestALPHA");
    ASSERT_EQ(image.size(), QSize(501, 282));
    for (const auto& [cell, part] : alone) EXPECT_EQ(part, image.copy(cell)) << cell.x() << "," << cell.y();
}
