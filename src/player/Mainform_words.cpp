// The word layout shared by the four text pages: their panels and frames, laying a
// text out as one label per word, placing the labels again after a caption changed,
// the hover frames, and the typed answers of the gap texts (input box and check).
#include "player/Mainform_exo.h"

#include "home/Intro.h"
#include "player/PageParts.h"
#include "ui/ScreenParts.h"

namespace {

constexpr TColor kPanelColour = 0xB0968C;
constexpr TColor kFrameBrush = 12759179;   // 0xC2B08B
constexpr TColor kFramePen = 0x808000;     // teal
constexpr TColor kRight = 0x008000;
constexpr TColor kWrong = 0x0000FF;

// A frame lying under the transparent word labels; it leaves the mouse to them.
TShape* WordFrame(TPanel* panel, const char* name, bool selection) {
    auto* frame = new TShape(panel, name);
    frame->SetBounds(16, 10, 60, 30);
    frame->SetShape(TShapeType::RoundRect);
    frame->Brush().SetColor(kFrameBrush);
    frame->Pen().SetColor(kFramePen);
    if (selection) {
        frame->Pen().SetWidth(2);
        frame->SetHint("0");
        frame->SetCursor(TCursor::HandPoint);
    }
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->Hide();
    return frame;
}

}  // namespace

void TMainFormEXO::BuildTextPanels() {
    const struct {
        TPanel** panel;
        TImage** background;
        TTabSheet* page;
        const char *name, *image;
        int top;
        const TextPageLayout& layout;
    } panels[] = {
        {&Panel_Text_QTRO, &Image3, TabSheet5, "Panel_Text_QTRO", "Image3", 72, kTextQTRO},
        {&Panel_Text_QTRC, &Image4, TabSheet6, "Panel_Text_QTRC", "Image4", 160, kTextQTRC},
        {&Panel_Text_QMR, &Image5, TabSheet7, "Panel_Text_QMR", "Image5", 72, kTextQMR},
        {&Panel_Text_QMT, &Image6, TabSheet8, "Panel_Text_QMT", "Image6", 72, kTextQMT},
    };
    for (const auto& p : panels) {
        TPanel* panel = MakePanel(p.page, p.name, 16, p.top, p.layout.width, p.layout.height, kPanelColour);
        // Word labels take the panel's font.
        panel->Font().SetName(kWordFontName);
        panel->Font().SetHeight(kWordFontPx);
        panel->Font().SetColor(clBlack);
        *p.background = MakePicture(panel, p.image, "fond_texte", 0, 2, 793, 295);
        *p.panel = panel;
    }
    ThisWordQO = WordFrame(Panel_Text_QTRO, "ThisWordQO", false);
    ThisWordQO_Select = WordFrame(Panel_Text_QTRO, "ThisWordQO_Select", true);
    ThisWordQC = WordFrame(Panel_Text_QTRC, "ThisWordQC", false);
    ThisWordQC_Select = WordFrame(Panel_Text_QTRC, "ThisWordQC_Select", true);
    ThisWordQMR = WordFrame(Panel_Text_QMR, "ThisWordQMR", false);
    ThisWordQMT = WordFrame(Panel_Text_QMT, "ThisWordQMT", false);
    ThisWordQMT_Select = WordFrame(Panel_Text_QMT, "ThisWordQMT_Select", true);
}

void TMainFormEXO::SetWordColour(TLabel& word, TColor colour) {
    if (word.Font().Color() != colour) word.Font().SetColor(colour);
}

std::vector<TLabel*> TMainFormEXO::WordLabels(const TPanel* panel) const {
    // The panel also holds its background picture and frames, which are no words.
    std::vector<TLabel*> labels;
    for (TControl* c : panel->Controls())
        if (auto* label = dynamic_cast<TLabel*>(c)) labels.push_back(label);
    return labels;
}

namespace {

// The panels are all as wide; only the words to retype have closer lines.
WordGrid GridOf(const TMainFormEXO& f, const TPanel* panel) {
    return (panel == f.Panel_Text_QMT ? kTextQMT : kTextQTRO).Grid();
}

}  // namespace

void TMainFormEXO::LayOutWords(TPanel* panel, const AnsiString& text, const TextPageLayout& page,
                               const WordKindStep& kindStep) {
    // Built out of sight and shown once: a text has hundreds of labels.
    const bool shown = panel->Visible();
    panel->Hide();
    Guarded([&] {
        // The previous text's labels are freed: a chapter of many texts keeps one set.
        // The last first, so that each is found at once at the end of the panel's list.
        const std::vector<TLabel*> old = WordLabels(panel);
        for (auto label = old.rbegin(); label != old.rend(); ++label) delete *label;
        TLabel* label = nullptr;
        LayOutText(
            text, page,
            [&](const WordPiece* piece) {
                label = NewWordLabel(panel);
                if (!piece) {
                    label->SetCaption(" ");
                    return label->Width();
                }
                AnsiString caption = piece->text;
                const AnsiString body = kindStep ? kindStep(*label, *piece, caption) : AnsiString("0");
                label->SetHint(WordLabelHint(body, piece->lineStart));
                label->SetCaption(caption);
                return label->Width();
            },
            // A plain move: the label keeps the size its caption gave it.
            [&](WordPlace at) {
                label->move(at.left, at.top);
                return true;
            });
    });
    panel->SetVisible(shown);
    panel->update();
}

