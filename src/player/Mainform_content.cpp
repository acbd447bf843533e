// The show routines of the exercise pages: each parses the unscrambled content into
// its fields and writes the statement (field 0). What else a page shows is filled in
// by that page's own code.
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

void SetStatement(TLabel* statement, int width, const AnsiString& text) {
    statement->SetWidth(width);
    statement->SetCaption(text);
}

} // namespace

void TMainFormEXO::ShowExerciseQCM(AnsiString content) {
    const ParsedContent fields = ParseExerciseContent(content);
    SetStatement(qcm_statement, 750, fields.Field(0));
}

void TMainFormEXO::ShowExerciseQO(AnsiString content) {
    const ParsedContent fields = ParseExerciseContent(content, ContentKind::QO);
    SetStatement(qo_statement, 750, fields.Field(0));
    qo_statement->SetHint(fields.qoKind);
}

void TMainFormEXO::ShowExerciseQCC(AnsiString content) {
    const ParsedContent fields = ParseExerciseContent(content);
    SetStatement(qcc_statement, 750, fields.Field(0));
}

void TMainFormEXO::ShowExerciseQTRO(AnsiString content) {
    const ParsedContent fields = ParseExerciseContent(content);
    SetStatement(qtro_statement, 785, fields.Field(0));
}

void TMainFormEXO::ShowExerciseQTRC(AnsiString content) {
    const ParsedContent fields = ParseExerciseContent(content);
    SetStatement(qtrc_statement, 785, fields.Field(0));
}

void TMainFormEXO::ShowExerciseQMR(AnsiString content) {
    const ParsedContent fields = ParseExerciseContent(content);
    SetStatement(qmr_statement, 785, fields.Field(0));
}

void TMainFormEXO::ShowExerciseQMT(AnsiString content) {
    // QMT fields keep their leading blanks (they matter in the text); the statement
    // is shown without them.
    const ParsedContent fields = ParseExerciseContent(content, ContentKind::QMT);
    SetStatement(qmt_statement, 785, Trim(fields.Field(0)));
}
