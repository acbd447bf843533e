// The matching page: two columns of up to eight elements, paired by clicking one and
// then the other; each pair shows the right element's colour beside the left one and
// a line of that colour between the columns. The check marks the pairs and shows the
// solution by replaying the learner's own clicks.
#include "player/Mainform_exo.h"

#include <algorithm>

#include "player/ChoiceMarking.h"
#include "player/ContentCodec.h"
#include "player/PageParts.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kNone = "0";
// The marker's Left tells the side of the selected element.
constexpr int kLeftWaits = 332, kRightSide = 382;
constexpr int kChoiceTops[9] = {0, 32, 80, 132, 182, 232, 282, 332, 382};
constexpr int kMarkTops[9] = {0, 34, 82, 134, 184, 234, 284, 334, 384};
constexpr TColor kHoverColor = clBlue;
constexpr TColor kHoverFrameColor = 0xC4B37D;

TLabel* ColumnText(TControl* parent, const AnsiString& name, int left, int top, int width, TAlignment align) {
    TLabel* l = FixedLabel(TextLabel(parent, name, 0, 0, "Arial Narrow", 32, 0, clBlack, ""), left, top, width, 45,
                           align);
    l->SetWordWrap(true);
    l->SetCursor(TCursor::HandPoint);
    return l;
}

TImage* ElementPicture(TControl* parent, const AnsiString& name, int left, int top) {
    auto* image = new TImage(parent, name);
    image->SetBounds(left, top, 41, 46);
    image->SetCenter(true);
    image->SetTransparent(true);   // the hover frame shows around the element
    return image;
}

bool IsElementNumber(const AnsiString& s) {
    return s.size() == 1 && s[0] >= '1' && s[0] <= '8';
}

}  // namespace

void TMainFormEXO::BuildPageQCC() {
    TTabSheet* page = TabSheet4;
    LabelFormatQCC = TextLabel(page, "LabelFormatQCC", 0, 0, "Arial Narrow", 32, 0, clBlack, "");
    LabelFormatQCC->Hide();
    QCC_Association_empty = HiddenPicture(page, "QCC_Association_empty", 0, 0);
    qcc_empty = HiddenPicture(page, "qcc_empty", 0, 0);
    qcc_assign = new TImage(page, "qcc_assign");
    qcc_assign->Hide();
    qcc_true = HiddenPicture(page, "qcc_true", 0, 0);
    qcc_false = HiddenPicture(page, "qcc_false", 0, 0);

    TPanel* panel = Panel_Text_QCC = MakePanel(page, "Panel_Text_QCC", 16, 96, 801, 465, kPagePanelColor);
    // Behind the texts and pictures.
    qcc_shape_selection = new TShape(panel, "qcc_shape_selection");
    qcc_shape_selection->SetBounds(0, 0, 331, 52);
    qcc_shape_selection->SetShape(TShapeType::RoundRect);
    qcc_shape_selection->Brush().SetColor(kHoverFrameColor);
    qcc_shape_selection->Pen().SetColor(clBlue);
    qcc_shape_selection->Pen().SetStyle(TPenStyle::Dot);
    qcc_shape_selection->Hide();

    QCC_Association = new TImage(panel, "QCC_Association");
    QCC_Association->SetBounds(328, 24, 73, 401);
    QCC_Association->Picture().Assign(QCC_Association_empty->Picture());
    QCC_Association->SetShowHint(true);
    QCC_Association->OnMouseMove = [this](TObject* s, int shift, int x, int y) {
        QCC_AssociationMouseMove(s, shift, x, y);
    };

    for (int n = 1; n <= 8; ++n) {
        const int dy = 50 * (n - 1);
        const AnsiString k = IntToStr(n);
        qcc_mark[n] = new TImage(panel, "qcc_mark_" + k);
        qcc_mark[n]->SetBounds(327, kMarkTops[n], 30, 30);
        qcc_mark[n]->Hide();
        left_Label[n] = ColumnText(panel, "left_Label_" + k, 0, 28 + dy, 275, TAlignment::RightJustify);
        left_image[n] = ElementPicture(panel, "left_image_" + k, 285, 27 + dy);
        left_image[n]->Picture().Assign(qcc_empty->Picture());
        right_image[n] = ElementPicture(panel, "right_image_" + k, 400, 27 + dy);
        SetArtwork(right_image[n]->Picture(), "qcc_right_" + k);
        right_Label[n] = ColumnText(panel, "right_Label_" + k, 450, 28 + dy, 300, TAlignment::LeftJustify);
        right_Label[n]->SetHint(k);
    }
    right_select_image = HiddenPicture(panel, "right_select_image", kRightSide, 36);
    right_select_image->SetHint(kNone);
    for (int n = 1; n <= 8; ++n) {
        const AnsiString k = IntToStr(n);
        left_choice[n] = HotLabel(panel, "left_choice_" + k, 288, kChoiceTops[n], 41, 40);
        right_choice[n] = HotLabel(panel, "right_choice_" + k, 400, kChoiceTops[n], 41, 40);
        for (TLabel* l : {left_Label[n], left_choice[n]})
            l->OnClick = [this](TObject* s) { qcc_Left_Click(s); };
        for (TLabel* l : {right_Label[n], right_choice[n]})
            l->OnClick = [this](TObject* s) { qcc_Right_Click(s); };
        for (TLabel* l : {left_Label[n], left_choice[n], right_Label[n], right_choice[n]}) {
            l->OnMouseEnter = [this](TObject* s) { qcc_TextEnter(s); };
            l->OnMouseLeave = [this](TObject* s) { qcc_TextExit(s); };
        }
    }
    QCCverdict = VerdictPicture(panel, "QCCverdict", 424, 41);
}

