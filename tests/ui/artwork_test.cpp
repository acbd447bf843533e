// Pictures drawn by code: every name the screens ask for, the sizes their layouts rely
// on, the glyph sheet's rectangles, hovered twins and the mark colours.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/Graphics.h"
#include "ui/Artwork.h"

namespace {

using Names = std::vector<std::string>;
const QColor kScreen = ToQColor(kScreenColor);
const Names kLevels = {"CP", "CE1", "CE2", "CM1", "CM2", "6e", "5e", "4e", "3e"};

// Command faces and their hovered twins ("ImageOptions1" / "ImageOptions2").
const Names kTwinStems = {"ImageOptions", "ImageHistorique", "ImageTravailler", "ImageQuitter", "ImageRetour",
                          "ImageVerification", "ImageCorriger", "ImageSuivant", "web_quillombre_education_",
                          "changer_", "image_previous_", "image_sommaire_", "jump_", "Help_Button_", "ImageJEU_",
                          "Img_Index_OK_", "aide_close_", "o", "v", "yes_", "options_v", "histo_v",
                          "histo_o"};

// Every picture a screen asks for.
Names ScreenNames() {
    Names names = {"HintImageOptions", "HintImageHistorique", "HintImageTravailler", "HintImageQuitter", "pingouin",
                   "ballon", "papillon", "titre_math", "titre_francais", "LatestALPHA", "ident_banner", "ident_form",
                   "ImageHint_Exit", "ImageHint_Verification", "ImageHint_Correction", "ImageHint_Next",
                   "ImageHint_Help", "ImageHint_Jeu", "hint_jump", "hint_previous", "hint_sommaire",
                   "Titre_MATIERE_MATH", "Titre_MATIERE_FRANCAIS", "TableMatieres", "ToutBon", "PasMal",
                   "qb_img_select", "qb_img_unselect", "qb_bravo", "qb_faux_vrai", "qb_faux_faux",
                   "options_titre", "options_entete", "options_deco_1", "options_deco_2", "histo_titre",
                   "histo_cahier", "fin_titre", "fin_arc_en_ciel", "fin_trophee", "fin_pingouin", "fin_ballon",
                   "fin_jardin",
                   "jeu_banniere", "jeu_bateau", "jeu_cartes", "jeu_pingouin_1", "jeu_pingouin_2",
                   "jeu_titre_compte", "jeu_trophee", "jeu_tuile_nombre", "jeu_tuile_signe", "jeu_cadre_compte",
                   "jeu_case", "jeu_titre_naval", "jeu_carte_marine", "jeu_phare", "jeu_boussole",
                   "jeu_bateau_petit"};
    for (int n = 1; n <= 7; ++n) names.push_back("soleil_" + std::to_string(n));
    for (const auto& s : kTwinStems) names.insert(names.end(), {s + "1", s + "2"});
    for (const auto& l : kLevels) names.insert(names.end(), {"Classe" + l, "player_Classe" + l});
    for (int m = 0; m <= 10; ++m) names.push_back("Note" + std::to_string(m));
    for (const char* c : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r",
                          "s", "t", "u", "v", "w", "x", "y", "z", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                          "pe", "pi", "pp", "op", "mm", "of", "od", "opo", "opf"})
        names.push_back(std::string("alpha_") + c);
    return names;
}

// Whether some pixel of the box (inclusive bounds) differs from the screen colour.
bool Inked(const QImage& image, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (image.pixelColor(x, y) != kScreen) return true;
    return false;
}

TEST(Artwork, EveryScreenPictureIsDrawnOpaqueAtItsAnnouncedSize) {
    const std::vector<AnsiString> listed = ArtworkNames();
    const std::set<AnsiString> catalogue(listed.begin(), listed.end());
    EXPECT_EQ(catalogue.size(), listed.size()) << "a name is listed twice";
    for (const auto& name : ScreenNames()) {
        SCOPED_TRACE(name);
        const QImage image = Artwork(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), ArtworkSize(name));
        EXPECT_TRUE(catalogue.count(name));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 255);   // copied onto bitmaps without transparency
    }
    for (const auto& name : listed) EXPECT_EQ(Artwork(name).size(), ArtworkSize(name)) << name;
    for (const char* name : {"", "ImageOptions", "imageoptions1", "Note11", "alpha_A", "alpha_", "LatestAlpha"})
        EXPECT_TRUE(Artwork(name).isNull() && ArtworkSize(name).isEmpty()) << name;
    EXPECT_EQ(Artwork("TableMatieres").cacheKey(), Artwork("TableMatieres").cacheKey());   // drawn once
}

