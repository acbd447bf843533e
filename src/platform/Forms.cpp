// The component layer: controls painted by us or wrapping a Qt widget.
#include "Forms.h"

#include <algorithm>
#include <climits>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>

#include "Dialogs.h"

namespace {

TApplication theApplication;

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

// Check boxes and radio buttons react over their whole control, as the framework's do.
template <class Button>
class WholeButton : public Button {
public:
    using Button::Button;
protected:
    bool hitButton(const QPoint& p) const override { return this->rect().contains(p); }
};

}  // namespace

// Raises and activates a shown window (the offscreen platform has no window stack).
void BringToTop(QWidget* window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    window->raise();
    window->activateWindow();
}

namespace {

// Drawing text the way labels and panels do.
int AlignFlags(TAlignment a) {
    switch (a) {
    case TAlignment::RightJustify: return Qt::AlignRight;
    case TAlignment::Center: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

}  // namespace

TApplication* Application = &theApplication;

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
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
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

void TControl::showEvent(QShowEvent* e) {
    if (looksPending_ && inner_) ApplyLooks();
    QWidget::showEvent(e);
}

void TControl::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (inner_) inner_->setGeometry(rect());
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
bool TControl::MouseDoubleClick(QMouseEvent* e, QPoint p) {
    QPointer<TControl> self(this);
    if (e->button() == Qt::LeftButton) Notify(OnDblClick);
    if (self && isEnabled()) MouseDown(e, p);
    if (!self) return false;
    pressed_ = false;
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

// ---------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    FitText();
}

void TLabel::SetTransparent(bool v) { transparent_ = v; update(); }
void TLabel::SetAlignment(TAlignment a) {
    // A right-aligned label keeps its right edge at every fit: it fits at once.
    if (a == TAlignment::RightJustify) Settle();
    alignment_ = a;
    update();
}
void TLabel::SetLayoutCenter(bool v) { vcenter_ = v; update(); }

void TLabel::SetAutoSize(bool v) {
    if (!v && autoSize_ && sizePending_) {
        // The fit owed so far keeps the font and text it was owed for.
        if (wordWrap_ || owedFit_) Settle();
        else owedFit_ = std::make_unique<std::pair<QFont, QString>>(font_.ToQFont(), ToQString(caption_));
    }
    autoSize_ = v;
    FitText();
}

void TLabel::SetWordWrap(bool v) {
    if (v && !wordWrap_ && autoSize_ && sizePending_ && !owedFit_) {
        // A wrapped label keeps the width its unwrapped text gave it.
        owedFit_ = std::make_unique<std::pair<QFont, QString>>(font_.ToQFont(), ToQString(caption_));
    } else if (v != wordWrap_) {
        Settle();
    }
    wordWrap_ = v;
    FitText();
    update();
}

void TLabel::SetCaption(const AnsiString& c) {
    if (c == caption_) return;
    caption_ = c;
    FitText();
    update();
}

void TLabel::FitText() {
    if (!autoSize_ || adjusting_) return;
    if (isVisible() || alignment_ == TAlignment::RightJustify) AdjustSize();
    else sizePending_ = true;
}

void TLabel::SizeGiven(bool width, bool height) {
    if (!sizePending_) return;
    if (autoSize_) {
        if (width) owedFit_.reset();   // the fit gives the other side
    } else if (width && height) {
        owedFit_.reset();
        sizePending_ = false;
    } else {
        Settle();   // the other side comes from the fit owed
    }
}

void TLabel::ApplyPendingSize() {
    sizePending_ = false;
    if (owedFit_) {
        const auto owed = std::move(owedFit_);
        Measure(owed->first, owed->second, false);
    }
    AdjustSize();
}

void TLabel::showEvent(QShowEvent* e) {
    Settle();
    TControl::showEvent(e);
}

void TLabel::AdjustSize() {
    if (!autoSize_ || adjusting_) return;
    sizePending_ = false;
    if (owedFit_) {
        ApplyPendingSize();
        return;
    }
    Measure(font_.ToQFont(), ToQString(caption_), wordWrap_);
}

void TLabel::Measure(const QFont& font, const QString& caption, bool wrap) {
    adjusting_ = true;
    const QString text = caption.isEmpty() ? QStringLiteral(" ") : caption;
    const int wrapWidth = wrap ? std::max(1, width()) : -1;
    if (wrapWidth != fitWrapWidth_ || text != fitText_ || font != fitFont_) {
        QFontMetrics fm(font);
        if (wrap) {
            QRect r = fm.boundingRect(QRect(0, 0, wrapWidth, INT_MAX / 4),
                                      Qt::TextWordWrap | AlignFlags(alignment_) | Qt::AlignTop, text);
            fitSize_ = QSize(wrapWidth, std::max(r.height(), fm.height()));
        } else {
            QRect r = fm.boundingRect(QRect(0, 0, INT_MAX / 4, INT_MAX / 4),
                                      Qt::AlignLeft | Qt::AlignTop, text);
            fitSize_ = QSize(r.width(), std::max(r.height(), fm.height()));
        }
        fitFont_ = font;
        fitText_ = text;
        fitWrapWidth_ = wrapWidth;
    }
    // A right-aligned label keeps its right edge.
    if (!wrap && alignment_ == TAlignment::RightJustify) move(x() + width() - fitSize_.width(), y());
    resize(fitSize_);
    adjusting_ = false;
}

void TLabel::StateChanged() {
    FitText();
    update();
}

void TLabel::BoundsChanged() { FitText(); }

void TLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), ToQColor(color_));
    p.setFont(font_.ToQFont());
    p.setPen(isEnabled() ? ToQColor(font_.Color()) : QColor(128, 128, 128));
    int flags = AlignFlags(alignment_) | (vcenter_ ? Qt::AlignVCenter : Qt::AlignTop);
    if (wordWrap_) flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, ToQString(caption_));
}

