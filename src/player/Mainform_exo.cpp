// The exercise player: its frame, pages, connections and datasets, and what showing
// and closing it do.
#include "player/Mainform_exo.h"

#include <algorithm>
#include <initializer_list>

#include <QRegion>

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "player/TextPagePlaces.h"
#include "player/TraceLog.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

TMainFormEXO* MainFormEXO = nullptr;

namespace {

const char* const kDesignConnection =
    "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=USER_DATABASE_PATH;"
    "Mode=ReadWrite;Persist Security Info=False";

constexpr TColor kWindowColour = 9728870;    // 0x947366
constexpr TColor kFrameColour = 0xB0968C;
constexpr TColor kBorderPen = 0x8A694A;

// The size a picture is drawn at, or the fallback while it has none.
QSize PictureSize(const AnsiString& name, int w, int h) {
    const QSize s = ArtworkSize(name);
    return s.isEmpty() ? QSize(w, h) : s;
}

// The "X" that closes a list or a page: Courier New bold, navy, hand cursor.
TLabel* CloseMark(TControl* parent, const AnsiString& name, int l, int t, int px) {
    TLabel* x = TextLabel(parent, name, l, t, "Courier New", px, fsBold, clNavy, "X");
    x->SetCursor(TCursor::HandPoint);
    x->Hide();
    return x;
}

// Opens a database of the data folder. When it cannot be opened, or cannot be written
// where the program must write it, adds the line that tells which file and what
// follows, once until it opens again as it should.
void OpenDataFile(TADOConnection& connection, const char* file, bool mustWrite,
                  const char* consequence, bool& told, AnsiString& message) {
    const char* state = nullptr;
    if (!Guarded([&] { if (!connection.Connected()) connection.Open(); }))
        state = FileExists(connection.DataSource()) ? " ne peut pas être lu : " : " est introuvable : ";
    else if (mustWrite && connection.ReadOnly())
        state = " ne peut pas être modifié : ";
    if (!state) {
        told = false;
        return;
    }
    if (told) return;
    told = true;
    if (!message.empty()) message += "\n";
    message += Utf8ToAnsi(std::string("Le fichier ") + file + state + consequence);
}

} // namespace

TMainFormEXO::TMainFormEXO() : TForm("MainFormEXO") {
    SetColor(kWindowColour);
    // What the home screen's start-up sets (connections, query, learner, titles) is
    // built now; the rest when the program is idle (see CreateScreens).
    BuildData();
    BuildFrame();
    BuildPictureStore();
    Application->Defer([this] { BuildRest(); });
}

void TMainFormEXO::BuildRest() {
    // The title's height is measured here, not with the frame: measuring loads the
    // fonts, which the first window need not wait for.
    FixedLabel(ThisChapter, 24, 10, 306, ThisChapter->Height(), TAlignment::LeftJustify);
    ThisChapter->SetEndEllipsis(true);
    BuildCommandPictureStore();
    BuildCommandColumn();
    BuildPages();
    BuildIndexPage();
    BuildHelpPage();
    BuildPageQB();
    BuildPageQCM();
    BuildPageQO();
    BuildPageQCC();
    BuildTextPanels();
    BuildPageQTRC();
    BuildMarkingPictures();
    BuildFigures();
    BuildWatch();
    BuildNotShownCover();
    WireCommands();
    // The mark badge stands over the frame; the commands and the help text it would
    // hide stay above it.
    PanelNote->BringToFront();
    PanelNote->KeepUncovered({label_close_sommaire, HelpTab1, HelpTab2, HelpTab3, HelpTab4,
                              HelpTab5, PanelExoHelpButton, HelpMemo});
    Border->BringToFront();
}

