// Screens, the application object that runs them, and timers.
#include "Forms.h"

#include <algorithm>

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "Dialogs.h"

namespace {

TApplication theApplication;

}  // namespace

TApplication* Application = &theApplication;

// Raises and activates a shown window (the offscreen platform has no window stack).
void BringToTop(QWidget* window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    window->raise();
    window->activateWindow();
}

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

void TForm::PrepareSurface() {
    if (isVisible()) return;
    if (!testAttribute(Qt::WA_WState_Created)) winId();
    QBackingStore* surface = backingStore();
    const QRect all(QPoint(0, 0), size());
    if (!surface || surface->size() == all.size()) return;
    surface->resize(all.size());
    // Sized alone, its pages would still be handed over at the first painting.
    surface->beginPaint(all);
    if (QPaintDevice* device = surface->paintDevice()) QPainter(device).fillRect(all, palette().window());
    surface->endPaint();
}

void TForm::ShowForm() {
    const int closes = closeCount_;
    QPointer<TControl> self(this);
    Notify(OnShow);
    if (!self || closeCount_ != closes) return;   // closed by its show handler
    show();
    BringToTop(this);
}

int TForm::ShowModal() {
    // Every screen is whole before one is shown over the others.
    Application->CompleteForms();
    return DialogService::RunModal(*this);
}

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
    // now, innermost first, so that they are at rest when the screen shows again (every
    // widget is looked at: TControl has no meta-object for findChildren to tell it by).
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
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

void TForm::changeEvent(QEvent* e) {
    TControl::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Notify(OnActivate);
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
    StartIdleWork();
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
    later_.clear();
    ahead_.clear();
    aheadPlanned_ = false;
    surfacesAhead_.clear();
    nothingAhead_.clear();
    delete idleWork_;   // its screens are going
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) delete *it;
    terminated_ = false;
}
