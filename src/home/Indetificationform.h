#pragma once
// The identification screen: at the first run (no learner file) the learner types a
// first name and picks a subject and level; a valid OK stores the name in the home
// screen, writes a one-line learner file and closes the screen. There is no other
// way out: no cancel command is offered. When the file cannot be written the learner
// is told, and goes on with the name and class chosen until the program ends.
#include "platform/Forms.h"

class QCloseEvent;

class TIdentification : public TForm {
public:
    TIdentification();

    TShape* Border;
    TImage* Image2;          // banner across the top
    TPanel* Panel1;
    TImage* Image1;          // background of the form, with its prompts
    TEdit* Prenom;
    TComboBox* AM;           // the eleven subject-and-level entries
    TLabel* Label5;          // "Matière"
    TLabel* GivePrenom;      // error line
    TImage* ok;
    TLabel* LabelOK;
    TImage* o1;              // normal and hovered face of OK
    TImage* o2;
    // The stored cancel command: kept hidden and disabled, it takes no click.
    TImage* annuler;
    TLabel* LabelAnnuler;
    TImage* v1;
    TImage* v2;

    void FormShow(TObject* sender);
    void LabelOKClick(TObject* sender);
    void LabelOKMouseEnter(TObject* sender);
    void LabelOKMouseLeave(TObject* sender);
    void LabelAnnulerMouseEnter(TObject* sender);
    void LabelAnnulerMouseLeave(TObject* sender);
    // The learner line of the last valid OK ("" before it): the start-up selects it
    // when the learner file could not be written.
    const AnsiString& ChosenLine() const { return chosenLine_; }

protected:
    // Closing from the window system is refused until a valid OK.
    void closeEvent(QCloseEvent* e) override;

private:
    void ShowError(const AnsiString& text);
    bool validated_ = false;
    AnsiString chosenLine_;
};

extern TIdentification* Identification;
