// The home screen: layout, start-up sequence, commands, panels, animation and the
// authoring scrambler. The learner list and the letter pictures are in
// Intro_learners.cpp and Intro_letters.cpp.
#include "home/Intro.h"

#include <QGraphicsDropShadowEffect>

#include "home/Endapp.h"
#include "home/Historique.h"
#include "home/Indetificationform.h"
#include "home/LearnerLine.h"
#include "home/Options.h"
#include "home/Screens.h"
#include "platform/ConnectionString.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

TStartForm* StartForm = nullptr;

const AnsiString kPublisherUrl = AnsiString("https://") + kPublisherSiteAddress;

namespace {

constexpr TColor kPanelColor = 0xF2F8FB;      // cream background of the two pop-up panels
constexpr TColor kHoverColor = 255;            // red
constexpr TColor kLinkColor = 0x800000;        // the stored navy
constexpr const char* kMarker = "USER_DATABASE_PATH";

// A stored picture of a hidden store, named after its artwork.
TImage* StoreImage(TControl* store, const AnsiString& name) {
    return MakePicture(store, name, name, 0, 0);
}

// A navy text command of the pop-up panels.
TLabel* MakeTextCommand(TControl* parent, const AnsiString& name, const AnsiString& caption,
                        int left, int top) {
    TLabel* label = TextLabel(parent, name, left, top, "Arial Narrow", 16, fsBold, kLinkColor, caption);
    label->SetCursor(TCursor::HandPoint);
    return label;
}

}  // namespace

TStartForm::TStartForm() : TForm("StartForm") {
    BuildLayout();
    WireEvents();
    // The two pop-up panels and the scrambler's panel are hidden at first: built when
    // the program is idle (see CreateScreens).
    Application->Defer([this] {
        FillClassesPanel();
        BuildLearnerPanel();
        BuildCryptPanel();
        // The pop-up panels stand above everything else.
        panel_liste_classes->BringToFront();
        panel_liste_eleves->BringToFront();
        WirePanels();
    });
}

TStartForm::~TStartForm() = default;

// ---------------------------------------------------------------------------------
// Layout

