#pragma once
// The exercise player: one screen that owns both database connections and every
// dataset of the program, the table of contents, the eight exercise pages, the
// commands of the left column and the help pages.
#include "platform/Ado.h"
#include "platform/Forms.h"
#include "platform/Text.h"
#include "player/WordLayout.h"

// The data set shown by a data source (no control is bound to it here).
class TDataSource {
public:
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* ds) { dataSet_ = ds; }
private:
    TDataSet* dataSet_ = nullptr;
};

class TMainFormEXO : public TForm {
public:
    TMainFormEXO();
    ~TMainFormEXO() override;

    // ---- Frame --------------------------------------------------------------------
    TShape* Border = nullptr;
    TImage* titreCLASSE = nullptr;          // level title across the top
    TImage* Titre_MATIERE = nullptr;        // subject title across the top
    TPanel* MainFrame = nullptr;
    TLabel* ThisChapter = nullptr;
    TLabel* Apprenant = nullptr;
    TLabel* HintButton = nullptr;
    TImage* ImageHint = nullptr;
    TImage* yes_1 = nullptr;
    TImage* yes_2 = nullptr;
    TPanel* Panel3 = nullptr;               // covers the tab row
    TPanel* PanelExoHelpButton = nullptr;
    TImage* ExoHelpButton = nullptr;
    TLabel* LabelExoHelpButton = nullptr;
    TPanel* watch_panel = nullptr;
    TPanel* Panel_afficher_image = nullptr;
    TPanel* PanelNote = nullptr;
    TImage* ImgExoNote = nullptr;

    // ---- Command column ---------------------------------------------------------
    TPanel* Panel1 = nullptr;
    TImage* ImageRetour = nullptr;
    TLabel* LabelRetour = nullptr;
    TImage* ImageVerification = nullptr;
    TLabel* LabelVerification = nullptr;
    TImage* ImageCorriger = nullptr;
    TLabel* LabelCorriger = nullptr;
    TImage* ImageSuivant = nullptr;
    TLabel* LabelSuivant = nullptr;
    TImage* image_previous = nullptr;
    TLabel* label_previous = nullptr;
    TImage* image_sommaire = nullptr;
    TLabel* label_sommaire = nullptr;

    TPanel* WatchPanel = nullptr;
    TImage* Image1 = nullptr;               // clock background
    TLabel* DateLabel = nullptr;
    TLabel* TimeLabel = nullptr;
    TLabel* Label2 = nullptr;               // "Exercices:"
    TLabel* NbExo = nullptr;                // counter k/n
    TLabel* AfficherNote = nullptr;

    TPanel* PanelJEU = nullptr;
    TImage* ImageJEU = nullptr;
    TLabel* LabelJEU = nullptr;

    TPanel* Panel_Jump = nullptr;
    TImage* jump_image = nullptr;
    TLabel* jump_label = nullptr;
    TListBox* jump_list = nullptr;
    TLabel* label_close_jump = nullptr;

    // ---- Hidden picture store ---------------------------------------------------
    TPanel* Panel2 = nullptr;
    TImage *ImageRetour1 = nullptr, *ImageRetour2 = nullptr;
    TImage *ImageVerification1 = nullptr, *ImageVerification2 = nullptr;
    TImage *ImageCorriger1 = nullptr, *ImageCorriger2 = nullptr;
    TImage *ImageSuivant1 = nullptr, *ImageSuivant2 = nullptr;
    TImage *image_previous_1 = nullptr, *image_previous_2 = nullptr;
    TImage *image_sommaire_1 = nullptr, *image_sommaire_2 = nullptr;
    TImage *jump_1 = nullptr, *jump_2 = nullptr;
    TImage *Help_Button_1 = nullptr, *Help_Button_2 = nullptr;
    TImage *ImageJEU_1 = nullptr, *ImageJEU_2 = nullptr;
    TImage *Img_Index_OK_1 = nullptr, *Img_Index_OK_2 = nullptr;
    TImage *aide_close_1 = nullptr, *aide_close_2 = nullptr;
    TImage *ImageHint_Exit = nullptr, *ImageHint_Verification = nullptr,
           *ImageHint_Correction = nullptr, *ImageHint_Next = nullptr,
           *ImageHint_Help = nullptr, *ImageHint_Jeu = nullptr;
    TImage *hint_jump = nullptr, *hint_previous = nullptr, *hint_sommaire = nullptr;
    TImage *Note0 = nullptr, *Note1 = nullptr, *Note2 = nullptr, *Note3 = nullptr,
           *Note4 = nullptr, *Note5 = nullptr, *Note6 = nullptr, *Note7 = nullptr,
           *Note8 = nullptr, *Note9 = nullptr, *Note10 = nullptr;
    TImage *ToutBon = nullptr, *PasMal = nullptr;
    TImage *ClasseCP = nullptr, *ClasseCE1 = nullptr, *ClasseCE2 = nullptr,
           *ClasseCM1 = nullptr, *ClasseCM2 = nullptr, *Classe6e = nullptr,
           *Classe5e = nullptr, *Classe4e = nullptr, *Classe3e = nullptr;
    TImage *Titre_MATIERE_MATH = nullptr, *Titre_MATIERE_FRANCAIS = nullptr;
    // The badge Note0..Note10 of a mark (null outside 0..10).
    TImage* NoteImage(int mark) const;

