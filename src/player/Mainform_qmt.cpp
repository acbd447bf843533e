// The words to retype (QMT): a text whose words marked "{word}" are shown in blue; the
// learner retypes each in its right form in the input box opened at the word.
#include "player/Mainform_exo.h"

#include "player/ContentCodec.h"
#include "player/TextPagePlaces.h"

namespace {

constexpr TColor kMarkedColour = 0xFF0000;   // blue

}  // namespace

void TMainFormEXO::ShowExerciseQMT(AnsiString content) {
    Guarded([&] {
        QMTInfoNote->Hide();
        // The text keeps its leading blanks: they are laid out as one-blank words.
        const ParsedContent fields = ParseExerciseContent(content, ContentKind::QMT);
        qmt_statement->SetWidth(785);
        qmt_statement->SetCaption(Trim(fields.Field(0)));
        TStringList answers;
        for (int i = 2; i <= 9; ++i) answers.Add(Trim(fields.Field(i)));
        BuildTextQMT(TrimRight(fields.Field(1)), answers);
        Panel_Text_QMT->SetTop(TextPanelTop(kTextQMT, qmt_statement->Top() + qmt_statement->Height()));
    });
}

void TMainFormEXO::BuildTextQMT(AnsiString text, const TStringList& answers) {
    int mark = 0;
    LayOutWords(Panel_Text_QMT, text, kTextQMT,
                [&](TLabel& label, const WordPiece& piece, AnsiString& caption) -> AnsiString {
                    SetWordColour(label, clBlack);
                    if (!IsMarkedPiece(piece.text)) return "0";
                    caption = WithoutBraces(piece.text);
                    // A marked word past the last answer field has nothing to be
                    // compared with: it is shown as a plain word.
                    if (++mark > answers.Count()) return "0";
                    SetWordColour(label, kMarkedColour);
                    label.SetCursor(TCursor::HandPoint);
                    label.OnClick = [this](TObject* s) { GiveWordQMT(s); };
                    label.OnMouseEnter = [this](TObject* s) { EnterWordQMT(s); };
                    label.OnMouseLeave = [this](TObject* s) { LeaveWordQMT(s); };
                    return "#solution=" + answers[mark - 1];
                });
    ThisWordQMT->Hide();
    ThisWordQMT_Select->Hide();
}

void TMainFormEXO::GiveWordQMT(TObject* Sender) {
    auto* word = dynamic_cast<TLabel*>(Sender);
    if (!word) return;
    // A word coloured by VERIFIER turns blue again once changed.
    if (AnswerWord(word, ThisWordQMT, ThisWordQMT_Select, Panel_Text_QMT))
        word->Font().SetColor(kMarkedColour);
}

void TMainFormEXO::CheckQMT() {
    CheckTypedWords(Panel_Text_QMT, ThisWordQMT, QMTInfoNote);
}
