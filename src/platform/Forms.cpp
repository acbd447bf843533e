// The component layer's base: every control's state, its place among its parent's
// controls, and the mouse, key and focus events that run its handlers.
#include "Forms.h"

#include <algorithm>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace {

int ShiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b = Qt::NoButton) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    if (b & Qt::LeftButton) s |= ssLeft;
    if (b & Qt::RightButton) s |= ssRight;
    return s;
}

TMouseButton ButtonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return TMouseButton::Right;
    if (b == Qt::MiddleButton) return TMouseButton::Middle;
    return TMouseButton::Left;
}

// The controls holding the focus widget, innermost first, up to (not including) the form.
std::vector<QPointer<TControl>> FocusChain(QWidget* w) {
    std::vector<QPointer<TControl>> chain;
    for (; w; w = w->parentWidget()) {
        if (w->isWindow()) break;
        if (auto* c = dynamic_cast<TControl*>(w)) chain.emplace_back(c);
    }
    return chain;
}

bool Contains(const std::vector<QPointer<TControl>>& v, TControl* c) {
    return std::any_of(v.begin(), v.end(), [c](const QPointer<TControl>& p) { return p.data() == c; });
}

// OnExit for the controls the focus leaves (innermost first), then OnEnter for the
// controls it enters (outermost first).
void FocusMoved(QWidget* old, QWidget* now) {
    if (QCoreApplication::closingDown()) return;
    auto from = FocusChain(old);
    auto to = FocusChain(now);
    for (auto& c : from)
        if (c && !Contains(to, c) && c->isEnabled() && c->OnExit) {
            TNotifyEvent h = c->OnExit;
            TControl* sender = c;
            RunHandler([&] { h(sender); });
        }
    for (auto it = to.rbegin(); it != to.rend(); ++it) {
        auto& c = *it;
        if (c && !Contains(from, c) && c->isEnabled() && c->OnEnter) {
            TNotifyEvent h = c->OnEnter;
            TControl* sender = c;
            RunHandler([&] { h(sender); });
        }
    }
}

void WatchFocus() {
    static bool watching = false;
    if (watching || !qApp) return;
    watching = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &FocusMoved);
}

void SetColors(QWidget* w, TColor back, TColor text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, ToQColor(back));
    pal.setColor(QPalette::Window, ToQColor(back));
    pal.setColor(QPalette::Button, ToQColor(back));
    pal.setColor(QPalette::Text, ToQColor(text));
    pal.setColor(QPalette::WindowText, ToQColor(text));
    pal.setColor(QPalette::ButtonText, ToQColor(text));
    w->setPalette(pal);
}

}  // namespace

void RunHandler(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& e) {
        Application->ShowException(&e);
    } catch (...) {
        Application->ShowException(nullptr);
    }
}

// ---------------------------------------------------------------------------
// TControl

TControl::TControl(TControl* parent, const AnsiString& name) : QWidget(parent), parent_(parent) {
    WatchFocus();
    SetName(name);
    setMouseTracking(true);
    if (parent) {
        parent->controls_.push_back(this);
        color_ = parent->color_;
        inheritingFont_ = true;
        font_.Assign(parent->font_);
        inheritingFont_ = false;
    }
    font_.OnChange = [this] { FontChanged(); };
    // Controls paint with their own font; Qt's is only what a wrapped widget starts with,
    // so only a form gives it (its controls inherit it).
    if (!parent) QWidget::setFont(font_.ToQFont());
    if (parent) show();
}

TControl::~TControl() {
    for (TControl* child : controls_) child->parent_ = nullptr;
    controls_.clear();
    if (parent_) {
        // Searched from the end: a panel emptied from its last control on finds each at
        // once, however many it holds.
        auto& list = parent_->controls_;
        const auto at = std::find(list.rbegin(), list.rend(), this);
        if (at != list.rend()) list.erase(std::next(at).base());
        parent_ = nullptr;
    }
    font_.OnChange = nullptr;
    if (inner_) {
        QObject::disconnect(inner_, nullptr, this, nullptr);
        inner_->removeEventFilter(this);
        if (mouseTarget_ && mouseTarget_ != inner_) mouseTarget_->removeEventFilter(this);
        delete inner_;
        inner_ = nullptr;
        mouseTarget_ = nullptr;
    }
}

void TControl::SetLeft(int v) { move(v, y()); BoundsChanged(); }
void TControl::SetTop(int v) { move(x(), v); BoundsChanged(); }
void TControl::SetWidth(int v) { SizeGiven(true, false); resize(std::max(0, v), height()); BoundsChanged(); }
void TControl::SetHeight(int v) { SizeGiven(false, true); resize(width(), std::max(0, v)); BoundsChanged(); }
void TControl::SetBounds(int left, int top, int w, int h) {
    SizeGiven(true, true);
    setGeometry(left, top, std::max(0, w), std::max(0, h));
    BoundsChanged();
}

void TControl::SetVisible(bool v) {
    if (v == Visible()) return;
    if (v && isWindow()) {
        if (auto* form = dynamic_cast<TForm*>(this)) {
            form->ShowForm();
            return;
        }
    }
    setVisible(v);
    VisibleChanged();
}