void TStartForm::BuildLayout() {
    SetCaption(Utf8ToAnsi("Cahier d'exercices"));
    Border = AddScreenBorder(this);

    BuildPictureStores();
    BuildClassesPanel();

    TitreProgramme = new TLabel(this, "TitreProgramme");
    TitreProgramme->SetAutoSize(false);
    TitreProgramme->SetTransparent(true);
    TitreProgramme->SetAlignment(TAlignment::Center);
    TitreProgramme->SetLayoutCenter(true);
    TitreProgramme->Font().SetName("Arial Narrow");
    TitreProgramme->Font().SetHeight(54);
    TitreProgramme->Font().SetStyle(fsBold);
    TitreProgramme->Font().SetColor(0xF0FAFF);
    TitreProgramme->SetBounds(40, 300, 1112, 70);
    TitreProgramme->SetCaption(Utf8ToAnsi("Mon cahier d'exercices"));
    auto* shadow = new QGraphicsDropShadowEffect(TitreProgramme);
    shadow->setBlurRadius(12);
    shadow->setOffset(3, 3);
    shadow->setColor(QColor(40, 50, 70, 160));
    TitreProgramme->setGraphicsEffect(shadow);

    // Name, level and subject pictures.
    IdentifiantNOM = new TImage(this, "IdentifiantNOM");
    IdentifiantNOM->SetBounds(24, 16, 1153, 65);
    IdentifiantNOM->SetCenter(true);
    IdentifiantNOM->SetProportional(true);   // a long name shrinks rather than lose its ends
    IdentifiantNOM->SetCursor(TCursor::HandPoint);
    QSize titreSize = ArtworkSize("titre_math");
    titre = MakePicture(this, "titre", "", 224, 114, titreSize.width(), titreSize.height());
    QSize classeSize = ArtworkSize("ClasseCP");
    WhichClasse = MakePicture(this, "WhichClasse", "", 232, 160, classeSize.width(),
                              classeSize.height());

    // Animation.
    papillon = MakePicture(this, "papillon", "papillon", 220, 116);
    ballon = MakePicture(this, "ballon", "ballon", 990, 88);
    timer_ballon = new TTimer(this, "timer_ballon");
    timer_ballon->SetInterval(100);
    timer_ballon->SetEnabled(false);

    // Web link.
    web_quillombre_education = MakePicture(this, "web_quillombre_education", "", 264, 466, 684, 33);
    web_quillombre_education->Picture().Assign(web_quillombre_education_1->Picture());
    Label_web_quillombre_education =
        HotLabel(this, "Label_web_quillombre_education", 291, 466, 601, 33);

    // Commands.
    Panel_Button = new TPanel(this, "Panel_Button");
    Panel_Button->SetBounds(369, 525, 481, 274);
    Panel_Button->SetBevelOuter(TBevelCut::None);
    Panel_Button->SetColor(kScreenColor);
    Panel_Button->SetCaption("");
    struct Face { TImage*& face; TImage*& normal; TLabel*& label; const char* name; const char* label_name; const char* hint; };
    Face faces[] = {
        {ImageOptions, ImageOptions1, LabelOptions, "ImageOptions", "LabelOptions",
         "Edition des options de fonctionnement"},
        {ImageHistorique, ImageHistorique1, LabelHistorique, "ImageHistorique", "LabelHistorique",
         "Affichage de l'historique de l'apprenant"},
        {ImageTravailler, ImageTravailler1, LabelTravailler, "ImageTravailler", "LabelTravailler",
         "Début d'une session de travail"},
        {ImageQuitter, ImageQuitter1, LabelQuitter, "ImageQuitter", "LabelQuitter",
         "Fin du programme"},
    };
    for (int i = 0; i < 4; ++i) {
        faces[i].face = MakePicture(Panel_Button, faces[i].name, "", 80, 24 + 60 * i, 305, 65);
        faces[i].face->Picture().Assign(faces[i].normal->Picture());
    }
    lpingouin = MakePicture(Panel_Button, "lpingouin", "pingouin", 8, 8, 65, 73);
    rpingouin = MakePicture(Panel_Button, "rpingouin", "pingouin", 392, 8, 65, 73);
    lpingouin->Hide();
    rpingouin->Hide();
    HintButton = new TLabel(Panel_Button, "HintButton");
    HintButton->SetAutoSize(false);
    HintButton->SetBounds(0, 288, 489, 33);
    HintButton->Font().SetName("Arial Narrow");
    HintButton->Font().SetHeight(24);
    HintButton->Font().SetColor(clSilver);
    HintButton->SetCaption("");
    HintButton->Hide();
    for (int i = 0; i < 4; ++i) {
        faces[i].label = HotLabel(Panel_Button, faces[i].label_name, 88, 32 + 60 * i, 281, 41);
        faces[i].label->SetHint(Utf8ToAnsi(faces[i].hint));
    }

    Hint_Button_Image = new TImage(this, "Hint_Button_Image");
    Hint_Button_Image->SetBounds(208, 798, 785, 41);
    Hint_Button_Image->SetCenter(true);
    Hint_Button_Image->Hide();

    commands_[0] = {LabelOptions, ImageOptions, ImageOptions2, ImageOptions1, HintImageOptions, 0};
    commands_[1] = {LabelHistorique, ImageHistorique, ImageHistorique2, ImageHistorique1,
                    HintImageHistorique, 60};
    commands_[2] = {LabelTravailler, ImageTravailler, ImageTravailler2, ImageTravailler1,
                    HintImageTravailler, 120};
    commands_[3] = {LabelQuitter, ImageQuitter, ImageQuitter2, ImageQuitter1, HintImageQuitter, 180};

    // Change links and their panels.
    QSize changeSize = changer_1->Picture().Empty() ? ArtworkSize("changer_1")
                                                    : QSize(changer_1->Picture().Width(),
                                                            changer_1->Picture().Height());
    changer_liste_apprenant_img = MakePicture(this, "changer_liste_apprenant_img", "", 670, 82,
                                              changeSize.width(), changeSize.height());
    changer_liste_apprenant_img->Picture().Assign(changer_1->Picture());
    changer_liste_apprenant = HotLabel(this, "changer_liste_apprenant", 670, 82,
                                           changeSize.width(), changeSize.height());
    changer_liste_img = MakePicture(this, "changer_liste_img", "", 798, 206, changeSize.width(),
                                    changeSize.height());
    changer_liste_img->Picture().Assign(changer_1->Picture());
    changer_liste = HotLabel(this, "changer_liste", 798, 206, changeSize.width(),
                                 changeSize.height());
}

