// The gap text to type (QTRO): a text whose gaps "{...}" the learner fills by typing
// the missing word in the input box opened at the gap, and its check.
#include "player/Mainform_exo.h"

#include "player/ContentCodec.h"
#include "player/TextPagePlaces.h"

namespace {

constexpr TColor kGapColour = 0xFF0000;   // blue

// Fields 2 to 9 trimmed, all eight in order (gap k expects entry k).
TStringList AnswerFields(const ParsedContent& fields, int& given) {
    TStringList answers;
    given = 0;
    for (int i = 2; i <= 9; ++i) {
        const AnsiString a = Trim(fields.Field(i));
        answers.Add(a);
        if (!a.empty()) ++given;
    }
    return answers;
}

}  // namespace

void TMainFormEXO::ShowExerciseQTRO(AnsiString content) {
    Guarded([&] {
        QTROInfoNote->Hide();
        const ParsedContent fields = ParseExerciseContent(content);
        qtro_statement->SetWidth(785);
        qtro_statement->SetCaption(fields.Field(0));
        int given = 0;
        const TStringList answers = AnswerFields(fields, given);
        // A text must have as many gaps as answers; another record is shown instead.
        if (CountOccurrences(kGapToken, fields.Field(1)) != given) {
            ExoLoadDone = 0;
            return;
        }
        ExoLoadDone = 1;
        BuildTextQTRO(fields.Field(1), answers);
        Panel_Text_QTRO->SetTop(TextPanelTop(kTextQTRO, qtro_statement->Top() + qtro_statement->Height()));
    });
}

void TMainFormEXO::BuildTextQTRO(AnsiString text, const TStringList& answers) {
    int gap = 0;
    LayOutWords(Panel_Text_QTRO, text, kTextQTRO,
                [&](TLabel& label, const WordPiece& piece, AnsiString&) -> AnsiString {
                    if (!IsGapPiece(piece.text)) {
                        SetWordColour(label, clBlack);
                        return "0";
                    }
                    ++gap;
                    SetWordColour(label, kGapColour);
                    label.SetCursor(TCursor::HandPoint);
                    label.OnClick = [this](TObject* s) { GiveWordQTRO(s); };
                    label.OnMouseEnter = [this](TObject* s) { EnterWordQTRO(s); };
                    label.OnMouseLeave = [this](TObject* s) { LeaveWordQTRO(s); };
                    return "#solution=" + (gap <= answers.Count() ? answers[gap - 1] : AnsiString());
                });
    ThisWordQO->Hide();
    ThisWordQO_Select->Hide();
}

void TMainFormEXO::GiveWordQTRO(TObject* Sender) {
    if (auto* gap = dynamic_cast<TLabel*>(Sender))
        AnswerWord(gap, ThisWordQO, ThisWordQO_Select, Panel_Text_QTRO);
}

void TMainFormEXO::CheckQTRO() {
    CheckTypedWords(Panel_Text_QTRO, ThisWordQO, QTROInfoNote);
}
