// The options screen.
#include "home/Options.h"

#include <QEvent>

#include "home/Intro.h"
#include "home/Screens.h"
#include "platform/Dialogs.h"
#include "player/Mainform_exo.h"
#include "player/TraceLog.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

TOptionForm* OptionForm = nullptr;

namespace {

constexpr TColor kFramePen = 7823407;
constexpr TColor kInnerColor = 11572876;
constexpr int kInnerWidth = 700, kGroupWidth = 660, kRowHeight = 28;

TGroupBox* MakeGroup(TControl* parent, const AnsiString& name, const char* caption, int top, int rows) {
    auto* group = new TGroupBox(parent, name);
    group->SetBounds(20, top, kGroupWidth, 24 + rows * kRowHeight);
    group->Font().SetName("Arial");
    group->Font().SetHeight(13);
    group->Font().SetStyle(fsBold);
    group->SetCaption(Utf8ToAnsi(caption));
    return group;
}

TRadioButton* MakeRadio(TGroupBox* group, const AnsiString& name, int row, const char* caption) {
    auto* radio = new TRadioButton(group, name);
    radio->SetBounds(16, 22 + row * kRowHeight, kGroupWidth - 28, 20);
    radio->Font().SetName("Arial");
    radio->Font().SetHeight(13);
    radio->Font().SetStyle(0);
    radio->SetCaption(Utf8ToAnsi(caption));
    return radio;
}

AnsiString NotKeptText() {
    return Utf8ToAnsi("Attention : les choix sont pris en compte pour cette session, mais ils n'ont pas pu "
                      "être enregistrés pour les suivantes.");
}

}  // namespace