void TStartForm::BuildPictureStores() {
    Panel1 = new TPanel(this, "Panel1");
    Panel1->SetBounds(0, 0, 800, 100);
    Panel1->Hide();
    HintImageOptions = StoreImage(Panel1, "HintImageOptions");
    HintImageHistorique = StoreImage(Panel1, "HintImageHistorique");
    HintImageTravailler = StoreImage(Panel1, "HintImageTravailler");
    HintImageQuitter = StoreImage(Panel1, "HintImageQuitter");
    web_quillombre_education_1 = StoreImage(Panel1, "web_quillombre_education_1");
    web_quillombre_education_2 = StoreImage(Panel1, "web_quillombre_education_2");
    ClasseCP = StoreImage(Panel1, "ClasseCP");
    ClasseCE1 = StoreImage(Panel1, "ClasseCE1");
    ClasseCE2 = StoreImage(Panel1, "ClasseCE2");
    ClasseCM1 = StoreImage(Panel1, "ClasseCM1");
    ClasseCM2 = StoreImage(Panel1, "ClasseCM2");
    Classe6e = StoreImage(Panel1, "Classe6e");
    Classe5e = StoreImage(Panel1, "Classe5e");
    Classe4e = StoreImage(Panel1, "Classe4e");
    Classe3e = StoreImage(Panel1, "Classe3e");
    titre_math = StoreImage(Panel1, "titre_math");
    titre_francais = StoreImage(Panel1, "titre_francais");

    Panel2 = new TPanel(this, "Panel2");
    Panel2->SetBounds(0, 0, 800, 100);
    Panel2->Hide();
    ImageOptions1 = StoreImage(Panel2, "ImageOptions1");
    ImageHistorique1 = StoreImage(Panel2, "ImageHistorique1");
    ImageTravailler1 = StoreImage(Panel2, "ImageTravailler1");
    ImageQuitter1 = StoreImage(Panel2, "ImageQuitter1");
    ImageOptions2 = StoreImage(Panel2, "ImageOptions2");
    ImageHistorique2 = StoreImage(Panel2, "ImageHistorique2");
    ImageTravailler2 = StoreImage(Panel2, "ImageTravailler2");
    ImageQuitter2 = StoreImage(Panel2, "ImageQuitter2");
    TImage** letters[] = {&alpha_a, &alpha_b, &alpha_c, &alpha_d, &alpha_e, &alpha_f, &alpha_g,
                          &alpha_h, &alpha_i, &alpha_j, &alpha_k, &alpha_l, &alpha_m, &alpha_n,
                          &alpha_o, &alpha_p, &alpha_q, &alpha_r, &alpha_s, &alpha_t, &alpha_u,
                          &alpha_v, &alpha_w, &alpha_x, &alpha_y, &alpha_z};
    for (int i = 0; i < 26; ++i)
        *letters[i] = StoreImage(Panel2, AnsiString("alpha_") + char('a' + i));
    TImage** digits[] = {&alpha_0, &alpha_1, &alpha_2, &alpha_3, &alpha_4,
                         &alpha_5, &alpha_6, &alpha_7, &alpha_8, &alpha_9};
    for (int i = 0; i < 10; ++i)
        *digits[i] = StoreImage(Panel2, AnsiString("alpha_") + char('0' + i));
    alpha_pe = StoreImage(Panel2, "alpha_pe");
    alpha_pi = StoreImage(Panel2, "alpha_pi");
    alpha_pp = StoreImage(Panel2, "alpha_pp");
    alpha_op = StoreImage(Panel2, "alpha_op");
    alpha_mm = StoreImage(Panel2, "alpha_mm");
    alpha_of = StoreImage(Panel2, "alpha_of");
    alpha_od = StoreImage(Panel2, "alpha_od");
    alpha_opo = StoreImage(Panel2, "alpha_opo");
    alpha_opf = StoreImage(Panel2, "alpha_opf");
    // The games screen writes its names and numbers with them at its first showing:
    // drawn ahead, small as they are.
    for (TControl* character : Panel2->Controls())
        if (character->Name().rfind("alpha_", 0) == 0) TApplication::ShowsAtTimes(character);
    LatestALPHA = StoreImage(Panel2, "LatestALPHA");
}

