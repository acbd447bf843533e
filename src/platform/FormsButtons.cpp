// Controls wrapping a Qt button or text widget: check boxes, radio buttons, buttons,
// edits and memos.
#include "Forms.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Check boxes and radio buttons react over their whole control, as the framework's do.
template <class Button>
class WholeButton : public Button {
public:
    using Button::Button;
protected:
    bool hitButton(const QPoint& p) const override { return this->rect().contains(p); }
};

}  // namespace

// ---------------------------------------------------------------------------
// Check boxes, radio buttons, buttons

TButtonControl::TButtonControl(TControl* parent, const AnsiString& name, QAbstractButton* button)
    : TControl(parent, name), button_(button) {
    button_->setParent(this);
    button_->setAutoExclusive(false);   // siblings are unchecked by the control
    button_->setAutoFillBackground(true);
    ForwardEventsOf(button_);
    QObject::connect(button_, &QAbstractButton::clicked, this, [this](bool checked) {
        SetState(!checked);   // Qt's own toggle is undone: the control decides
        UserClicked(checked);
    });
}

bool TButtonControl::Checked() const { return button_->isChecked(); }

bool TButtonControl::SetState(bool v) {
    if (v == Checked()) return false;
    button_->blockSignals(true);
    button_->setChecked(v);
    button_->blockSignals(false);
    return true;
}

void TButtonControl::StateChanged() {
    button_->setText(ToQString(caption_));
    TControl::StateChanged();
}

TCheckBox::TCheckBox(TControl* parent, const AnsiString& name)
    : TButtonControl(parent, name, new WholeButton<QCheckBox>()) {
    resize(97, 17);
    StateChanged();
}

void TCheckBox::SetChecked(bool v) {
    if (SetState(v)) Notify(OnClick);
}

void TCheckBox::Click() {
    if (isEnabled()) SetChecked(!Checked());
}

TRadioButton::TRadioButton(TControl* parent, const AnsiString& name)
    : TButtonControl(parent, name, new WholeButton<QRadioButton>()) {
    resize(113, 17);
    StateChanged();
}

void TRadioButton::SetChecked(bool v) {
    if (!SetState(v) || !v) return;
    if (TControl* parent = Parent())
        for (TControl* c : parent->Controls())
            if (auto* other = dynamic_cast<TRadioButton*>(c); other && other != this) other->SetChecked(false);
    Notify(OnClick);
}

void TRadioButton::Click() {
    if (isEnabled()) SetChecked(true);
}

TButton::TButton(TControl* parent, const AnsiString& name)
    : TControl(parent, name), button_(new QPushButton(this)) {
    resize(75, 25);
    ForwardEventsOf(button_);
    QObject::connect(button_, &QPushButton::clicked, this, [this] { Click(); });
    StateChanged();
}

void TButton::StateChanged() {
    button_->setText(ToQString(caption_));
    button_->setFont(font_.ToQFont());
}

// ---------------------------------------------------------------------------
// TEdit, TLabeledEdit, TMemo

