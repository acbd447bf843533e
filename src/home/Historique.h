#pragma once
// The history screen: every record of the trace as a plain-text report in a memo,
// grouped and ordered by date or by chapter, read through the player's trace
// connection.
#include <memory>

#include "platform/Ado.h"
#include "platform/Forms.h"

class THistoriqueForm : public TForm {
public:
    THistoriqueForm();
    ~THistoriqueForm() override;

    TShape* Border;
    TImage* Titre;            // title banner
    TPanel* Panel1;
    TImage* Image1;           // background behind the memo and the commands
    TMemo* Histo;
    TGroupBox* GroupBox1;     // "Préférence"
    TRadioButton* TD;         // "Grouper et trier par date"
    TRadioButton* TC;         // "Grouper et trier par chapitre"
    TImage* vis;
    TLabel* LabelVisualiser;
    TImage* v1;               // normal and hovered face of the report command
    TImage* v2;
    TImage* ok;
    TLabel* LabelOK;
    TImage* o1;               // normal and hovered face of OK
    TImage* o2;
    // On the player's trace connection.
    std::unique_ptr<TADOQuery> HISTO_Query;

    void FormShow(TObject* sender);
    void LabelVisualiserClick(TObject* sender);
    void LabelOKClick(TObject* sender);
    void LabelVisualiserMouseEnter(TObject* sender);
    void LabelVisualiserMouseLeave(TObject* sender);
    void LabelOKMouseEnter(TObject* sender);
    void LabelOKMouseLeave(TObject* sender);
    // The French day name of a date, followed by a blank ("" when unreadable).
    AnsiString DayNameOf(AnsiString text);
};

extern THistoriqueForm* HistoriqueForm;