// ---------------------------------------------------------------------------
// TImage

TImage::TImage(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged() {
    keyed_ = QImage();
    keyedFrom_ = 0;
    if (autoSize_ && !picture_.Empty()) {
        resize(picture_.Width(), picture_.Height());
        BoundsChanged();
    }
    update();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v && !picture_.Empty()) resize(picture_.Width(), picture_.Height());
    update();
}

TCanvas& TImage::Canvas() {
    if (picture_.Empty()) {
        QImage blank(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        blank.fill(Qt::white);
        picture_.image_ = blank;
    }
    picture_.Pixels();   // a deferred picture is drawn on as a copy of its own
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(&picture_.image_);
        canvas_->OnChange = [this] {
            keyed_ = QImage();
            keyedFrom_ = 0;
            update();
        };
    }
    return *canvas_;
}

TRect TImage::DestRect() const {
    int w = picture_.Width(), h = picture_.Height();
    const int cw = width(), ch = height();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            double ratio = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / ratio);
                if (h > ch) { h = ch; w = static_cast<int>(ch * ratio); }
            } else {
                h = ch;
                w = static_cast<int>(ch * ratio);
                if (w > cw) { w = cw; h = static_cast<int>(cw / ratio); }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r{0, 0, w, h};
    if (center_) {
        int dx = (cw - w) / 2, dy = (ch - h) / 2;
        r = TRect{dx, dy, dx + w, dy + h};
    }
    return r;
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.Empty()) return;
    QPainter p(this);
    const QImage* image = &picture_.Image();
    if (transparent_ && !image->hasAlphaChannel()) {
        if (keyed_.isNull() || keyedFrom_ != image->cacheKey()) {
            QImage src = image->convertToFormat(QImage::Format_ARGB32);
            QRgb key = src.pixel(0, src.height() - 1) & 0xFFFFFF;
            for (int y = 0; y < src.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(src.scanLine(y));
                for (int x = 0; x < src.width(); ++x)
                    if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
            }
            keyed_ = src;
            keyedFrom_ = image->cacheKey();
        }
        image = &keyed_;
    }
    TRect d = DestRect();
    if (d.Width() == image->width() && d.Height() == image->height())
        p.drawImage(d.Left, d.Top, *image);
    else
        p.drawImage(QRect(d.Left, d.Top, d.Width(), d.Height()), *image);
}

// ---------------------------------------------------------------------------
// TShape

