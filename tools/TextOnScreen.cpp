// Laying a text exercise out as the player does, to find what it would not show.
#include "TextOnScreen.h"

#include <memory>

#include "platform/Forms.h"
#include "player/TextPagePlaces.h"
#include "player/WordBank.h"
#include "player/WordLayout.h"

namespace {

const TextPageLayout* PageOf(int typeExo) {
    switch (typeExo) {
    case 5: return &kTextQTRO;
    case 6: return &kTextQTRC;
    case 7: return &kTextQMR;
    case 8: return &kTextQMT;
    }
    return nullptr;
}

std::string Num(int v) { return std::to_string(v); }
// A word quoted in a message; a very long one only by its start.
std::string Quoted(const AnsiString& s) {
    constexpr size_t kShown = 40;
    return "\"" + AnsiToUtf8(s.substr(0, kShown)) + (s.size() > kShown ? "...\"" : "\"");
}

// What the learner reads of a piece: a gap by its number, a marked word by its number
// and text, any other word by its text.
std::string Named(const AnsiString& piece, bool gaps, bool answer, int answers) {
    if (!answer) return "the word " + Quoted(Trim(piece));
    return gaps ? "gap " + Num(answers) : "marked word " + Num(answers) + " " + Quoted(WithoutBraces(piece));
}

// The first word that the text panel at panelTop of the page does not show whole: below
// its last line, or past its right edge (a piece too long for a line is never split);
// or one that the note and the verdict of the correction would cover. Blanks show
// nothing.
std::string PanelProblem(const AnsiString& text, const TextPageLayout& page, int panelTop) {
    const bool gaps = page.markup == WordMarkup::Gaps;
    // One label measures every caption in turn.
    const std::unique_ptr<TLabel> probe(NewWordLabel(nullptr));
    const WordPiece* made = nullptr;   // the piece of the label just measured, null for a blank
    int answers = 0;
    std::string problem;
    LayOutText(
        text, page,
        [&](const WordPiece* piece) {
            made = piece;
            // A marked word is shown without its braces.
            probe->SetCaption(!piece ? AnsiString(" ") : gaps ? piece->text : WithoutBraces(piece->text));
            return probe->Width();
        },
        [&](WordPlace at) {
            if (!made) return true;
            const bool answer = gaps ? IsGapPiece(made->text) : IsMarkedPiece(made->text);
            if (answer) ++answers;
            const int bottom = at.top + probe->Height();
            const bool below = bottom > page.height, covered = panelTop + bottom > kLowestWordBottom;
            if (Trim(made->text).empty() || (!below && !covered && at.left + probe->Width() <= page.width))
                return true;
            // The first problem is the one told: the rest of the text is not measured.
            const std::string what = Named(made->text, gaps, answer, answers);
            if (below) {
                const int line = (at.top - 10) / page.lineStep + 1;
                const int shown = (page.height - 10 - probe->Height()) / page.lineStep + 1;
                problem = what + " falls below the text panel: it is on line " + Num(line) + " and the panel shows " +
                          Num(shown) + " lines";
            } else if (at.left + probe->Width() > page.width) {
                problem = what + " runs past the right edge of the text panel";
            } else {
                problem = what + " would lie under the note and the verdict of the correction: it ends " +
                          Num(panelTop + bottom - kLowestWordBottom) + " pixels too low";
            }
            return false;
        });
    return problem;
}

// The statement measured as the page loaders lay it out: its height and that of a line.
struct StatementSize {
    int height = 0, lineHeight = 1;
};
StatementSize MeasureStatement(const AnsiString& statement) {
    const std::unique_ptr<TLabel> probe(NewStatementLabel(nullptr, "", kTextStatementWidth));
    probe->SetCaption(" ");
    const int lineHeight = probe->Height();
    probe->SetCaption(statement);
    return {probe->Height(), lineHeight > 0 ? lineHeight : 1};
}

// A statement so long that the text panel placed under it would end below the page.
std::string StatementProblem(StatementSize statement, const TextPageLayout& page) {
    const int beyond = TextPanelTop(page, kStatementTop + statement.height) + page.height - ExercisePageHeight();
    if (beyond <= 0) return "";
    return "the statement, on " + Num(statement.height / statement.lineHeight) + " lines, pushes the text panel " +
           Num(beyond) + " pixels below the page (" + Num((statement.height - beyond) / statement.lineHeight) +
           " lines at most)";
}

// The first bank word wider than its slot: the bank would show it cut at both ends.
std::string BankProblem(const ParsedContent& fields) {
    const std::unique_ptr<TLabel> slot(NewBankWordLabel(nullptr, "", 0, 0));
    for (int n = 1; n <= kBankSlots; ++n) {
        const AnsiString word = Trim(fields.Field(1 + n));
        const int width = slot->TextWidth(word);
        if (width > slot->Width())
            return "bank word " + Num(n) + " " + Quoted(word) + " is wider than its slot (" + Num(width) + " pixels, " +
                   Num(slot->Width()) + " at most)";
    }
    return "";
}

}  // namespace

std::string TextOnScreenProblem(int typeExo, const ParsedContent& fields) {
    const TextPageLayout* page = PageOf(typeExo);
    if (!page) return "";
    const StatementSize statement = MeasureStatement(Trim(fields.Field(0)));
    std::string problem = StatementProblem(statement, *page);
    if (problem.empty())
        problem = PanelProblem(TrimRight(fields.Field(1)), *page, TextPanelTop(*page, kStatementTop + statement.height));
    if (!problem.empty() || typeExo != 6) return problem;
    return BankProblem(fields);
}
