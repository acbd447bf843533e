#pragma once
// The games screen: opened modally from the player, it starts on a choice panel that
// covers two boards, the ship-locating game and the numbers game "LE COMPTE EST BON".
// Every command is a text button (games/TextButton.h). The ship-locating board keeps
// its state in the hints of its squares, the fleet list and the caption of NOUVELLE
// PARTIE (games/Fleet.h has its rules). The numbers board keeps its state in the hints
// of its pictures: the target in `compte`, the solution in `verdict`, the drawn
// numbers in v1..v5 and the placed tokens in s1..s14.
#include <array>
#include <vector>

#include "games/Fleet.h"
#include "platform/Forms.h"

class TJeu : public TForm {
public:
    TJeu();

    TShape* Border = nullptr;

    // ---- Choice panel -------------------------------------------------------------
    TPanel* CHOISIRJEU = nullptr;
    TImage* ChoixDuJeu = nullptr;           // "choix du jeu", drawn at each showing
    TImage* nom_joueur = nullptr;           // the learner's name picture
    TLabel* Label19 = nullptr;              // "LA RECONNAISSANCE NAVALE"
    TLabel* Label17 = nullptr;              // "LE COMPTE EST BON"
    TLabel* Label16 = nullptr;              // "QUITTER"
    TShape *Shape113 = nullptr, *Shape111 = nullptr, *Shape110 = nullptr;
    TImage *Image7 = nullptr, *Image8 = nullptr, *Image9 = nullptr, *Image10 = nullptr,
           *Image11 = nullptr;

    // ---- Ship-locating board ------------------------------------------------------
    TPanel* Panel1 = nullptr;               // the grid and its pictures
    TImage* Image1 = nullptr;               // the sea chart under the grid
    std::array<TShape*, 100> Squares{};     // Shape1..Shape100, row by row; Hint: CellState
    TImage* Joueur = nullptr;               // "Joueur: " and the learner's first name
    TImage* Score = nullptr;                // Hint: "Nombre de tirs: N"
    TPanel* PanelPG = nullptr;              // shown while a fleet is placed
    TProgressBar* PG = nullptr;
    std::array<TShape*, 7> Markers{};       // b1..b7, over located ships
    TPanel* Panel2 = nullptr;               // the fleet, and the rules link
    TLabel* ShowRule = nullptr;             // Hint: "1" while the rules show
    TPanel* Panel3 = nullptr;               // the ships' sizes, and the message line
    TLabel* MonTIR = nullptr;
    TPanel* REGLEDUJEU = nullptr;           // the rules, over the grid
    TMemo* Memo1 = nullptr;
    TImage *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr, *Image5 = nullptr;
    TLabel* NouvellePartie = nullptr;       // Caption: "PARTIE EN COURS" while a game runs
    TLabel* FinPartie = nullptr;            // "TERMINER LA PARTIE"
    TLabel* Label9 = nullptr;               // "QUITTER"
    TShape *Shape101 = nullptr, *Shape102 = nullptr, *Shape103 = nullptr;
    // The game: ships located, and one fleet line per ship still hidden.
    int LocatedShipCount = 0;
    AnsiString FleetList;

    // ---- Numbers board ------------------------------------------------------------
    TPanel* CompteEstBon = nullptr;
    TImage *Image6 = nullptr, *Image12 = nullptr, *Image13 = nullptr;
    TGroupBox* GroupBox1 = nullptr;         // "VALEUR DU COMPTE"
    TImage* compte = nullptr;               // Hint: the target
    TGroupBox* GroupBox2 = nullptr;         // "NOMBRES A UTILISER"
    std::array<TImage*, 5> Numbers{};       // v1..v5, Hint: the drawn number
    TLabel* Label15 = nullptr;              // text around the two bounds
    TEdit *min_compte = nullptr, *max_compte = nullptr;
    TCheckBox* ESP = nullptr;               // expressions without parentheses only
    std::array<TImage*, 6> Operators{};     // op1..op6, Hint: "+", "-", "*", "/", "(", ")"
    TGroupBox* GroupBox3 = nullptr;         // "SOLUTION PROPOSEE"
    std::array<TImage*, 14> Slots{};        // s1..s14, Hint: the placed token
    TLabel* EFFACERSolution = nullptr;      // "RECOMMENCER"
    TShape* Shape108 = nullptr;
    TImage* verdict = nullptr;              // Hint: the solution of the draw on show
    TPanel* Panel6 = nullptr;               // command row
    TLabel *QUITTERCompte = nullptr, *AIDECompte = nullptr, *SOLUTIONCompte = nullptr,
           *VERIFIERCompte = nullptr, *NOUVEAUTirage = nullptr;
    TShape *Shape107 = nullptr, *Shape109 = nullptr, *Shape106 = nullptr, *Shape104 = nullptr,
           *Shape105 = nullptr;
    TPanel* COMPTEHELP = nullptr;           // the rules, over the slots and commands
    TMemo* Memo2 = nullptr;
    TLabel* HideHelpCompte = nullptr;       // "FERMER"