TShape::TShape(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(65, 65);
    pen_.OnChange = [this] { update(); };
    brush_.OnChange = [this] { update(); };
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int pw = pen_.Style() == TPenStyle::Clear ? 0 : pen_.Width();
    if (pw > 0) {
        QPen pen(ToQColor(pen_.Color()));
        pen.setWidth(pw);
        if (pen_.Style() == TPenStyle::Dot) pen.setStyle(Qt::DotLine);
        if (pen_.Style() == TPenStyle::Dash) pen.setStyle(Qt::DashLine);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    if (brush_.Style() == TBrushStyle::Clear) p.setBrush(Qt::NoBrush);
    else p.setBrush(ToQColor(brush_.Color()));

    // The outline lies inside the control.
    double x = pw / 2.0, y = pw / 2.0;
    double w = width() - pw, h = height() - pw;
    if (pw == 0) { x = 0; y = 0; w = width(); h = height(); }
    double s = std::min(w, h);
    if (shape_ == TShapeType::Square || shape_ == TShapeType::RoundSquare || shape_ == TShapeType::Circle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    QRectF box(x, y, w, h);
    switch (shape_) {
    case TShapeType::Rectangle:
    case TShapeType::Square:
        p.drawRect(box);
        break;
    case TShapeType::RoundRect:
    case TShapeType::RoundSquare:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(box, s / 8, s / 8);
        break;
    case TShapeType::Ellipse:
    case TShapeType::Circle:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(box);
        break;
    }
}

// ---------------------------------------------------------------------------
// TPanel, TGroupBox

TPanel::TPanel(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(185, 41);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
    if (bevel_ != TBevelCut::None) {
        QColor light(255, 255, 255), dark(128, 128, 128);
        if (bevel_ == TBevelCut::Lowered) std::swap(light, dark);
        const int r = width() - 1, b = height() - 1;
        p.setPen(light);
        p.drawLine(0, 0, r, 0);
        p.drawLine(0, 0, 0, b);
        p.setPen(dark);
        p.drawLine(0, b, r, b);
        p.drawLine(r, 0, r, b);
    }
    if (showCaption_ && !caption_.empty()) {
        p.setFont(font_.ToQFont());
        p.setPen(ToQColor(font_.Color()));
        p.drawText(rect(), Qt::AlignCenter, ToQString(caption_));
    }
}

TGroupBox::TGroupBox(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(185, 105);
}

void TGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
    QFontMetrics fm(font_.ToQFont());
    const int top = fm.height() / 2;
    p.setPen(QColor(128, 128, 128));
    p.drawRect(QRect(0, top, width() - 1, height() - top - 1));
    if (!caption_.empty()) {
        QString text = ToQString(caption_);
        QRect box(8, 0, fm.horizontalAdvance(text) + 4, fm.height());
        p.fillRect(box, ToQColor(color_));
        p.setFont(font_.ToQFont());
        p.setPen(ToQColor(font_.Color()));
        p.drawText(box, Qt::AlignCenter, text);
    }
}

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

}  // namespace

QString TMemo::PlainText() const { return pendingText_ ? *pendingText_ : memo_->toPlainText(); }