void TStartForm::BuildClassesPanel() {
    panel_liste_classes = new TPanel(this, "panel_liste_classes");
    panel_liste_classes->SetBounds(700, 226, 217, 175);
    panel_liste_classes->SetColor(kPanelColor);
    panel_liste_classes->SetCaption("");
    panel_liste_classes->Hide();

    changer_1 = StoreImage(panel_liste_classes, "changer_1");
    changer_2 = StoreImage(panel_liste_classes, "changer_2");
    changer_1->Hide();
    changer_2->Hide();
}

void TStartForm::FillClassesPanel() {
    Liste_matieres = new TListBox(panel_liste_classes, "Liste_matieres");
    Liste_matieres->SetBounds(8, 8, 201, 130);
    Liste_matieres->Font().SetName("Arial Narrow");
    Liste_matieres->Font().SetHeight(15);
    Liste_matieres->SetItems(SubjectLevelList());

    exos = new TLabel(panel_liste_classes, "exos");
    exos->SetTransparent(true);
    exos->Font().SetName("Arial Narrow");
    exos->Font().SetHeight(16);
    exos->Font().SetColor(clNavy);
    exos->SetBounds(8, 149, 120, 20);
    exos->SetCaption("");

    Label1 = MakeTextCommand(panel_liste_classes, "Label1", "FERMER", 0, 148);
    Label1->SetLeft(209 - Label1->Width());
}

void TStartForm::BuildLearnerPanel() {
    panel_liste_eleves = new TPanel(this, "panel_liste_eleves");
    panel_liste_eleves->SetBounds(584, 106, 197, 170);
    panel_liste_eleves->SetColor(kPanelColor);
    panel_liste_eleves->SetCaption("");
    panel_liste_eleves->Hide();

    Liste_prenoms = new TListBox(panel_liste_eleves, "Liste_prenoms");
    Liste_prenoms->SetBounds(8, 8, 181, 124);
    Liste_prenoms->Font().SetName("Arial Narrow");
    Liste_prenoms->Font().SetHeight(14);
    Liste_prenoms->SetSorted(true);

    // SUPPRIMER on the left, AJOUTER in the middle, FERMER on the right, with room
    // between them: the three share the 181 pixels under the list.
    Label7 = MakeTextCommand(panel_liste_eleves, "Label7", "SUPPRIMER", 8, 143);
    Label3 = MakeTextCommand(panel_liste_eleves, "Label3", "AJOUTER", 0, 143);
    Label2 = MakeTextCommand(panel_liste_eleves, "Label2", "FERMER", 0, 143);
    for (TLabel* label : {Label7, Label3, Label2}) label->Font().SetHeight(13);
    Label2->SetLeft(189 - Label2->Width());
    Label3->SetLeft((Label7->Left() + Label7->Width() + Label2->Left() - Label3->Width()) / 2);

    // The add area, below the stored height: first name, subject and level, commands.
    AjoutNOM = new TLabeledEdit(panel_liste_eleves, "AjoutNOM");
    AjoutNOM->Font().SetName("Arial");
    AjoutNOM->Font().SetHeight(14);
    AjoutNOM->EditLabel()->SetTransparent(true);
    AjoutNOM->EditLabel()->Font().SetName("Arial");
    AjoutNOM->EditLabel()->Font().SetHeight(13);
    AjoutNOM->EditLabel()->Font().SetColor(clNavy);
    AjoutNOM->EditLabel()->SetCaption(Utf8ToAnsi("Prénom"));
    AjoutNOM->SetBounds(8, 190, 181, 22);   // places the caption above the edit

    Label5 = new TLabel(panel_liste_eleves, "Label5");
    Label5->SetTransparent(true);
    Label5->Font().SetName("Arial");
    Label5->Font().SetHeight(13);
    Label5->Font().SetColor(clNavy);
    Label5->SetCaption(Utf8ToAnsi("Matière"));
    Label5->SetLeft(8);
    Label5->SetTop(220);

    AM = new TComboBox(panel_liste_eleves, "AM");
    AM->SetBounds(60, 217, 129, 22);
    AM->Font().SetName("Arial Narrow");   // the whole entry fits the stored width
    AM->Font().SetHeight(13);
    AM->SetItems(SubjectLevelList());
    AM->SetItemIndex(-1);

    Label6 = MakeTextCommand(panel_liste_eleves, "Label6", "AJOUTER", 8, 245);
    Label4 = MakeTextCommand(panel_liste_eleves, "Label4", "FERMER", 0, 245);
    Label4->SetLeft(189 - Label4->Width());
}

