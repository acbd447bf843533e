// The short-answer page: one "Réponse" box ("qo") or up to four boxes with their own
// prompts ("probleme"), the check with its marks, the expected answers and the
// blinking "bravo".
#include "player/Mainform_exo.h"

#include <algorithm>

#include <QFontMetrics>

#include "player/ChoiceMarking.h"
#include "player/ContentCodec.h"
#include "player/PageParts.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kProblem = "probleme";
constexpr TColor kBoxColor = 0xEACED6;
constexpr int kMainAnswerWidth = 480;
// Rows of the four boxes and of their marks in the panel.
constexpr int kBoxTops[5] = {0, 24, 96, 168, 240};
constexpr int kMarkTops[5] = {0, 30, 102, 174, 246};
// The answer panel under the boxes, and beside them (right of their marks) when a
// long statement would push its last line below the page.
constexpr int kAnswerPanelTop = 288, kAnswerPanelWidth = 753;
constexpr int kAnswerPanelLeft = 32, kBesideBoxesLeft = 310;
// The expected-answer lines follow one another from the panel's line 1, 32 pixels
// apart; lines 3 and 4 stand on the page, under the panel's lines 1 and 2.
constexpr int kFirstLineTop = 56, kLineStep = 32, kLineLeft = 5, kLineWidth = 600, kLineHeight = 37;

TLabel* AnswerLine(TControl* parent, const AnsiString& name, int left, int top) {
    TLabel* l = FixedLabel(TextLabel(parent, name, 0, 0, "Arial Narrow", 37, 0, clPurple, ""), left, top, kLineWidth,
                           kLineHeight, TAlignment::LeftJustify);
    l->Hide();
    return l;
}

// The prompt stands left of its box, 3 pixels away, centred on its height.
void PlacePrompt(TLabeledEdit* box) {
    TLabel* prompt = box->EditLabel();
    prompt->SetLeft(box->Left() - prompt->Width() - 3);
    prompt->SetTop(box->Top() + (box->Height() - prompt->Height()) / 2);
}

// The expected answer of a single box: as wide as its text, wrapped past 480 pixels,
// so that the "bravo" stands just after it.
void ShowMainAnswer(TLabel* label, const AnsiString& text) {
    label->SetWidth(kMainAnswerWidth);
    label->SetCaption(text);
    const QRect r = QFontMetrics(label->Font().ToQFont())
                        .boundingRect(QRect(0, 0, kMainAnswerWidth, 10000), Qt::TextWordWrap, ToQString(text));
    label->SetWidth(text.empty() ? 0 : std::min(kMainAnswerWidth, r.width() + 1));
}

// The answer panel stays under the boxes while the last expected-answer line shown ends
// on the page; otherwise it moves beside the boxes, from the top of the text panel,
// where every line fits whatever the statement's height. A single answer (lastLine 0)
// keeps its place: its wide box leaves no room beside it. Lines 3 and 4 follow lines
// 1 and 2 of the panel, wherever it stands.
void PlaceAnswers(TPanel* text, TPanel* answers, const std::array<TLabel*, 5>& lines, int lastLine, int pageHeight) {
    const int lastBottom = kAnswerPanelTop + kFirstLineTop + kLineStep * (lastLine - 1) + kLineHeight;
    const bool below = lastLine == 0 || text->Top() + lastBottom <= pageHeight;
    const int left = below ? kAnswerPanelLeft : kBesideBoxesLeft;
    answers->SetBounds(left, below ? kAnswerPanelTop : 0, below ? kAnswerPanelWidth : text->Width() - left,
                       answers->Height());
    const int width = std::min(kLineWidth, answers->Width() - kLineLeft);
    for (int n = 1; n <= 2; ++n) lines[n]->SetWidth(width);
    for (int n = 3; n <= 4; ++n)
        lines[n]->SetBounds(text->Left() + left + kLineLeft,
                            text->Top() + answers->Top() + kFirstLineTop + kLineStep * (n - 1), width, kLineHeight);
}

}  // namespace