    // ---- Pages ------------------------------------------------------------------
    TPageControl* ExoPageControl = nullptr;
    TTabSheet *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr,
              *TabSheet4 = nullptr, *TabSheet5 = nullptr, *TabSheet6 = nullptr,
              *TabSheet7 = nullptr, *TabSheet8 = nullptr, *TabSheet9 = nullptr,
              *TabSheet10 = nullptr;

    // Statements of the eight kinds.
    TLabel* qcm_statement = nullptr;
    TLabel* qo_statement = nullptr;         // Hint: "qo" or "probleme"
    TLabel* qb_statement = nullptr;         // Hint: "1" true, "0" false
    TLabel* qcc_statement = nullptr;
    TLabel* qtro_statement = nullptr;
    TLabel* qtrc_statement = nullptr;
    TLabel* qmr_statement = nullptr;
    TLabel* qmt_statement = nullptr;

    // True-or-false page (made by BuildPageQB).
    TPanel* Panel_Answer_True_False = nullptr;
    TImage* qb_img_true = nullptr;
    TLabel* qb_label_true = nullptr;
    TImage* qb_img_false = nullptr;
    TLabel* qb_label_false = nullptr;
    TImage* qb_img_select = nullptr;
    TImage* qb_img_unselect = nullptr;
    TShape* qb_shape_selection = nullptr;
    TImage* verdict_qb = nullptr;
    TImage* qb_bravo = nullptr;
    TImage* qb_faux_vrai = nullptr;
    TImage* qb_faux_faux = nullptr;

    // Text pages (made by BuildTextPanels): one word label per piece of the text lies
    // on the page's text panel, over its background picture; the hover frame follows
    // the mouse over the words, the selection frame marks the word being answered.
    TPanel *Panel_Text_QTRO = nullptr, *Panel_Text_QTRC = nullptr, *Panel_Text_QMR = nullptr,
           *Panel_Text_QMT = nullptr;
    TImage *Image3 = nullptr, *Image4 = nullptr, *Image5 = nullptr, *Image6 = nullptr;
    TShape *ThisWordQO = nullptr, *ThisWordQO_Select = nullptr, *ThisWordQC = nullptr,
           *ThisWordQC_Select = nullptr, *ThisWordQMR = nullptr, *ThisWordQMT = nullptr,
           *ThisWordQMT_Select = nullptr;

    // Verdict and info pictures of the pages (made by BuildMarkingPictures).
    TImage *QCMverdict = nullptr, *QCCverdict = nullptr, *QTROverdict = nullptr,
           *QTRCverdict = nullptr, *QMRverdict = nullptr, *QMTverdict = nullptr;
    TImage *QTROInfoNote = nullptr, *QTRCInfoNote = nullptr, *QMRInfoNote = nullptr,
           *QMTInfoNote = nullptr;

    // Table of contents page.
    TImage* TableMatieres = nullptr;
    TTreeView* IndexTree = nullptr;
    TLabel* NbExoChap = nullptr;            // Hint "1": the entry may be opened
    TLabel* Nb_Child_Exo = nullptr;
    TImage* Img_Index_OK = nullptr;
    TLabel* Label_Index_OK = nullptr;
    TButton* Load_Index = nullptr;
    TLabel* label_close_sommaire = nullptr;