TEST(Artwork, SizesTheLayoutsRelyOn) {
    const std::vector<std::pair<std::string, QSize>> sizes = {
        {"ImageOptions1", {305, 65}},   {"ImageQuitter2", {305, 65}},   {"ImageTravailler1", {305, 65}},
        {"HintImageOptions", {785, 41}}, {"HintImageQuitter", {785, 41}}, {"pingouin", {65, 73}},
        {"web_quillombre_education_1", {684, 33}}, {"LatestALPHA", {501, 282}}, {"ident_form", {489, 457}},
        {"Help_Button_1", {74, 74}},    {"ImageJEU_2", {145, 49}},       {"ImageHint_Exit", {762, 49}},
        {"hint_sommaire", {762, 49}},   {"TableMatieres", {833, 617}},   {"ToutBon", {737, 57}},
        {"PasMal", {737, 57}},          {"qb_bravo", {737, 57}},         {"qb_faux_vrai", {737, 57}},
        {"qb_faux_faux", {737, 57}},    {"qb_img_select", {41, 46}},     {"qb_img_unselect", {41, 46}},
        {"fin_titre", {537, 65}},       {"soleil_1", {81, 81}},          {"soleil_7", {81, 81}},
    };
    for (const auto& [name, size] : sizes) EXPECT_EQ(ArtworkSize(name), size) << name;
    for (int m = 0; m <= 10; ++m) EXPECT_EQ(ArtworkSize("Note" + std::to_string(m)), QSize(161, 157));
}

TEST(Artwork, CharacterPicturesHaveTheStoredSizesOnTheScreenColour) {
    const std::vector<std::pair<std::string, QSize>> sizes = {
        {"a", {34, 30}}, {"b", {29, 30}}, {"c", {31, 32}}, {"d", {31, 30}}, {"e", {30, 33}}, {"f", {29, 31}},
        {"g", {33, 31}}, {"h", {32, 30}}, {"i", {17, 30}}, {"j", {26, 31}}, {"k", {30, 30}}, {"l", {28, 32}},
        {"m", {40, 30}}, {"n", {31, 30}}, {"o", {33, 31}}, {"p", {29, 30}}, {"q", {33, 35}}, {"r", {32, 30}},
        {"s", {31, 33}}, {"t", {32, 31}}, {"u", {28, 31}}, {"v", {34, 30}}, {"w", {40, 30}}, {"x", {32, 30}},
        {"y", {33, 30}}, {"z", {31, 32}}, {"0", {24, 30}}, {"1", {18, 29}}, {"2", {25, 29}}, {"3", {24, 30}},
        {"4", {25, 29}}, {"5", {25, 31}}, {"6", {24, 30}}, {"7", {26, 30}}, {"8", {24, 30}}, {"9", {26, 32}},
        {"pe", {11, 30}}, {"pi", {19, 30}}, {"pp", {10, 21}}, {"op", {32, 40}}, {"mm", {32, 40}},
        {"of", {32, 40}}, {"od", {32, 40}}, {"opo", {32, 40}}, {"opf", {32, 40}},
    };
    ASSERT_EQ(sizes.size(), 45u);
    for (const auto& [glyph, size] : sizes) {
        SCOPED_TRACE(glyph);
        const QImage image = Artwork("alpha_" + glyph);
        ASSERT_EQ(image.size(), size);
        // Corners show the screen colour; the character itself is drawn in the middle.
        EXPECT_FALSE(Inked(image, 0, 0, 0, 0));
        EXPECT_FALSE(Inked(image, size.width() - 1, size.height() - 1, size.width() - 1, size.height() - 1));
        int inked = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) inked += Inked(image, x, y, x, y);
        EXPECT_GT(inked, size.width() * size.height() / 8);
    }
}

