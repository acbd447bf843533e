#include "player/Myinputbox.h"

#include "home/Screens.h"

TEnterText* EnterText = nullptr;

TEnterText::TEnterText() : TForm("EnterText", 620, 100) {
    SetCaption(Utf8ToAnsi("SAISIE"));
    Border = AddScreenBorder(this);
    Titre = AddScreenTitle(this, Utf8ToAnsi("SAISIE"));
    LabelFermer = AddCloseCommand(this, "LabelFermer", "FERMER", -1, 50);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TEnterText::FormShow(TObject* sender) {}