    // Help page.
    TMemo* HelpMemo = nullptr;
    TMemo *Memo1 = nullptr, *Memo2 = nullptr, *Memo3 = nullptr, *Memo4 = nullptr,
          *Memo5 = nullptr;
    TPanel *HelpTab1 = nullptr, *HelpTab2 = nullptr, *HelpTab3 = nullptr,
           *HelpTab4 = nullptr, *HelpTab5 = nullptr;
    TShape *Shape2 = nullptr, *Shape3 = nullptr, *Shape4 = nullptr, *Shape5 = nullptr,
           *Shape6 = nullptr;
    TLabel *Label1 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr;
    TImage* aide_close_img = nullptr;
    TLabel* Label_Close_Aide = nullptr;

    TTimer* yes_timer = nullptr;

    // ---- Data -------------------------------------------------------------------
    TADOConnection* MainADOConnection = nullptr;    // bd_exos.mdb
    TADOConnection* TraceADOConnection = nullptr;   // bd_trace.mdb
    TADOTable* INDEX_Table = nullptr;
    TADOQuery* GEN_Query = nullptr;
    TADOQuery* Table_Exos = nullptr;
    TADOTable* TRACE_Table = nullptr;
    TADOTable* OPTION_Table = nullptr;
    TADOTable* APPRENANT_Table = nullptr;
    TADOQuery *QCM_Query = nullptr, *QO_Query = nullptr, *QB_Query = nullptr,
              *QCC_Query = nullptr, *QTRO_Query = nullptr, *QTRC_Query = nullptr,
              *QMR_Query = nullptr, *QMT_Query = nullptr;
    TDataSource* ExoDataSource = nullptr;

    // ---- Player state -----------------------------------------------------------
    TColor HoverFontColor = clNavy;
    int CurrentExoIndex = -1;               // k of the counter; -1 nothing shown yet
    int WatchFace = 1;
    int CurrentExoPage = 8;                 // page to return to
    int NavDirection = 0;                   // 0 forward, 1 backward
    unsigned char QcmSingleAnswer = 0;
    unsigned char ExoChecked = 0;           // VERIFIER mode
    unsigned char ExoLoadDone = 1;          // 0: the record just loaded was rejected
    // Attempt members (also written by the games).
    int ExoMark = 0;
    AnsiString ExoStartTime, ExoEndTime, ExoTypeName;
    AnsiString ExoTableName;                // current level table
    int ExoVerifUsed = 0;
    AnsiString ChapterTitle, ChapterCode, ExoNumber;

    // ---- Showing and closing ------------------------------------------------------
    void FormShow(TObject* Sender = nullptr);
    void FormClose(TObject* Sender = nullptr);
    void ExoPageControlEnter(TObject* Sender = nullptr);
    void ExoPageControlChange(TObject* Sender = nullptr);

    // ---- Table of contents ------------------------------------------------------
    void Load_IndexClick(TObject* Sender = nullptr);
    void CountChapterExercises();
    AnsiString SumTypeCounts(const AnsiString& counts);
    void IndexTreeClick(TObject* Sender = nullptr);
    void IndexTreeChange(TObject* Sender = nullptr);
    int CountNodeExercises(TTreeNode* node, int& subChapters);
    void Label_Index_OKClick(TObject* Sender = nullptr);
    void Label_Index_OKMouseEnter(TObject* Sender = nullptr);
    void Label_Index_OKMouseLeave(TObject* Sender = nullptr);

    // ---- Sequence and navigation -----------------------------------------------
    void LabelSuivantClick(TObject* Sender = nullptr);
    void label_previousClick(TObject* Sender = nullptr);
    void NextExercise();
    void LoadCurrentExercise(int position);
    void LoadAdjacentExercise();
    void GoToExercise(int position);
    void FillJumpList(int n);
    void StartAttempt();
    void jump_listClick(TObject* Sender = nullptr);
    void jump_labelClick(TObject* Sender = nullptr);
    void label_close_jumpClick(TObject* Sender = nullptr);
    void label_close_jumpMouseEnter(TObject* Sender = nullptr);
    void label_close_jumpMouseLeave(TObject* Sender = nullptr);
    void label_sommaireClick(TObject* Sender = nullptr);
    void label_close_sommaireClick(TObject* Sender = nullptr);
    void label_close_sommaireMouseEnter(TObject* Sender = nullptr);
    void label_close_sommaireMouseLeave(TObject* Sender = nullptr);

    // ---- Correction and marking ---------------------------------------------------
    void LabelVerificationClick(TObject* Sender = nullptr);
    void LabelCorrigerClick(TObject* Sender = nullptr);
    void AfficherNoteClick(TObject* Sender = nullptr);
    void MarkExerciseSolved();
    void yes_timerTimer(TObject* Sender = nullptr);
    // Runs the check of a page number 1..8.
    void RunCheckOfPage(int pageNumber);