TMainFormEXO::~TMainFormEXO() {
    // The pages are deleted after this body: the word over them stops following them first.
    delete PageFollower;
    for (TDataSet* ds : std::initializer_list<TDataSet*>{
             INDEX_Table, GEN_Query, Table_Exos, TRACE_Table, OPTION_Table, APPRENANT_Table,
             QCM_Query, QO_Query, QB_Query, QCC_Query, QTRO_Query, QTRC_Query, QMR_Query,
             QMT_Query})
        delete ds;
    delete ExoDataSource;
    delete MainADOConnection;
    delete TraceADOConnection;
    if (MainFormEXO == this) MainFormEXO = nullptr;
}

void TMainFormEXO::BuildData() {
    MainADOConnection = new TADOConnection;
    MainADOConnection->SetConnectionString(kDesignConnection);
    TraceADOConnection = new TADOConnection;
    TraceADOConnection->SetConnectionString(kDesignConnection);

    auto table = [](TADOConnection* c, const AnsiString& name) {
        auto* t = new TADOTable;
        t->SetConnection(c);
        t->SetTableName(name);
        return t;
    };
    auto query = [](TADOConnection* c, const AnsiString& sql) {
        auto* q = new TADOQuery;
        q->SetConnection(c);
        q->SetSQLText(sql);
        return q;
    };
    INDEX_Table = table(MainADOConnection, Utf8ToAnsi("table_des_matières"));
    GEN_Query = query(MainADOConnection, "SELECT * FROM TableQMT WHERE (codeExo=\"XXX\")");
    Table_Exos = query(MainADOConnection, "SELECT * FROM WWW WHERE ((codeExo=\"XXX\")OR(1=1))");
    TRACE_Table = table(TraceADOConnection, "TraceExo");
    OPTION_Table = table(TraceADOConnection, "OptionApp");
    APPRENANT_Table = table(TraceADOConnection, "Apprenant");
    auto kindQuery = [&](const AnsiString& kind) {
        return query(MainADOConnection,
                     "SELECT * FROM Table" + kind + " WHERE ((codeExo=\"XXX\")OR(1=1))");
    };
    QCM_Query = kindQuery("QCM");
    QO_Query = kindQuery("QO");
    QB_Query = kindQuery("QB");
    QCC_Query = kindQuery("QCC");
    QTRO_Query = kindQuery("QTRO");
    QTRC_Query = kindQuery("QTRC");
    QMR_Query = kindQuery("QMR");
    QMT_Query = kindQuery("QMT");
    ExoDataSource = new TDataSource;
    Trace = std::make_unique<TraceLog>(*TRACE_Table);
}

