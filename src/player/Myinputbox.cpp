// The input box: its two rows, the keys and their hover twins, what each key does, and
// where the box opens.
#include "player/Myinputbox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QValidator>
#include <initializer_list>

#include "platform/Dialogs.h"
#include "player/AnswerEntry.h"
#include "ui/ScreenParts.h"

TEnterText* EnterText = nullptr;

// ---- The edit ------------------------------------------------------------------------

// Refuses a change that the learner makes past the typing limit; Qt then keeps the
// text as it was.
class TypingLimitValidator : public QValidator {
public:
    TypingLimitValidator(TAnswerEdit* edit, QObject* parent) : QValidator(parent), edit_(edit) {}
    State validate(QString& input, int&) const override {
        return edit_->Accepts(static_cast<int>(input.size())) ? Acceptable : Invalid;
    }
private:
    TAnswerEdit* edit_;
};

TAnswerEdit::TAnswerEdit(TControl* parent, const AnsiString& name) : TEdit(parent, name) {
    edit_->setValidator(new TypingLimitValidator(this, edit_));
    QObject::connect(edit_, &QLineEdit::textChanged, this,
                     [this](const QString& t) { keptLength_ = static_cast<int>(t.size()); });
}

void TAnswerEdit::SetTypingLimit(int n) { limit_ = n > 0 ? n : 0; }

void TAnswerEdit::SetText(const AnsiString& t) {
    // Taken whole, however long: the limit is for typing.
    keptLength_ = static_cast<int>(t.size());
    TEdit::SetText(t);
}

void TAnswerEdit::ReplaceSelection(const AnsiString& s) {
    inserting_ = true;
    edit_->insert(ToQString(s));
    inserting_ = false;
}

AnsiString TAnswerEdit::SelText() const { return FromQString(edit_->selectedText()); }

bool TAnswerEdit::Accepts(int length) const {
    return inserting_ || limit_ == 0 || length <= limit_ || length <= keptLength_;
}

// ---- The screen ----------------------------------------------------------------------

namespace {

constexpr TColor kBoxColour = 15251080;     // 0xE8B688
constexpr TColor kBoxPen = 0x9B6539;
constexpr TColor kEditColour = 0xF4E4CA;
constexpr TColor kEditPen = 0xC8610D;
constexpr int kFullHeight = 100, kTextOnlyHeight = 48;
constexpr int kKeySize = 46;
const char* const kNoAnswer = "Aucune proposition de réponse.";

}  // namespace