void TMainFormEXO::BuildPageQO() {
    TTabSheet* page = TabSheet2;
    Panel6 = MakePanel(page, "Panel6", 0, 0, 300, 60, kPagePanelColor);
    Panel6->Hide();
    qo_correct = MakePicture(Panel6, "qo_correct", "qo_correct", 0, 0);
    qo_incorrect = MakePicture(Panel6, "qo_incorrect", "qo_incorrect", 0, 0);
    Imq_title_answer_QO = MakePicture(Panel6, "Imq_title_answer_QO", "Imq_title_answer_QO", 0, 0);
    Imq_title_answers_QO = MakePicture(Panel6, "Imq_title_answers_QO", "Imq_title_answers_QO", 0, 0);

    TPanel* panel = Panel_Text_QO = MakePanel(page, "Panel_Text_QO", 40, 96, 785, 417, kPagePanelColor);
    for (int n = 1; n <= 4; ++n) {
        const AnsiString k = IntToStr(n);
        TLabeledEdit* box = qo_answer[n] = new TLabeledEdit(panel, "qo_answer_" + k);
        box->SetBorderStyle(TBorderStyle::None);
        box->SetColor(kBoxColor);
        box->Font().SetName("Arial Narrow");
        box->Font().SetHeight(32);
        box->Font().SetColor(clNavy);
        box->SetBounds(160, kBoxTops[n], 450, 43);
        TLabel* prompt = box->EditLabel();
        prompt->SetTransparent(true);
        prompt->Font().SetName("Arial Narrow");
        prompt->Font().SetHeight(32);
        prompt->Font().SetColor(clNavy);
        prompt->SetCaption(Utf8ToAnsi("Réponse ") + k + " ");
        PlacePrompt(box);

        qo_img_rep[n] = new TImage(panel, "qo_img_rep_" + k);
        qo_img_rep[n]->SetBounds(615, kMarkTops[n], 30, 30);
        qo_img_rep[n]->Hide();
    }
    qo_answer[1]->OnClick = [this](TObject* s) { qo_answer_1Click(s); };
    qo_answer[1]->OnKeyUp = [this](TObject* s, int& key, int shift) { qo_answer_1KeyUp(s, key, shift); };

    Panel_answer_QO = MakePanel(panel, "Panel_answer_QO", kAnswerPanelLeft, kAnswerPanelTop, kAnswerPanelWidth,
                                150, kPagePanelColor);
    Panel_answer_QO->Hide();
    Label_title_answer_QO = new TImage(Panel_answer_QO, "Label_title_answer_QO");
    Label_title_answer_QO->SetBounds(0, 16, 281, 57);
    Label_title_answer_QO->Picture().Assign(Imq_title_answer_QO->Picture());
    qo_right_main_answer = TextLabel(Panel_answer_QO, "qo_right_main_answer", 272, 12, "Arial Narrow", 37, 0,
                                     clPurple, "");
    qo_right_main_answer->SetWordWrap(true);
    qo_right_main_answer->SetWidth(kMainAnswerWidth);
    qo_right_main_answer->Hide();
    qo_right_answer[1] = AnswerLine(Panel_answer_QO, "qo_right_answer_1", kLineLeft, kFirstLineTop);
    qo_right_answer[2] = AnswerLine(Panel_answer_QO, "qo_right_answer_2", kLineLeft, kFirstLineTop + kLineStep);
    Bravo_qo = HiddenPicture(Panel_answer_QO, "Bravo_qo", 288, 14);
    Bravo_qo->SetHint("0");
    qo_right_answer[3] = AnswerLine(page, "qo_right_answer_3", 77, 504);
    qo_right_answer[4] = AnswerLine(page, "qo_right_answer_4", 77, 536);

    TimerBravo = new TTimer(this, "TimerBravo");
    TimerBravo->SetInterval(500);
    TimerBravo->SetEnabled(false);
    TimerBravo->OnTimer = [this](TObject* s) { TimerBravoTimer(s); };
}