void TMainFormEXO::BuildFrame() {
    Border = new TShape(this, "Border");
    Border->SetBounds(0, 0, Width(), Height());
    Border->Pen().SetColor(kBorderPen);
    Border->Pen().SetWidth(10);
    Border->Brush().SetStyle(TBrushStyle::Clear);
    Border->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Level and subject titles across the top.
    const QSize cls = PictureSize("player_ClasseCP", 220, 90);
    titreCLASSE = new TImage(this, "titreCLASSE");
    titreCLASSE->SetBounds(10 + (239 - cls.width()) / 2, std::max(10, (118 - cls.height()) / 2),
                           cls.width(), cls.height());
    titreCLASSE->SetCenter(true);
    SetArtwork(titreCLASSE->Picture(), "player_ClasseCP");
    const QSize sub = PictureSize("Titre_MATIERE_MATH", 600, 90);
    Titre_MATIERE = new TImage(this, "Titre_MATIERE");
    Titre_MATIERE->SetBounds(248 + (934 - sub.width()) / 2, std::max(10, (118 - sub.height()) / 2),
                             sub.width(), sub.height());
    Titre_MATIERE->SetCenter(true);
    SetArtwork(Titre_MATIERE->Picture(), "Titre_MATIERE_MATH");

    MainFrame = MakePanel(this, "MainFrame", 248, 120, 934, 835, kFrameColour);

    // The title and the name share the top line: each is cut with "…" rather than run
    // into the other (the title's width is set with its text, PlaceChapterTitle).
    ThisChapter = TextLabel(MainFrame, "ThisChapter", 24, 10, "Arial Narrow", 32, 0, clNavy,
                            Utf8ToAnsi("Répond à la question suivante"));

    // The name ends left of the full-marks pictures and the mark badge, which stand
    // over the frame's top right.
    Apprenant = FixedLabel(
        TextLabel(MainFrame, "Apprenant", 0, 0, "Arial Narrow", 26, fsBold, clNavy, ""), 346, 14,
        250, 32, TAlignment::RightJustify);
    Apprenant->SetEndEllipsis(true);

    ExoPageControl = new TPageControl(MainFrame, "ExoPageControl");
    ExoPageControl->SetBounds(24, 56, 833, kExercisePagesHeight);

    Panel3 = MakePanel(MainFrame, "Panel3", 24, 48, 569, 33, kFrameColour);

    ImageHint = new TImage(MainFrame, "ImageHint");
    ImageHint->SetBounds(8, 698, 762, 49);
    ImageHint->SetCenter(true);
    ImageHint->Hide();

    HintButton = FixedLabel(
        TextLabel(MainFrame, "HintButton", 0, 0, "Arial Narrow", 24, 0, clSilver, ""), 16, 802,
        915, 33, TAlignment::Center);

    watch_panel = MakePanel(MainFrame, "watch_panel", 780, 732, 153, 102, kFrameColour);
    Panel_afficher_image = MakePanel(MainFrame, "Panel_afficher_image", 600, 752, 225, 41,
                                     kFrameColour);
    Panel_afficher_image->Hide();

    PanelExoHelpButton = MakePanel(MainFrame, "PanelExoHelpButton", 849, 26, 74, 74,
                                   kFrameColour);
    ExoHelpButton = MakePicture(PanelExoHelpButton, "ExoHelpButton", "Help_Button_1", 0, 0, 74, 74);
    ExoHelpButton->SetCenter(true);
    LabelExoHelpButton = CommandLabel(PanelExoHelpButton, "LabelExoHelpButton", ExoHelpButton);
    // The round button stands over the corner of the pages: only the disc shows.
    PanelExoHelpButton->setMask(QRegion(0, 0, 74, 74, QRegion::Ellipse));

    // Keyed pictures: only the drawing shows over the page below.
    yes_1 = MakePicture(MainFrame, "yes_1", "yes_1", 600, 10);
    yes_1->SetTransparent(true);
    yes_1->Hide();
    yes_2 = MakePicture(MainFrame, "yes_2", "yes_2", 600, 10);
    yes_2->SetTransparent(true);
    yes_2->Hide();

    // Only the badge shows, over whatever page is active; it takes no clicks, so that
    // what lies under it stays in reach.
    PanelNote = MakePanel(this, "PanelNote", 938, 140, 161, 157, kFrameColour);
    PanelNote->SetParentBackground(true);
    PanelNote->setAttribute(Qt::WA_TransparentForMouseEvents);
    ImgExoNote = new TImage(PanelNote, "ImgExoNote");
    ImgExoNote->SetBounds(0, 0, 161, 157);
    ImgExoNote->SetCenter(true);
    ImgExoNote->SetTransparent(true);
    PanelNote->Hide();

    yes_timer = new TTimer(this, "yes_timer");
    yes_timer->SetInterval(1000);
    yes_timer->SetEnabled(false);
}

TImage* TMainFormEXO::StoreImage(const AnsiString& name, int left, int top) {
    return MakePicture(Panel2, name, name, left, top);
}

