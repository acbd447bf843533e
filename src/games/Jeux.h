#pragma once
// The games screen: opened modally from the player, it starts on a choice panel that
// covers two boards, the ship-locating game and the numbers game "LE COMPTE EST BON".
// Every command is a text button (games/TextButton.h). The numbers board keeps its
// state in the hints of its pictures: the target in `compte`, the solution in
// `verdict`, the drawn numbers in v1..v5 and the placed tokens in s1..s14.
#include <array>

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
    TImage* verdict = nullptr;              // Hint: the solution of the last draw
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
    void BuildCompteBoard();
    void BuildCompteRules();
    // Empties the slots and the verdict picture.
    void EmptySlots();
    // Asks for a bound of the numbers board and keeps it when it is a plain integer.
    void AskBound(TEdit* field, const AnsiString& prompt);

    // The games' attempt in the player's attempt members: a game of that kind starts now.
    static void StartGameAttempt(const AnsiString& typeName);
    // Appends a game's trace record: the attempt's start and end with the game's mark,
    // help flag and kind; the members the record borrows are given back afterwards.
    static void WriteGameRecord(int mark, int verifUsed, const AnsiString& typeName);
};

extern TJeu* Jeu;

// A picture that the screen fills later (letter pictures), drawn centred.
TImage* CentredPicture(TControl* parent, const AnsiString& name, int left, int top, int width, int height);
