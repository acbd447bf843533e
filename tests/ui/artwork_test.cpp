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

const QColor kScreen = ToQColor(kScreenColor);

std::vector<std::string> Twins(const std::vector<std::string>& stems, const std::string& normal,
                               const std::string& hover) {
    std::vector<std::string> names;
    for (const auto& s : stems) {
        names.push_back(s + normal);
        names.push_back(s + hover);
    }
    return names;
}

const std::vector<std::string> kLevels = {"CP", "CE1", "CE2", "CM1", "CM2", "6e", "5e", "4e", "3e"};

// Every picture a screen asks for.
std::vector<std::string> ScreenNames() {
    std::vector<std::string> names;
    auto add = [&](const std::vector<std::string>& more) { names.insert(names.end(), more.begin(), more.end()); };
    add(Twins({"ImageOptions", "ImageHistorique", "ImageTravailler", "ImageQuitter"}, "1", "2"));
    add({"HintImageOptions", "HintImageHistorique", "HintImageTravailler", "HintImageQuitter", "pingouin",
         "ballon", "papillon", "titre_math", "titre_francais", "LatestALPHA", "ident_banner", "ident_form",
         "ImageHint_Exit", "ImageHint_Verification", "ImageHint_Correction", "ImageHint_Next",
         "ImageHint_Help", "ImageHint_Jeu", "hint_jump", "hint_previous", "hint_sommaire",
         "Titre_MATIERE_MATH", "Titre_MATIERE_FRANCAIS", "TableMatieres", "ToutBon", "PasMal", "yes_1",
         "yes_2", "info_note", "qb_img_select", "qb_img_unselect", "qb_bravo", "qb_faux_vrai",
         "qb_faux_faux"});
    add(Twins({"web_quillombre_education_", "changer_", "image_previous_", "image_sommaire_", "jump_",
               "Help_Button_", "ImageJEU_", "Img_Index_OK_", "aide_close_"},
              "1", "2"));
    add(Twins({"o", "v"}, "1", "2"));
    add(Twins({"ImageRetour", "ImageVerification", "ImageCorriger", "ImageSuivant"}, "1", "2"));
    for (const auto& l : kLevels) {
        names.push_back("Classe" + l);
        names.push_back("player_Classe" + l);
    }
    for (int m = 0; m <= 10; ++m) names.push_back("Note" + std::to_string(m));
    for (const char* c : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o",
                          "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "0", "1", "2", "3",
                          "4", "5", "6", "7", "8", "9", "pe", "pi", "pp", "op", "mm", "of", "od",
                          "opo", "opf"})
        names.push_back(std::string("alpha_") + c);
    return names;
}

bool IsScreen(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == kScreen;
}