void TMemo::SetPlainText(const QString& text) {
    if (isVisible()) {
        pendingText_.reset();
        memo_->setPlainText(text);
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
    memo_->setPlainText(*text);
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


// ---------------------------------------------------------------------------
// TListBox

namespace {
constexpr int kAnsiRole = Qt::UserRole + 1;
}

TListBox::TListBox(TControl* parent, const AnsiString& name)
    : TControl(parent, name), list_(new QListWidget(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(121, 97);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    ForwardEventsOf(list_);
    QObject::connect(list_, &QListWidget::currentRowChanged, this, [this](int) {
        // Arrow keys (a mouse click is reported at its release).
        if (!quiet_ && !mouseDown_) Notify(OnClick);
    });
    StateChanged();
}

bool TListBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && isEnabled()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            mouseDown_ = true;
            rowAtPress_ = ItemIndex();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (mouseDown_) {
                mouseDown_ = false;
                QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
                bool onItem = list_->itemAt(p) != nullptr;
                if (ItemIndex() >= 0 && (onItem || ItemIndex() != rowAtPress_)) {
                    QPointer<TControl> self(this);
                    bool handled = TControl::eventFilter(watched, event);
                    if (!self) return true;
                    Notify(OnClick);
                    return handled || !self;
                }
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            mouseDown_ = false;
        }
    }
    return TControl::eventFilter(watched, event);
}

int TListBox::Count() const { return list_->count(); }

AnsiString TListBox::Item(int i) const {
    if (i < 0 || i >= Count()) throw Exception("List index out of bounds (" + IntToStr(i) + ")");
    return list_->item(i)->data(kAnsiRole).toByteArray().toStdString();
}

TStringList TListBox::Items() const {
    TStringList list;
    for (int i = 0; i < Count(); ++i) list.Insert(i, Item(i));
    return list;
}

void TListBox::Insert(int i, const AnsiString& s) {
    auto* item = new QListWidgetItem(ToQString(s));
    item->setData(kAnsiRole, QByteArray(s.data(), static_cast<int>(s.size())));
    quiet_ = true;
    list_->insertItem(i, item);
    quiet_ = false;
}

void TListBox::SetItems(const TStringList& items) {
    Clear();
    for (const AnsiString& s : items.Items()) Add(s);
}

int TListBox::Add(const AnsiString& s) {
    int i = Count();
    if (sorted_) {
        // After the equal items already there.
        int lo = 0, hi = Count();
        while (lo < hi) {
            int mid = (lo + hi) / 2;
            if (AnsiCompareText(Item(mid), s) <= 0) lo = mid + 1;
            else hi = mid;
        }
        i = lo;
    }
    Insert(i, s);
    return i;
}

void TListBox::Delete(int i) {
    if (i < 0 || i >= Count()) return;
    const bool current = list_->currentRow() == i;
    quiet_ = true;
    delete list_->takeItem(i);
    // Removing the selected item leaves nothing selected (not its neighbour).
    if (current) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    }
    quiet_ = false;
}

void TListBox::Clear() {
    quiet_ = true;
    list_->clear();
    quiet_ = false;
}

int TListBox::IndexOf(const AnsiString& s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Item(i), s)) return i;
    return -1;
}

void TListBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    if (!v) return;
    std::vector<AnsiString> items;
    for (int i = 0; i < Count(); ++i) items.push_back(Item(i));
    std::stable_sort(items.begin(), items.end(),
                     [](const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) < 0; });
    Clear();
    for (size_t i = 0; i < items.size(); ++i) Insert(static_cast<int>(i), items[i]);
}

int TListBox::ItemIndex() const {
    QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return -1;
    return list_->row(item);
}

void TListBox::SetItemIndex(int i) {
    quiet_ = true;
    if (i < 0 || i >= Count()) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else {
        list_->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
    }
    quiet_ = false;
}

void TListBox::SelectByUser(int i) {
    if (!isEnabled()) return;
    SetItemIndex(i);
    Notify(OnClick);
}


// ---------------------------------------------------------------------------
// TComboBox

