#pragma once
// The goodbye screen.
#include "platform/Forms.h"

class TAbientot : public TForm {
public:
    TAbientot();
    TShape* Border;
    TLabel* Titre;
    TLabel* LabelFermer;
    void FormShow(TObject* sender);
};

extern TAbientot* Abientot;