TEST(Artwork, EveryScreenPictureIsDrawnAtItsAnnouncedSize) {
    const std::vector<AnsiString> listed = ArtworkNames();
    const std::set<AnsiString> catalogue(listed.begin(), listed.end());
    EXPECT_EQ(catalogue.size(), listed.size()) << "a name is listed twice";
    for (const auto& name : ScreenNames()) {
        SCOPED_TRACE(name);
        const QImage image = Artwork(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_FALSE(ArtworkSize(name).isEmpty());
        EXPECT_EQ(image.size(), ArtworkSize(name));
        EXPECT_TRUE(catalogue.count(name));
        // Opaque: pictures are copied onto bitmaps that have no transparency.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 255);
    }
    for (const auto& name : listed) EXPECT_EQ(Artwork(name).size(), ArtworkSize(name)) << name;
}

TEST(Artwork, SizesTheLayoutsRelyOn) {
    const std::vector<std::pair<std::string, QSize>> sizes = {
        {"ImageOptions1", {305, 65}},   {"ImageQuitter2", {305, 65}},   {"ImageTravailler1", {305, 65}},
        {"HintImageOptions", {785, 41}}, {"HintImageQuitter", {785, 41}}, {"pingouin", {65, 73}},
        {"web_quillombre_education_1", {684, 33}}, {"web_quillombre_education_2", {684, 33}},
        {"LatestALPHA", {501, 282}},    {"ident_form", {489, 457}},      {"Help_Button_1", {74, 74}},
        {"Help_Button_2", {74, 74}},    {"ImageJEU_1", {145, 49}},       {"ImageJEU_2", {145, 49}},
        {"ImageHint_Exit", {762, 49}},  {"hint_sommaire", {762, 49}},    {"TableMatieres", {833, 617}},
        {"Note0", {161, 157}},          {"Note10", {161, 157}},          {"ToutBon", {737, 57}},
        {"PasMal", {737, 57}},          {"qb_bravo", {737, 57}},         {"qb_faux_vrai", {737, 57}},
        {"qb_faux_faux", {737, 57}},    {"qb_img_select", {41, 46}},     {"qb_img_unselect", {41, 46}},
    };
    for (const auto& [name, size] : sizes) EXPECT_EQ(ArtworkSize(name), size) << name;
    for (int m = 0; m <= 10; ++m) EXPECT_EQ(ArtworkSize("Note" + std::to_string(m)), QSize(161, 157));
}

TEST(Artwork, CharacterPicturesHaveTheStoredSizesOnTheScreenColour) {
    const std::vector<std::pair<std::string, QSize>> sizes = {
        {"alpha_a", {34, 30}}, {"alpha_b", {29, 30}}, {"alpha_c", {31, 32}}, {"alpha_d", {31, 30}},
        {"alpha_e", {30, 33}}, {"alpha_f", {29, 31}}, {"alpha_g", {33, 31}}, {"alpha_h", {32, 30}},
        {"alpha_i", {17, 30}}, {"alpha_j", {26, 31}}, {"alpha_k", {30, 30}}, {"alpha_l", {28, 32}},
        {"alpha_m", {40, 30}}, {"alpha_n", {31, 30}}, {"alpha_o", {33, 31}}, {"alpha_p", {29, 30}},
        {"alpha_q", {33, 35}}, {"alpha_r", {32, 30}}, {"alpha_s", {31, 33}}, {"alpha_t", {32, 31}},
        {"alpha_u", {28, 31}}, {"alpha_v", {34, 30}}, {"alpha_w", {40, 30}}, {"alpha_x", {32, 30}},
        {"alpha_y", {33, 30}}, {"alpha_z", {31, 32}}, {"alpha_0", {24, 30}}, {"alpha_1", {18, 29}},
        {"alpha_2", {25, 29}}, {"alpha_3", {24, 30}}, {"alpha_4", {25, 29}}, {"alpha_5", {25, 31}},
        {"alpha_6", {24, 30}}, {"alpha_7", {26, 30}}, {"alpha_8", {24, 30}}, {"alpha_9", {26, 32}},
        {"alpha_pe", {11, 30}}, {"alpha_pi", {19, 30}}, {"alpha_pp", {10, 21}}, {"alpha_op", {32, 40}},
        {"alpha_mm", {32, 40}}, {"alpha_of", {32, 40}}, {"alpha_od", {32, 40}}, {"alpha_opo", {32, 40}},
        {"alpha_opf", {32, 40}},
    };
    ASSERT_EQ(sizes.size(), 45u);
    for (const auto& [name, size] : sizes) {
        SCOPED_TRACE(name);
        const QImage image = Artwork(name);
        ASSERT_EQ(image.size(), size);
        // Corners show the screen colour; the character itself is drawn in the middle.
        EXPECT_TRUE(IsScreen(image, 0, 0));
        EXPECT_TRUE(IsScreen(image, size.width() - 1, size.height() - 1));
        int inked = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) inked += !IsScreen(image, x, y);
        EXPECT_GT(inked, size.width() * size.height() / 8);
    }
}

struct SheetCell {
    char glyph;
    int left, top, right, bottom;
};