    // ---- Exercise pages ---------------------------------------------------------
    void ShowExerciseQCM(AnsiString content);
    void ShowExerciseQO(AnsiString content);
    void ShowExerciseQB(AnsiString content);
    void ShowExerciseQCC(AnsiString content);
    void ShowExerciseQTRO(AnsiString content);
    void ShowExerciseQTRC(AnsiString content);
    void ShowExerciseQMR(AnsiString content);
    void ShowExerciseQMT(AnsiString content);
    void qb_selection_enter(TObject* Sender);
    void qb_selection_leave(TObject* Sender);
    void qb_selection_click(TObject* Sender);
    void CheckQB();
    void ShowExercisePicture();

    // ---- Text exercises (Mainform_words.cpp, Mainform_qtro.cpp, Mainform_qmt.cpp) ----
    // What a kind adds to a word label as the text is laid out: colour, cursor and
    // handlers are set on the label; the result is the Hint body; caption may change
    // (a marked word loses its braces).
    using WordKindStep = std::function<AnsiString(TLabel& label, const WordPiece& piece, AnsiString& caption)>;
    // The layout shared by the four text kinds: the previous text's labels freed, one
    // label per piece, Hint body and line flag, font, wrap; blank labels when asked.
    void LayOutWords(TPanel* panel, const AnsiString& text, WordMarkup markup, bool blankLabels,
                     const WordKindStep& kindStep);
    // A word's colour, set only where it differs (each change measures the word again).
    static void SetWordColour(TLabel& word, TColor colour);
    // The word labels of a text panel, in reading order.
    std::vector<TLabel*> WordLabels(const TPanel* panel) const;
    void ReflowWordLabels(TPanel* panel);
    void BuildTextQTRO(AnsiString text, const TStringList& answers);
    void BuildTextQMT(AnsiString text, const TStringList& answers);
    void EnterWordQTRO(TObject* Sender);
    void LeaveWordQTRO(TObject* Sender);
    void EnterWWordQTRC(TObject* Sender);
    void LeaveWWordQTRC(TObject* Sender);
    void EnterWordQMR(TObject* Sender);
    void LeaveWordQMR(TObject* Sender);
    void EnterWordQMT(TObject* Sender);
    void LeaveWordQMT(TObject* Sender);
    void GiveWordQTRO(TObject* Sender);
    void GiveWordQMT(TObject* Sender);
    void CheckQTRO();
    void CheckQMT();

    // ---- Commands and help ------------------------------------------------------
    void LeftEnter(TObject* Sender);
    void LeftExit(TObject* Sender);
    void LabelJEUMouseEnter(TObject* Sender = nullptr);
    void LabelJEUMouseLeave(TObject* Sender = nullptr);
    void LabelJEUClick(TObject* Sender = nullptr);
    void LabelRetourClick(TObject* Sender = nullptr);
    void LabelExoHelpButtonClick(TObject* Sender = nullptr);
    void CommonTextEnter(TObject* Sender);
    void CommonTextLeave(TObject* Sender);
    void HelpButtonEnter(TObject* Sender);
    void HelpButtonLeave(TObject* Sender);
    void HelpButtonSelect(TObject* Sender);
    void Label_Close_AideMouseEnter(TObject* Sender = nullptr);
    void Label_Close_AideMouseLeave(TObject* Sender = nullptr);
    void Label_Close_AideClick(TObject* Sender = nullptr);

private:
    // Parts of the construction.
    void BuildFrame();
    void BuildCommandColumn();
    void BuildPictureStore();
    void BuildPages();
    void BuildIndexPage();
    void BuildHelpPage();
    void BuildData();
    void WireCommands();
    // Made with the true-or-false page and the marking.
    void BuildPageQB();
    void BuildMarkingPictures();
    void BuildTextPanels();
    // Typed answers (QTRO, QMT): the input box at a word, and the check of a panel.
    // True when the word's caption changed.
    bool AnswerWord(TLabel* word, TShape* hover, TShape* selection, TPanel* panel);
    void CheckTypedWords(TPanel* panel, TShape* hover, TImage* info);
    // The store picture that a command face or banner takes.
    TImage* StoreImage(const AnsiString& name, int left, int top);
};

extern TMainFormEXO* MainFormEXO;
