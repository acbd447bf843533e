// The true-or-false page: a statement, "vrai" and "faux" to pick from, and its check.
#include "player/Mainform_exo.h"

#include "player/ContentCodec.h"
#include "player/Marking.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kSelected = "selected";
const char* const kUnselected = "unselected";
constexpr TColor kPanelColor = 0xB0968C;
constexpr TColor kStatementColor = 0x393024;

// A hidden picture of the page's own store.
TImage* StorePicture(TControl* parent, const char* name, int left, int top) {
    TImage* image = MakePicture(parent, name, name, left, top);
    image->Hide();
    return image;
}

TLabel* AnswerLabel(TControl* parent, const char* name, const AnsiString& caption, int top) {
    TLabel* label = TextLabel(parent, name, 24, top, "Arial Narrow", 32, 0, clBlack, caption);
    label->SetCursor(TCursor::HandPoint);
    label->SetHint(kUnselected);
    return label;
}

}  // namespace

void TMainFormEXO::BuildPageQB() {
    TTabSheet* page = TabSheet3;

    qb_statement = new TLabel(page, "qb_statement");
    qb_statement->SetLeft(16);
    qb_statement->SetTop(32);
    qb_statement->SetWordWrap(true);
    qb_statement->SetAutoSize(true);
    qb_statement->SetWidth(750);
    qb_statement->SetTransparent(true);
    qb_statement->Font().SetName("Arial Narrow");
    qb_statement->Font().SetHeight(32);
    qb_statement->Font().SetColor(kStatementColor);

    Panel_Answer_True_False = new TPanel(page, "Panel_Answer_True_False");
    Panel_Answer_True_False->SetBounds(24, 96, 761, 193);
    Panel_Answer_True_False->SetColor(kPanelColor);
    Panel_Answer_True_False->SetBevelOuter(TBevelCut::None);
    Panel_Answer_True_False->SetShowCaption(false);
    TPanel* answers = Panel_Answer_True_False;

    qb_img_select = StorePicture(answers, "qb_img_select", 300, 8);
    qb_img_unselect = StorePicture(answers, "qb_img_unselect", 360, 8);

    qb_img_true = new TImage(answers, "qb_img_true");
    qb_img_true->SetBounds(24, 27, 41, 46);
    qb_img_true->Picture().Assign(qb_img_unselect->Picture());
    qb_img_false = new TImage(answers, "qb_img_false");
    qb_img_false->SetBounds(24, 83, 41, 46);
    qb_img_false->Picture().Assign(qb_img_unselect->Picture());

    qb_shape_selection = new TShape(answers, "qb_shape_selection");
    qb_shape_selection->SetBounds(16, 24, 121, 54);
    qb_shape_selection->SetShape(TShapeType::RoundRect);
    qb_shape_selection->Pen().SetColor(clSilver);
    qb_shape_selection->Pen().SetStyle(TPenStyle::Dot);
    qb_shape_selection->Brush().SetStyle(TBrushStyle::Clear);
    qb_shape_selection->Hide();

    verdict_qb = new TImage(answers, "verdict_qb");
    verdict_qb->SetBounds(24, 136, 737, 57);
    verdict_qb->Hide();

    // The answers lie over their tick boxes and take the mouse.
    qb_label_true = AnswerLabel(answers, "qb_label_true", "       vrai", 32);
    qb_label_false = AnswerLabel(answers, "qb_label_false", "       faux", 88);
    for (TLabel* label : {qb_label_true, qb_label_false}) {
        label->OnClick = [this](TObject* s) { qb_selection_click(s); };
        label->OnMouseEnter = [this](TObject* s) { qb_selection_enter(s); };
        label->OnMouseLeave = [this](TObject* s) { qb_selection_leave(s); };
    }

    qb_bravo = StorePicture(page, "qb_bravo", 24, 400);
    qb_faux_vrai = StorePicture(page, "qb_faux_vrai", 24, 460);
    qb_faux_faux = StorePicture(page, "qb_faux_faux", 24, 520);
}

void TMainFormEXO::ShowExerciseQB(AnsiString content) {
    const ParsedContent parsed = ParseExerciseContent(content);
    verdict_qb->Hide();
    qb_img_true->Picture().Assign(qb_img_unselect->Picture());
    qb_img_false->Picture().Assign(qb_img_unselect->Picture());
    qb_label_true->SetHint(kUnselected);
    qb_label_false->SetHint(kUnselected);
    qb_statement->SetWidth(750);
    qb_statement->SetCaption(parsed.Field(0));
    qb_statement->SetHint(parsed.Field(1));
    Panel_Answer_True_False->SetTop(qb_statement->Top() + qb_statement->Height() + 27);
}

void TMainFormEXO::qb_selection_enter(TObject* Sender) {
    qb_shape_selection->SetLeft(16);
    if (qb_shape_selection->Visible()) return;
    if (Sender == qb_label_true) {
        qb_shape_selection->SetTop(24);
        qb_shape_selection->Show();
    } else if (Sender == qb_label_false) {
        qb_shape_selection->SetTop(80);
        qb_shape_selection->Show();
    }
}

void TMainFormEXO::qb_selection_leave(TObject*) {
    if (qb_shape_selection->Visible()) qb_shape_selection->Hide();
}

void TMainFormEXO::qb_selection_click(TObject* Sender) {
    const bool onTrue = Sender == qb_label_true;
    if (!onTrue && Sender != qb_label_false) return;
    TLabel* picked = onTrue ? qb_label_true : qb_label_false;
    // Once picked, an answer stays picked until the other one is.
    if (picked->Hint() != kUnselected) return;
    (onTrue ? qb_img_true : qb_img_false)->Picture().Assign(qb_img_select->Picture());
    picked->SetHint(kSelected);
    (onTrue ? qb_img_false : qb_img_true)->Picture().Assign(qb_img_unselect->Picture());
    (onTrue ? qb_label_false : qb_label_true)->SetHint(kUnselected);
}

void TMainFormEXO::CheckQB() {
    const QbVerdict v = JudgeTrueFalse(qb_label_true->Hint() == kSelected, qb_label_false->Hint() == kSelected,
                                       qb_statement->Hint());
    if (v.tick == QbTick::True) qb_img_true->Picture().Assign(qb_img_select->Picture());
    if (v.tick == QbTick::False) qb_img_false->Picture().Assign(qb_img_select->Picture());
    TImage* banner = nullptr;
    switch (v.banner) {
    case QbBanner::Bravo: banner = qb_bravo; break;
    case QbBanner::FauxVrai: banner = qb_faux_vrai; break;
    case QbBanner::FauxFaux: banner = qb_faux_faux; break;
    case QbBanner::None: break;
    }
    if (banner) {
        verdict_qb->Picture().Assign(banner->Picture());
        verdict_qb->Show();
    }
    if (ExoChecked == 0) ExoMark += v.points;
}
