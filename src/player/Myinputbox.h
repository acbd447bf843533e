#pragma once
// The input box.
#include "platform/Forms.h"

class TEnterText : public TForm {
public:
    TEnterText();
    TShape* Border;
    TLabel* Titre;
    TLabel* LabelFermer;
    void FormShow(TObject* sender);
};

extern TEnterText* EnterText;
