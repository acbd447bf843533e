// The places of a page's statement, word bank and text panel.
#include "player/TextPagePlaces.h"

#include "platform/Forms.h"
#include "ui/ScreenParts.h"

TLabel* NewStatementLabel(TControl* parent, const AnsiString& name, int width) {
    TLabel* label = TextLabel(parent, name, 16, kStatementTop, "Arial Narrow", 32, 0, kStatementColour, "");
    label->SetWordWrap(true);
    label->SetWidth(width);
    return label;
}

int WordBankTop(int statementBottom) {
    return statementBottom + 3;
}

int TextPanelTop(const TextPageLayout& page, int statementBottom) {
    return page.wordBank ? WordBankTop(statementBottom) + kWordBankHeight + 7 : statementBottom + 3;
}

int ExercisePageHeight() {
    return kExercisePagesHeight - TPageControl::TabHeight;
}
