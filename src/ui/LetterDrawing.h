#pragma once
// Texts drawn as pictures assembled from letter pictures, with no font: one small
// picture per character on a 40-pixel strip, or capitals cut out of a glyph sheet.
// The home screen wraps these around its stored pictures; here the pictures come
// through a lookup, so the layout is usable without screens.
#include <array>
#include <functional>
#include <vector>

#include <QImage>

#include "platform/Graphics.h"
#include "platform/Text.h"

namespace letters {

// Height of the strip drawn from character pictures, and the advance of a blank.
constexpr int kStripHeight = 40;
constexpr int kBlankAdvance = 20;
constexpr int kCellWidth = 45;         // room kept per character (no glyph is wider)

// The character picture of a small letter, digit or sign ("alpha_a", "alpha_pp" for
// ":"); "" for a character that has none (capitals must be lowered first).
AnsiString CharacterPictureName(char c);

// Returns the picture stored under a name (a null image when there is none).
using PictureLookup = std::function<QImage(const AnsiString& name)>;

// Draws a text from character pictures: trimmed and lowered, each known character
// at the pen position, vertically centred on the strip ((40 - h) / 2), advancing by
// its width; a blank advances 20; every other character is skipped. The result is
// as wide as the pen went (a null image for width 0), 40 high, filled with colour.
QImage RenderGlyphImage(const AnsiString& text, const PictureLookup& lookup,
                        TColor colour = kScreenColor);

// The five lists that describe a glyph sheet, item by item.
struct GlyphSheet {
    std::vector<AnsiString> glyphs;    // upper-cased
    std::vector<int> left, top, right, bottom;
    // Index of the first glyph equal to c (case ignored) with a whole rectangle; -1.
    int Find(char c) const;
};

// Splits a ";"-list: items before each ";", trimmed, empty ones dropped; whatever
// follows the last ";" is ignored.
std::vector<AnsiString> SplitItems(const AnsiString& text);
// Reads the five lists into sheet (appending). Glyphs are upper-cased; coordinates
// are leading integers (0 when an item does not begin with a number).
void ParseGlyphSheet(const AnsiString& glyphList, const AnsiString& leftList,
                     const AnsiString& topList, const AnsiString& rightList,
                     const AnsiString& bottomList, GlyphSheet& sheet);

// The five lists of a sheet parsed once: the learner's name is drawn again at every
// key press with the same lists, which are read again only when they change.
class GlyphSheetCache {
public:
    // Parses the lists unless they are the ones parsed last; a failure leaves the
    // items read until then, and the next call reads the lists again.
    void Update(const AnsiString& glyphList, const AnsiString& leftList, const AnsiString& topList,
                const AnsiString& rightList, const AnsiString& bottomList);
    const GlyphSheet& Sheet() const { return sheet_; }
private:
    std::array<AnsiString, 5> lists_;
    GlyphSheet sheet_;
    bool parsed_ = false;
};

// Draws a text (trimmed, lowered, then looked up in capitals) with glyphs copied
// from the sheet picture: x starts at 4, every glyph's top at 4; a blank advances 20.
// The working strip is `height` high; the result is x + 12 wide and H + 8 high,
// H being the tallest glyph drawn, with colour wherever no glyph covers it.
QImage DrawSheetImage(const AnsiString& text, const QImage& sheetPicture,
                      const GlyphSheet& sheet, int height, TColor colour);
// The same picture, drawn (and the sheet with it) only when its pixels are first needed;
// its size is known at once.
DeferredImage DeferredSheetImage(const AnsiString& text, DeferredImage sheetPicture,
                                 const GlyphSheet& sheet, int height, TColor colour);

// Trimmed, with every run of blanks reduced to one blank.
AnsiString CollapseSpaces(const AnsiString& text);

// The description of the stored sheet "LatestALPHA" (40 capitals, digits and signs).
extern const char* const kSheetGlyphList;
extern const char* const kSheetLeftList;
extern const char* const kSheetTopList;
extern const char* const kSheetRightList;
extern const char* const kSheetBottomList;
// Height of the working strip for the learner's name.
constexpr int kNameStripHeight = 70;

}  // namespace letters