void TMainFormEXO::ReflowWordLabels(TPanel* panel) {
    Guarded([&] {
        const std::vector<TLabel*> labels = WordLabels(panel);
        std::vector<ReflowLabel> places;
        places.reserve(labels.size());
        for (const TLabel* l : labels)
            places.push_back({l->Left(), l->Top(), l->Width(), IsLineStartHint(l->Hint())});
        ReflowPlaces(places, GridOf(*this, panel));
        // Only the labels that move are touched, and only moved.
        for (size_t i = 0; i < labels.size(); ++i)
            if (labels[i]->Left() != places[i].left || labels[i]->Top() != places[i].top)
                labels[i]->move(places[i].left, places[i].top);
    });
}

// ---- Hover frames ------------------------------------------------------------------

namespace {

// The frame around the word under the mouse, `margin` pixels wider on each side.
void FrameWord(TShape* frame, TObject* sender, int margin) {
    auto* word = dynamic_cast<TLabel*>(sender);
    if (!word) return;
    frame->SetBounds(word->Left() - margin, word->Top(), word->Width() + 2 * margin, frame->Height());
    frame->Show();
}

}  // namespace

void TMainFormEXO::EnterWordQTRO(TObject* Sender) { FrameWord(ThisWordQO, Sender, 8); }
void TMainFormEXO::LeaveWordQTRO(TObject*) { ThisWordQO->Hide(); }
void TMainFormEXO::EnterWWordQTRC(TObject* Sender) { FrameWord(ThisWordQC, Sender, 8); }
void TMainFormEXO::LeaveWWordQTRC(TObject*) { ThisWordQC->Hide(); }
void TMainFormEXO::EnterWordQMR(TObject* Sender) { FrameWord(ThisWordQMR, Sender, 4); }
void TMainFormEXO::LeaveWordQMR(TObject*) { ThisWordQMR->Hide(); }
void TMainFormEXO::EnterWordQMT(TObject* Sender) { FrameWord(ThisWordQMT, Sender, 2); }
void TMainFormEXO::LeaveWordQMT(TObject*) { ThisWordQMT->Hide(); }

// ---- Typed answers -----------------------------------------------------------------

bool TMainFormEXO::AnswerWord(TLabel* word, TShape* hover, TShape* selection, TPanel* panel) {
    // The selection frame takes the place of the hover frame, which is over the word.
    selection->SetBounds(hover->Left(), hover->Top(), hover->Width(), selection->Height());
    selection->SetVisible(!selection->Visible());
    const AnsiString before = word->Caption();
    AnsiString text = before;
    const int top = StartForm->AbsoluteTop(word);
    const int left = StartForm->AbsoluteLeft(word);
    const int maxLength = StartForm->PrepareExpectedAnswer(word);
    StartForm->InputBox(text, maxLength, top, left);
    const int margin = (hover->Width() - word->Width()) / 2;
    if (!Trim(text).empty()) word->SetCaption(text);
    selection->Hide();
    ReflowWordLabels(panel);
    // The mouse is still over the word: its frame takes the word's new width.
    if (hover->Visible()) FrameWord(hover, word, margin);
    return word->Caption() != before;
}

void TMainFormEXO::CheckTypedWords(TPanel* panel, TShape* hover, TImage* info) {
    CheckTextAnswers(panel, hover, info, [](const TLabel& word) {
        const AnsiString solution = SolutionOfHint(word.Hint());
        return WordVerdict{solution == Trim(word.Caption()), true, solution};
    });
}

void TMainFormEXO::CheckTextAnswers(TPanel* panel, TShape* frame, TImage* info,
                                    const std::function<WordVerdict(const TLabel&)>& judge) {
    Guarded([&] {
        int right = 0, total = 0;
        for (TLabel* word : WordLabels(panel)) {
            if (!HasSolution(word->Hint())) continue;
            const WordVerdict verdict = judge(*word);
            ++total;
            if (verdict.right) {
                word->Font().SetColor(kRight);
                ++right;
            } else {
                word->Font().SetColor(kWrong);
                if (ExoChecked == 0 && verdict.hasSolution) word->SetCaption(verdict.solution);
            }
        }
        frame->Hide();
        ReflowWordLabels(panel);
        // A long statement brings the text down to the note: it goes under the words, but
        // never over the banner.
        PlaceColourNote(info, panel, WordLabels(panel));
        // A text without any answer to check gives no points.
        if (ExoChecked != 0 || total == 0) return;
        ExoMark += TextPoints(right, total);
        info->Show();
    });
}
