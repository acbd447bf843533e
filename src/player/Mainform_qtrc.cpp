// The gap text completed from a word bank (QTRC): up to eight words above the text;
// the learner selects a gap, then clicks a word to put it there. A word given to one
// gap only is covered while in use, and a click on its cover takes it back; a word
// given to several gaps serves again and again.
#include "player/Mainform_exo.h"

#include "player/ContentCodec.h"
#include "player/PageParts.h"
#include "player/TextPagePlaces.h"
#include "player/WordBank.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

namespace {

constexpr TColor kBankColour = 0xB0968C;
constexpr TColor kGapColour = 0xFF0000;    // blue
constexpr TColor kWordHover = 0x800080;    // purple
const char* const kSlotArt = "banque_case_1";
const char* const kSlotHoverArt = "banque_case_2";
const char* const kCoverTip =
    "Cet élément a déjà été utilisé et ne peut l'être qu'une seule fois. Clique dessus pour le récupérer";

// Slot n (1..8) lies in column (n - 1) mod 4 and row (n - 1) div 4 of the bank.
int SlotLeft(int n) {
    constexpr int lefts[] = {8, 184, 360, 536};
    return n == 8 ? 535 : lefts[(n - 1) % 4];
}
int SlotTop(int n) {
    return n <= 4 ? 16 : 48;
}

}  // namespace

void TMainFormEXO::BuildPageQTRC() {
    TPanel* bank = Panel_Word_QTRC = MakePanel(TabSheet6, "Panel_Word_QTRC", 16, 72, 769, kWordBankHeight, kBankColour);
    Image_Word_QTRC = MakePicture(bank, "Image_Word_QTRC", "banque_fond", 0, 0, 769, kWordBankHeight);
    for (int n = 1; n <= kBankSlots; ++n) {
        const AnsiString k = IntToStr(n);
        TImage* slot = Shape_QTRC_BW[n] = MakePicture(bank, "Shape_QTRC_BW_" + k, kSlotArt, SlotLeft(n), SlotTop(n), 170, 25);
        slot->SetTransparent(true);
        slot->SetHint("1");
        slot->Hide();
        TLabel* word = Shape_QTRC_WW[n] =
            NewBankWordLabel(bank, "Shape_QTRC_WW_" + k, 16 + 176 * ((n - 1) % 4), SlotTop(n));
        word->SetCursor(TCursor::HandPoint);
        word->SetHint(k);
        word->OnClick = [this](TObject* s) { ChooseWordQTRC(s); };
        word->OnMouseEnter = [this](TObject* s) { EnterWordQTRC(s); };
        word->OnMouseLeave = [this](TObject* s) { LeaveWordQTRC(s); };
        word->Hide();
    }
    // Over the words.
    for (int n = 1; n <= kBankSlots; ++n) {
        TImage* cover = Disabled_QTRC[n] =
            MakePicture(bank, "Disabled_QTRC_" + IntToStr(n), "banque_cache", SlotLeft(n), SlotTop(n), 169, 25);
        cover->SetTransparent(true);
        cover->SetCursor(TCursor::HandPoint);
        // A click takes the word back on every cover.
        cover->SetHint(Utf8ToAnsi(kCoverTip));
        cover->SetShowHint(true);
        cover->OnMouseUp = [this](TObject* s, TMouseButton, int, int, int) { GetWordBack(s); };
        cover->Hide();
    }
}

void TMainFormEXO::ShowExerciseQTRC(AnsiString content) {
    Guarded([&] {
        QTRCInfoNote->Hide();
        const ParsedContent fields = ParseExerciseContent(content);
        std::vector<AnsiString> numbers, bank;
        for (int i = 10; i <= 17; ++i) numbers.push_back(Trim(fields.Field(i)));
        for (int n = 1; n <= kBankSlots; ++n) Shape_QTRC_BW[n]->SetHint(ReusableBankWord(n, numbers) ? "0" : "1");
        qtrc_statement->SetWidth(785);
        qtrc_statement->SetCaption(fields.Field(0));
        int words = 0;
        for (int i = 2; i <= 9; ++i) {
            bank.push_back(Trim(fields.Field(i)));
            if (!bank.back().empty()) ++words;
        }
        const int gaps = CountOccurrences(kGapToken, fields.Field(1));
        // Gaps, numbers and words must agree; another record is shown instead.
        if (!BankRecordShown(gaps, CountGivenNumbers(numbers), words)) {
            ExoLoadDone = 0;
            return;
        }
        ExoLoadDone = 1;
        BuildTextQTRC(fields.Field(1), bank, numbers);
        const int statementBottom = qtrc_statement->Top() + qtrc_statement->Height();
        Panel_Word_QTRC->SetTop(WordBankTop(statementBottom));
        Panel_Text_QTRC->SetTop(TextPanelTop(kTextQTRC, statementBottom));
    });
}

