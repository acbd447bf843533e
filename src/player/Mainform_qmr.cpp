// The words to pick out (QMR): a text whose words the learner picks by clicking them
// (blue); the words to find are marked "{word}" in the stored text and shown like any
// other. The check colours the picked words and, when correcting, shows the words
// missed and gives points.
#include "player/Mainform_exo.h"

#include "player/ContentCodec.h"
#include "player/PageParts.h"
#include "player/PickedWords.h"
#include "player/TextPagePlaces.h"

namespace {

constexpr TColor kFound = 0x008000;    // green
constexpr TColor kWrong = 0x0000FF;    // red
constexpr TColor kMissed = 0x800080;   // purple

}  // namespace

void TMainFormEXO::ShowExerciseQMR(AnsiString content) {
    Guarded([&] {
        QMRInfoNote->Hide();
        const ParsedContent fields = ParseExerciseContent(content);
        qmr_statement->SetWidth(785);
        qmr_statement->SetCaption(fields.Field(0));
        BuildTextQMR(fields.Field(1));
        Panel_Text_QMR->SetTop(TextPanelTop(kTextQMR, qmr_statement->Top() + qmr_statement->Height()));
    });
}

void TMainFormEXO::BuildTextQMR(AnsiString text) {
    int running = 0;
    LayOutWords(Panel_Text_QMR, text, kTextQMR,
                [&](TLabel& label, const WordPiece& piece, AnsiString& caption) -> AnsiString {
                    label.SetCursor(TCursor::HandPoint);
                    label.OnClick = [this](TObject* s) { SelectWordQMR(s); };
                    label.OnMouseEnter = [this](TObject* s) { EnterWordQMR(s); };
                    label.OnMouseLeave = [this](TObject* s) { LeaveWordQMR(s); };
                    if (!IsMarkedPiece(piece.text)) return IntToStr(++running);
                    caption = WithoutBraces(piece.text);
                    return "0";
                });
    ThisWordQMR->Hide();
}

void TMainFormEXO::SelectWordQMR(TObject* Sender) {
    if (auto* word = dynamic_cast<TLabel*>(Sender)) word->Font().SetColor(ColourAfterClick(word->Font().Color()));
}

void TMainFormEXO::CheckQMR() {
    Guarded([&] {
        PickCount count;
        for (TLabel* word : WordLabels(Panel_Text_QMR)) {
            // Blanks are no words, whether picked or not.
            if (word->Hint().empty() || Trim(word->Caption()).empty()) continue;
            const bool toFind = IsWordToFind(word->Hint());
            const bool picked = IsPickedColour(word->Font().Color());
            count.Add(toFind, picked);
            switch (MarkOfWord(toFind, picked, ExoChecked == 0)) {
            case PickMark::Found: word->Font().SetColor(kFound); break;
            case PickMark::Wrong: word->Font().SetColor(kWrong); break;
            case PickMark::Missed:
                word->Font().SetColor(kMissed);
                word->Font().SetStyle(word->Font().Style() | fsUnderline);
                break;
            case PickMark::AsItIs: break;
            }
        }
        PlaceColourNote(QMRInfoNote, Panel_Text_QMR, WordLabels(Panel_Text_QMR));
        // A text without any word to find gives no points and nothing to explain.
        if (ExoChecked != 0 || count.toFind == 0) return;
        ExoMark += PickPoints(count);
        QMRInfoNote->Show();
        QMRInfoNote->BringToFront();
    });
}