void TStartForm::BuildCryptPanel() {
    panel_crypt = new TPanel(this, "panel_crypt");
    panel_crypt->SetBounds(32, 392, 193, 113);
    panel_crypt->SetCaption("panel_crypt");
    panel_crypt->Hide();
    button_crypt = new TButton(panel_crypt, "button_crypt");
    button_crypt->SetBounds(8, 8, 75, 25);
    button_crypt->SetCaption("CRYPT");
    progress_crypt = new TProgressBar(panel_crypt, "progress_crypt");
    progress_crypt->SetBounds(8, 84, 177, 17);
    progress_crypt->SetMin(0);
    progress_crypt->SetMax(7);
    progress_crypt->SetStep(1);
    table_crypt = std::make_unique<TADOTable>();
}

void TStartForm::WireEvents() {
    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s) { FormClose(s); };

    for (TLabel* label : {LabelOptions, LabelHistorique, LabelTravailler, LabelQuitter}) {
        label->OnMouseEnter = [this](TObject* s) { LeftEnter(s); };
        label->OnMouseLeave = [this](TObject* s) { LeftExit(s); };
    }
    LabelOptions->OnClick = [this](TObject* s) { LabelOptionsClick(s); };
    LabelHistorique->OnClick = [this](TObject* s) { LabelHistoriqueClick(s); };
    LabelTravailler->OnClick = [this](TObject* s) { LabelTravaillerClick(s); };
    LabelQuitter->OnClick = [this](TObject* s) { LabelQuitterClick(s); };

    Label_web_quillombre_education->OnClick = [this](TObject* s) { Label_web_quillombre_educationClick(s); };
    Label_web_quillombre_education->OnMouseEnter = [this](TObject* s) { Label_web_quillombre_educationMouseEnter(s); };
    Label_web_quillombre_education->OnMouseLeave = [this](TObject* s) { Label_web_quillombre_educationMouseLeave(s); };
    IdentifiantNOM->OnClick = [this](TObject* s) { IdentifiantNOMClick(s); };
    timer_ballon->OnTimer = [this](TObject* s) { timer_ballonTimer(s); };

    changer_liste->OnClick = [this](TObject* s) { changer_listeClick(s); };
    changer_liste->OnMouseEnter = [this](TObject* s) { changer_listeMouseEnter(s); };
    changer_liste->OnMouseLeave = [this](TObject* s) { changer_listeMouseLeave(s); };
    changer_liste_apprenant->OnClick = [this](TObject* s) { changer_liste_apprenantClick(s); };
    changer_liste_apprenant->OnMouseEnter = [this](TObject* s) { changer_liste_apprenantMouseEnter(s); };
    changer_liste_apprenant->OnMouseLeave = [this](TObject* s) { changer_liste_apprenantMouseLeave(s); };
}