void TMainFormEXO::BuildPictureStore() {
    Panel1 = MakePanel(this, "Panel1", 10, 120, 239, 835, kWindowColour);
    Panel2 = MakePanel(Panel1, "Panel2", 0, 0, 239, 835, kWindowColour);
    Panel2->Hide();
    // The player's own class and subject pictures: the home screen's start-up copies them.
    struct { TImage** slot; const char* name; } classes[] = {
        {&ClasseCP, "ClasseCP"},   {&ClasseCE1, "ClasseCE1"}, {&ClasseCE2, "ClasseCE2"},
        {&ClasseCM1, "ClasseCM1"}, {&ClasseCM2, "ClasseCM2"}, {&Classe6e, "Classe6e"},
        {&Classe5e, "Classe5e"},   {&Classe4e, "Classe4e"},   {&Classe3e, "Classe3e"}};
    for (auto& c : classes)
        *c.slot = MakePicture(Panel2, c.name, AnsiString("player_") + c.name, 0, 0);
    Titre_MATIERE_MATH = StoreImage("Titre_MATIERE_MATH", 0, 0);
    Titre_MATIERE_FRANCAIS = StoreImage("Titre_MATIERE_FRANCAIS", 0, 0);
}

void TMainFormEXO::BuildCommandPictureStore() {
    ImageRetour1 = StoreImage("ImageRetour1", 0, 0);
    ImageRetour2 = StoreImage("ImageRetour2", 0, 0);
    ImageVerification1 = StoreImage("ImageVerification1", 0, 0);
    ImageVerification2 = StoreImage("ImageVerification2", 0, 0);
    ImageCorriger1 = StoreImage("ImageCorriger1", 0, 0);
    ImageCorriger2 = StoreImage("ImageCorriger2", 0, 0);
    ImageSuivant1 = StoreImage("ImageSuivant1", 0, 0);
    ImageSuivant2 = StoreImage("ImageSuivant2", 0, 0);
    image_previous_1 = StoreImage("image_previous_1", 0, 0);
    image_previous_2 = StoreImage("image_previous_2", 0, 0);
    image_sommaire_1 = StoreImage("image_sommaire_1", 0, 0);
    image_sommaire_2 = StoreImage("image_sommaire_2", 0, 0);
    jump_1 = StoreImage("jump_1", 0, 0);
    jump_2 = StoreImage("jump_2", 0, 0);
    Help_Button_1 = StoreImage("Help_Button_1", 0, 0);
    Help_Button_2 = StoreImage("Help_Button_2", 0, 0);
    ImageJEU_1 = StoreImage("ImageJEU_1", 0, 0);
    ImageJEU_2 = StoreImage("ImageJEU_2", 0, 0);
    Img_Index_OK_1 = StoreImage("Img_Index_OK_1", 0, 0);
    Img_Index_OK_2 = StoreImage("Img_Index_OK_2", 0, 0);
    // Under the pointer at the first OUVRIR: drawn ahead, so that first one waits for none.
    TApplication::ShowsAtTimes(Img_Index_OK_2);
    aide_close_1 = StoreImage("aide_close_1", 0, 0);
    aide_close_2 = StoreImage("aide_close_2", 0, 0);
    ImageHint_Exit = StoreImage("ImageHint_Exit", 0, 0);
    ImageHint_Verification = StoreImage("ImageHint_Verification", 0, 0);
    ImageHint_Correction = StoreImage("ImageHint_Correction", 0, 0);
    ImageHint_Next = StoreImage("ImageHint_Next", 0, 0);
    ImageHint_Help = StoreImage("ImageHint_Help", 0, 0);
    ImageHint_Jeu = StoreImage("ImageHint_Jeu", 0, 0);
    hint_jump = StoreImage("hint_jump", 0, 0);
    hint_previous = StoreImage("hint_previous", 0, 0);
    hint_sommaire = StoreImage("hint_sommaire", 0, 0);
    TImage** notes[] = {&Note0, &Note1, &Note2, &Note3, &Note4, &Note5,
                        &Note6, &Note7, &Note8, &Note9, &Note10};
    for (int i = 0; i <= 10; ++i) *notes[i] = StoreImage("Note" + IntToStr(i), 0, 0);
    ToutBon = StoreImage("ToutBon", 0, 0);
    PasMal = StoreImage("PasMal", 0, 0);
}

TImage* TMainFormEXO::NoteImage(int mark) const {
    TImage* const notes[] = {Note0, Note1, Note2, Note3, Note4, Note5,
                             Note6, Note7, Note8, Note9, Note10};
    return mark >= 0 && mark <= 10 ? notes[mark] : nullptr;
}

