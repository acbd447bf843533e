// The identification screen (first run).
#include "home/Indetificationform.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLineEdit>

#include "home/Intro.h"
#include "home/LearnerLine.h"
#include "home/Screens.h"
#include "platform/Dialogs.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

TIdentification* Identification = nullptr;


TIdentification::TIdentification() : TForm("Identification") {
    SetCaption("IDENTIFICATION");
    Border = AddScreenBorder(this);

    const QSize banner = ArtworkSize("ident_banner");
    const int bannerWidth = banner.isEmpty() ? 1000 : banner.width();
    Image2 = MakePicture(this, "Image2", "ident_banner", (Width() - bannerWidth) / 2, 60,
                         bannerWidth, banner.isEmpty() ? 120 : banner.height());

    Panel1 = new TPanel(this, "Panel1");
    Panel1->SetBounds(322, 232, 633, 553);
    Panel1->SetBevelOuter(TBevelCut::None);
    Panel1->SetShowCaption(false);
    Panel1->SetColor(kScreenColor);

    Image1 = MakePicture(Panel1, "Image1", "ident_form", 8, 16);

    Prenom = new TEdit(Panel1, "Prenom");
    Prenom->SetBounds(280, 398, 169, 24);
    Prenom->SetBorderStyle(TBorderStyle::None);
    Prenom->SetColor(13352098);
    Prenom->Font().SetName("Arial Narrow");
    Prenom->Font().SetHeight(19);
    Prenom->Font().SetStyle(fsBold);
    Prenom->Font().SetColor(clNavy);
    Prenom->SetMaxLength(0);

    AM = new TComboBox(Panel1, "AM");
    AM->SetBounds(276, 436, 129, 21);
    AM->SetColor(7791820);
    AM->Font().SetName("Arial Narrow");   // the whole entry fits the stored width
    AM->Font().SetHeight(13);
    AM->SetItems(SubjectLevelList());
    AM->SetItemIndex(-1);

    Label5 = new TLabel(Panel1, "Label5");
    Label5->SetTransparent(true);
    Label5->Font().SetName("Arial");
    Label5->Font().SetHeight(24);
    Label5->Font().SetColor(clNavy);
    Label5->SetCaption(Utf8ToAnsi("Matière"));
    Label5->AdjustSize();
    Label5->SetBounds(AM->Left() - Label5->Width() - 10, AM->Top() + (AM->Height() - Label5->Height()) / 2,
                      Label5->Width(), Label5->Height());
    // The form picture carries the prompts of both boxes: the caption is not shown twice.
    Label5->Hide();

    GivePrenom = new TLabel(Panel1, "GivePrenom");
    GivePrenom->SetAutoSize(false);
    GivePrenom->SetTransparent(true);
    GivePrenom->SetAlignment(TAlignment::Center);
    GivePrenom->SetLayoutCenter(true);
    GivePrenom->Font().SetName("Arial Narrow");
    GivePrenom->Font().SetHeight(32);
    GivePrenom->Font().SetColor(clPurple);
    GivePrenom->SetBounds(88, 464, 425, 37);
    GivePrenom->Hide();

    std::tie(ok, LabelOK, o1, o2) = MakePictureButton(Panel1, {"ok", "LabelOK", "o1", "o2"}, "o1", "o2", 472, 509);
    std::tie(annuler, LabelAnnuler, v1, v2) =
        MakePictureButton(Panel1, {"annuler", "LabelAnnuler", "v1", "v2"}, "v1", "v2", 312, 509);
    annuler->Hide();
    LabelAnnuler->Hide();
    LabelAnnuler->SetEnabled(false);

    OnShow = [this](TObject* s) { FormShow(s); };
    LabelOK->OnClick = [this](TObject* s) { LabelOKClick(s); };
    LabelOK->OnMouseEnter = [this](TObject* s) { LabelOKMouseEnter(s); };
    LabelOK->OnMouseLeave = [this](TObject* s) { LabelOKMouseLeave(s); };
    LabelAnnuler->OnMouseEnter = [this](TObject* s) { LabelAnnulerMouseEnter(s); };
    LabelAnnuler->OnMouseLeave = [this](TObject* s) { LabelAnnulerMouseLeave(s); };
}

void TIdentification::FormShow(TObject* sender) {
    validated_ = false;
    chosenLine_.clear();
    GivePrenom->Hide();
    // No cancel is offered: the screen is only shown when there is no learner yet.
    annuler->Hide();
    LabelAnnuler->Hide();
    LabelAnnuler->SetEnabled(false);
    Prenom->SetFocus();
}

void TIdentification::LabelOKClick(TObject* sender) {
    const AnsiString name = Trim(Prenom->Text());
    const NameFault fault = TypedNameFault(Prenom->findChild<QLineEdit*>()->text());
    if (name.empty() || fault != NameFault::None || AM->ItemIndex() < 0) {
        ShowError(name.empty()                        ? "IL FAUT FOURNIR TON  PRENOM !"
                  : fault == NameFault::Separator     ? "IL NE FAUT PAS DE @ DANS TON PRENOM !"
                  : fault == NameFault::Unwritable    ? "UN SIGNE DE TON PRENOM N'EST PAS ACCEPTE !"
                                                      : "IL FAUT CHOISIR UNE CLASSE DE REFERENCE !");
        return;
    }
    if (!StartForm) throw Exception("home screen not created");
    StartForm->SetLearnerName(name);
    GivePrenom->Hide();
    chosenLine_ = name + "@" + AM->Text();
    TStringList lines;
    lines.Add(chosenLine_);
    try {
        lines.SaveToFile(StartForm->LearnerFilePath());
    } catch (const Exception& e) {
        // The learner is not kept waiting: the start-up goes on with the line chosen,
        // for this run only.
        ShowMessage(e.Message() + "\n\n" +
                    Utf8ToAnsi("Ton prénom ne sera pas retenu : il faudra le donner à nouveau "
                               "au prochain démarrage du programme."));
    }
    validated_ = true;
    Close();
}

void TIdentification::ShowError(const AnsiString& text) {
    GivePrenom->SetCaption(text);
    // The line widens about its stored centre so that the longer message shows whole.
    const int stored = 425, centre = 88 + stored / 2;
    const int needed = QFontMetrics(GivePrenom->Font().ToQFont()).horizontalAdvance(ToQString(text)) + 8;
    const int width = std::min(std::max(stored, needed), Panel1->Width());
    const int left = std::clamp(centre - width / 2, 0, Panel1->Width() - width);
    GivePrenom->SetBounds(left, GivePrenom->Top(), width, GivePrenom->Height());
    GivePrenom->Show();
}

void TIdentification::LabelOKMouseEnter(TObject* sender) { ok->Picture().Assign(o2->Picture()); }
void TIdentification::LabelOKMouseLeave(TObject* sender) { ok->Picture().Assign(o1->Picture()); }
void TIdentification::LabelAnnulerMouseEnter(TObject* sender) { annuler->Picture().Assign(v2->Picture()); }
void TIdentification::LabelAnnulerMouseLeave(TObject* sender) { annuler->Picture().Assign(v1->Picture()); }

void TIdentification::closeEvent(QCloseEvent* e) {
    // A close asked by the window system waits for a valid OK (the program itself
    // closes the screen through Close(), which does not come here).
    if (!validated_) {
        e->ignore();
        return;
    }
    TForm::closeEvent(e);
}
