// The exercise's picture: one framed figure per exercise page, filled from the file the
// record names in the data folder's exo_images, and the toggle that hides and shows it.
#include "player/Mainform_exo.h"

#include "home/Intro.h"
#include "platform/Files.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

namespace {

constexpr TColor kFrameColour = 0xB0968C;
const char* const kFigureShown = "0";
const char* const kFigureHidden = "1";
const char* const kImagesFolder = "exo_images";

// Where the figure of each page stands. On the multiple-choice and matching pages it
// belongs to the panel of the answers, which moves down as the statement wraps; while
// that panel is not on its page, the figure stands where it would be under a one-line
// statement.
struct FigurePlace {
    const char* kind;
    const char* holder;     // the panel of the page that holds the figure, if any
    int holderLeft, holderTop;
    int left, top;
};
const FigurePlace kPlaces[8] = {
    {"QCM", "Panel_Text_QCM", 24, 96, 472, 136}, {"QO", nullptr, 0, 0, 434, 248},
    {"QB", nullptr, 0, 0, 472, 280},             {"QCC", "Panel_Text_QCC", 16, 96, 472, 136},
    {"QTRO", nullptr, 0, 0, 490, 288},           {"QTRC", nullptr, 0, 0, 490, 288},
    {"QMR", nullptr, 0, 0, 490, 288},            {"QMT", nullptr, 0, 0, 490, 288}};

TControl* ChildNamed(TControl* parent, const char* name) {
    for (TControl* c : parent->Controls())
        if (c->Name() == name) return c;
    return nullptr;
}

bool IsExercisePageNumber(int page) { return page >= 1 && page <= 8; }

}  // namespace

void TMainFormEXO::BuildFigures() {
    TPanel** panels[] = {&Panel_Fig_QCM, &Panel_Fig_QO, &Panel_Fig_QB, &Panel_Fig_QCC,
                         &Panel_Fig_QTRO, &Panel_Fig_QTRC, &Panel_Fig_QMR, &Panel_Fig_QMT};
    TImage** images[] = {&Img_QCM, &Img_QO, &Img_QB, &Img_QCC, &Img_QTRO, &Img_QTRC, &Img_QMR, &Img_QMT};
    for (int i = 0; i < 8; ++i) {
        const FigurePlace& place = kPlaces[i];
        TControl* parent = ExoPageControl->Page(i);
        int left = place.left, top = place.top;
        if (place.holder) {
            if (TControl* holder = ChildNamed(parent, place.holder)) {
                parent = holder;
            } else {
                left += place.holderLeft;
                top += place.holderTop;
            }
        }
        const AnsiString kind = place.kind;
        TPanel* panel = MakePanel(parent, "Panel_Fig_" + kind, left, top, 320, 320, kFrameColour);
        MakePicture(panel, "Frame_" + kind, "figure_frame", 0, 0);
        // At its own size, centred: a larger picture shows its middle.
        TImage* image = new TImage(panel, "Img_" + kind);
        image->SetBounds(6, 7, 300, 300);
        image->SetCenter(true);
        panel->Hide();
        // Its frame is drawn ahead: the first exercise with a figure waits for no drawing.
        TApplication::ShowsAtTimes(panel);
        *panels[i] = panel;
        *images[i] = image;
    }

    // The toggle under the page: the face af with the transparent af_label over it,
    // and its four faces kept hidden in the same panel.
    auto face = [this](const char* name) {
        TImage* f = MakePicture(Panel_afficher_image, name, name, 16, 8);
        f->Hide();
        return f;
    };
    mf1 = face("mf1");
    mf2 = face("mf2");
    af1 = face("af1");
    af2 = face("af2");
    af = MakePicture(Panel_afficher_image, "af", "mf1", 16, 8, 201, 25);
    af->SetCenter(true);
    af->SetHint(kFigureShown);
    // Drawn ahead too: the toggle comes with the first figure.
    TApplication::ShowsAtTimes(Panel_afficher_image);
    af_label = HotLabel(Panel_afficher_image, "af_label", 8, 8, 217, 25);
    af_label->OnClick = [this](TObject* s) { af_labelClick(s); };
    af_label->OnMouseEnter = [this](TObject* s) { af_labelMouseEnter(s); };
    af_label->OnMouseLeave = [this](TObject* s) { af_labelMouseLeave(s); };
}

TPanel* TMainFormEXO::FigurePanel(int pageNumber) const {
    TPanel* const panels[] = {Panel_Fig_QCM, Panel_Fig_QO, Panel_Fig_QB, Panel_Fig_QCC,
                              Panel_Fig_QTRO, Panel_Fig_QTRC, Panel_Fig_QMR, Panel_Fig_QMT};
    return IsExercisePageNumber(pageNumber) ? panels[pageNumber - 1] : nullptr;
}

TImage* TMainFormEXO::FigureImage(int pageNumber) const {
    TImage* const images[] = {Img_QCM, Img_QO, Img_QB, Img_QCC, Img_QTRO, Img_QTRC, Img_QMR, Img_QMT};
    return IsExercisePageNumber(pageNumber) ? images[pageNumber - 1] : nullptr;
}

void TMainFormEXO::HideExercisePictures() {
    for (int page = 1; page <= 8; ++page) FigurePanel(page)->Hide();
}

void TMainFormEXO::ShowExercisePicture() {
    Guarded([this] {
        const int page = ExoPageControl->ActivePageIndex() + 1;
        HideExercisePictures();
        // The toggle never stays without a figure of this exercise to hide or show.
        Panel_afficher_image->Hide();
        if (!IsExercisePageNumber(page) || !Table_Exos->Active() || Table_Exos->RecordCount() == 0) return;
        const Variant name = Table_Exos->FieldByName("imageExo").Value();
        if (name.IsNull()) return;
        // Only a file of exo_images, whatever the name says.
        const std::string path = FileInFolder(JoinPath(StartForm->AppDir, kImagesFolder), name.AsString());
        if (path.empty()) return;
        FigureImage(page)->Picture().LoadFromFile(path);
        FigurePanel(page)->Show();
        Panel_afficher_image->Show();
    });
}

void TMainFormEXO::af_labelClick(TObject*) {
    const int page = ExoPageControl->ActivePageIndex() + 1;
    const bool hide = af->Hint() == kFigureShown;
    af->SetHint(hide ? kFigureHidden : kFigureShown);
    af->Picture().Assign((hide ? af2 : mf2)->Picture());
    if (TPanel* figure = FigurePanel(page)) figure->SetVisible(!hide);
}

void TMainFormEXO::af_labelMouseEnter(TObject*) {
    af->Picture().Assign((af->Hint() == kFigureShown ? mf2 : af2)->Picture());
}

void TMainFormEXO::af_labelMouseLeave(TObject*) {
    af->Picture().Assign((af->Hint() == kFigureShown ? mf1 : af1)->Picture());
}
