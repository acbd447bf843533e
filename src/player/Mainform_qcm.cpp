// The multiple-choice page: a statement and up to eight choices with tick boxes, the
// single-answer rule, the hover band and the check with its marks and points.
#include "player/Mainform_exo.h"

#include "player/ChoiceMarking.h"
#include "player/ContentCodec.h"
#include "player/PageParts.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kTicked = "1";
const char* const kNotTicked = "0";
const char* const kCorrect = "1";
constexpr TColor kHoverColor = clBlue;
constexpr TColor kWrongMarkColor = 0x870FC8;

}  // namespace

void TMainFormEXO::BuildPageQCM() {
    TTabSheet* page = TabSheet1;
    qcm_unselected = HiddenPicture(page, "qcm_unselected", 0, 0);
    qcm_selected = HiddenPicture(page, "qcm_selected", 50, 0);

    TPanel* panel = Panel_Text_QCM = MakePanel(page, "Panel_Text_QCM", 24, 96, 793, 465, kPagePanelColor);
    // Behind the rows, so that the row's text and tick box stay on top of it.
    qcm_shape_selection = HiddenPicture(panel, "qcm_shape_selection", 18, 24);

    for (int n = 1; n <= 8; ++n) {
        const int dy = 50 * (n - 1);
        const AnsiString k = IntToStr(n);
        juste[n] = HiddenPicture(panel, "juste_" + k, 0, 36 + dy, "qcm_juste");

        Image_choix[n] = new TImage(panel, "Image_choix_" + k);
        Image_choix[n]->SetBounds(24, 27 + dy, 41, 46);
        Image_choix[n]->SetTransparent(true);   // the hover band shows around the box
        Image_choix[n]->Picture().Assign(qcm_unselected->Picture());

        Label_choix[n] = FixedLabel(TextLabel(panel, "Label_choix_" + k, 0, 0, "Arial Narrow", 32, 0, clBlack, ""),
                                    72, 30 + dy, 610, 37, TAlignment::LeftJustify);
        Label_choix[n]->SetCursor(TCursor::HandPoint);
        Label_choix[n]->SetHint(kNotTicked);

        choix[n] = HotLabel(panel, "choix_" + k, 24, 34 + dy, 41, 33);
        choix[n]->SetHint(kNotTicked);

        // Struck through the row's text; the clicks go to the text beneath.
        faux[n] = new TShape(panel, "faux_" + k);
        faux[n]->SetBounds(n == 8 ? 7 : 8, 48 + dy, 690, 3);
        faux[n]->Brush().SetColor(kWrongMarkColor);
        faux[n]->Pen().SetStyle(TPenStyle::Clear);
        faux[n]->setAttribute(Qt::WA_TransparentForMouseEvents);
        faux[n]->Hide();

        for (TLabel* l : {choix[n], Label_choix[n]}) {
            l->OnClick = [this](TObject* s) { qcm_select(s); };
            l->OnMouseEnter = [this](TObject* s) { TextEnter(s); };
            l->OnMouseLeave = [this](TObject* s) { TextExit(s); };
        }
    }
    QCMverdict = VerdictPicture(panel, "QCMverdict", 432, 33);
}

void TMainFormEXO::ShowExerciseQCM(AnsiString content) {
    const ParsedContent f = ParseExerciseContent(content);
    ResetQCM();
    qcm_statement->SetWidth(750);
    qcm_statement->SetCaption(f.Field(0));
    int correct = 0;
    for (int n = 1; n <= 8; ++n) {
        const bool shown = !f.Field(n).empty();
        for (TControl* c : std::initializer_list<TControl*>{Image_choix[n], choix[n], Label_choix[n]})
            c->SetVisible(shown);
        if (shown) Label_choix[n]->SetCaption(f.Field(n));
        Label_choix[n]->SetHint(f.Field(n + 8));
        if (shown && f.Field(n + 8) == kCorrect) ++correct;
    }
    if (correct == 1) QcmSingleAnswer = 1;
    PlaceBelowStatement(Panel_Text_QCM, qcm_statement);
}

void TMainFormEXO::ResetQCM() {
    for (int n = 1; n <= 8; ++n) {
        choix[n]->SetHint(kNotTicked);
        Label_choix[n]->SetHint(kNotTicked);
        juste[n]->Hide();
        faux[n]->Hide();
        Image_choix[n]->Picture().Assign(qcm_unselected->Picture());
    }
    QcmSingleAnswer = 0;
    QCMverdict->Hide();
}

void TMainFormEXO::TextEnter(TObject* Sender) {
    const int n = NumberOf(Sender, choix, Label_choix);
    if (n == 0) return;
    TLabel* text = Label_choix[n];
    HoverFontColor = text->Font().Color();
    text->Font().SetColor(kHoverColor);
    qcm_shape_selection->SetTop(text->Top() - 6);
    qcm_shape_selection->Show();
}

void TMainFormEXO::TextExit(TObject* Sender) {
    const int n = NumberOf(Sender, choix, Label_choix);
    if (n == 0) return;
    Label_choix[n]->Font().SetColor(HoverFontColor);
    qcm_shape_selection->Hide();
}

void TMainFormEXO::qcm_select(TObject* Sender) {
    const int n = NumberOf(Sender, choix, Label_choix);
    if (n == 0) return;
    // One correct choice: a click moves the tick rather than adding one.
    if (QcmSingleAnswer)
        for (int m = 1; m <= 8; ++m) {
            choix[m]->SetHint(kNotTicked);
            Image_choix[m]->Picture().Assign(qcm_unselected->Picture());
        }
    const bool tick = choix[n]->Hint() != kTicked;
    Image_choix[n]->Picture().Assign((tick ? qcm_selected : qcm_unselected)->Picture());
    choix[n]->SetHint(tick ? kTicked : kNotTicked);
}

void TMainFormEXO::CheckQCM() {
    std::array<QcmChoice, 8> choices;
    for (int n = 1; n <= 8; ++n)
        choices[n - 1] = {Label_choix[n]->Visible(), choix[n]->Hint() == kTicked, Label_choix[n]->Hint() == kCorrect};
    const QcmJudgement j = JudgeMultipleChoice(choices, ExoChecked != 0);
    for (int n = 1; n <= 8; ++n) {
        switch (j.marks[n - 1]) {
        case QcmMark::Right: juste[n]->Show(); break;
        case QcmMark::Wrong: faux[n]->Show(); break;
        case QcmMark::ShownTicked: Image_choix[n]->Picture().Assign(qcm_selected->Picture()); break;
        case QcmMark::None: break;
        }
    }
    if (ExoChecked == 0) {
        ExoMark += j.points;
        QCMverdict->Show();
    }
}