void TStartForm::WirePanels() {
    Liste_matieres->OnClick = [this](TObject* s) { Liste_matieresClick(s); };
    Liste_matieres->OnDblClick = [this](TObject* s) { Liste_matieresDblClick(s); };
    Label1->OnClick = [this](TObject* s) { Label1Click(s); };
    Label1->OnMouseEnter = [this](TObject* s) { Label1MouseEnter(s); };
    Label1->OnMouseLeave = [this](TObject* s) { Label1MouseLeave(s); };

    Liste_prenoms->OnClick = [this](TObject* s) { Liste_prenomsClick(s); };
    Label2->OnClick = [this](TObject* s) { Label2Click(s); };
    Label3->OnClick = [this](TObject* s) { Label3Click(s); };
    Label4->OnClick = [this](TObject* s) { Label4Click(s); };
    Label6->OnClick = [this](TObject* s) { Label6Click(s); };
    Label7->OnClick = [this](TObject* s) { Label7Click(s); };
    for (TLabel* label : {Label2, Label4}) {
        label->OnMouseEnter = [this](TObject* s) { Label2MouseEnter(s); };
        label->OnMouseLeave = [this](TObject* s) { Label2MouseLeave(s); };
    }
    for (TLabel* label : {Label3, Label6, Label7}) {
        label->OnMouseEnter = [this](TObject* s) { Label3MouseEnter(s); };
        label->OnMouseLeave = [this](TObject* s) { Label3MouseLeave(s); };
    }
    AjoutNOM->OnKeyUp = [this](TObject* s, int& key, int shift) { AjoutNOMKeyUp(s, key, shift); };

    button_crypt->OnClick = [this](TObject* s) { button_cryptClick(s); };
}

// ---------------------------------------------------------------------------------
// Start-up

void TStartForm::FormShow(TObject* sender) {
    TStringList lines;
    OptionExo = 0;
    OptionJeux = 1;
    AppDir = "";

    // The data folder is the working directory, not the folder of the program.
    Guarded([&] { AppDir = GetCurrentDir(); });

    // Both connections point at the files of the data folder; nothing is opened. The
    // path is quoted: a folder name may hold ";" or blanks.
    Guarded([&] {
        AnsiString cs = MainFormEXO->MainADOConnection->ConnectionString();
        int p = Pos(kMarker, cs);
        if (p == 0) return;
        AnsiString head = Trim(SubString(cs, 1, p - 1));
        AnsiString tail = SubStringFrom(cs, p + 18);
        AnsiString exos_cs = head + QuoteConnectionValue(JoinPath(AppDir, "bd_exos.mdb")) + tail;
        AnsiString trace_cs = head + QuoteConnectionValue(JoinPath(AppDir, "bd_trace.mdb")) + tail;
        MainFormEXO->MainADOConnection->SetConnectionString(exos_cs);
        MainFormEXO->TraceADOConnection->SetConnectionString(trace_cs);
    });

    // The first learner of the list, or the identification on a first run.
    Guarded([&] {
        LearnerName = "";
        Subject = "";
        Level = "";
        const std::string path = LearnerFilePath();
        bool asked = false;
        if (!FileExists(path)) {
            // The identification is one of the screens built later: build them now.
            Application->CompleteForms();
            Identification->ShowModal();
            asked = true;
        }
        if (FileExists(path)) {
            lines.LoadFromFile(path);
            if (lines.Count() > 0) SelectLearnerLine(lines[0]);
        } else if (asked && !Identification->ChosenLine().empty()) {
            // The file could not be written: the learner chosen holds for this run.
            SelectLearnerLine(Identification->ChosenLine());
        }
    });

    BallonRising = 0;
    PapillonRising = 0;
    timer_ballon->SetEnabled(true);
}

