// Pictures drawn by code: every name the screens ask for, the sizes their layouts rely
// on, hovered twins and the mark colours (letter pictures: letter_drawing_test).
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
    return names;   // the character pictures: see the letter tests
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
    // One picture of each registration (a face and its twin, the verdicts share theirs).
    const std::vector<std::pair<std::string, QSize>> sizes = {
        {"ImageOptions1", {305, 65}},   {"HintImageOptions", {785, 41}}, {"pingouin", {65, 73}},
        {"web_quillombre_education_1", {684, 33}}, {"ident_form", {489, 457}}, {"Help_Button_1", {74, 74}},
        {"ImageJEU_2", {145, 49}},      {"ImageHint_Exit", {762, 49}},   {"TableMatieres", {833, 617}},
        {"ToutBon", {737, 57}},         {"qb_faux_faux", {737, 57}},     {"qb_img_select", {41, 46}},
        {"fin_titre", {537, 65}},       {"soleil_1", {81, 81}},
    };
    for (const auto& [name, size] : sizes) EXPECT_EQ(ArtworkSize(name), size) << name;
    for (int m = 0; m <= 10; ++m) EXPECT_EQ(ArtworkSize("Note" + std::to_string(m)), QSize(161, 157));
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