TEST(Artwork, EverySheetGlyphFillsItsRectangleAndNothingLiesOutside) {
    struct Cell { char glyph; int left, top, right, bottom; };
    const std::vector<Cell> sheet = {
        {'A', 0, 4, 41, 62},      {'B', 41, 4, 84, 62},      {'C', 84, 4, 125, 62},     {'D', 125, 4, 167, 62},
        {'E', 167, 4, 209, 62},   {'F', 209, 4, 250, 62},    {'G', 250, 4, 293, 62},    {'H', 293, 4, 336, 62},
        {'I', 336, 4, 368, 62},   {'J', 368, 4, 410, 62},    {'K', 410, 4, 452, 62},    {'L', 452, 4, 491, 62},
        {'M', 1, 76, 64, 135},    {'N', 64, 76, 107, 135},   {'O', 107, 76, 148, 135},  {'P', 148, 76, 190, 135},
        {'Q', 190, 76, 234, 140}, {'R', 234, 76, 276, 135},  {'S', 276, 76, 318, 135},  {'T', 318, 76, 359, 135},
        {'U', 359, 76, 402, 135}, {'V', 402, 76, 443, 135},  {'W', 443, 76, 497, 135},  {'X', 0, 149, 44, 207},
        {'Y', 44, 149, 90, 207},  {'Z', 90, 149, 134, 207},  {'0', 134, 149, 177, 207}, {'1', 177, 149, 216, 207},
        {'2', 216, 149, 259, 207}, {'3', 259, 149, 302, 207}, {'4', 302, 149, 347, 207}, {'5', 347, 149, 390, 207},
        {'6', 390, 149, 434, 207}, {'7', 434, 149, 474, 207}, {'8', 0, 220, 43, 278},   {'9', 43, 220, 85, 278},
        {'+', 85, 220, 126, 278}, {'-', 126, 220, 167, 278}, {'_', 167, 220, 210, 278}, {'&', 210, 220, 258, 278},
    };
    const QImage image = Artwork("LatestALPHA");
    ASSERT_EQ(image.size(), QSize(501, 282));
    const int band = 2;
    for (const Cell& c : sheet) {
        SCOPED_TRACE(std::string(1, c.glyph));
        const int l = c.left, t = c.top, r = c.right - 1, b = c.bottom - 1;
        EXPECT_TRUE(Inked(image, l, t, l + band, b) && Inked(image, r - band, t, r, b)) << "left or right edge";
        EXPECT_TRUE(Inked(image, l, t, r, t + band) && Inked(image, l, b - band, r, b)) << "top or bottom edge";
        EXPECT_TRUE(Inked(image, (l + r) / 2 - 2, (t + b) / 2 - 2, (l + r) / 2 + 2, (t + b) / 2 + 2)) << "middle";
    }
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            stray += Inked(image, x, y, x, y) && std::none_of(sheet.begin(), sheet.end(), [&](const Cell& c) {
                return x >= c.left && x < c.right && y >= c.top && y < c.bottom;
            });
    EXPECT_EQ(stray, 0) << "pixels drawn outside the glyph rectangles";
    // Row two ends at 135 for every glyph but the Q, whose tail alone hangs on to 140.
    EXPECT_TRUE(Inked(image, 190, 136, 233, 139));
    EXPECT_FALSE(Inked(image, 190, 137, 205, 139));
}

TEST(Artwork, TwinsAndPicturesOfOneKindAllDiffer) {
    for (const auto& stem : kTwinStems) EXPECT_NE(Artwork(stem + "1"), Artwork(stem + "2")) << stem;
    EXPECT_NE(Artwork("qb_img_select"), Artwork("qb_img_unselect"));
    std::vector<Names> groups = {{"ToutBon", "PasMal", "qb_bravo", "qb_faux_vrai", "qb_faux_faux"},
                                 {"HintImageOptions", "HintImageHistorique", "HintImageTravailler", "HintImageQuitter"},
                                 {}, {}, {}};
    for (int m = 0; m <= 10; ++m) groups[2].push_back("Note" + std::to_string(m));
    for (const auto& l : kLevels) groups[3].push_back("Classe" + l);
    for (int n = 1; n <= 7; ++n) groups[4].push_back("soleil_" + std::to_string(n));
    for (const auto& group : groups)
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_NE(Artwork(group[i]), Artwork(group[j])) << group[i] << " / " << group[j];
}

TEST(Artwork, MarkBadgesGoFromRedToGreenAndTheContentsPageIsPlainWhereTheTreeIs) {
    // A point of the left ribbon tail, away from the figures.
    auto hue = [](int mark) { return Artwork("Note" + std::to_string(mark)).pixelColor(40, 135); };
    const QColor zero = hue(0), five = hue(5), ten = hue(10);
    EXPECT_GT(zero.red(), zero.green() + 80);
    EXPECT_GT(ten.green(), ten.red() + 60);
    EXPECT_GT(five.red(), five.blue() + 80);   // warm, between the two
    EXPECT_GT(five.green(), zero.green());

    const QImage page = Artwork("TableMatieres");
    const QRect tree(56, 80, 574, 470);
    const QColor plain = page.pixelColor(tree.topLeft());
    int other = 0;
    for (int y = tree.top(); y <= tree.bottom(); ++y)
        for (int x = tree.left(); x <= tree.right(); ++x) other += page.pixelColor(x, y) != plain;
    EXPECT_EQ(other, 0);
    EXPECT_GT(page.pixelColor(60, 590).lightness(), 200);   // navy count lines need a light page
}

}  // namespace