void TMainFormEXO::BuildCommandColumn() {
    // RETOUR, VERIFIER, CORRIGER and SUIVANT stacked, then the previous arrow beside
    // the summary command.
    struct Face { TImage** face; TLabel** label; const char* faceName; const char* labelName; const char* art; };
    const Face stack[] = {
        {&ImageRetour, &LabelRetour, "ImageRetour", "LabelRetour", "ImageRetour1"},
        {&ImageVerification, &LabelVerification, "ImageVerification", "LabelVerification", "ImageVerification1"},
        {&ImageCorriger, &LabelCorriger, "ImageCorriger", "LabelCorriger", "ImageCorriger1"},
        {&ImageSuivant, &LabelSuivant, "ImageSuivant", "LabelSuivant", "ImageSuivant1"},
    };
    int y = 18;
    for (const Face& f : stack) {
        const QSize s = PictureSize(f.art, 200, 70);
        *f.face = MakePicture(Panel1, f.faceName, f.art, (239 - s.width()) / 2, y);
        *f.label = CommandLabel(Panel1, f.labelName, *f.face);
        y += s.height() + 16;
    }
    const QSize prev = PictureSize("image_previous_1", 70, 70);
    const QSize som = PictureSize("image_sommaire_1", 120, 70);
    const int rowWidth = prev.width() + 12 + som.width();
    if (rowWidth <= 235) {
        const int x = (239 - rowWidth) / 2;
        const int h = std::max(prev.height(), som.height());
        image_previous = MakePicture(Panel1, "image_previous", "image_previous_1", x,
                                     y + (h - prev.height()) / 2);
        image_sommaire = MakePicture(Panel1, "image_sommaire", "image_sommaire_1",
                                     x + prev.width() + 12, y + (h - som.height()) / 2);
    } else {
        image_previous = MakePicture(Panel1, "image_previous", "image_previous_1",
                                     (239 - prev.width()) / 2, y);
        y += prev.height() + 10;
        image_sommaire = MakePicture(Panel1, "image_sommaire", "image_sommaire_1",
                                     (239 - som.width()) / 2, y);
    }
    label_previous = CommandLabel(Panel1, "label_previous", image_previous);
    label_sommaire = CommandLabel(Panel1, "label_sommaire", image_sommaire);

    // Clock and counter.
    WatchPanel = MakePanel(Panel1, "WatchPanel", 0, 624, 161, 153, kWindowColour);
    Image1 = new TImage(WatchPanel, "Image1");
    Image1->SetBounds(0, 0, 161, 153);
    // The date and the time are written by the clock each second (Mainform_watch.cpp);
    // until its first tick they stay empty rather than show a dummy time.
    DateLabel = FixedLabel(
        TextLabel(WatchPanel, "DateLabel", 0, 0, "Courier", 15, fsBold, 0xDA753F, ""), 8, 45, 105,
        19, TAlignment::Center);
    TimeLabel = FixedLabel(
        TextLabel(WatchPanel, "TimeLabel", 0, 0, "Courier", 16, fsBold, 0xDA753F, ""), 8, 60, 113,
        24, TAlignment::Center);
    Label2 = TextLabel(WatchPanel, "Label2", 8, 94, "Arial", 14, fsBold, clWhite, "Exercices:");
    NbExo = TextLabel(WatchPanel, "NbExo", 84, 93, "Arial", 16, fsBold, clYellow, "0/0");
    NbExo->SetHint(Utf8ToAnsi("Nombre d'exrcices traités"));
    NbExo->SetShowHint(true);
    // Light cream on the dark column.
    AfficherNote = TextLabel(WatchPanel, "AfficherNote", 8, 124, "Arial", 13, fsBold, 0xD8F6FF,
                             "AFFICHER MA NOTE");
    AfficherNote->SetCursor(TCursor::HandPoint);

    // Jump list: closed it shows only its command.
    Panel_Jump = MakePanel(Panel1, "Panel_Jump", 160, 608, 30, 153, kWindowColour);
    const QSize js = PictureSize("jump_1", 28, 121);
    jump_image = MakePicture(Panel_Jump, "jump_image", "jump_1", std::max(0, (30 - js.width()) / 2), 8);
    jump_label = CommandLabel(Panel_Jump, "jump_label", jump_image);
    jump_list = new TListBox(Panel_Jump, "jump_list");
    jump_list->SetBounds(30, 8, 45, 121);
    jump_list->SetColor(0xA2DBD7);
    jump_list->SetCursor(TCursor::HandPoint);
    jump_list->Font().SetName("Arial");
    jump_list->Font().SetHeight(13);
    jump_list->Font().SetColor(clNavy);
    jump_list->Hide();
    label_close_jump = CloseMark(Panel_Jump, "label_close_jump", 46, 130, 18);

    // Games.
    PanelJEU = MakePanel(Panel1, "PanelJEU", 12, 784, 145, 49, kWindowColour);
    ImageJEU = MakePicture(PanelJEU, "ImageJEU", "ImageJEU_1", 0, 0, 145, 49);
    ImageJEU->SetCenter(true);
    LabelJEU = CommandLabel(PanelJEU, "LabelJEU", ImageJEU);
}

