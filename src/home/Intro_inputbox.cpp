// The home screen's side of the input box: where a word is on the screen, its
// expected answer, and the box shown modally.
#include "home/Intro.h"

#include "player/AnswerEntry.h"
#include "player/Myinputbox.h"

int TStartForm::AbsoluteTop(TControl* control) {
    int top = 0;
    for (TControl* c = control; c; c = c->Parent()) top += c->Top();
    return top;
}

int TStartForm::AbsoluteLeft(TControl* control) {
    int left = 0;
    for (TControl* c = control; c; c = c->Parent()) left += c->Left();
    return left;
}

int TStartForm::PrepareExpectedAnswer(TControl* control) {
    if (!control) return 0;
    AnsiString answer;
    if (!ExpectedAnswerOfHint(control->Hint(), answer)) return 0;
    EnterText->ExpectedAnswer = answer;
    return static_cast<int>(answer.size());
}

void TStartForm::InputBox(AnsiString& text, int maxLength, int top, int left) {
    EnterText->InputText->SetText(text);
    EnterText->InputText->SetHint("0");
    EnterText->InputText->SetTypingLimit(maxLength > 0 ? maxLength : 0);
    EnterText->AnchorTop = top;
    EnterText->AnchorLeft = left;
    EnterText->ShowModal();
    if (EnterText->InputText->Hint() == "1") text = EnterText->InputText->Text();
}