void TStartForm::FormClose(TObject* sender) {
    // The program ends with the home screen: no result may go unsaid.
    if (MainFormEXO) MainFormEXO->SettleWaitingResults();
}

// The name picture shows a hand but takes no click.
void TStartForm::IdentifiantNOMClick(TObject* sender) {}

// ---------------------------------------------------------------------------------
// The four commands

const TStartForm::Command* TStartForm::CommandOf(TObject* sender) const {
    for (const Command& c : commands_)
        if (c.label == sender) return &c;
    return nullptr;
}

void TStartForm::LeftEnter(TObject* sender) {
    // The screen the learner is heading for gets its window surface meanwhile.
    if (sender == LabelOptions && OptionForm) OptionForm->PrepareSurface();
    if (sender == LabelHistorique && HistoriqueForm) HistoriqueForm->PrepareSurface();
    const Command* command = CommandOf(sender);
    int offset = -1;
    if (command) {
        command->face->Picture().Assign(command->hovered->Picture());
        offset = command->offset;
    }
    if (auto* control = dynamic_cast<TControl*>(sender)) HintButton->SetCaption(control->Hint());
    if (command) Hint_Button_Image->Picture().Assign(command->banner->Picture());
    Hint_Button_Image->Show();
    if (offset != -1) {
        lpingouin->SetTop(offset + 8);
        rpingouin->SetTop(offset + 8);
        lpingouin->Show();
        rpingouin->Show();
    } else {
        lpingouin->Hide();
        rpingouin->Hide();
    }
}

void TStartForm::LeftExit(TObject* sender) {
    if (const Command* command = CommandOf(sender))
        command->face->Picture().Assign(command->normal->Picture());
    HintButton->SetCaption("");
    Hint_Button_Image->Hide();
    lpingouin->Hide();
    rpingouin->Hide();
}

void TStartForm::LabelOptionsClick(TObject* sender) { OptionForm->ShowModal(); }

void TStartForm::LabelHistoriqueClick(TObject* sender) { HistoriqueForm->ShowModal(); }

void TStartForm::LabelTravaillerClick(TObject* sender) {
    panel_liste_classes->Hide();
    panel_liste_eleves->Hide();
    MainFormEXO->ShowModal();
}

void TStartForm::LabelQuitterClick(TObject* sender) {
    if (MainFormEXO) MainFormEXO->SettleWaitingResults();
    Abientot->ShowModal();
    Close();
}

// ---------------------------------------------------------------------------------
// Web link

void TStartForm::Label_web_quillombre_educationClick(TObject* sender) { OpenUrl(kPublisherUrl); }

void TStartForm::Label_web_quillombre_educationMouseEnter(TObject* sender) {
    web_quillombre_education->Picture().Assign(web_quillombre_education_2->Picture());
}

void TStartForm::Label_web_quillombre_educationMouseLeave(TObject* sender) {
    web_quillombre_education->Picture().Assign(web_quillombre_education_1->Picture());
}

// ---------------------------------------------------------------------------------
// Panels

// An opened panel comes in front of the other one, which it partly covers.
void TStartForm::changer_listeClick(TObject* sender) {
    panel_liste_classes->Show();
    panel_liste_classes->BringToFront();
}

void TStartForm::Label1Click(TObject* sender) { panel_liste_classes->Hide(); }

void TStartForm::Liste_matieresDblClick(TObject* sender) { panel_liste_classes->Hide(); }

void TStartForm::changer_liste_apprenantClick(TObject* sender) {
    LoadLearnerList();
    panel_liste_eleves->Show();
    panel_liste_eleves->BringToFront();
}

void TStartForm::Label2Click(TObject* sender) { panel_liste_eleves->Hide(); }

void TStartForm::Label3Click(TObject* sender) { panel_liste_eleves->SetHeight(270); }

void TStartForm::Label4Click(TObject* sender) { panel_liste_eleves->SetHeight(170); }