void TControl::SetEnabled(bool v) {
    setEnabled(v);
    if (!v) pressed_ = false;
    StateChanged();
}

void TControl::SetCaption(const AnsiString& c) {
    if (c == caption_) return;
    caption_ = c;
    StateChanged();
}

void TControl::SetHint(const AnsiString& h) {
    hint_ = h;
    setToolTip(showHint_ ? ToQString(hint_) : QString());
}

void TControl::SetShowHint(bool v) {
    showHint_ = v;
    setToolTip(showHint_ ? ToQString(hint_) : QString());
}

void TControl::SetColor(TColor c) {
    parentColor_ = false;
    if (c == color_) return;
    color_ = c;
    StateChanged();
    PropagateColor();
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_ && color_ != parent_->color_) {
        color_ = parent_->color_;
        StateChanged();
        PropagateColor();
    }
}

void TControl::PropagateColor() {
    for (TControl* child : controls_)
        if (child->parentColor_ && child->color_ != color_) {
            child->color_ = color_;
            child->StateChanged();
            child->PropagateColor();
        }
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_) {
        inheritingFont_ = true;
        font_.Assign(parent_->font_);
        inheritingFont_ = false;
    }
}

void TControl::FontChanged() {
    if (!inheritingFont_) parentFont_ = false;
    StateChanged();
    PropagateFont();
}

void TControl::PropagateFont() {
    for (TControl* child : controls_)
        if (child->parentFont_) {
            child->inheritingFont_ = true;
            child->font_.Assign(font_);
            child->inheritingFont_ = false;
        }
}

void TControl::SetCursor(TCursor c) {
    cursor_ = c;
    switch (c) {
    case TCursor::HandPoint: setCursor(Qt::PointingHandCursor); break;
    case TCursor::IBeam: setCursor(Qt::IBeamCursor); break;
    default: unsetCursor(); break;
    }
}

TForm* TControl::OwnerForm() {
    TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

void TControl::Notify(const TNotifyEvent& handler) {
    if (!handler) return;
    TNotifyEvent h = handler;   // the control may go away while it runs
    RunHandler([&] { h(this); });
}

void TControl::Click() {
    if (!isEnabled()) return;
    Notify(OnClick);
}

void TControl::StateChanged() {
    // A wrapped widget shows the control's font and colours; a hidden one takes them when
    // shown (a new font makes lists and texts lay themselves out again).
    if (inner_) {
        if (isVisible()) ApplyLooks();
        else looksPending_ = true;
    }
    update();
}

void TControl::ApplyLooks() {
    looksPending_ = false;
    const QFont font = font_.ToQFont();
    inner_->setFont(font);
    QWidget::setFont(font);
    SetColors(inner_, color_, font_.Color());
}

void TControl::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (inner_) inner_->setGeometry(rect());
}

void TControl::KeepUncovered(const std::vector<TControl*>& controls) {
    for (TControl* c : controls) {
        uncovered_.emplace_back(c);
        c->installEventFilter(this);
    }
    CutAway();
}

// The control shows all of itself but what the controls it keeps uncovered take.
void TControl::CutAway() {
    if (uncovered_.empty()) return;
    QWidget* window = this->window();
    const QPoint origin = mapTo(window, QPoint(0, 0));
    QRegion shown(rect());
    for (const QPointer<TControl>& c : uncovered_) {
        if (!c || !c->isVisibleTo(window)) continue;
        const QRegion area = c->mask().isEmpty() ? QRegion(c->rect()) : c->mask();
        shown -= area.translated(c->mapTo(window, QPoint(0, 0)) - origin);
    }
    if (shown == QRegion(rect())) clearMask();
    else setMask(shown);
}

void TControl::showEvent(QShowEvent* e) {
    if (looksPending_ && inner_) ApplyLooks();
    QWidget::showEvent(e);
    CutAway();
}

void TControl::paintEvent(QPaintEvent*) {
    if (!PaintsBackground()) return;
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
}

// Mouse and key events, from the control itself or from its wrapped widget (p is in
// the control's coordinates). Each returns false when a handler deleted the control.

bool TControl::MouseDown(QMouseEvent* e, QPoint p) {
    if (e->button() == Qt::LeftButton) pressed_ = true;
    if (!OnMouseDown) return true;
    QPointer<TControl> self(this);
    TMouseEvent h = OnMouseDown;
    RunHandler([&] { h(this, ButtonOf(e->button()), ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y()); });
    return !self.isNull();
}

bool TControl::MouseUp(QMouseEvent* e, QPoint p) {
    QPointer<TControl> self(this);
    if (e->button() == Qt::LeftButton) {
        const bool click = pressed_ && rect().contains(p);
        pressed_ = false;
        if (click && ForwardsClick()) Click();
        if (!self) return false;
    }
    if (OnMouseUp && isEnabled()) {
        TMouseEvent h = OnMouseUp;
        RunHandler([&] { h(this, ButtonOf(e->button()), ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y()); });
    }
    return !self.isNull();
}