    // ---- Showing, closing and the choice ----------------------------------------
    void FormShow(TObject* Sender = nullptr);
    void FormClose(TObject* Sender = nullptr);
    void Label19Click(TObject* Sender = nullptr);
    void Label17Click(TObject* Sender = nullptr);
    void Label16Click(TObject* Sender = nullptr);

    // ---- Ship-locating board (Jeux_naval.cpp) ------------------------------------
    void ResetNavalBoard();
    // The square of a row and column 1..10; null outside the grid.
    TShape* GetCell(int row, int column) const;
    void NouvellePartieClick(TObject* Sender = nullptr);
    void FinPartieClick(TObject* Sender = nullptr);
    void Label9Click(TObject* Sender = nullptr);
    void Shape1MouseUp(TObject* Sender);
    void FireShot(TShape* square);
    void CheckLocatedShips();
    void ShowShipMarker(int row, int column, int type, int direction);
    void RevealFleet();
    void ShowRuleClick(TObject* Sender = nullptr);

    // ---- Numbers board (Jeux_compte.cpp) ----------------------------------------
    void ResetCompteBoard();
    void NOUVEAUTirageClick(TObject* Sender = nullptr);
    void UNSYMBOLE(TObject* Sender);
    void EFFACERSolutionClick(TObject* Sender = nullptr);
    void VERIFIERCompteClick(TObject* Sender = nullptr);
    void SOLUTIONCompteClick(TObject* Sender = nullptr);
    void min_compteClick(TObject* Sender = nullptr);
    void max_compteClick(TObject* Sender = nullptr);
    void AIDECompteClick(TObject* Sender = nullptr);
    void HideHelpCompteClick(TObject* Sender = nullptr);
    void QUITTERCompteClick(TObject* Sender = nullptr);

private:
    void BuildChoicePanel();
    void BuildNavalBoard();
    void BuildNavalTexts();
    // The fleet lines still hidden, read from FleetList (unreadable lines left out).
    std::vector<FleetLine> HiddenShips() const;
    void BuildCompteBoard();
    void BuildCompteRules();
    // Empties the slots and the verdict picture.
    void EmptySlots();
    // Numbers drawn without a target: says so on the verdict line.
    void SayWhenNoTarget();
    // Asks for a bound of the numbers board and keeps it when it is a plain integer.
    void AskBound(TEdit* field, const AnsiString& prompt);

    // The games' attempt in the player's attempt members: a game of that kind starts now.
    static void StartGameAttempt(const AnsiString& typeName);
    // Appends a game's trace record: the attempt's start and end with the game's mark,
    // help flag and kind; the members the record borrows are given back afterwards.
    static void WriteGameRecord(int mark, int verifUsed, const AnsiString& typeName);
};

extern TJeu* Jeu;

// "v1", "Shape100": the name of a component of a numbered row.
AnsiString NumberedName(const char* stem, int k);
// A read-only text of the screen (rules) in navy on its panel's colour, without
// border or scroll bar, from its lines in UTF-8.
TMemo* StoredText(TControl* parent, const AnsiString& name, int left, int top, int width, int height,
                  const AnsiString& font, int px, const std::vector<const char*>& lines);
// A picture that the screen fills later (letter pictures), drawn centred.
TImage* CentredPicture(TControl* parent, const AnsiString& name, int left, int top, int width, int height);