void TStartForm::changer_listeMouseEnter(TObject* sender) {
    changer_liste_img->Picture().Assign(changer_2->Picture());
}

void TStartForm::changer_listeMouseLeave(TObject* sender) {
    changer_liste_img->Picture().Assign(changer_1->Picture());
}

void TStartForm::changer_liste_apprenantMouseEnter(TObject* sender) {
    changer_liste_apprenant_img->Picture().Assign(changer_2->Picture());
}

void TStartForm::changer_liste_apprenantMouseLeave(TObject* sender) {
    changer_liste_apprenant_img->Picture().Assign(changer_1->Picture());
}

static void SetSenderFontColor(TObject* sender, TColor colour) {
    if (auto* control = dynamic_cast<TControl*>(sender)) control->Font().SetColor(colour);
}

void TStartForm::Label1MouseEnter(TObject* sender) { SetSenderFontColor(sender, kHoverColor); }
void TStartForm::Label1MouseLeave(TObject* sender) { SetSenderFontColor(sender, kLinkColor); }
void TStartForm::Label2MouseEnter(TObject* sender) { SetSenderFontColor(sender, kHoverColor); }
void TStartForm::Label2MouseLeave(TObject* sender) { SetSenderFontColor(sender, kLinkColor); }
void TStartForm::Label3MouseEnter(TObject* sender) { SetSenderFontColor(sender, kHoverColor); }
void TStartForm::Label3MouseLeave(TObject* sender) { SetSenderFontColor(sender, kLinkColor); }

// ---------------------------------------------------------------------------------
// Animation

void TStartForm::timer_ballonTimer(TObject* sender) {
    ballon->SetTop(ballon->Top() + (BallonRising == 1 ? -1 : 1));
    if (ballon->Top() == 120) BallonRising = 1;
    if (ballon->Top() == 80) BallonRising = 0;

    papillon->SetTop(papillon->Top() + (PapillonRising == 1 ? -1 : 1));
    if (papillon->Top() == 136) PapillonRising = 1;
    if (papillon->Top() == 116) PapillonRising = 0;
}

// ---------------------------------------------------------------------------------
// Exercise texts and the authoring scrambler

AnsiString TStartForm::ScrambleText(AnsiString text) { return ScrambleContent(text); }

AnsiString TStartForm::UnscrambleText(AnsiString text) { return UnscrambleContent(text); }

void TStartForm::button_cryptClick(TObject* sender) {
    TStringList tables;
    for (const char* name : {"exos_math_cp", "exos_math_ce1", "exos_math_ce2", "exos_math_cm1",
                             "exos_math_cm2", "exos_math_6e", "exos_math_5e", "exos_math_4e",
                             "exos_math_3e", "exos_francais_ce1", "exos_francais_6e"})
        tables.Add(name);

    progress_crypt->SetPosition(0);
    int counter = 0;
    TADOConnection* connection = MainFormEXO->MainADOConnection;
    table_crypt->SetConnection(connection);
    // Opening a table opens its connection, as the data components always did.
    if (!connection->Connected()) connection->Open();

    for (int i = 0; i < tables.Count(); ++i) {
        progress_crypt->StepIt();
        table_crypt->SetTableName(tables[i]);
        table_crypt->Open();
        panel_crypt->SetCaption(tables[i] + " (" + IntToStr(table_crypt->RecordCount()) +
                                " exercices)");
        panel_crypt->Repaint();
        if (table_crypt->RecordCount() > 0) {
            table_crypt->First();
            while (!table_crypt->Eof()) {
                ++counter;
                AnsiString content = table_crypt->FieldByName("contenuEXO").AsString();
                content = ScrambleText(content);
                table_crypt->Edit();
                table_crypt->FieldByName("contenuEXO").SetAsString(content);
                table_crypt->FieldByName("resoluEXO").SetAsInteger(0);
                table_crypt->Post();
                table_crypt->Next();
            }
        }
        table_crypt->Close();
    }
    ShowMessage("Crypt done!\n" + IntToStr(counter) + " items crypted");
}
