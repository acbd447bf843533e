#pragma once
// The history screen.
#include "platform/Forms.h"

class THistoriqueForm : public TForm {
public:
    THistoriqueForm();
    TShape* Border;
    TLabel* Titre;
    TLabel* LabelFermer;
    void FormShow(TObject* sender);
};

extern THistoriqueForm* HistoriqueForm;