void TMainFormEXO::ShowExerciseQCC(AnsiString content) {
    Guarded([&] {
        QCCverdict->Hide();
        const ParsedContent f = ParseExerciseContent(content);
        ClearPairsQCC();
        qcc_statement->SetWidth(750);
        qcc_statement->SetCaption(f.Field(0));
        // A hidden element keeps no text: an earlier exercise's text must not shrink
        // the font of this one's columns.
        auto fill = [](TImage* image, TLabel* choice, TLabel* text, const AnsiString& caption) {
            const bool shown = !caption.empty();
            for (TControl* c : std::initializer_list<TControl*>{image, choice, text}) c->SetVisible(shown);
            text->SetCaption(caption);
        };
        for (int n = 1; n <= 8; ++n) fill(left_image[n], left_choice[n], left_Label[n], f.Field(n));
        for (int n = 1; n <= 8; ++n) {
            fill(right_image[n], right_choice[n], right_Label[n], f.Field(16 + n));
            left_Label[n]->SetHint(f.Field(8 + n));
        }
        PlaceBelowStatement(Panel_Text_QCC, qcc_statement);
        for (const Numbered<TLabel>* column : {&left_Label, &right_Label}) {
            int widest = 0;
            for (int n = 1; n <= 8; ++n) {
                LabelFormatQCC->SetCaption((*column)[n]->Caption());
                widest = std::max(widest, LabelFormatQCC->Width());
            }
            const int px = MatchingFontHeight(widest);
            for (int n = 1; n <= 8; ++n) (*column)[n]->Font().SetHeight(px);
        }
    });
}

void TMainFormEXO::ClearPairsQCC() {
    QCC_Association->Picture().Assign(QCC_Association_empty->Picture());
    for (int n = 1; n <= 8; ++n) {
        left_image[n]->Picture().Assign(qcc_empty->Picture());
        left_choice[n]->SetHint("");
        qcc_mark[n]->Hide();
    }
    // A selection the learner can no longer see ends here, so that no later click is
    // captured by it.
    right_select_image->Hide();
    right_select_image->SetHint(kNone);
    right_select_image->SetLeft(kRightSide);
}

void TMainFormEXO::RedrawPairsQCC() {
    QCC_Association->Picture().Assign(QCC_Association_empty->Picture());
    TCanvas& canvas = QCC_Association->Canvas();
    canvas.Pen.SetWidth(3);
    for (int n = 1; n <= 8; ++n) {
        const int k = LeadingInt(left_choice[n]->Hint());
        if (k <= 0) continue;
        canvas.Pen.SetColor(PairColour(k));
        const PairLine line = PairLineOf(n, k);
        canvas.MoveTo(line.x1, line.y1);
        canvas.LineTo(line.x2, line.y2);
    }
}

void TMainFormEXO::qcc_TextEnter(TObject* Sender) {
    const int left = NumberOf(Sender, left_Label, left_choice);
    const int right = NumberOf(Sender, right_Label, right_choice);
    if (left == 0 && right == 0) return;
    TLabel* text = left ? left_Label[left] : right_Label[right];
    HoverFontColor = text->Font().Color();
    text->Font().SetColor(kHoverColor);
    qcc_shape_selection->SetTop(text->Top() - 4);
    qcc_shape_selection->SetLeft(text->Left() >= 10 ? 395 : 0);
    qcc_shape_selection->Show();
}

