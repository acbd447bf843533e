#pragma once
// The options screen.
#include "platform/Forms.h"

class TOptionForm : public TForm {
public:
    TOptionForm();
    TShape* Border;
    TLabel* Titre;
    TLabel* LabelFermer;
    void FormShow(TObject* sender);
};

extern TOptionForm* OptionForm;
