#pragma once
// The home screen: the main window. It runs the start-up sequence, offers the four
// commands (options, history, work, quit), the learner and subject-and-level panels,
// the web link and the balloon animation, and holds the state other screens read
// (application directory, current learner, subject, level, option values).
#include <memory>

#include "platform/Ado.h"
#include "platform/Forms.h"

// The publisher's web site, opened by the web link (the address its faces show).
extern const AnsiString kPublisherUrl;

class TStartForm : public TForm {
public:
    TStartForm();
    ~TStartForm() override;

    // --- Frame ---
    TShape* Border;
    // Program title above the name picture (own addition, drawn in the screen's palette).
    TLabel* TitreProgramme;

    // --- Commands ---
    TPanel* Panel_Button;
    TImage* ImageOptions;
    TImage* ImageHistorique;
    TImage* ImageTravailler;
    TImage* ImageQuitter;
    TLabel* LabelOptions;
    TLabel* LabelHistorique;
    TLabel* LabelTravailler;
    TLabel* LabelQuitter;
    TLabel* HintButton;
    TImage* lpingouin;
    TImage* rpingouin;
    TImage* Hint_Button_Image;

    // --- Web link ---
    TImage* web_quillombre_education;
    TLabel* Label_web_quillombre_education;

    // --- Change links ---
    TImage* changer_liste_img;
    TLabel* changer_liste;
    TImage* changer_liste_apprenant_img;
    TLabel* changer_liste_apprenant;

    // --- Subject-and-level panel ---
    TPanel* panel_liste_classes;
    TListBox* Liste_matieres;
    TLabel* exos;
    TLabel* Label1;          // "FERMER"
    TImage* changer_1;       // hidden faces of the change links
    TImage* changer_2;

    // --- Learner panel (stored height 170; 270 shows the add area) ---
    TPanel* panel_liste_eleves;
    TListBox* Liste_prenoms;
    TLabel* Label7;          // "SUPPRIMER"
    TLabel* Label3;          // "AJOUTER" (opens the add area)
    TLabel* Label2;          // "FERMER"
    TLabeledEdit* AjoutNOM;  // "Prénom"
    TLabel* Label5;          // "Matière"
    TComboBox* AM;           // the eleven subject-and-level entries
    TLabel* Label6;          // "AJOUTER" (adds the learner)
    TLabel* Label4;          // "FERMER" (closes the add area)

    // --- Name, level and subject pictures ---
    TImage* IdentifiantNOM;
    TImage* WhichClasse;
    TImage* titre;

    // --- Animation ---
    TImage* ballon;
    TImage* papillon;
    TTimer* timer_ballon;

    // --- Hidden picture store Panel1: banners, web link faces, class and subject pictures ---
    TPanel* Panel1;
    TImage* HintImageOptions;
    TImage* HintImageHistorique;
    TImage* HintImageTravailler;
    TImage* HintImageQuitter;
    TImage* web_quillombre_education_1;
    TImage* web_quillombre_education_2;
    TImage* ClasseCP;
    TImage* ClasseCE1;
    TImage* ClasseCE2;
    TImage* ClasseCM1;
    TImage* ClasseCM2;
    TImage* Classe6e;
    TImage* Classe5e;
    TImage* Classe4e;
    TImage* Classe3e;
    TImage* titre_math;
    TImage* titre_francais;

    // --- Hidden picture store Panel2: command faces, letter pictures, glyph sheet ---
    TPanel* Panel2;
    TImage* ImageOptions1;
    TImage* ImageHistorique1;
    TImage* ImageTravailler1;
    TImage* ImageQuitter1;
    TImage* ImageOptions2;
    TImage* ImageHistorique2;
    TImage* ImageTravailler2;
    TImage* ImageQuitter2;
    TImage *alpha_a, *alpha_b, *alpha_c, *alpha_d, *alpha_e, *alpha_f, *alpha_g,
           *alpha_h, *alpha_i, *alpha_j, *alpha_k, *alpha_l, *alpha_m, *alpha_n,
           *alpha_o, *alpha_p, *alpha_q, *alpha_r, *alpha_s, *alpha_t, *alpha_u,
           *alpha_v, *alpha_w, *alpha_x, *alpha_y, *alpha_z;
    TImage *alpha_0, *alpha_1, *alpha_2, *alpha_3, *alpha_4, *alpha_5, *alpha_6,
           *alpha_7, *alpha_8, *alpha_9;
    TImage* alpha_pe;   // !
    TImage* alpha_pi;   // ?
    TImage* alpha_pp;   // :
    TImage* alpha_op;   // +
    TImage* alpha_mm;   // -
    TImage* alpha_of;   // *
    TImage* alpha_od;   // /
    TImage* alpha_opo;  // (
    TImage* alpha_opf;  // )
    TImage* LatestALPHA;