TComboBox::TComboBox(TControl* parent, const AnsiString& name)
    : TControl(parent, name), combo_(new QComboBox(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(145, 21);
    combo_->setEditable(false);
    ForwardEventsOf(combo_);
    QObject::connect(combo_, &QComboBox::activated, this, [this](int) { Notify(OnChange); });
    StateChanged();
}

int TComboBox::Count() const { return combo_->count(); }

AnsiString TComboBox::Item(int i) const {
    if (i < 0 || i >= Count()) throw Exception("List index out of bounds (" + IntToStr(i) + ")");
    return combo_->itemData(i, kAnsiRole).toByteArray().toStdString();
}

void TComboBox::SetItems(const TStringList& items) {
    Clear();
    for (const AnsiString& s : items.Items()) Add(s);
}

int TComboBox::Add(const AnsiString& s) {
    const int current = combo_->currentIndex();
    combo_->addItem(ToQString(s));
    int i = combo_->count() - 1;
    combo_->setItemData(i, QByteArray(s.data(), static_cast<int>(s.size())), kAnsiRole);
    // Adding an item selects nothing.
    if (combo_->currentIndex() != current) combo_->setCurrentIndex(current);
    return i;
}

void TComboBox::Clear() { combo_->clear(); }

int TComboBox::ItemIndex() const { return combo_->currentIndex(); }

void TComboBox::SetItemIndex(int i) {
    combo_->setCurrentIndex(i >= 0 && i < Count() ? i : -1);
}

void TComboBox::SelectByUser(int i) {
    if (!isEnabled()) return;
    SetItemIndex(i);
    Notify(OnChange);
}

AnsiString TComboBox::Text() const {
    int i = ItemIndex();
    return i >= 0 ? Item(i) : AnsiString();
}


// ---------------------------------------------------------------------------
// TProgressBar

TProgressBar::TProgressBar(TControl* parent, const AnsiString& name)
    : TControl(parent, name), bar_(new QProgressBar(this)) {
    resize(150, 17);
    bar_->setTextVisible(false);
    ForwardEventsOf(bar_);
    Sync();
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    position_ = std::clamp(position_, min_, max_);
    Sync();
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    position_ = std::clamp(position_, min_, max_);
    Sync();
}

void TProgressBar::SetPosition(int v) {
    position_ = std::clamp(v, min_, max_);
    Sync();
}

void TProgressBar::StepIt() {
    long long next = static_cast<long long>(position_) + step_;
    const long long range = static_cast<long long>(max_) - min_;
    if (next > max_ || next < min_) {
        if (range <= 0) next = min_;
        else next = min_ + (((next - min_) % range) + range) % range;
    }
    position_ = static_cast<int>(next);
    Sync();
}

void TProgressBar::Sync() {
    bar_->setRange(min_, max_);
    bar_->setValue(position_);
}

// ---------------------------------------------------------------------------
// TPageControl, TTabSheet

TPageControl::TPageControl(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(289, 193);
    setFocusPolicy(Qt::ClickFocus);
}

void TPageControl::AddPage(TTabSheet* page) {
    pages_.push_back(page);
    if (active_ < 0) active_ = static_cast<int>(pages_.size()) - 1;
    LayoutPages();
    page->setVisible(page == ActivePage());
    update();
}

TTabSheet* TPageControl::ActivePage() const {
    return active_ >= 0 && active_ < PageCount() ? pages_[active_] : nullptr;
}

void TPageControl::SetActivePageIndex(int i) {
    active_ = (i >= 0 && i < PageCount()) ? i : -1;
    for (int k = 0; k < PageCount(); ++k) pages_[k]->setVisible(k == active_);
    update();
}

void TPageControl::LayoutPages() {
    for (TTabSheet* page : pages_)
        page->setGeometry(0, TabHeight, width(), std::max(0, height() - TabHeight));
}

TRect TPageControl::TabRect(int i) const {
    if (i < 0 || i >= PageCount()) return TRect{};
    QFontMetrics fm(font_.ToQFont());
    int left = 0;
    for (int k = 0; k < PageCount(); ++k) {
        int w = fm.horizontalAdvance(ToQString(pages_[k]->Caption())) + 16;
        if (k == i) return TRect{left, 0, left + w, TabHeight};
        left += w;
    }
    return TRect{};
}

void TPageControl::resizeEvent(QResizeEvent* e) {
    TControl::resizeEvent(e);
    LayoutPages();
}

void TPageControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(QRect(0, 0, width(), TabHeight), ToQColor(color_));
    p.setFont(font_.ToQFont());
    for (int i = 0; i < PageCount(); ++i) {
        TRect r = TabRect(i);
        QRect box(r.Left, r.Top, r.Width(), r.Height());
        QColor face = ToQColor(pages_[i]->Color());
        p.fillRect(box, i == active_ ? face : face.darker(115));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(ToQColor(font_.Color()));
        p.drawText(box, Qt::AlignCenter, ToQString(pages_[i]->Caption()));
    }
}

void TPageControl::mousePressEvent(QMouseEvent* e) {
    QPointer<TControl> self(this);
    TControl::mousePressEvent(e);
    if (!self || !isEnabled() || e->button() != Qt::LeftButton) return;
    QPoint pos = e->position().toPoint();
    for (int i = 0; i < PageCount(); ++i) {
        TRect r = TabRect(i);
        if (QRect(r.Left, r.Top, r.Width(), r.Height()).contains(pos)) {
            if (i != active_) {
                SetActivePageIndex(i);
                Notify(OnChange);
            }
            return;
        }
    }
}

TTabSheet::TTabSheet(TPageControl* owner, const AnsiString& name, const AnsiString& caption)
    : TControl(owner, name) {
    caption_ = caption;
    if (owner) owner->AddPage(this);
}

