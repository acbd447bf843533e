// The show routines of the exercise pages: each parses the unscrambled content into
// its fields and writes the statement (field 0). What else a page shows is filled in
// by that page's own code.
#include "player/ContentCodec.h"
#include "player/Mainform_exo.h"

namespace {

// Parses the content and writes its statement at the label's width.
ParsedContent ShowStatement(TLabel* statement, int width, const AnsiString& content,
                            ContentKind kind = ContentKind::Plain) {
    ParsedContent fields = ParseExerciseContent(content, kind);
    statement->SetWidth(width);
    statement->SetCaption(fields.Field(0));
    return fields;
}

} // namespace

void TMainFormEXO::ShowExerciseQTRC(AnsiString content) {
    ShowStatement(qtrc_statement, 785, content);
}

void TMainFormEXO::ShowExerciseQMR(AnsiString content) {
    ShowStatement(qmr_statement, 785, content);
}