TOptionForm::TOptionForm() : TForm("OptionForm") {
    SetCaption("OPTIONS");
    Border = AddScreenBorder(this);

    Image2 = MakePicture(this, "Image2", "options_titre", 0, 100);
    Image2->SetLeft((Width() - Image2->Width()) / 2);

    const int panelWidth = kInnerWidth + 40;
    Panel2 = MakePanel(this, "Panel2", (Width() - panelWidth) / 2, 210, panelWidth, 640, kScreenColor);

    Panel1 = MakePanel(Panel2, "Panel1", 20, 20, kInnerWidth, 0, kInnerColor);
    Image1 = MakePicture(Panel1, "Image1", "options_entete", 20, 14);

    // The third choice of exercises is hidden: its group is as high as the two shown.
    GroupBox1 = MakeGroup(Panel1, "GroupBox1", "Exercices", 80, 2);
    S1 = MakeRadio(GroupBox1, "S1", 0, "ne proposer que les exercices non encore traités");
    S2 = MakeRadio(GroupBox1, "S2", 1, "proposer tous les exercices y compris ceux déjà traités");
    S3 = MakeRadio(GroupBox1, "S3", 2,
                   "ne proposer que les exercices déjà traités et pour lesquels la note obtenue n'était pas maximale");
    S3->Hide();
    GroupBox2 = MakeGroup(Panel1, "GroupBox2", "Divertissement", GroupBox1->Top() + GroupBox1->Height() + 14, 2);
    D1 = MakeRadio(GroupBox2, "D1", 0,
                   "ne donner accès au module de divertissement que lorsqu'au moins 1 exercice a été traité");
    D2 = MakeRadio(GroupBox2, "D2", 1, "laisser un accès libre au module de divertissement");
    GroupBox3 = MakeGroup(Panel1, "GroupBox3", "Prise en compte", GroupBox2->Top() + GroupBox2->Height() + 14, 3);
    P1 = MakeRadio(GroupBox3, "P1", 0, "considérer les choix actuels uniquement pour cette session");
    P2 = MakeRadio(GroupBox3, "P2", 1,
                   "considérer les choix actuels pour cette session et les suivantes ( jusqu'au prochain changement!)");
    P3 = MakeRadio(GroupBox3, "P3", 2,
                   "ne pas considérer les choix actuels (s'ils sont différents des paramètres initiaux)");
    S1->SetChecked(true);
    D2->SetChecked(true);
    P3->SetChecked(true);

    const int below = GroupBox3->Top() + GroupBox3->Height();
    ButtonHint = FixedLabel(TextLabel(Panel1, "ButtonHint", 0, 0, "Arial Narrow", 19, fsBold, clNavy, ""),
                            20, below + 10, kGroupWidth, 26, TAlignment::Center);
    ButtonHint->SetLayoutCenter(true);
    Label1 = TextLabel(Panel1, "Label1", 20, below + 44, "Arial", 13, 0, clPurple,
                       Utf8ToAnsi("Remarque: Les options courantes peuvent être changées à tout moment. "));
    Panel1->SetHeight(Label1->Top() + Label1->Height() + 14);

    Shape1 = new TShape(Panel2, "Shape1");
    Shape1->SetBounds(0, 0, Panel2->Width(), Panel1->Height() + 40);
    Shape1->Brush().SetStyle(TBrushStyle::Clear);
    Shape1->Pen().SetColor(kFramePen);
    Shape1->Pen().SetWidth(20);
    Shape1->lower();

    // The two commands below the inner panel, side by side.
    const int commandsTop = Shape1->Height() + 24;
    const int gap = 48, defautWidth = ArtworkSize("options_v1").width();
    const int left = (Panel2->Width() - defautWidth - gap - ArtworkSize("o1").width()) / 2;
    std::tie(defaut, LabelDefaut, v1, v2) = MakePictureButton(Panel2, {"defaut", "LabelDefaut", "v1", "v2"},
                                                              "options_v1", "options_v2", left, commandsTop);
    std::tie(ok, LabelOK, o1, o2) =
        MakePictureButton(Panel2, {"ok", "LabelOK", "o1", "o2"}, "o1", "o2", left + defautWidth + gap, commandsTop);
    Panel2->SetHeight(commandsTop + ok->Height() + 8);

    // A decoration either side of the panel, level with its middle.
    Image3 = MakePicture(this, "Image3", "options_deco_1", 0, 0);
    Image4 = MakePicture(this, "Image4", "options_deco_2", 0, 0);
    const int right = Panel2->Left() + Panel2->Width(), middle = Panel2->Top() + Shape1->Height() / 2;
    Image3->SetBounds((Panel2->Left() - Image3->Width()) / 2, middle - Image3->Height() / 2, Image3->Width(),
                      Image3->Height());
    Image4->SetBounds(right + (Width() - right - Image4->Width()) / 2, middle - Image4->Height() / 2,
                      Image4->Width(), Image4->Height());

    OnShow = [this](TObject* s) { FormShow(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    LabelOK->OnClick = [this](TObject* s) { LabelOKClick(s); };
    LabelOK->OnMouseEnter = [this](TObject* s) { LabelOKMouseEnter(s); };
    LabelOK->OnMouseLeave = [this](TObject* s) { LabelOKMouseLeave(s); };
    LabelDefaut->OnClick = [this](TObject* s) { LabelDefautClick(s); };
    LabelDefaut->OnMouseEnter = [this](TObject* s) { LabelDefautMouseEnter(s); };
    LabelDefaut->OnMouseLeave = [this](TObject* s) { LabelDefautMouseLeave(s); };
}

void TOptionForm::ShowValues() {
    if (!StartForm) return;
    S1->SetChecked(StartForm->OptionExo == 0);
    S2->SetChecked(StartForm->OptionExo == 1);
    S3->SetChecked(StartForm->OptionExo == 2);
    D1->SetChecked(StartForm->OptionJeux == 0);
    D2->SetChecked(StartForm->OptionJeux == 1);
}

void TOptionForm::FormShow(TObject* sender) { ShowValues(); }

void TOptionForm::FormActivate(TObject* sender) { ShowValues(); }

void TOptionForm::LabelOKClick(TObject* sender) {
    bool kept = true;
    Guarded([&] {
        int exo = 0, jeux = 1;
        if (!P3->Checked()) {
            if (!StartForm) throw Exception("home screen not created");
            if (S1->Checked()) StartForm->OptionExo = exo = 0;
            if (S2->Checked()) StartForm->OptionExo = exo = 1;
            if (S3->Checked()) StartForm->OptionExo = exo = 2;
            if (D1->Checked()) StartForm->OptionJeux = jeux = 0;
            if (D2->Checked()) StartForm->OptionJeux = jeux = 1;
            if (P2->Checked()) kept = StoreOptions(exo, jeux);
        }
        ShowValues();
    });
    Close();
    // The screen is closed first: the learner reads the message over the home screen.
    if (!kept) ShowMessage(NotKeptText());
}

bool TOptionForm::StoreOptions(int exo, int jeux) {
    if (!MainFormEXO) return false;
    TADOConnection* connection = MainFormEXO->TraceADOConnection;
    TADOTable* table = MainFormEXO->OPTION_Table;
    // A trace locked by another program is waited for no longer than the player waits
    // to write a result.
    const TLockWait wait(connection, TraceLog::kLockWaitMs);
    const bool stored = Guarded([&] {
        if (!connection->Connected()) connection->Open();
        table->Open();
        if (table->RecordCount() < 1) {
            table->Append();
        } else {
            table->First();
            table->Edit();
        }
        table->FieldByName("optionExo").SetAsInteger(exo);
        table->FieldByName("optionJeux").SetAsInteger(jeux);
        table->Post();
        table->Close();
        connection->Close();
    });
    // A refused store leaves nothing open: the player and the history report use the
    // same connection afterwards.
    if (!stored) {
        Guarded([&] { table->Cancel(); });
        table->Close();
        Guarded([&] { connection->Close(); });
    }
    return stored;
}

void TOptionForm::LabelDefautClick(TObject* sender) {
    S1->SetChecked(true);
    D2->SetChecked(true);
    P3->SetChecked(true);
}

void TOptionForm::LabelOKMouseEnter(TObject* sender) {
    ok->Picture().Assign(o2->Picture());
    ButtonHint->SetCaption(Utf8ToAnsi(P3->Checked() ? "Fermer cette fenêtre"
                                                    : "Considérer les choix actuels et fermer cette fenêtre"));
}

void TOptionForm::LabelOKMouseLeave(TObject* sender) {
    ok->Picture().Assign(o1->Picture());
    ButtonHint->SetCaption("");
}

void TOptionForm::LabelDefautMouseEnter(TObject* sender) {
    defaut->Picture().Assign(v2->Picture());
    ButtonHint->SetCaption(Utf8ToAnsi("Rétablir les valeurs par défaut des différents paramètres"));
}

void TOptionForm::LabelDefautMouseLeave(TObject* sender) {
    defaut->Picture().Assign(v1->Picture());
    ButtonHint->SetCaption("");
}