TTabSheet::~TTabSheet() {
    if (auto* owner = dynamic_cast<TPageControl*>(Parent())) {
        auto& pages = owner->pages_;
        auto it = std::find(pages.begin(), pages.end(), this);
        if (it != pages.end()) {
            int index = static_cast<int>(it - pages.begin());
            pages.erase(it);
            if (owner->active_ == index) owner->active_ = -1;
            else if (owner->active_ > index) --owner->active_;
            owner->update();
        }
    }
}

int TTabSheet::PageIndex() const {
    if (auto* owner = dynamic_cast<TPageControl*>(Parent())) {
        for (int i = 0; i < owner->PageCount(); ++i)
            if (owner->Page(i) == this) return i;
    }
    return -1;
}

void TTabSheet::StateChanged() {
    TControl::StateChanged();
    if (Parent()) Parent()->update();
}

// ---------------------------------------------------------------------------
// TTreeView, TTreeNode

namespace {
constexpr int kNodeRole = Qt::UserRole + 2;
}

void TTreeNode::SetText(const AnsiString& t) {
    text_ = t;
    if (item_) item_->setText(0, ToQString(t));
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_) ++level;
    return level;
}

int TTreeNode::Index() const {
    const auto& siblings = parent_ ? parent_->children_ : tree_->roots_;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& siblings = parent_ ? parent_->children_ : tree_->roots_;
    int i = Index();
    if (i < 0 || i + 1 >= static_cast<int>(siblings.size())) return nullptr;
    return siblings[i + 1].get();
}

TTreeNode* TTreeNode::GetNext() const {
    if (!children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

bool TTreeNode::Expanded() const { return item_ && item_->isExpanded(); }

void TTreeNode::Expand(bool recurse) {
    if (item_) item_->setExpanded(true);
    if (recurse)
        for (auto& c : children_) c->Expand(true);
}

void TTreeNode::Collapse() {
    if (item_) item_->setExpanded(false);
}

bool TTreeNode::Selected() const { return tree_ && tree_->Selected() == this; }

TTreeView::TTreeView(TControl* parent, const AnsiString& name)
    : TControl(parent, name), tree_(new QTreeWidget(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(121, 97);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setExpandsOnDoubleClick(true);
    ForwardEventsOf(tree_);
    QObject::connect(tree_, &QTreeWidget::currentItemChanged, this,
                     [this](QTreeWidgetItem*, QTreeWidgetItem*) {
                         if (!quiet_) Notify(OnChange);
                     });
    StateChanged();
}

TTreeView::~TTreeView() {
    quiet_ = true;
    QObject::disconnect(tree_, nullptr, this, nullptr);
}

TTreeNode* TTreeView::NodeOf(QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    return reinterpret_cast<TTreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

int TTreeView::Count() const { return static_cast<int>(Nodes().size()); }

TTreeNode* TTreeView::GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

std::vector<TTreeNode*> TTreeView::Nodes() const {
    std::vector<TTreeNode*> all;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext()) all.push_back(n);
    return all;
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const AnsiString& text) {
    auto node = std::make_unique<TTreeNode>();
    TTreeNode* n = node.get();
    n->tree_ = this;
    n->parent_ = parent;
    n->text_ = text;
    n->item_ = new QTreeWidgetItem(QStringList(ToQString(text)));
    n->item_->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(n)));
    quiet_ = true;
    if (parent) {
        parent->item_->addChild(n->item_);
        parent->children_.push_back(std::move(node));
    } else {
        tree_->addTopLevelItem(n->item_);
        roots_.push_back(std::move(node));
    }
    quiet_ = false;
    return n;
}

void TTreeView::LoadFromLines(const std::vector<AnsiString>& lines) {
    Clear();
    // Each open node with its tab count; a line hangs under the nearest one with fewer tabs.
    std::vector<std::pair<int, TTreeNode*>> open;
    for (const AnsiString& line : lines) {
        int tabs = 0;
        while (tabs < static_cast<int>(line.size()) && line[tabs] == '\t') ++tabs;
        while (!open.empty() && open.back().first >= tabs) open.pop_back();
        TTreeNode* parent = open.empty() ? nullptr : open.back().second;
        TTreeNode* node = AddChild(parent, line.substr(tabs));
        open.emplace_back(tabs, node);
    }
}

void TTreeView::Clear() {
    quiet_ = true;
    tree_->clear();
    roots_.clear();
    quiet_ = false;
}

void TTreeView::FullExpand() { tree_->expandAll(); }

TTreeNode* TTreeView::Selected() const {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !item->isSelected()) return nullptr;
    return NodeOf(item);
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (node == Selected()) return;
    quiet_ = true;
    if (node && node->item_) {
        tree_->setCurrentItem(node->item_, 0, QItemSelectionModel::ClearAndSelect);
    } else {
        tree_->clearSelection();
        tree_->setCurrentItem(nullptr);
    }
    quiet_ = false;
    Notify(OnChange);
}