void TMainFormEXO::ShowExerciseQO(AnsiString content) {
    const ParsedContent f = ParseExerciseContent(content, ContentKind::QO);
    for (int n = 1; n <= 4; ++n) {
        qo_img_rep[n]->Hide();
        qo_answer[n]->SetText("");
        qo_right_answer[n]->Hide();
    }
    Panel_answer_QO->Hide();
    qo_right_main_answer->Hide();
    // Emptied too: in a problem the "bravo" then stands beside the title, wherever the
    // answer of an earlier exercise ended.
    ShowMainAnswer(qo_right_main_answer, "");
    Bravo_qo->Hide();
    Bravo_qo->SetHint("0");

    qo_statement->SetWidth(750);
    qo_statement->SetCaption(f.Field(0));
    qo_statement->SetHint(f.qoKind);
    if (f.qoKind != kProblem) {
        qo_answer[1]->EditLabel()->SetCaption(Utf8ToAnsi("Réponse"));
        qo_answer[1]->SetLeft(160);
        qo_answer[1]->SetWidth(450);
        qo_answer[1]->Show();
        qo_answer[1]->SetHint(f.Field(1));
        for (int n = 2; n <= 4; ++n) qo_answer[n]->Hide();
        Label_title_answer_QO->Picture().Assign(Imq_title_answer_QO->Picture());
    } else {
        for (int n = 1; n <= 4; ++n) {
            const bool used = !f.Field(n).empty();
            if (used) {
                qo_answer[n]->SetLeft(160);
                qo_answer[n]->SetWidth(100);
                qo_answer[n]->EditLabel()->SetCaption(f.Field(n));
            }
            qo_answer[n]->SetVisible(used);
        }
        for (int n = 1; n <= 4; ++n) qo_answer[n]->SetHint(f.Field(n + 4));
        Label_title_answer_QO->Picture().Assign(Imq_title_answers_QO->Picture());
    }
    for (int n = 1; n <= 4; ++n) PlacePrompt(qo_answer[n]);
    PlaceBelowStatement(Panel_Text_QO, qo_statement);
    int lastLine = 0;
    for (int n = 1; n <= 4; ++n)
        if (f.qoKind == kProblem && qo_answer[n]->Visible()) lastLine = n;
    PlaceAnswers(Panel_Text_QO, Panel_answer_QO, qo_right_answer, lastLine, TabSheet2->Height());
}

void TMainFormEXO::CheckQO() {
    const bool problem = qo_statement->Hint() == kProblem;
    const bool withSolution = ExoChecked == 0;
    for (int n = 1; n <= 4; ++n) qo_img_rep[n]->SetLeft(qo_answer[n]->Left() + qo_answer[n]->Width() + 5);
    if (!problem && withSolution) {
        ShowMainAnswer(qo_right_main_answer, qo_answer[1]->Hint());
        qo_right_main_answer->Show();
    }
    int count = 0, points = 0;
    for (int n = 1; n <= 4; ++n) {
        TLabeledEdit* box = qo_answer[n];
        if (!box->Visible()) continue;
        ++count;
        const QoBoxResult r = JudgeAnswerBox(n, box->Text(), box->Hint());
        points += r.points;
        qo_img_rep[n]->Picture().Assign((r.right ? qo_correct : qo_incorrect)->Picture());
        qo_img_rep[n]->Show();
        if (n == 1) {
            Bravo_qo->SetVisible(r.right);
            Bravo_qo->SetHint(r.right ? "5" : "0");
            if (r.right) {
                Bravo_qo->SetLeft(qo_right_main_answer->Left() + qo_right_main_answer->Width() + 10);
                TimerBravo->SetEnabled(true);
            }
        }
        if ((n > 1 || problem) && withSolution) {
            qo_right_answer[n]->SetCaption(IntToStr(n) + ". " + box->Hint());
            qo_right_answer[n]->Show();
        }
    }
    if (withSolution) {
        Panel_answer_QO->Show();
        ExoMark += AverageBoxPoints(points, count);
    }
}

void TMainFormEXO::TimerBravoTimer(TObject*) {
    int n = LeadingInt(Bravo_qo->Hint());
    if (n < 1) {
        TimerBravo->SetEnabled(false);
        return;
    }
    Bravo_qo->SetVisible(!Bravo_qo->Visible());
    --n;
    Bravo_qo->SetHint(IntToStr(n));
    if (n == 0) Bravo_qo->Show();
}

// The first box answers nothing to a click or a key: the check reads what it holds.
void TMainFormEXO::qo_answer_1Click(TObject*) {}
void TMainFormEXO::qo_answer_1KeyUp(TObject*, int&, int) {}