    // --- Authoring scrambler (hidden panel) ---
    TPanel* panel_crypt;
    TButton* button_crypt;
    TProgressBar* progress_crypt;
    std::unique_ptr<TADOTable> table_crypt;   // on MainFormEXO->MainADOConnection

    // --- State read by the other screens ---
    // Data folder: the working directory at start-up, as the system spells it (a path,
    // not a program text: see platform/Files.h).
    std::string AppDir;
    AnsiString LearnerName;
    AnsiString Subject;       // "Mathematiques" or "Français"
    AnsiString Level;         // "CP" .. "3e"
    int OptionExo = 0;
    int OptionJeux = 1;
    int BallonRising = 0;
    int PapillonRising = 0;

    // --- Start-up and commands ---
    void FormShow(TObject* sender);
    void FormClose(TObject* sender);
    void LeftEnter(TObject* sender);
    void LeftExit(TObject* sender);
    void LabelOptionsClick(TObject* sender);
    void LabelHistoriqueClick(TObject* sender);
    void LabelTravaillerClick(TObject* sender);
    void LabelQuitterClick(TObject* sender);
    void Label_web_quillombre_educationClick(TObject* sender);
    void Label_web_quillombre_educationMouseEnter(TObject* sender);
    void Label_web_quillombre_educationMouseLeave(TObject* sender);
    void IdentifiantNOMClick(TObject* sender);
    void timer_ballonTimer(TObject* sender);

    // --- Panels ---
    void changer_listeClick(TObject* sender);
    void Label1Click(TObject* sender);
    void Liste_matieresDblClick(TObject* sender);
    void changer_liste_apprenantClick(TObject* sender);
    void Label2Click(TObject* sender);
    void Label3Click(TObject* sender);
    void Label4Click(TObject* sender);
    void changer_listeMouseEnter(TObject* sender);
    void changer_listeMouseLeave(TObject* sender);
    void changer_liste_apprenantMouseEnter(TObject* sender);
    void changer_liste_apprenantMouseLeave(TObject* sender);
    void Label1MouseEnter(TObject* sender);
    void Label1MouseLeave(TObject* sender);
    void Label2MouseEnter(TObject* sender);
    void Label2MouseLeave(TObject* sender);
    void Label3MouseEnter(TObject* sender);
    void Label3MouseLeave(TObject* sender);

    // --- Learner list, subject and level (Intro_learners.cpp) ---
    // AppDir joined with "liste_apprenants.txt": the one place of the learner file.
    std::string LearnerFilePath() const;
    void SelectLearnerLine(AnsiString line);
    void ApplyLevelAndSubject();
    void SetLearnerName(AnsiString name);
    void LoadLearnerList();
    void SaveLearnerList();
    void Liste_prenomsClick(TObject* sender);
    void Liste_matieresClick(TObject* sender);
    void Label6Click(TObject* sender);
    void Label7Click(TObject* sender);
    void AjoutNOMKeyUp(TObject* sender, int& key, int shift);

    // --- Letter-picture drawing (Intro_letters.cpp) ---
    void RenderGlyphText(AnsiString text, TImage* target);
    void DrawLearnerName(AnsiString text);
    AnsiString CollapseSpaces(AnsiString text);
    void DrawSheetText(AnsiString text, TImage* target, TImage* sheet, AnsiString glyphs,
                       AnsiString lefts, AnsiString tops, AnsiString rights,
                       AnsiString bottoms, int height, TColor colour);

    // --- Answer entry of the text exercises (Intro_inputbox.cpp) ---
    // A control's place on the screen: its Top (Left) added to those of every parent.
    int AbsoluteTop(TControl* control);
    int AbsoluteLeft(TControl* control);
    // Gives the input box the answer held in the word's Hint; returns its length
    // (0 when the Hint holds none).
    int PrepareExpectedAnswer(TControl* control);
    // Opens the input box below the word at (top, left) with text; text takes what was
    // typed when the entry is accepted and stays as it was otherwise.
    void InputBox(AnsiString& text, int maxLength, int top, int left);

    // --- Exercise texts and the authoring scrambler ---
    AnsiString ScrambleText(AnsiString text);
    AnsiString UnscrambleText(AnsiString text);
    void button_cryptClick(TObject* sender);

private:
    // Hover data of one of the four commands.
    struct Command {
        TLabel* label;
        TImage* face;
        TImage* hovered;
        TImage* normal;
        TImage* banner;
        int offset;     // penguin offset: 0, 60, 120, 180
    };
    const Command* CommandOf(TObject* sender) const;
    Command commands_[4];

    void BuildLayout();
    void BuildLearnerPanel();
    // The subject-and-level panel with the change links' faces; its list and commands.
    void BuildClassesPanel();
    void FillClassesPanel();
    void BuildPictureStores();
    void BuildCryptPanel();
    void WireEvents();
    void WirePanels();
};

extern TStartForm* StartForm;
