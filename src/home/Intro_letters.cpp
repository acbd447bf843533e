// Texts drawn from letter pictures: the character pictures and the glyph sheet are
// stored with the home screen; other screens draw through StartForm.
#include "home/Intro.h"

#include <utility>

#include "ui/LetterDrawing.h"

void TStartForm::RenderGlyphText(AnsiString text, TImage* target) {
    if (!target) return;
    const std::pair<const char*, TImage*> pictures[] = {
        {"alpha_a", alpha_a}, {"alpha_b", alpha_b}, {"alpha_c", alpha_c}, {"alpha_d", alpha_d},
        {"alpha_e", alpha_e}, {"alpha_f", alpha_f}, {"alpha_g", alpha_g}, {"alpha_h", alpha_h},
        {"alpha_i", alpha_i}, {"alpha_j", alpha_j}, {"alpha_k", alpha_k}, {"alpha_l", alpha_l},
        {"alpha_m", alpha_m}, {"alpha_n", alpha_n}, {"alpha_o", alpha_o}, {"alpha_p", alpha_p},
        {"alpha_q", alpha_q}, {"alpha_r", alpha_r}, {"alpha_s", alpha_s}, {"alpha_t", alpha_t},
        {"alpha_u", alpha_u}, {"alpha_v", alpha_v}, {"alpha_w", alpha_w}, {"alpha_x", alpha_x},
        {"alpha_y", alpha_y}, {"alpha_z", alpha_z}, {"alpha_0", alpha_0}, {"alpha_1", alpha_1},
        {"alpha_2", alpha_2}, {"alpha_3", alpha_3}, {"alpha_4", alpha_4}, {"alpha_5", alpha_5},
        {"alpha_6", alpha_6}, {"alpha_7", alpha_7}, {"alpha_8", alpha_8}, {"alpha_9", alpha_9},
        {"alpha_pe", alpha_pe}, {"alpha_pi", alpha_pi}, {"alpha_pp", alpha_pp},
        {"alpha_op", alpha_op}, {"alpha_mm", alpha_mm}, {"alpha_of", alpha_of},
        {"alpha_od", alpha_od}, {"alpha_opo", alpha_opo}, {"alpha_opf", alpha_opf},
    };
    const auto lookup = [&pictures](const AnsiString& name) -> QImage {
        for (const auto& [pictureName, image] : pictures)
            if (name == pictureName) return image ? image->Picture().Image() : QImage();
        return QImage();
    };
    Guarded([&] { target->Picture().SetImage(letters::RenderGlyphImage(text, lookup)); });
}

void TStartForm::DrawLearnerName(AnsiString text) {
    DrawSheetText(CollapseSpaces(text), IdentifiantNOM, LatestALPHA, letters::kSheetGlyphList,
                  letters::kSheetLeftList, letters::kSheetTopList, letters::kSheetRightList,
                  letters::kSheetBottomList, letters::kNameStripHeight, kScreenColor);
}

AnsiString TStartForm::CollapseSpaces(AnsiString text) {
    return letters::CollapseSpaces(text);
}

void TStartForm::DrawSheetText(AnsiString text, TImage* target, TImage* sheet, AnsiString glyphs,
                               AnsiString lefts, AnsiString tops, AnsiString rights,
                               AnsiString bottoms, int height, TColor colour) {
    // The lists are read again at every call; a failure keeps what was read so far.
    letters::GlyphSheet layout;
    Guarded([&] { letters::ParseGlyphSheet(glyphs, lefts, tops, rights, bottoms, layout); });
    Guarded([&] {
        if (!target) return;
        const QImage sheetPicture = sheet ? sheet->Picture().Image() : QImage();
        target->Picture().SetImage(
            letters::DrawSheetImage(text, sheetPicture, layout, height, colour));
    });
}