const std::vector<SheetCell> kSheet = {
    {'A', 0, 4, 41, 62},      {'B', 41, 4, 84, 62},     {'C', 84, 4, 125, 62},
    {'D', 125, 4, 167, 62},   {'E', 167, 4, 209, 62},   {'F', 209, 4, 250, 62},
    {'G', 250, 4, 293, 62},   {'H', 293, 4, 336, 62},   {'I', 336, 4, 368, 62},
    {'J', 368, 4, 410, 62},   {'K', 410, 4, 452, 62},   {'L', 452, 4, 491, 62},
    {'M', 1, 76, 64, 135},    {'N', 64, 76, 107, 135},  {'O', 107, 76, 148, 135},
    {'P', 148, 76, 190, 135}, {'Q', 190, 76, 234, 140}, {'R', 234, 76, 276, 135},
    {'S', 276, 76, 318, 135}, {'T', 318, 76, 359, 135}, {'U', 359, 76, 402, 135},
    {'V', 402, 76, 443, 135}, {'W', 443, 76, 497, 135}, {'X', 0, 149, 44, 207},
    {'Y', 44, 149, 90, 207},  {'Z', 90, 149, 134, 207}, {'0', 134, 149, 177, 207},
    {'1', 177, 149, 216, 207}, {'2', 216, 149, 259, 207}, {'3', 259, 149, 302, 207},
    {'4', 302, 149, 347, 207}, {'5', 347, 149, 390, 207}, {'6', 390, 149, 434, 207},
    {'7', 434, 149, 474, 207}, {'8', 0, 220, 43, 278},   {'9', 43, 220, 85, 278},
    {'+', 85, 220, 126, 278}, {'-', 126, 220, 167, 278}, {'_', 167, 220, 210, 278},
    {'&', 210, 220, 258, 278},
};

// Whether some pixel of the band (inclusive bounds) differs from the screen colour.
bool Inked(const QImage& image, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (!IsScreen(image, x, y)) return true;
    return false;
}

TEST(Artwork, EverySheetGlyphFillsItsRectangleAndNothingLiesOutside) {
    const QImage sheet = Artwork("LatestALPHA");
    ASSERT_EQ(sheet.size(), QSize(501, 282));
    const int band = 2;
    for (const SheetCell& c : kSheet) {
        SCOPED_TRACE(std::string(1, c.glyph));
        const int l = c.left, t = c.top, r = c.right - 1, b = c.bottom - 1;
        EXPECT_TRUE(Inked(sheet, l, t, l + band, b)) << "left edge";
        EXPECT_TRUE(Inked(sheet, r - band, t, r, b)) << "right edge";
        EXPECT_TRUE(Inked(sheet, l, t, r, t + band)) << "top edge";
        EXPECT_TRUE(Inked(sheet, l, b - band, r, b)) << "bottom edge";
        // The glyph's middle is drawn too, not only a frame.
        EXPECT_TRUE(Inked(sheet, (l + r) / 2 - 2, (t + b) / 2 - 2, (l + r) / 2 + 2, (t + b) / 2 + 2));
    }
    int stray = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const bool inside = std::any_of(kSheet.begin(), kSheet.end(), [&](const SheetCell& c) {
                return x >= c.left && x < c.right && y >= c.top && y < c.bottom;
            });
            if (!inside && !IsScreen(sheet, x, y)) ++stray;
        }
    EXPECT_EQ(stray, 0) << "pixels drawn outside the glyph rectangles";
}

TEST(Artwork, TheTailOfTheQHangsBelowTheOtherBlocks) {
    const QImage sheet = Artwork("LatestALPHA");
    // Row two ends at 135 for every glyph but the Q, whose rectangle goes on to 140.
    EXPECT_TRUE(Inked(sheet, 190, 136, 233, 139));
    EXPECT_FALSE(Inked(sheet, 190, 137, 205, 139)) << "only the tail, not the whole block, hangs below";
}

