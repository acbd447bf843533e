#pragma once
// The games screen.
#include "platform/Forms.h"

class TJeu : public TForm {
public:
    TJeu();
    TShape* Border;
    TLabel* Titre;
    TLabel* LabelRetour;
    void FormShow(TObject* sender);
};

extern TJeu* Jeu;