void TMainFormEXO::BuildTextQTRC(AnsiString text, const std::vector<AnsiString>& bank,
                                 const std::vector<AnsiString>& numbers) {
    int gap = 0;
    LayOutWords(Panel_Text_QTRC, text, kTextQTRC,
                [&](TLabel& label, const WordPiece& piece, AnsiString& caption) -> AnsiString {
                    if (!IsGapPiece(piece.text)) {
                        SetWordColour(label, clBlack);
                        return "0";
                    }
                    ++gap;
                    caption = kGapToken;
                    SetWordColour(label, kGapColour);
                    label.SetCursor(TCursor::HandPoint);
                    label.OnClick = [this](TObject* s) { SelectGapQTRC(s); };
                    label.OnMouseEnter = [this](TObject* s) { EnterWWordQTRC(s); };
                    label.OnMouseLeave = [this](TObject* s) { LeaveWWordQTRC(s); };
                    return EmptyGapBody(RightNumberOfGap(gap, numbers));
                });
    // The bank anew: each word in its own slot, an empty field leaves its slot empty.
    for (int n = 1; n <= kBankSlots; ++n) {
        const AnsiString word = n <= static_cast<int>(bank.size()) ? Trim(bank[n - 1]) : AnsiString();
        Disabled_QTRC[n]->Hide();
        Shape_QTRC_WW[n]->SetCaption(word);
        Shape_QTRC_WW[n]->Font().SetColor(kBankWordColour);
        SetArtwork(Shape_QTRC_BW[n]->Picture(), kSlotArt);
        Shape_QTRC_BW[n]->SetVisible(!word.empty());
        Shape_QTRC_WW[n]->SetVisible(!word.empty());
    }
    ThisWordQC->Hide();
    ClearGapSelectionQTRC();
}

void TMainFormEXO::ClearGapSelectionQTRC() {
    ThisWordQC_Select->Hide();
    ThisWordQC_Select->SetHint("-1");
    SelectedGapQTRC = nullptr;
}

void TMainFormEXO::SelectGapFrameQTRC(TLabel* gap) {
    // Where the hover frame stands over the gap.
    ThisWordQC_Select->SetBounds(gap->Left() - 8, gap->Top(), gap->Width() + 16, ThisWordQC_Select->Height());
    ThisWordQC_Select->SetHint(gap->Hint());
    ThisWordQC_Select->Show();
    SelectedGapQTRC = gap;
}

void TMainFormEXO::SelectGapQTRC(TObject* Sender) {
    auto* gap = dynamic_cast<TLabel*>(Sender);
    if (!gap) return;
    // A second click on the selected gap clears the selection.
    if (ThisWordQC_Select->Visible() && SelectedGapQTRC == gap)
        ClearGapSelectionQTRC();
    else
        SelectGapFrameQTRC(gap);
}

void TMainFormEXO::ChooseWordQTRC(TObject* Sender) {
    auto* word = dynamic_cast<TLabel*>(Sender);
    TLabel* gap = SelectedGapQTRC;
    if (!word || !gap || !ThisWordQC_Select->Visible()) return;
    const int n = NumberOf(Sender, Shape_QTRC_WW, Shape_QTRC_WW);
    if (n == 0) return;
    Guarded([&] {
        const GapState before = ReadGapHint(gap->Hint());
        gap->SetCaption(word->Caption());
        gap->SetHint(FilledGapHint(gap->Hint(), n));
        // A word changed after VERIFIER waits for the next check.
        SetWordColour(*gap, kGapColour);
        // The word it held is free again, unless another gap holds it too.
        const int previous = BankSlotOf(before.chosen);
        if (previous > 0 && previous != n) {
            bool held = false;
            for (TLabel* other : WordLabels(Panel_Text_QTRC)) held = held || HoldsBankWord(other->Hint(), previous);
            if (!held) Disabled_QTRC[previous]->Hide();
        }
        if (Shape_QTRC_BW[n]->Hint() == "1") {
            // Under its cover the word is no longer the one under the mouse.
            LeaveWordQTRC(word);
            Disabled_QTRC[n]->Show();
        }
        ReflowWordLabels(Panel_Text_QTRC);
        // The gap stays selected, wherever its new width put it.
        SelectGapFrameQTRC(gap);
    });
}

void TMainFormEXO::GetWordBack(TObject* Sender) {
    const int n = NumberOf(Sender, Disabled_QTRC, Disabled_QTRC);
    if (n == 0) return;
    Guarded([&] {
        for (TLabel* gap : WordLabels(Panel_Text_QTRC)) {
            if (!HoldsBankWord(gap->Hint(), n)) continue;
            gap->SetCaption(kGapToken);
            gap->SetHint(EmptiedGapHint(gap->Hint()));
            SetWordColour(*gap, kGapColour);
        }
        // Even when no gap holds it, the word is not left covered.
        Disabled_QTRC[n]->Hide();
        ReflowWordLabels(Panel_Text_QTRC);
        ClearGapSelectionQTRC();
    });
}

void TMainFormEXO::EnterWordQTRC(TObject* Sender) {
    const int n = NumberOf(Sender, Shape_QTRC_WW, Shape_QTRC_WW);
    if (n == 0) return;
    Shape_QTRC_WW[n]->Font().SetColor(kWordHover);
    SetArtwork(Shape_QTRC_BW[n]->Picture(), kSlotHoverArt);
}

void TMainFormEXO::LeaveWordQTRC(TObject* Sender) {
    const int n = NumberOf(Sender, Shape_QTRC_WW, Shape_QTRC_WW);
    if (n == 0) return;
    Shape_QTRC_WW[n]->Font().SetColor(kBankWordColour);
    SetArtwork(Shape_QTRC_BW[n]->Picture(), kSlotArt);
}

void TMainFormEXO::CheckQTRC() {
    CheckTextAnswers(Panel_Text_QTRC, ThisWordQC_Select, QTRCInfoNote, [this](const TLabel& gap) {
        const GapState state = ReadGapHint(gap.Hint());
        // A number that names no bank word has no word to show: the gap keeps its caption.
        const int slot = BankSlotOf(state.right);
        const AnsiString word = slot > 0 ? Shape_QTRC_WW[slot]->Caption() : AnsiString();
        return WordVerdict{state.Right(), !word.empty(), word};
    });
    ClearGapSelectionQTRC();
}