void TTreeView::ClickNode(TTreeNode* node) {
    if (!isEnabled()) return;
    QPointer<TControl> self(this);
    SetSelected(node);
    if (self) Click();
}

void TTreeView::SetIndent(int px) { tree_->setIndentation(px); }
void TTreeView::SetReadOnly(bool) { tree_->setEditTriggers(QAbstractItemView::NoEditTriggers); }


// ---------------------------------------------------------------------------
// TTimer

TTimer::TTimer(QObject* parent, const AnsiString& name) : QObject(parent) {
    SetName(name);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

void TTimer::SetInterval(int ms) {
    interval_ = std::max(0, ms);
    SetEnabled(enabled_);
}

void TTimer::SetEnabled(bool v) {
    enabled_ = v;
    if (enabled_ && interval_ > 0) timer_.start(interval_);
    else timer_.stop();
}

void TTimer::Fire() {
    if (!OnTimer) return;
    TNotifyEvent h = OnTimer;
    RunHandler([&] { h(this); });
}

// ---------------------------------------------------------------------------
// TForm

TForm::TForm(const AnsiString& name, int width, int height) : TControl(nullptr, name) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(width, height);
    CenterOnScreen();
}

void TForm::SetCaption(const AnsiString& c) {
    caption_ = c;
    setWindowTitle(ToQString(c));
}

void TForm::CenterOnScreen() {
    QScreen* s = screen();
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return;
    QRect area = s->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void TForm::ShowForm() {
    const int closes = closeCount_;
    QPointer<TControl> self(this);
    Notify(OnShow);
    if (!self || closeCount_ != closes) return;   // closed by its show handler
    show();
    BringToTop(this);
}

int TForm::ShowModal() { return DialogService::RunModal(*this); }

void TForm::BeginModal() {
    modal_ = true;
    modalResult_ = mrNone;
}

void TForm::EndModal() {
    modal_ = false;
    if (loop_) loop_->quit();
}

void TForm::Close() {
    if (closing_) return;
    closing_ = true;
    ++closeCount_;
    QPointer<TControl> self(this);
    Notify(OnClose);
    if (!self) return;
    hide();
    // A hidden window gets no more leave events: its controls under the mouse are left
    // now, innermost first, so that they are at rest when the screen shows again.
    const QList<TControl*> controls = findChildren<TControl*>();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if (!(*it)->testAttribute(Qt::WA_UnderMouse)) continue;
        (*it)->setAttribute(Qt::WA_UnderMouse, false);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(*it, &leave);
    }
    if (modal_ && modalResult_ == mrNone) modalResult_ = mrCancel;
    if (loop_) loop_->quit();
    closing_ = false;
    if (Application->MainForm() == this) Application->Terminate();
}

void TForm::closeEvent(QCloseEvent* e) {
    // The window system asks to close: close as the screen does.
    e->ignore();
    if (!closing_) Close();
}

// ---------------------------------------------------------------------------
// TApplication

void TApplication::Run() {
    if (!mainForm_) return;
    terminated_ = false;
    QApplication::setQuitOnLastWindowClosed(false);
    mainForm_->ShowForm();
    if (!terminated_ && mainForm_->Visible()) QApplication::exec();
}

void TApplication::ShowException(const std::exception* e) {
    ShowMessage(e ? AnsiString(e->what()) : AnsiString());
}

void TApplication::Terminate() {
    terminated_ = true;
    QCoreApplication::exit(0);
}

void TApplication::DestroyForms() {
    std::vector<TForm*> forms;
    forms.swap(forms_);
    mainForm_ = nullptr;
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) delete *it;
    terminated_ = false;
}
