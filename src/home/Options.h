#pragma once
// The options screen: which exercises to offer and when the games may be opened, and
// whether the choices hold for this session only, also for the next ones (stored in
// the trace database), or not at all. The values are kept and shown; nothing else
// reads them.
#include "platform/Forms.h"

class QEvent;

class TOptionForm : public TForm {
public:
    TOptionForm();

    TShape* Border;
    TImage* Image2;           // title banner
    TImage* Image3;           // decorations either side of the panel
    TImage* Image4;
    TPanel* Panel2;
    TShape* Shape1;           // frame around the inner panel
    TPanel* Panel1;
    TImage* Image1;           // title of the inner panel
    TGroupBox* GroupBox1;     // "Exercices"
    TRadioButton* S1;         // OptionExo 0
    TRadioButton* S2;         // OptionExo 1
    TRadioButton* S3;         // OptionExo 2 (hidden)
    TGroupBox* GroupBox2;     // "Divertissement"
    TRadioButton* D1;         // OptionJeux 0
    TRadioButton* D2;         // OptionJeux 1
    TGroupBox* GroupBox3;     // "Prise en compte"
    TRadioButton* P1;         // this session only
    TRadioButton* P2;         // this session and the next ones: stored
    TRadioButton* P3;         // not at all
    TLabel* ButtonHint;
    TLabel* Label1;           // remark
    TImage* defaut;
    TLabel* LabelDefaut;
    TImage* v1;               // normal and hovered face of the defaults command
    TImage* v2;
    TImage* ok;
    TLabel* LabelOK;
    TImage* o1;               // normal and hovered face of OK
    TImage* o2;

    void FormShow(TObject* sender);
    void FormActivate(TObject* sender);
    void LabelOKClick(TObject* sender);
    void LabelDefautClick(TObject* sender);
    void LabelOKMouseEnter(TObject* sender);
    void LabelOKMouseLeave(TObject* sender);
    void LabelDefautMouseEnter(TObject* sender);
    void LabelDefautMouseLeave(TObject* sender);

private:
    // The value radios from the home screen's OptionExo and OptionJeux.
    void ShowValues();
    // Writes the pair to OptionApp: one record, appended the first time, then rewritten.
    // False when it could not be written.
    bool StoreOptions(int exo, int jeux);
};

extern TOptionForm* OptionForm;
