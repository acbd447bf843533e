// Laying a text exercise out as the player does, to find what it would not show.
#include "TextOnScreen.h"

#include <memory>

#include "platform/Forms.h"
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
std::string Quoted(const AnsiString& s) { return "\"" + AnsiToUtf8(s) + "\""; }

// The first gap or marked word that the text panel does not show whole: below its last
// line, or past its right edge (a piece too long for a line is never split).
std::string PanelProblem(const AnsiString& text, const TextPageLayout& page) {
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
            if (!made || !(gaps ? IsGapPiece(made->text) : IsMarkedPiece(made->text))) return true;
            ++answers;
            const std::string what =
                gaps ? "gap " + Num(answers) : "marked word " + Num(answers) + " " + Quoted(WithoutBraces(made->text));
            if (at.top + probe->Height() > page.height) {
                const int line = (at.top - 10) / page.lineStep + 1;
                const int shown = (page.height - 10 - probe->Height()) / page.lineStep + 1;
                problem = what + " falls below the text panel: it is on line " + Num(line) + " and the panel shows " +
                          Num(shown) + " lines";
            } else if (at.left + probe->Width() > page.width) {
                problem = what + " runs past the right edge of the text panel";
            }
            // The first problem is the one told: the rest of the text is not measured.
            return problem.empty();
        });
    return problem;
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
    const std::string problem = PanelProblem(TrimRight(fields.Field(1)), *page);
    if (!problem.empty() || typeExo != 6) return problem;
    return BankProblem(fields);
}
