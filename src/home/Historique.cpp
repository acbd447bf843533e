#include "home/Historique.h"

#include "home/Screens.h"

THistoriqueForm* HistoriqueForm = nullptr;

THistoriqueForm::THistoriqueForm() : TForm("HistoriqueForm") {
    SetCaption(Utf8ToAnsi("HISTORIQUE"));
    Border = AddScreenBorder(this);
    Titre = AddScreenTitle(this, Utf8ToAnsi("HISTORIQUE"));
    LabelFermer = AddCloseCommand(this, "LabelFermer", "FERMER", -1, 880);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void THistoriqueForm::FormShow(TObject* sender) {}
