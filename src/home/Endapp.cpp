// The goodbye screen.
#include "home/Endapp.h"

#include "home/Intro.h"
#include "home/Screens.h"
#include "ui/ScreenParts.h"

TAbientot* Abientot = nullptr;

namespace {

// A centred picture at its stored place and size.
TImage* Centred(TControl* parent, const AnsiString& name, const AnsiString& art, int left, int top,
                int width, int height) {
    TImage* image = MakePicture(parent, name, art, left, top, width, height);
    image->SetCenter(true);
    return image;
}

}  // namespace

TAbientot::TAbientot() : TForm("Abientot") {
    SetCaption("FIN");
    SetCursor(TCursor::HandPoint);
    Border = AddScreenBorder(this);
    Border->SetEnabled(false);

    Image1 = Centred(this, "Image1", "fin_trophee", 264, 200, 667, 642);
    Image2 = Centred(this, "Image2", "fin_jardin", 168, 512, 883, 409);
    Image4 = Centred(this, "Image4", "fin_titre", 313, 44, 537, 65);
    Image3 = Centred(this, "Image3", "fin_pingouin", 288, 408, 193, 217);
    Image5 = Centred(this, "Image5", "fin_ballon", 736, 408, 169, 209);
    Image6 = Centred(this, "Image6", "fin_arc_en_ciel", 224, 112, 729, 249);
    nom_utilisateur = Centred(this, "nom_utilisateur", "", 136, 744, 937, 89);
    nom_utilisateur->SetProportional(true);   // a long name shrinks rather than lose its ends
    TImage** suns[] = {&soleil_7, &soleil_6, &soleil_5, &soleil_4, &soleil_3, &soleil_2, &soleil_1};
    for (int i = 0; i < 7; ++i) {
        const std::string n = std::to_string(7 - i);
        *suns[i] = Centred(this, "soleil_" + n, "soleil_" + n, 800 - 80 * i, 840, 81, 81);
    }
    Border->BringToFront();

    Timer1 = new TTimer(this, "Timer1");
    Timer1->SetInterval(8000);
    Timer2 = new TTimer(this, "Timer2");
    Timer2->SetInterval(1000);

    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s) { FormClose(s); };
    OnClick = [this](TObject* s) { FormClick(s); };
    Image1->OnClick = [this](TObject* s) { Image1Click(s); };
    Image2->OnClick = [this](TObject* s) { Image2Click(s); };
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    Timer2->OnTimer = [this](TObject* s) { Timer2Timer(s); };
}

TImage* TAbientot::Sun(int n) const {
    TImage* const suns[] = {soleil_1, soleil_2, soleil_3, soleil_4, soleil_5, soleil_6, soleil_7};
    return n >= 1 && n <= 7 ? suns[n - 1] : nullptr;
}

void TAbientot::FormShow(TObject* sender) {
    SunCount = 7;
    if (StartForm) nom_utilisateur->Picture().Assign(StartForm->IdentifiantNOM->Picture());
    Timer1->SetEnabled(true);
    Timer2->SetEnabled(true);
}

void TAbientot::Timer2Timer(TObject* sender) {
    if (TImage* sun = Sun(SunCount)) sun->Hide();
    --SunCount;
}

void TAbientot::Timer1Timer(TObject* sender) { Close(); }

void TAbientot::FormClick(TObject* sender) { Close(); }
void TAbientot::Image1Click(TObject* sender) { Close(); }
void TAbientot::Image2Click(TObject* sender) { Close(); }

void TAbientot::FormClose(TObject* sender) {
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
}