TEST(Artwork, HoveredTwinsDifferFromTheNormalFace) {
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"ImageOptions1", "ImageOptions2"}, {"ImageHistorique1", "ImageHistorique2"},
        {"ImageTravailler1", "ImageTravailler2"}, {"ImageQuitter1", "ImageQuitter2"},
        {"web_quillombre_education_1", "web_quillombre_education_2"}, {"changer_1", "changer_2"},
        {"o1", "o2"}, {"v1", "v2"}, {"ImageRetour1", "ImageRetour2"},
        {"ImageVerification1", "ImageVerification2"}, {"ImageCorriger1", "ImageCorriger2"},
        {"ImageSuivant1", "ImageSuivant2"}, {"image_previous_1", "image_previous_2"},
        {"image_sommaire_1", "image_sommaire_2"}, {"jump_1", "jump_2"},
        {"Help_Button_1", "Help_Button_2"}, {"ImageJEU_1", "ImageJEU_2"},
        {"Img_Index_OK_1", "Img_Index_OK_2"}, {"aide_close_1", "aide_close_2"}, {"yes_1", "yes_2"},
        {"qb_img_select", "qb_img_unselect"},
    };
    for (const auto& [normal, hover] : pairs) {
        SCOPED_TRACE(normal);
        const QImage a = Artwork(normal), b = Artwork(hover);
        ASSERT_EQ(a.size(), b.size());
        EXPECT_NE(a, b);
    }
}

TEST(Artwork, PicturesOfOneKindAreAllDifferent) {
    std::vector<std::string> groups[] = {{}, {}, {}, {}};
    for (int m = 0; m <= 10; ++m) groups[0].push_back("Note" + std::to_string(m));
    for (const auto& l : kLevels) groups[1].push_back("Classe" + l);
    groups[2] = {"ToutBon", "PasMal", "qb_bravo", "qb_faux_vrai", "qb_faux_faux"};
    groups[3] = {"HintImageOptions", "HintImageHistorique", "HintImageTravailler", "HintImageQuitter"};
    for (const auto& group : groups)
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_NE(Artwork(group[i]), Artwork(group[j])) << group[i] << " / " << group[j];
}

TEST(Artwork, MarkBadgesGoFromRedToGreen) {
    // A point of the left ribbon tail, away from the figures.
    auto hue = [](int mark) { return Artwork("Note" + std::to_string(mark)).pixelColor(40, 135); };
    const QColor zero = hue(0), five = hue(5), ten = hue(10);
    EXPECT_GT(zero.red(), zero.green() + 80);
    EXPECT_GT(ten.green(), ten.red() + 60);
    EXPECT_GT(five.red(), five.blue() + 80);    // warm, between the two
    EXPECT_GT(five.green(), zero.green());
    EXPECT_LT(five.green(), ten.green() + 120);
}

TEST(Artwork, TheContentsPageLeavesTheTreeAreaPlain) {
    const QImage page = Artwork("TableMatieres");
    const QRect tree(56, 80, 574, 470);
    const QColor plain = page.pixelColor(tree.topLeft());
    int other = 0;
    for (int y = tree.top(); y <= tree.bottom(); ++y)
        for (int x = tree.left(); x <= tree.right(); ++x) other += page.pixelColor(x, y) != plain;
    EXPECT_EQ(other, 0);
    // The count lines below the tree are written in navy: they need a light page.
    EXPECT_GT(page.pixelColor(60, 590).lightness(), 200);
}

TEST(Artwork, UnknownNamesHaveNoPicture) {
    for (const char* name : {"", "ImageOptions", "imageoptions1", "Note11", "alpha_A", "alpha_", "LatestAlpha"}) {
        EXPECT_TRUE(Artwork(name).isNull()) << name;
        EXPECT_TRUE(ArtworkSize(name).isEmpty()) << name;
    }
}

TEST(Artwork, RepeatedRequestsShareTheDrawnPicture) {
    const QImage first = Artwork("TableMatieres");
    const QImage second = Artwork("TableMatieres");
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
}

}  // namespace
