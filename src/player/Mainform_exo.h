#pragma once
// The exercise player: one screen that owns both database connections and every
// dataset of the program, the table of contents, the eight exercise pages, the
// commands of the left column and the help pages.
#include <array>
#include <memory>

#include <QPointer>

#include "platform/Ado.h"
#include "platform/Forms.h"
#include "platform/Text.h"
#include "player/WordLayout.h"

class TraceLog;
struct TraceRecord;

// The data set shown by a data source (no control is bound to it here).
class TDataSource {
public:
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* ds) { dataSet_ = ds; }
private:
    TDataSet* dataSet_ = nullptr;
};

// Components numbered _1 to _N of a page, at indexes 1..N (index 0 stays null).
template <class T, int N = 8>
using Numbered = std::array<T*, N + 1>;

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
    // Over the page area while the exercise under the counter cannot be shown.
    TLabel* ExoNotShown = nullptr;

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

    // Multiple-choice page (made by BuildPageQCM). Row N: tick box Image_choix_N under
    // its click label choix_N (Hint "1" ticked), text Label_choix_N (Hint "1" correct),
    // right mark juste_N, wrong mark faux_N.
    TPanel* Panel_Text_QCM = nullptr;
    Numbered<TImage> Image_choix{}, juste{};
    Numbered<TLabel> choix{}, Label_choix{};
    Numbered<TShape> faux{};
    TImage *qcm_unselected = nullptr, *qcm_selected = nullptr;
    TImage* qcm_shape_selection = nullptr;  // hover band

    // Short-answer page (made by BuildPageQO). Each box's Hint is its expected answer.
    TPanel* Panel_Text_QO = nullptr;
    Numbered<TLabeledEdit, 4> qo_answer{};
    Numbered<TImage, 4> qo_img_rep{};
    TPanel* Panel_answer_QO = nullptr;
    TImage* Label_title_answer_QO = nullptr;
    TLabel* qo_right_main_answer = nullptr;
    Numbered<TLabel, 4> qo_right_answer{};  // 1 and 2 on the answer panel, 3 and 4 on the page
    TImage* Bravo_qo = nullptr;             // Hint: blinks left
    TPanel* Panel6 = nullptr;               // the page's picture store
    TImage *qo_correct = nullptr, *qo_incorrect = nullptr;
    TImage *Imq_title_answer_QO = nullptr, *Imq_title_answers_QO = nullptr;
    TTimer* TimerBravo = nullptr;

    // Matching page (made by BuildPageQCC). left_Label_N Hint: expected right number;
    // left_choice_N Hint: chosen right number ("0" or "": none); right_Label_N Hint "N";
    // right_select_image Hint: the selected element ("0": none), its side by its Left.
    TLabel* LabelFormatQCC = nullptr;
    TPanel* Panel_Text_QCC = nullptr;
    Numbered<TLabel> left_Label{}, left_choice{}, right_choice{}, right_Label{};
    Numbered<TImage> left_image{}, right_image{}, qcc_mark{};
    TImage *QCC_Association = nullptr, *QCC_Association_empty = nullptr;
    TImage *qcc_empty = nullptr, *qcc_assign = nullptr, *right_select_image = nullptr;
    TImage *qcc_true = nullptr, *qcc_false = nullptr;
    TShape* qcc_shape_selection = nullptr;

    // Text pages (made by BuildTextPanels): one word label per piece of the text lies
    // on the page's text panel, over its background picture; the hover frame follows
    // the mouse over the words, the selection frame marks the word being answered.
    TPanel *Panel_Text_QTRO = nullptr, *Panel_Text_QTRC = nullptr, *Panel_Text_QMR = nullptr,
           *Panel_Text_QMT = nullptr;
    TImage *Image3 = nullptr, *Image4 = nullptr, *Image5 = nullptr, *Image6 = nullptr;
    TShape *ThisWordQO = nullptr, *ThisWordQO_Select = nullptr, *ThisWordQC = nullptr,
           *ThisWordQC_Select = nullptr, *ThisWordQMR = nullptr, *ThisWordQMT = nullptr,
           *ThisWordQMT_Select = nullptr;

    // Word bank of the gap text to complete from it (made by BuildPageQTRC). Slot N:
    // background Shape_QTRC_BW_N (Hint "1" the word serves once at a time, "0" again and
    // again), word Shape_QTRC_WW_N (Hint "N"), cover Disabled_QTRC_N over a word in use.
    TPanel* Panel_Word_QTRC = nullptr;
    TImage* Image_Word_QTRC = nullptr;      // the bank's tray
    Numbered<TImage> Shape_QTRC_BW{}, Disabled_QTRC{};
    Numbered<TLabel> Shape_QTRC_WW{};

    // Verdict and info pictures of the pages (made by BuildMarkingPictures; those of
    // the multiple-choice and matching pages by their pages).
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

    // ---- Exercise pictures, clock and watch (Mainform_pictures.cpp, Mainform_watch.cpp)
    // The figure of each exercise page: a panel with its frame and the image.
    TPanel *Panel_Fig_QCM = nullptr, *Panel_Fig_QO = nullptr, *Panel_Fig_QB = nullptr,
           *Panel_Fig_QCC = nullptr, *Panel_Fig_QTRO = nullptr, *Panel_Fig_QTRC = nullptr,
           *Panel_Fig_QMR = nullptr, *Panel_Fig_QMT = nullptr;
    TImage *Img_QCM = nullptr, *Img_QO = nullptr, *Img_QB = nullptr, *Img_QCC = nullptr,
           *Img_QTRO = nullptr, *Img_QTRC = nullptr, *Img_QMR = nullptr, *Img_QMT = nullptr;
    // The toggle: af shows mf1/mf2 while the figure is shown (Hint "0"), af1/af2 while
    // it is hidden (Hint "1"); af_label takes the mouse.
    TImage* af = nullptr;
    TLabel* af_label = nullptr;
    TImage *mf1 = nullptr, *mf2 = nullptr, *af1 = nullptr, *af2 = nullptr;
    TImage* watch = nullptr;
    TImage *watch_empty_1 = nullptr, *watch_empty_2 = nullptr;
    TImage *Image17 = nullptr, *Image18 = nullptr, *Image19 = nullptr;   // face 1, face 2, hide
    TTimer* MyTimer = nullptr;              // the clock, every second for the whole run

    // The figure panel and image of a page number 1..8 (nulls outside).
    TPanel* FigurePanel(int pageNumber) const;
    TImage* FigureImage(int pageNumber) const;
    void HideExercisePictures();
    void af_labelClick(TObject* Sender = nullptr);
    void af_labelMouseEnter(TObject* Sender = nullptr);
    void af_labelMouseLeave(TObject* Sender = nullptr);
    void MyTimerTimer(TObject* Sender = nullptr);
    void UpdateWatch();
    void DrawWatch(int hours, int minutes, int seconds);
    void Image17Click(TObject* Sender = nullptr);
    void Image18Click(TObject* Sender = nullptr);
    void Image19Click(TObject* Sender = nullptr);
    void watchClick(TObject* Sender = nullptr);
    void watchMouseMove(TObject* Sender, int Shift, int X, int Y);

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
    bool ExoUnshown = false;                // the record under the counter could not be shown
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
    // The exercises offered at the level of ExoTableName, counted as the contents count
    // them; -1 when its table cannot be read.
    long long CountLevelExercises();
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
    // The trace record of the attempt in progress.
    TraceRecord AttemptRecord() const;
    // Writes a result to the trace (the correction and the games), or keeps it until
    // the trace can be written; the learner is told when results must wait.
    void WriteTraceRecord(const TraceRecord& record);
    // At the end of the run: the results still waiting get a last chance, and the
    // learner is told of those that are lost (then given up).
    void SettleWaitingResults();

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
    // Multiple choice.
    void ResetQCM();
    void TextEnter(TObject* Sender);
    void TextExit(TObject* Sender);
    void qcm_select(TObject* Sender);
    void CheckQCM();
    // Short answer.
    void CheckQO();
    void TimerBravoTimer(TObject* Sender = nullptr);
    void qo_answer_1Click(TObject* Sender = nullptr);
    void qo_answer_1KeyUp(TObject* Sender, int& Key, int Shift);
    // Matching.
    void qcc_Left_Click(TObject* Sender);
    void qcc_Right_Click(TObject* Sender);
    void qcc_TextEnter(TObject* Sender);
    void qcc_TextExit(TObject* Sender);
    void QCC_AssociationMouseMove(TObject* Sender, int Shift, int X, int Y);
    void CheckQCC();
    void ShowSolutionQCC();
    void ReplayPairQCC(TLabel* leftLabel);

    // ---- Text exercises (Mainform_words.cpp and one file per kind) ----------------
    // What a kind adds to a word label as the text is laid out: colour, cursor and
    // handlers are set on the label; the result is the Hint body; caption may change
    // (a marked word loses its braces).
    using WordKindStep = std::function<AnsiString(TLabel& label, const WordPiece& piece, AnsiString& caption)>;
    // The layout shared by the four text kinds: the previous text's labels freed, one
    // label per piece, Hint body and line flag, font, wrap; blank labels when the page
    // makes them.
    void LayOutWords(TPanel* panel, const AnsiString& text, const TextPageLayout& page,
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
    // Gap text with a word bank: the eight bank words and the eight gap numbers.
    void BuildTextQTRC(AnsiString text, const std::vector<AnsiString>& bank,
                       const std::vector<AnsiString>& numbers);
    void SelectGapQTRC(TObject* Sender);
    void ChooseWordQTRC(TObject* Sender);
    void GetWordBack(TObject* Sender);
    void EnterWordQTRC(TObject* Sender);
    void LeaveWordQTRC(TObject* Sender);
    void CheckQTRC();
    // Words to pick out.
    void BuildTextQMR(AnsiString text);
    void SelectWordQMR(TObject* Sender);
    void CheckQMR();

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
    // Everything after the frame, data and picture store, left for when the program is idle.
    void BuildRest();
    void BuildCommandColumn();
    // The hidden store: the class and subject pictures with the frame; the command faces,
    // hints and marks with the rest.
    void BuildPictureStore();
    void BuildCommandPictureStore();
    void BuildPages();
    void BuildIndexPage();
    void BuildHelpPage();
    void BuildData();
    void WireCommands();
    // Made with the true-or-false page and the marking.
    void BuildPageQB();
    void BuildMarkingPictures();
    void BuildPageQCM();
    void BuildPageQO();
    void BuildPageQCC();
    // Matching: no pair, no mark, no selection; the pair lines drawn anew.
    void ClearPairsQCC();
    void RedrawPairsQCC();
    // The figures and their toggle; the clock, its timer and the watch.
    void BuildFigures();
    void BuildWatch();
    void BuildTextPanels();
    void BuildPageQTRC();
    // Typed answers (QTRO, QMT): the input box at a word, and the check of a panel.
    // True when the word's caption changed.
    bool AnswerWord(TLabel* word, TShape* hover, TShape* selection, TPanel* panel);
    void CheckTypedWords(TPanel* panel, TShape* hover, TImage* info);
    // The check of a text whose answers carry "#solution": `judge` tells whether a word
    // is right and the solution shown in place of a wrong one (none: it keeps its
    // caption); `frame` is hidden; the points and `info` only while correcting, `info`
    // clear of the page's verdict.
    struct WordVerdict {
        bool right = false;
        bool hasSolution = false;
        AnsiString solution;
    };
    void CheckTextAnswers(TPanel* panel, TShape* frame, TImage* info,
                          const std::function<WordVerdict(const TLabel&)>& judge);
    // The gap text with a word bank: no gap selected; the selection frame over a gap.
    void ClearGapSelectionQTRC();
    void SelectGapFrameQTRC(TLabel* gap);
    // The gap that takes the next bank word (the Hint of ThisWordQC_Select names it
    // too, but two gaps may carry the same Hint).
    QPointer<TLabel> SelectedGapQTRC;
    // The store picture that a command face or banner takes.
    TImage* StoreImage(const AnsiString& name, int left, int top);
    // The word over the page area that follows the pages (Mainform_sequence.cpp).
    void BuildNotShownCover();
    QObject* PageFollower = nullptr;

    // Results waiting for the trace, kept until the program ends.
    std::unique_ptr<TraceLog> Trace;
    // A database that could not be opened has been reported (until it opens again).
    bool ExosProblemTold = false, TraceProblemTold = false;
};

extern TMainFormEXO* MainFormEXO;