TEnterText::TEnterText() : TForm("EnterText", 620, kFullHeight) {
    SetColor(kBoxColour);
    panel_input = MakePanel(this, "panel_input", 6, 6, 608, 90, kBoxColour);
    Panel1 = MakePanel(this, "Panel1", 0, 0, 40, 40, kBoxColour);
    Panel1->Hide();
    echange = new TImage(Panel1, "echange");
    BuildTextRow();
    BuildKeypad();
    for (const Key& k : keys_) {
        k.label->OnClick = [this](TObject* s) { ButtonClick(s); };
        k.label->OnMouseEnter = [this](TObject* s) { ButtonOver(s); };
        k.label->OnMouseLeave = [this](TObject* s) { ButtonOver(s); };
    }
    Border = new TShape(this, "Border");
    Border->SetBounds(0, 0, Width(), Height());
    Border->Brush().SetStyle(TBrushStyle::Clear);
    Border->Pen().SetColor(kBoxPen);
    Border->Pen().SetWidth(4);
    Border->setAttribute(Qt::WA_TransparentForMouseEvents);
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TEnterText::BuildTextRow() {
    shape_input = new TShape(panel_input, "shape_input");
    shape_input->SetBounds(6, 6, 316, 30);
    shape_input->Brush().SetColor(kEditColour);
    shape_input->Pen().SetColor(kEditPen);
    InputText = new TAnswerEdit(panel_input, "InputText");
    InputText->SetBounds(12, 8, 301, 25);
    InputText->SetBorderStyle(TBorderStyle::None);
    InputText->SetColor(kEditColour);
    InputText->Font().SetName("Arial Narrow");
    InputText->Font().SetHeight(21);
    InputText->Font().SetColor(clNavy);
    InputText->SetHint("0");
    const struct {
        TImage** face;
        TLabel** label;
        TImage** twin;
        const char* name;
        int left;
    } commands[] = {
        {&effacer_1, &effacer, &effacer_2, "effacer", 328},
        {&annuler_1, &annuler, &annuler_2, "annuler", 420},
        {&valider_1, &valider, &valider_2, "valider", 518},
    };
    for (const auto& c : commands) {
        const AnsiString art = AnsiString("saisie_") + c.name;
        *c.face = MakePicture(panel_input, AnsiString(c.name) + "_1", art + "_1", c.left, 7);
        *c.twin = MakePicture(Panel1, AnsiString(c.name) + "_2", art + "_2", 0, 0);
        *c.label = HotLabel(panel_input, c.name, c.left, 8, 89, 24);
        keys_.push_back({*c.label, *c.face, *c.twin, 0});
    }
}

void TEnterText::BuildKeypad() {
    const struct {
        TImage** face;
        TLabel** label;
        TImage** twin;
        const char* name;
        char inserts;
    } keys[] = {
        {&zero_1, &zero, &zero_2, "zero", '0'},       {&un_1, &un, &un_2, "un", '1'},
        {&deux_1, &deux, &deux_2, "deux", '2'},       {&trois_1, &trois, &trois_2, "trois", '3'},
        {&quatre_1, &quatre, &quatre_2, "quatre", '4'}, {&cinq_1, &cinq, &cinq_2, "cinq", '5'},
        {&six_1, &six, &six_2, "six", '6'},           {&sept_1, &sept, &sept_2, "sept", '7'},
        {&huit_1, &huit, &huit_2, "huit", '8'},       {&neuf_1, &neuf, &neuf_2, "neuf", '9'},
        {&vr_1, &vr, &vr_2, "vr", ','},               {&plus_1, &plus, &plus_2, "plus", '+'},
        {&moins_1, &moins, &moins_2, "moins", '-'},
    };
    int left = 6;
    for (const auto& k : keys) {
        // The comma comes after a small gap.
        if (k.inserts == ',') left = 468;
        const AnsiString art = AnsiString("saisie_") + k.name;
        *k.face = MakePicture(panel_input, AnsiString(k.name) + "_1", art + "_1", left, 40, kKeySize, kKeySize);
        *k.twin = MakePicture(Panel1, AnsiString(k.name) + "_2", art + "_2", 0, 0);
        *k.label = HotLabel(panel_input, k.name, left + 2, 40, 41, 49);
        keys_.push_back({*k.label, *k.face, *k.twin, k.inserts});
        left += (k.inserts == ',' || k.inserts == '+') ? 48 : kKeySize;
    }
}

const TEnterText::Key* TEnterText::KeyOf(TObject* sender) const {
    for (const Key& k : keys_)
        if (k.label == sender) return &k;
    return nullptr;
}

void TEnterText::FormShow(TObject*) {
    SetTop(AnchorTop + 25);
    SetLeft(AnchorLeft + 10);
    SetHeight(kFullHeight);
    panel_input->SetHeight(90);
    for (TControl* c : std::initializer_list<TControl*>{InputText, shape_input, effacer, effacer_1}) c->Show();
    switch (EntryLayoutFor(ExpectedAnswer)) {
    case EntryLayout::TextAndKeypad: break;
    case EntryLayout::KeypadOnly:
        for (TControl* c : std::initializer_list<TControl*>{InputText, shape_input, effacer, effacer_1}) c->Hide();
        break;
    case EntryLayout::TextOnly:
        // The keypad row is cut off.
        SetHeight(kTextOnlyHeight);
        panel_input->SetHeight(38);
        break;
    }
    Border->SetHeight(Height());
    KeepOnScreen();
    // The first key typed or pressed replaces the word's text.
    InputText->SelectAll();
    // The keyboard goes where the window hands it: to the edit when it is shown, else to
    // the box itself, whose keys press the keypad (a hidden edit would swallow them).
    if (InputText->Visible())
        InputText->SetFocus();
    else
        setFocus(Qt::OtherFocusReason);
}

void TEnterText::KeepOnScreen() {
    QScreen* screen = QGuiApplication::screenAt(QPoint(AnchorLeft, AnchorTop));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    if (Left() + Width() > area.x() + area.width()) SetLeft(area.x() + area.width() - Width());
    if (Top() + Height() > area.y() + area.height()) SetTop(area.y() + area.height() - Height());
    if (Left() < area.x()) SetLeft(area.x());
    if (Top() < area.y()) SetTop(area.y());
}

void TEnterText::ButtonClick(TObject* Sender) {
    const Key* key = KeyOf(Sender);
    if (!key) return;
    AnsiString keyText;   // no digit
    if (key->inserts != 0) {
        keyText = AnsiString(1, key->inserts);
        InputText->ReplaceSelection(keyText);
    } else if (key->label == valider) {
        InputText->SetHint("1");
        keyText = Trim(InputText->Text());
        if (keyText.empty())
            ShowMessage(Utf8ToAnsi(kNoAnswer));
        else
            Close();
    } else if (key->label == annuler) {
        InputText->SetHint("0");
        Close();
    } else if (key->label == effacer) {
        InputText->SetText("");
    }
    // A one-digit answer: the digit pressed is the whole answer.
    if (EndsEntryAtOnce(ExpectedAnswer, keyText)) {
        InputText->SetHint("1");
        if (Visible()) Close();
    }
}

void TEnterText::ButtonOver(TObject* Sender) {
    if (const Key* key = KeyOf(Sender)) SwapPictures(key->face, key->twin);
}

void TEnterText::SwapPictures(TImage* a, TImage* b) {
    echange->Picture().Assign(a->Picture());
    a->Picture().Assign(b->Picture());
    b->Picture().Assign(echange->Picture());
}

void TEnterText::keyPressEvent(QKeyEvent* e) {
    TLabel* target = nullptr;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        target = valider;
    } else if (e->key() == Qt::Key_Escape) {
        target = annuler;
    } else if (panel_input->Height() > 40) {
        const AnsiString typed = FromQString(e->text());
        for (const Key& k : keys_)
            if (typed.size() == 1 && k.inserts == typed[0]) target = k.label;
    }
    if (!target) {
        TForm::keyPressEvent(e);
        return;
    }
    e->accept();
    RunHandler([&] { ButtonClick(target); });
}