void TMainFormEXO::BuildPages() {
    const char* captions[] = {"QCM", "QO", "QB", "QCC", "QTRO", "QTRC", "QMR", "QMT",
                              "Select Chapter", "HELP"};
    TTabSheet** sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4, &TabSheet5,
                            &TabSheet6, &TabSheet7, &TabSheet8, &TabSheet9, &TabSheet10};
    for (int i = 0; i < 10; ++i) {
        *sheets[i] = new TTabSheet(ExoPageControl, "TabSheet" + IntToStr(i + 1), captions[i]);
        (*sheets[i])->SetColor(kFrameColour);
    }
    qcm_statement = NewStatementLabel(TabSheet1, "qcm_statement", 750);
    qo_statement = NewStatementLabel(TabSheet2, "qo_statement", 750);
    qcc_statement = NewStatementLabel(TabSheet4, "qcc_statement", 750);
    qtro_statement = NewStatementLabel(TabSheet5, "qtro_statement", kTextStatementWidth);
    qtrc_statement = NewStatementLabel(TabSheet6, "qtrc_statement", kTextStatementWidth);
    qmr_statement = NewStatementLabel(TabSheet7, "qmr_statement", kTextStatementWidth);
    qmt_statement = NewStatementLabel(TabSheet8, "qmt_statement", kTextStatementWidth);
    ExoPageControl->SetActivePageIndex(8);
}

void TMainFormEXO::BuildIndexPage() {
    TableMatieres = MakePicture(TabSheet9, "TableMatieres", "TableMatieres", 0, 0);
    TableMatieres->SetCenter(true);

    // Empty until the loader fills it at each show: a database that cannot be opened
    // leaves no table of contents rather than placeholder entries.
    IndexTree = new TTreeView(TabSheet9, "IndexTree");
    IndexTree->SetBounds(56, 80, 574, 470);
    IndexTree->SetColor(0xCAC693);
    IndexTree->Font().SetName("Arial Narrow");
    IndexTree->Font().SetHeight(21);
    IndexTree->Font().SetColor(clNavy);
    IndexTree->SetIndent(19);
    IndexTree->SetReadOnly(true);
    IndexTree->SetCursor(TCursor::HandPoint);

    NbExoChap = TextLabel(TabSheet9, "NbExoChap", 56, 560, "Arial", 16, fsBold, clNavy, "");
    NbExoChap->SetHint("0");
    Nb_Child_Exo = TextLabel(TabSheet9, "Nb_Child_Exo", 56, 580, "Arial", 16, fsBold, 0xC85A11, "");

    const QSize ok = PictureSize("Img_Index_OK_1", 120, 60);
    Img_Index_OK = MakePicture(TabSheet9, "Img_Index_OK", "Img_Index_OK_1",
                               630 + (203 - ok.width()) / 2, 550 - ok.height());
    Label_Index_OK = CommandLabel(TabSheet9, "Label_Index_OK", Img_Index_OK);

    Load_Index = new TButton(TabSheet9, "Load_Index");
    Load_Index->SetBounds(660, 20, 75, 25);
    Load_Index->SetCaption("LOAD");
    Load_Index->Hide();

    label_close_sommaire = CloseMark(TabSheet9, "label_close_sommaire", 800, 8, 26);
    label_close_sommaire->SetHint(Utf8ToAnsi("Retourne à l'exercice encours"));
    label_close_sommaire->SetShowHint(true);
}

