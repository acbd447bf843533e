// The work the screens leave for when the program is idle: building what the first
// window does not show, then drawing ahead the pictures the screens hold, so that the
// first showing of a screen costs what a later one does.
#include "Forms.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QSet>

namespace {

// Watches the application's events until the idle work is done: the first painting of
// the main window starts it; a click, a key or a request to close completes the
// building at once, before the event reaches its screen. The application owns it, so
// it goes with the application when the loop ends first.
class IdleWork : public QObject {
public:
    explicit IdleWork(TForm* main) : QObject(qApp), main_(main) { setObjectName("idleWork"); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Paint:
            if (!started_ && watched == main_) {
                started_ = true;
                // After this painting is on the screen.
                QTimer::singleShot(0, this, [this] { Step(); });
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::Close:
            RunHandler([] { Application->CompleteForms(); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    // One step at a time: what arrives meanwhile waits for one step at most.
    void Step() {
        // The screens it was started for are gone (tests create them anew): nothing to do.
        if (main_ && Application->RunIdleStep()) QTimer::singleShot(0, this, [this] { Step(); });
        else deleteLater();
    }
    QPointer<TForm> main_;
    bool started_ = false;
};

const char* const kShownAtTimes = "shownAtTimes";

// Whether the screen shows the control on one of its pages: nothing between them is
// hidden but pages, which their page control hides while another one is shown, and
// layers covering at least half the screen, which it shows in turn; or the control is
// in a part marked as shown at times. Pictures kept in small hidden stores are drawn
// when a screen first copies them out.
bool OnAPageOf(QWidget* w, const TForm* form) {
    const int half = form->width() * form->height() / 2;
    for (; w && w != form; w = w->parentWidget()) {
        if (w->property(kShownAtTimes).toBool()) return true;
        if (w->isHidden() && !dynamic_cast<TTabSheet*>(w) && w->width() * w->height() < half) return false;
    }
    return w == form;
}

}  // namespace

void TApplication::ShowsAtTimes(QWidget* part) { part->setProperty(kShownAtTimes, true); }

void TApplication::Defer(std::function<void()> step) { later_.push_back(std::move(step)); }

namespace {
// The first step of a queue, taken out of it (a step may add others meanwhile).
std::function<void()> TakeFirst(std::deque<std::function<void()>>& steps) {
    std::function<void()> step = std::move(steps.front());
    steps.pop_front();
    return step;
}
}  // namespace

void TApplication::CompleteForms() {
    while (!later_.empty()) TakeFirst(later_)();
}

bool TApplication::RunIdleStep() {
    if (!later_.empty()) {
        RunHandler(TakeFirst(later_));
        return true;
    }
    if (!aheadPlanned_) PlanDrawingAhead();
    if (ahead_.empty()) return false;
    TakeFirst(ahead_)();
    return true;
}

namespace {
bool IsMarked(const std::vector<std::function<TForm*()>>& marked, const TForm* form) {
    return std::any_of(marked.begin(), marked.end(),
                       [form](const std::function<TForm*()>& screen) { return screen() == form; });
}
}  // namespace

// Each screen is made ready for its first showing (styles applied, window created),
// then every picture it shows on any of its pages is drawn: one step each.
void TApplication::PlanDrawingAhead() {
    aheadPlanned_ = true;
    for (TForm* form : forms_) {
        if (!form || IsMarked(nothingAhead_, form)) continue;
        QPointer<TForm> screen(form);
        ahead_.push_back([screen] {
            if (!screen) return;
            screen->ensurePolished();
            if (!screen->testAttribute(Qt::WA_WState_Created)) screen->winId();
            // The letters of every control's font, hidden ones too, are drawn once: the
            // font files are read and the letters kept, whatever text comes later.
            static const QString letters = QString::fromUtf8(
                " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz"
                "{|}àâäçéèêëîïôöùûüÀÂÇÉÈÊËÎÏÔÙÛœŒ«»’…€");
            QImage sheet(16, 16, QImage::Format_RGB32);
            QPainter p(&sheet);
            QSet<QString> seen, found;
            for (QWidget* w : screen->findChildren<QWidget*>()) {
                const QFont& font = w->font();
                if (!seen.contains(font.key())) {
                    seen.insert(font.key());
                    p.setFont(font);
                    p.drawText(0, 12, letters);
                }
                // A hidden control takes its own font only when shown: the font is found now.
                if (const auto* control = dynamic_cast<const TControl*>(w)) {
                    const QFont own = control->Font().ToQFont();
                    if (seen.contains(own.key()) || found.contains(own.key())) continue;
                    found.insert(own.key());
                    QFontMetrics(own).height();
                }
            }
        });
        // TControl has no meta-object of its own: every widget is looked at.
        for (QWidget* w : form->findChildren<QWidget*>()) {
            auto* image = dynamic_cast<TImage*>(w);
            if (!image || !OnAPageOf(image, form)) continue;
            const DeferredImage source = image->Picture().Source();
            if (!source || source->Drawn()) continue;
            ahead_.push_back([source] { source->Image(); });
        }
        // Painted once out of sight, with its pictures ready: the fonts' letters and
        // what each control prepares at its first painting are then ready too. A band at
        // a time: a canvas of the whole screen, once freed, would stay with the allocator.
        ahead_.push_back([screen] {
            if (!screen || screen->isVisible()) return;
            constexpr int kBandHeight = 64;
            QImage band(screen->width(), kBandHeight, QImage::Format_RGB32);
            for (int top = 0; top < screen->height(); top += kBandHeight)
                screen->render(&band, QPoint(), QRegion(0, top, screen->width(), kBandHeight));
        });
        if (IsMarked(surfacesAhead_, form))
            ahead_.push_back([screen] {
                if (screen) screen->PrepareSurface();
            });
    }
}

void TApplication::StartIdleWork() {
    // One at a time: the work of an earlier run, left unfinished, gives way.
    delete idleWork_;
    if (!mainForm_ || (later_.empty() && aheadPlanned_)) return;
    idleWork_ = new IdleWork(mainForm_);
    qApp->installEventFilter(idleWork_);
}
