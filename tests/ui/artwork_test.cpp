// Pictures drawn by code: every name the screens ask for has a picture of its announced
// size, drawn once; hovered twins and pictures of one kind differ (letter pictures:
// letter_drawing_test).
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "ui/Artwork.h"

namespace {

using Names = std::vector<std::string>;

Names Split(const std::string& words) {
    std::istringstream in(words);
    Names names;
    for (std::string w; in >> w;) names.push_back(w);
    return names;
}

const Names kLevels = Split("CP CE1 CE2 CM1 CM2 6e 5e 4e 3e");
// Faces and their hovered twins ("ImageOptions1" / "ImageOptions2", "saisie_un_1" / "saisie_un_2").
const Names kTwinStems = Split(
    "ImageOptions ImageHistorique ImageTravailler ImageQuitter ImageRetour ImageVerification ImageCorriger "
    "ImageSuivant web_quillombre_education_ changer_ image_previous_ image_sommaire_ jump_ Help_Button_ ImageJEU_ "
    "Img_Index_OK_ aide_close_ o v yes_ options_v histo_v histo_o saisie_zero_ saisie_un_ saisie_deux_ "
    "saisie_trois_ saisie_quatre_ saisie_cinq_ saisie_six_ saisie_sept_ saisie_huit_ saisie_neuf_ saisie_vr_ "
    "saisie_plus_ saisie_moins_ saisie_effacer_ saisie_annuler_ saisie_valider_ banque_case_");

// Every picture a screen asks for besides the twins, the levels, the marks and the suns.
Names ScreenNames() {
    Names names = Split(
        "HintImageOptions HintImageHistorique HintImageTravailler HintImageQuitter pingouin ballon papillon "
        "titre_math titre_francais LatestALPHA ident_banner ident_form ImageHint_Exit ImageHint_Verification "
        "ImageHint_Correction ImageHint_Next ImageHint_Help ImageHint_Jeu hint_jump hint_previous hint_sommaire "
        "Titre_MATIERE_MATH Titre_MATIERE_FRANCAIS TableMatieres ToutBon PasMal qb_img_select qb_img_unselect "
        "qb_bravo qb_faux_vrai qb_faux_faux options_titre options_entete options_deco_1 options_deco_2 histo_titre "
        "histo_cahier fin_titre fin_arc_en_ciel fin_trophee fin_pingouin fin_ballon fin_jardin jeu_banniere "
        "jeu_bateau jeu_cartes jeu_pingouin_1 jeu_pingouin_2 jeu_titre_compte jeu_trophee jeu_tuile_nombre "
        "jeu_tuile_signe jeu_cadre_compte jeu_case jeu_titre_naval jeu_carte_marine jeu_phare jeu_boussole "
        "jeu_bateau_petit qcm_selected qcm_unselected qcm_shape_selection qcm_juste qo_correct qo_incorrect "
        "qcc_true qcc_false Imq_title_answer_QO Imq_title_answers_QO Bravo_qo qcc_empty right_select_image "
        "QCC_Association_empty fond_texte info_mots banque_fond banque_cache info_mots_choisis watch_empty_1 "
        "watch_empty_2");
    for (const auto& s : kTwinStems) names.insert(names.end(), {s + "1", s + "2"});
    for (const auto& l : kLevels) names.insert(names.end(), {"Classe" + l, "player_Classe" + l});
    for (int n = 1; n <= 8; ++n) names.push_back("qcc_right_" + std::to_string(n));
    for (int n = 1; n <= 7; ++n) names.push_back("soleil_" + std::to_string(n));
    for (int m = 0; m <= 10; ++m) names.push_back("Note" + std::to_string(m));
    return names;
}

TEST(Artwork, EveryNameHasAnOpaquePictureOfItsAnnouncedSizeDrawnOnce) {
    const std::vector<AnsiString> listed = ArtworkNames();
    const std::set<AnsiString> catalogue(listed.begin(), listed.end());
    EXPECT_EQ(catalogue.size(), listed.size()) << "a name is listed twice";
    for (const auto& name : ScreenNames()) EXPECT_TRUE(catalogue.count(name)) << name;
    for (const auto& name : listed) {
        const QImage image = Artwork(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), ArtworkSize(name)) << name;
        // Copied onto bitmaps without transparency.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 255) << name;
    }
    for (const char* name : {"", "ImageOptions", "imageoptions1", "Note11", "alpha_", "LatestAlpha"})
        EXPECT_TRUE(Artwork(name).isNull() && ArtworkSize(name).isEmpty()) << name;
    EXPECT_EQ(Artwork("TableMatieres").cacheKey(), Artwork("TableMatieres").cacheKey());
}

TEST(Artwork, TwinsAndPicturesOfOneKindDiffer) {
    for (const auto& stem : kTwinStems) EXPECT_NE(Artwork(stem + "1"), Artwork(stem + "2")) << stem;
    std::vector<Names> groups = {Split("ToutBon PasMal qb_bravo qb_faux_vrai qb_faux_faux"),
                                 Split("HintImageOptions HintImageHistorique HintImageTravailler HintImageQuitter"),
                                 Split("qb_img_select qb_img_unselect"), Split("qcm_selected qcm_unselected"),
                                 Split("qo_correct qo_incorrect Imq_title_answer_QO Imq_title_answers_QO"),
                                 Split("watch_empty_1 watch_empty_2"), {}, {}, {}, {}, {}};
    for (int m = 0; m <= 10; ++m) groups[6].push_back("Note" + std::to_string(m));
    for (const auto& l : kLevels) groups[7].push_back("Classe" + l);
    for (int n = 1; n <= 7; ++n) groups[8].push_back("soleil_" + std::to_string(n));
    for (int n = 1; n <= 8; ++n) groups[9].push_back("qcc_right_" + std::to_string(n));
    for (const auto& stem : kTwinStems)
        if (stem.rfind("saisie_", 0) == 0) groups[10].push_back(stem + "1");
    for (const auto& group : groups)
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_NE(Artwork(group[i]), Artwork(group[j])) << group[i] << " / " << group[j];
}

}  // namespace