void TMainFormEXO::WireCommands() {
    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s) { FormClose(s); };
    ExoPageControl->OnEnter = [this](TObject* s) { ExoPageControlEnter(s); };
    ExoPageControl->OnChange = [this](TObject* s) { ExoPageControlChange(s); };

    for (TLabel* l : {LabelRetour, LabelVerification, LabelCorriger, LabelSuivant,
                      LabelExoHelpButton, jump_label, label_previous, label_sommaire}) {
        l->OnMouseEnter = [this](TObject* s) { LeftEnter(s); };
        l->OnMouseLeave = [this](TObject* s) { LeftExit(s); };
    }
    LabelRetour->OnClick = [this](TObject* s) { LabelRetourClick(s); };
    LabelVerification->OnClick = [this](TObject* s) { LabelVerificationClick(s); };
    LabelCorriger->OnClick = [this](TObject* s) { LabelCorrigerClick(s); };
    LabelSuivant->OnClick = [this](TObject* s) { LabelSuivantClick(s); };
    label_previous->OnClick = [this](TObject* s) { label_previousClick(s); };
    label_sommaire->OnClick = [this](TObject* s) { label_sommaireClick(s); };
    LabelExoHelpButton->OnClick = [this](TObject* s) { LabelExoHelpButtonClick(s); };

    jump_label->OnClick = [this](TObject* s) { jump_labelClick(s); };
    jump_list->OnClick = [this](TObject* s) { jump_listClick(s); };
    label_close_jump->OnClick = [this](TObject* s) { label_close_jumpClick(s); };
    label_close_jump->OnMouseEnter = [this](TObject* s) { label_close_jumpMouseEnter(s); };
    label_close_jump->OnMouseLeave = [this](TObject* s) { label_close_jumpMouseLeave(s); };
    label_close_sommaire->OnClick = [this](TObject* s) { label_close_sommaireClick(s); };
    label_close_sommaire->OnMouseEnter = [this](TObject* s) { label_close_sommaireMouseEnter(s); };
    label_close_sommaire->OnMouseLeave = [this](TObject* s) { label_close_sommaireMouseLeave(s); };

    AfficherNote->OnClick = [this](TObject* s) { AfficherNoteClick(s); };
    AfficherNote->OnMouseEnter = [this](TObject* s) { CommonTextEnter(s); };
    AfficherNote->OnMouseLeave = [this](TObject* s) { CommonTextLeave(s); };
    yes_timer->OnTimer = [this](TObject* s) { yes_timerTimer(s); };

    LabelJEU->OnClick = [this](TObject* s) { LabelJEUClick(s); };
    LabelJEU->OnMouseEnter = [this](TObject* s) { LabelJEUMouseEnter(s); };
    LabelJEU->OnMouseLeave = [this](TObject* s) { LabelJEUMouseLeave(s); };

    IndexTree->OnClick = [this](TObject* s) { IndexTreeClick(s); };
    IndexTree->OnChange = [this](TObject* s) { IndexTreeChange(s); };
    IndexTree->OnDblClick = [this](TObject* s) { Label_Index_OKClick(s); };
    Label_Index_OK->OnClick = [this](TObject* s) { Label_Index_OKClick(s); };
    Label_Index_OK->OnMouseEnter = [this](TObject* s) { Label_Index_OKMouseEnter(s); };
    Label_Index_OK->OnMouseLeave = [this](TObject* s) { Label_Index_OKMouseLeave(s); };
    Load_Index->OnClick = [this](TObject* s) { Load_IndexClick(s); };

    for (TLabel* tab : {Label1, Label3, Label4, Label5, Label6}) {
        tab->OnMouseEnter = [this](TObject* s) { HelpButtonEnter(s); };
        tab->OnMouseLeave = [this](TObject* s) { HelpButtonLeave(s); };
        tab->OnClick = [this](TObject* s) { HelpButtonSelect(s); };
    }
    Label_Close_Aide->OnClick = [this](TObject* s) { Label_Close_AideClick(s); };
    Label_Close_Aide->OnMouseEnter = [this](TObject* s) { Label_Close_AideMouseEnter(s); };
    Label_Close_Aide->OnMouseLeave = [this](TObject* s) { Label_Close_AideMouseLeave(s); };
}

