#include "games/Jeux.h"

#include "home/Screens.h"

TJeu* Jeu = nullptr;

TJeu::TJeu() : TForm("Jeu") {
    SetCaption(Utf8ToAnsi("JEUX"));
    Border = AddScreenBorder(this);
    Titre = AddScreenTitle(this, Utf8ToAnsi("LES JEUX"));
    LabelRetour = AddCloseCommand(this, "LabelRetour", "RETOUR", -1, 880);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TJeu::FormShow(TObject* sender) {}
