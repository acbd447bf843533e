#include "home/Endapp.h"

#include "home/Screens.h"

TAbientot* Abientot = nullptr;

TAbientot::TAbientot() : TForm("Abientot") {
    SetCaption("FIN");
    Border = AddScreenBorder(this);
    Titre = AddScreenTitle(this, Utf8ToAnsi("À BIENTÔT !"));
    LabelFermer = AddCloseCommand(this, "LabelFermer", "FERMER", -1, 880);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TAbientot::FormShow(TObject* sender) {}
