#include "home/Screens.h"

#include "games/Jeux.h"
#include "home/Endapp.h"
#include "home/Historique.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "home/Options.h"
#include "player/Mainform_exo.h"
#include "player/Myinputbox.h"
#include "ui/ScreenParts.h"

namespace {
constexpr TColor kFrameTextColor = 0xF0FAFF;    // cream
constexpr TColor kFrameHoverColor = 0x00FFFF;   // yellow
}  // namespace

void CreateScreens() {
    Application->CreateForm(StartForm);
    Application->CreateForm(MainFormEXO);
    Application->CreateFormLater(Identification);
    Application->CreateFormLater(OptionForm);
    Application->CreateFormLater(HistoriqueForm);
    Application->CreateFormLater(Abientot);
    Application->CreateFormLater(Jeu);
    Application->CreateFormLater(EnterText);
    // The player is what every learner opens; the options, history and games screens
    // get their surface when their command is pointed at.
    Application->PrepareSurfaceAhead(MainFormEXO);
    // Shown on a first run only, before the loop.
    Application->PrepareNothingAhead(Identification);
}

void CompleteScreens() { Application->CompleteForms(); }

void DestroyScreens() {
    Application->DestroyForms();
    StartForm = nullptr;
    MainFormEXO = nullptr;
    Identification = nullptr;
    OptionForm = nullptr;
    HistoriqueForm = nullptr;
    Abientot = nullptr;
    Jeu = nullptr;
    EnterText = nullptr;
}

TShape* AddScreenBorder(TForm* form) {
    form->SetColor(kScreenColor);
    auto* border = new TShape(form, "Border");
    border->SetBounds(0, 0, form->Width(), form->Height());
    border->Brush().SetStyle(TBrushStyle::Clear);
    border->Pen().SetColor(0x8A694A);
    border->Pen().SetWidth(10);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    return border;
}

TLabel* AddScreenTitle(TForm* form, const AnsiString& caption) {
    auto* title = new TLabel(form, "Titre");
    title->SetAutoSize(false);
    title->SetTransparent(true);
    title->SetAlignment(TAlignment::Center);
    title->SetLayoutCenter(true);
    title->Font().SetName("Arial Narrow");
    const bool small = form->Height() < 200;
    title->Font().SetHeight(small ? 26 : 48);
    title->Font().SetStyle(fsBold);
    title->Font().SetColor(kFrameTextColor);
    title->SetBounds(20, small ? 12 : 30, form->Width() - 40, small ? 32 : 60);
    title->SetCaption(caption);
    return title;
}

TLabel* AddCloseCommand(TForm* form, const AnsiString& name, const AnsiString& caption,
                        int left, int top) {
    TLabel* label = TextLabel(form, name, 0, top, "Arial Narrow", 32, fsBold, kFrameTextColor, caption);
    label->SetCursor(TCursor::HandPoint);
    label->SetLeft(left >= 0 ? left : (form->Width() - label->Width()) / 2);
    label->OnMouseEnter = [](TObject* s) { static_cast<TLabel*>(s)->Font().SetColor(kFrameHoverColor); };
    label->OnMouseLeave = [](TObject* s) { static_cast<TLabel*>(s)->Font().SetColor(kFrameTextColor); };
    label->OnClick = [form](TObject*) { form->Close(); };
    return label;
}
