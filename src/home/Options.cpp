#include "home/Options.h"

#include "home/Screens.h"

TOptionForm* OptionForm = nullptr;

TOptionForm::TOptionForm() : TForm("OptionForm") {
    SetCaption(Utf8ToAnsi("OPTIONS"));
    Border = AddScreenBorder(this);
    Titre = AddScreenTitle(this, Utf8ToAnsi("OPTIONS"));
    LabelFermer = AddCloseCommand(this, "LabelFermer", "FERMER", -1, 880);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TOptionForm::FormShow(TObject* sender) {}