TEdit::TEdit(TControl* parent, const AnsiString& name)
    : TControl(parent, name), edit_(new QLineEdit(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(121, 21);
    ForwardEventsOf(edit_);
    QObject::connect(edit_, &QLineEdit::textChanged, this, [this] { Notify(OnChange); });
    StateChanged();
}

AnsiString TEdit::Text() const { return FromQString(edit_->text()); }
void TEdit::SetText(const AnsiString& t) { edit_->setText(ToQString(t)); }
int TEdit::MaxLength() const { return edit_->maxLength() >= 32767 ? 0 : edit_->maxLength(); }
void TEdit::SetMaxLength(int n) { edit_->setMaxLength(n <= 0 ? 32767 : n); }
void TEdit::SetBorderStyle(TBorderStyle b) { edit_->setFrame(b == TBorderStyle::Single); }
void TEdit::SetReadOnly(bool v) { edit_->setReadOnly(v); }
void TEdit::SetFocus() { edit_->setFocus(Qt::OtherFocusReason); }
void TEdit::SelectAll() { edit_->selectAll(); }

TLabeledEdit::TLabeledEdit(TControl* parent, const AnsiString& name)
    : TEdit(parent, name), label_(new TLabel(parent, name + "Label")) {
    BoundsChanged();
}

TLabeledEdit::~TLabeledEdit() {
    delete label_;
}

void TLabeledEdit::BoundsChanged() {
    if (label_) label_->move(x(), y() - label_->Height() - 3);
}

void TLabeledEdit::VisibleChanged() {
    if (label_) label_->SetVisible(Visible());
}

TMemo::TMemo(TControl* parent, const AnsiString& name)
    : TControl(parent, name), memo_(new QPlainTextEdit(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(185, 89);
    ForwardEventsOf(memo_);
    QObject::connect(memo_, &QPlainTextEdit::textChanged, this, [this] { Notify(OnChange); });
    StateChanged();
}

namespace {

// A text as the memo's document gives it back: line breaks of every kind become LF,
// no-break spaces plain ones.
QString AsLaidOut(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar& c : text) {
        switch (c.unicode()) {
        case '\r': case QChar::ParagraphSeparator: case QChar::LineSeparator: case 0xFDD0: case 0xFDD1:
            c = QLatin1Char('\n');
            break;
        case QChar::Nbsp: c = QLatin1Char(' '); break;
        default: break;
        }
    }
    return text;
}

// A long text is laid out in paragraphs of several lines each (joined by line
// separators): a text document pays for every paragraph it holds, so a report of
// 100,000 lines shows ten times sooner. The memo shows it and reads it back the same.
QString InParagraphs(QString text) {
    constexpr int kLongText = 1024, kLinesPerParagraph = 16;
    if (text.count(QChar('\n')) < kLongText) return text;
    int line = 0;
    for (QChar& c : text)
        if (c == QChar('\n') && ++line % kLinesPerParagraph != 0) c = QChar::LineSeparator;
    return text;
}

}  // namespace

QString TMemo::PlainText() const { return pendingText_ ? *pendingText_ : memo_->toPlainText(); }

void TMemo::SetPlainText(const QString& text) {
    if (isVisible()) {
        pendingText_.reset();
        memo_->setPlainText(InParagraphs(text));
        return;
    }
    pendingText_ = std::make_unique<QString>(AsLaidOut(text));
    Notify(OnChange);
}

void TMemo::showEvent(QShowEvent* e) {
    TControl::showEvent(e);
    if (!pendingText_) return;
    const auto text = std::move(pendingText_);
    const QSignalBlocker quiet(memo_);   // its change was told when the text was set
    memo_->setPlainText(InParagraphs(*text));
}

AnsiString TMemo::Text() const {
    AnsiString s = FromQString(PlainText());
    AnsiString out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\n') out += "\r\n";
        else out += c;
    }
    return out;
}

void TMemo::SetText(const AnsiString& t) {
    AnsiString joined;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            joined += '\n';
            if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
        } else {
            joined += t[i];
        }
    }
    SetPlainText(ToQString(joined));
}

TStringList TMemo::Lines() const {
    TStringList list;
    QString text = PlainText();
    if (text.isEmpty()) return list;
    for (const QString& line : text.split(QChar('\n'))) list.Insert(list.Count(), FromQString(line));
    return list;
}

void TMemo::SetLines(const TStringList& lines) {
    QStringList parts;
    for (const AnsiString& l : lines.Items()) parts << ToQString(l);
    SetPlainText(parts.join(QChar('\n')));
}

void TMemo::AddLine(const AnsiString& line) {
    if (pendingText_) {
        SetPlainText(pendingText_->isEmpty() ? ToQString(line) : *pendingText_ + QChar('\n') + ToQString(line));
        return;
    }
    if (memo_->document()->isEmpty()) memo_->setPlainText(ToQString(line));
    else memo_->appendPlainText(ToQString(line));
}

void TMemo::Clear() {
    if (pendingText_) SetPlainText(QString());
    else memo_->clear();
}
void TMemo::SetReadOnly(bool v) { memo_->setReadOnly(v); }
void TMemo::SetWordWrap(bool v) {
    memo_->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}
void TMemo::SetBorderStyle(TBorderStyle b) {
    memo_->setFrameShape(b == TBorderStyle::Single ? QFrame::StyledPanel : QFrame::NoFrame);
}
void TMemo::SetScrollBars(bool vertical) {
    memo_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