// ---- Showing and closing ---------------------------------------------------------

void TMainFormEXO::FormShow(TObject*) {
    // Each database on its own: the exercises open without the trace, and the learner
    // hears once which file is missing or unreadable and what follows.
    AnsiString problems;
    OpenDataFile(*MainADOConnection, "bd_exos.mdb", false, "aucun exercice ne peut être proposé.",
                 ExosProblemTold, problems);
    OpenDataFile(*TraceADOConnection, "bd_trace.mdb", true,
                 "les résultats des exercices ne seront pas enregistrés.", TraceProblemTold, problems);
    Guarded([this] {
        WatchFace = 1;
        Load_IndexClick();
        ExoPageControl->SetActivePageIndex(8);
        CurrentExoPage = 8;
        NbExoChap->SetHint("0");
        ExoChecked = 0;
        PanelNote->Hide();
        // No full-marks animation and no way back to an exercise left from last time.
        yes_timer->SetEnabled(false);
        yes_1->Hide();
        yes_2->Hide();
        label_close_sommaire->Hide();
        LabelVerification->SetEnabled(false);
        LabelCorriger->SetEnabled(false);
        LabelSuivant->SetEnabled(false);
        label_previous->SetEnabled(false);
        ExoLoadDone = 1;
        ExoUnshown = false;
        // No exercise is open: the watch is back, the figure toggle has nothing to turn.
        watch_panel->Show();
        Panel_afficher_image->Hide();
        ExoMark = 0;
        CurrentExoIndex = -1;
        NavDirection = 0;
        jump_list->Hide();
        label_close_jump->Hide();
        jump_label->SetEnabled(false);
        CountChapterExercises();
        ThisChapter->SetCaption("");
    });
    if (!problems.empty()) ShowMessage(problems);
}

void TMainFormEXO::FormClose(TObject*) {
    // Results still waiting get their chance before the trace is closed.
    Guarded([this] { Trace->Flush(); });
    Guarded([this] {
        for (TADOQuery* q : {QCM_Query, QO_Query, QB_Query, QCC_Query, QTRC_Query, QTRO_Query,
                             QMR_Query, QMT_Query})
            q->Close();
        if (MainADOConnection->Connected()) MainADOConnection->Close();
        if (TraceADOConnection->Connected()) TraceADOConnection->Close();
    });
}

void TMainFormEXO::ExoPageControlEnter(TObject*) {
    TADOQuery* const byPage[] = {QCM_Query, QO_Query, QB_Query, QCC_Query,
                                 QTRO_Query, QTRC_Query, QMR_Query, QMT_Query};
    const int page = ExoPageControl->ActivePageIndex();
    if (page >= 0 && page < 8) ExoDataSource->SetDataSet(byPage[page]);
}

// Pages change only through the program (the tab row is covered): nothing to follow.
void TMainFormEXO::ExoPageControlChange(TObject*) {}