void TMainFormEXO::qcc_TextExit(TObject* Sender) {
    const int left = NumberOf(Sender, left_Label, left_choice);
    const int right = NumberOf(Sender, right_Label, right_choice);
    if (left == 0 && right == 0) return;
    (left ? left_Label[left] : right_Label[right])->Font().SetColor(HoverFontColor);
    qcc_shape_selection->Hide();
}

void TMainFormEXO::qcc_Left_Click(TObject* Sender) {
    const int n = NumberOf(Sender, left_Label, left_choice);
    if (n == 0) return;
    TImage* marker = right_select_image;
    auto wait = [&] {
        marker->SetTop(left_choice[n]->Top() + 8);
        marker->SetLeft(kLeftWaits);
        marker->SetHint(IntToStr(n));
        marker->Show();
    };
    if (marker->Hint() == kNone) {
        // Nothing selected: a paired element is unpaired, an unpaired one waits.
        left_image[n]->Picture().Assign(qcc_empty->Picture());
        const AnsiString chosen = left_choice[n]->Hint();
        if (chosen == kNone || chosen.empty()) wait();
        left_choice[n]->SetHint(kNone);
        RedrawPairsQCC();
    } else if (marker->Left() == kLeftWaits) {
        if (marker->Hint() == IntToStr(n)) {
            marker->SetHint(kNone);
            marker->Hide();
            marker->SetLeft(kRightSide);
        } else {
            wait();
        }
    } else {
        // A right element is selected: it becomes n's partner.
        const int k = LeadingInt(marker->Hint());
        if (k >= 1 && k <= 8) qcc_assign->Picture().Assign(right_image[k]->Picture());
        left_choice[n]->SetHint(marker->Hint());
        left_image[n]->Picture().Assign(qcc_assign->Picture());
        marker->SetHint(kNone);
        marker->Hide();
        RedrawPairsQCC();
    }
}

void TMainFormEXO::qcc_Right_Click(TObject* Sender) {
    const int k = NumberOf(Sender, right_Label, right_choice);
    if (k == 0) return;
    TImage* marker = right_select_image;
    if (marker->Left() == kRightSide) {
        if (marker->Hint() == IntToStr(k)) {
            marker->SetHint(kNone);
            marker->Hide();
        } else {
            marker->SetTop(right_Label[k]->Top() + 8);
            marker->SetLeft(kRightSide);
            marker->SetHint(IntToStr(k));
            marker->Show();
        }
    } else if (marker->Visible()) {
        // A left element waits: pair it with k.
        const int n = LeadingInt(marker->Hint());
        marker->Hide();
        marker->SetLeft(kRightSide);
        marker->SetHint(IntToStr(k));
        if (n >= 1 && n <= 8) qcc_Left_Click(left_choice[n]);
        marker->SetHint(kNone);
        marker->SetLeft(kRightSide);
        marker->Hide();
    }
}

void TMainFormEXO::QCC_AssociationMouseMove(TObject*, int, int X, int Y) {
    QCC_Association->SetHint("X = " + IntToStr(X) + "  Y = " + IntToStr(Y));
}

void TMainFormEXO::CheckQCC() {
    Guarded([&] {
        right_select_image->Hide();
        right_select_image->SetHint(kNone);
        right_select_image->SetLeft(kRightSide);
        int right = 0, count = 0;
        for (int n = 1; n <= 8; ++n) {
            const bool same = left_Label[n]->Hint() == left_choice[n]->Hint();
            const bool shown = left_choice[n]->Visible();
            qcc_mark[n]->Picture().Assign((same ? qcc_true : qcc_false)->Picture());
            qcc_mark[n]->SetVisible(shown);
            count += shown;
            right += shown && same;
        }
        // Without any element there is nothing to give points for.
        if (ExoChecked != 0 || count == 0) return;
        ExoMark += MatchingPoints(right, count);
        QCCverdict->Show();
        ShowSolutionQCC();
    });
}

void TMainFormEXO::ShowSolutionQCC() {
    ClearPairsQCC();
    for (int n = 1; n <= 8; ++n) ReplayPairQCC(left_Label[n]);
}

void TMainFormEXO::ReplayPairQCC(TLabel* leftLabel) {
    if (!leftLabel->Visible() || Trim(leftLabel->Caption()).empty()) return;
    const AnsiString expected = Trim(leftLabel->Hint());
    right_select_image->SetHint(kNone);
    if (LeadingInt(expected) > 0) qcc_Left_Click(leftLabel);
    if (IsElementNumber(expected)) qcc_Right_Click(right_Label[expected[0] - '0']);
}
