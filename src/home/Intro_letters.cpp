// Texts drawn from letter pictures: the character pictures and the glyph sheet are
// stored with the home screen; other screens draw through StartForm.
#include "home/Intro.h"

#include "ui/LetterDrawing.h"

void TStartForm::RenderGlyphText(AnsiString text, TImage* target) {
    if (!target) return;
    // The character pictures are the "alpha_..." images of the store Panel2.
    const auto lookup = [this](const AnsiString& name) -> QImage {
        for (TControl* control : Panel2->Controls())
            if (control->Name() == name)
                if (auto* image = dynamic_cast<TImage*>(control)) return image->Picture().Image();
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
    // The lists are parsed once, not at every key typed into the name; a failure keeps
    // what was read so far.
    static letters::GlyphSheetCache layouts;
    Guarded([&] { layouts.Update(glyphs, lefts, tops, rights, bottoms); });
    Guarded([&] {
        if (!target) return;
        // Drawn when first shown: the sheet too waits until then.
        target->Picture().SetDeferred(letters::DeferredSheetImage(
            text, sheet ? sheet->Picture().Source() : nullptr, layouts.Sheet(), height, colour));
    });
}