// A double click: OnDblClick, then OnMouseDown; the release that follows is no click.
// A control that takes no double click counts the second press as a click of its own,
// so that a command clicked twice quickly acts twice.
bool TControl::MouseDoubleClick(QMouseEvent* e, QPoint p) {
    QPointer<TControl> self(this);
    const bool takesDoubleClick = static_cast<bool>(OnDblClick);
    if (e->button() == Qt::LeftButton) Notify(OnDblClick);
    if (self && isEnabled()) MouseDown(e, p);
    if (!self) return false;
    if (takesDoubleClick) pressed_ = false;
    return true;
}

void TControl::MouseMove(QMouseEvent* e, QPoint p) {
    if (!OnMouseMove) return;
    TMouseMoveEvent h = OnMouseMove;
    RunHandler([&] { h(this, ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y()); });
}

bool TControl::KeyDown(QKeyEvent* e, char& typed) {
    const AnsiString text = FromQString(e->text());
    typed = text.size() == 1 ? text[0] : 0;
    QPointer<TControl> self(this);
    if (OnKeyDown) {
        int key = e->key();
        TKeyEvent h = OnKeyDown;
        RunHandler([&] { h(this, key, ShiftOf(e->modifiers())); });
        if (!self || key == 0) return false;
    }
    if (OnKeyPress && typed != 0) {
        TKeyPressEvent h = OnKeyPress;
        RunHandler([&] { h(this, typed); });
        if (!self || typed == 0) return false;
    }
    return true;
}

bool TControl::KeyUp(QKeyEvent* e) {
    if (!OnKeyUp) return true;
    int key = e->key();
    TKeyEvent h = OnKeyUp;
    QPointer<TControl> self(this);
    RunHandler([&] { h(this, key, ShiftOf(e->modifiers())); });
    return self && key != 0;
}

// Qt sends no mouse event to a disabled control: its clicks reach the parent.
void TControl::mousePressEvent(QMouseEvent* e) {
    e->accept();
    MouseDown(e, e->position().toPoint());
}

void TControl::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    MouseUp(e, e->position().toPoint());
}

void TControl::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
    MouseDoubleClick(e, e->position().toPoint());
}

void TControl::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    MouseMove(e, e->position().toPoint());
}

// Entering and leaving reach disabled controls too (their hints still show).
void TControl::enterEvent(QEnterEvent*) { Notify(OnMouseEnter); }
void TControl::leaveEvent(QEvent*) { Notify(OnMouseLeave); }

void TControl::keyPressEvent(QKeyEvent* e) {
    // Keys reach only the focused control (not its parents, not a wrapper).
    if (!hasFocus() || inner_ || !isEnabled()) {
        e->ignore();
        return;
    }
    char typed = 0;
    KeyDown(e, typed);
}

void TControl::keyReleaseEvent(QKeyEvent* e) {
    if (!hasFocus() || inner_ || !isEnabled()) {
        e->ignore();
        return;
    }
    KeyUp(e);
}

void TControl::ForwardEventsOf(QWidget* inner) {
    inner_ = inner;
    mouseTarget_ = inner;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(inner)) mouseTarget_ = area->viewport();
    inner->installEventFilter(this);
    if (mouseTarget_ != inner) mouseTarget_->installEventFilter(this);
    // Events the wrapped widget leaves do not fall through to this control.
    inner->setAttribute(Qt::WA_NoMousePropagation);
    mouseTarget_->setAttribute(Qt::WA_NoMousePropagation);
    inner->setMouseTracking(true);
    mouseTarget_->setMouseTracking(true);
    inner->setGeometry(rect());
}

bool TControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        for (const QPointer<TControl>& c : uncovered_)
            if (c == watched) {
                CutAway();
                break;
            }
        break;
    default: break;
    }
    if (forwarding_ || !inner_ || !isEnabled()) return false;
    if (watched == mouseTarget_) {
        auto mouse = [&] { return static_cast<QMouseEvent*>(event); };
        auto at = [&] { return static_cast<QWidget*>(watched)->mapTo(this, mouse()->position().toPoint()); };
        switch (event->type()) {
        case QEvent::MouseButtonPress: return !MouseDown(mouse(), at());
        case QEvent::MouseButtonRelease: return !MouseUp(mouse(), at());
        case QEvent::MouseButtonDblClick: return !MouseDoubleClick(mouse(), at());
        case QEvent::MouseMove: MouseMove(mouse(), at()); return false;
        default: break;
        }
    }
    if (watched == inner_) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            const AnsiString text = FromQString(e->text());
            const char original = text.size() == 1 ? text[0] : 0;
            char typed = 0;
            QPointer<TControl> self(this);
            if (!KeyDown(e, typed)) return true;
            if (typed == original) return false;
            // The handler changed the character: the widget receives the new one.
            QKeyEvent changed(QEvent::KeyPress, e->key(), e->modifiers(), ToQString(AnsiString(1, typed)));
            forwarding_ = true;
            QCoreApplication::sendEvent(inner_, &changed);
            if (self) forwarding_ = false;
            return true;
        }
        case QEvent::KeyRelease: return !KeyUp(static_cast<QKeyEvent*>(event));
        default: break;
        }
    }
    return false;
}
