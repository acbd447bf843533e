#include "ScreenFixture.h"

#include <cstdio>

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "home/Screens.h"
#include "platform/Text.h"

AnsiString Ansi(const char* utf8) { return Utf8ToAnsi(utf8); }

void ScreenTest::SetUp() {
    data = std::make_unique<TempDataFolder>();
    DialogHooks hooks;
    hooks.message = [this](const AnsiString& text) { messages.push_back(text); };
    hooks.dialog = [this](const AnsiString& text, TMsgDlgType, int) {
        dialogs.push_back(text);
        return static_cast<int>(mrOk);
    };
    hooks.input = [this](const AnsiString&, const AnsiString& prompt, const AnsiString& def) {
        inputs.push_back(prompt);
        if (inputAnswers.empty()) return def;
        AnsiString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    };
    hooks.openUrl = [this](const AnsiString& url) { urls.push_back(url); };
    hooks.modal = [this](TForm& form) {
        modalForms.push_back(form.Name());
        if (onModal) onModal(form);
    };
    InstallDialogHooks(hooks);
    CreateScreens();
    // What the running program builds once idle, before any test acts.
    CompleteScreens();
}

void ScreenTest::TearDown() {
    DestroyScreens();
    ClearDialogHooks();
    data.reset();
}

void ScreenTest::RunStartup() {
    Application->MainForm()->ShowForm();
}

std::string ScreenTest::DataPath(const std::string& name) const {
    return data->Path(name);
}

void ScreenTest::WriteLearnerFile(const std::vector<std::string>& utf8Lines) {
    data->WriteLearnerFile(utf8Lines);
}

void ScreenTest::RemoveLearnerFile() { std::remove(DataPath("liste_apprenants.txt").c_str()); }

void ScreenTest::TypeText(TEdit* edit, const char* utf8) {
    edit->findChild<QLineEdit*>()->setText(QString::fromUtf8(utf8));
}

void ScreenTest::SendEnter(QWidget* w) {
    QPointF local(w->width() / 2.0, w->height() / 2.0);
    QEnterEvent event(local, w->mapTo(w->window(), local), w->mapToGlobal(local));
    QApplication::sendEvent(w, &event);
}

void ScreenTest::SendLeave(QWidget* w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

namespace {
void SendButton(QWidget* w, QEvent::Type type, Qt::MouseButtons buttons, QPointF local) {
    QMouseEvent event(type, local, w->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void SendButton(QWidget* w, QEvent::Type type, Qt::MouseButtons buttons) {
    SendButton(w, type, buttons, QPointF(w->width() / 2.0, w->height() / 2.0));
}
}  // namespace

void ScreenTest::SendClick(QWidget* w) {
    SendButton(w, QEvent::MouseButtonPress, Qt::LeftButton);
    SendButton(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

void ScreenTest::SendDoubleClick(QWidget* w) {
    SendClick(w);
    SendButton(w, QEvent::MouseButtonDblClick, Qt::LeftButton);
    SendButton(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

QWidget* ScreenTest::ClickAt(TForm* form, int x, int y) {
    QWidget* hit = form->childAt(x, y);
    if (!hit) hit = form;
    const QPointF local = hit->mapFrom(form, QPoint(x, y));
    SendEnter(hit);
    SendButton(hit, QEvent::MouseButtonPress, Qt::LeftButton, local);
    SendButton(hit, QEvent::MouseButtonRelease, Qt::NoButton, local);
    return hit;
}

std::vector<AnsiString> ScreenTest::CoveredControls(TForm* form) {
    if (!form->isVisible()) return {"(screen not shown)"};
    std::vector<AnsiString> covered;
    // TControl has no meta-object of its own: every widget is looked at.
    for (QWidget* w : form->findChildren<QWidget*>()) {
        auto* c = dynamic_cast<TControl*>(w);
        if (!c) continue;
        const bool input = dynamic_cast<TEdit*>(c) || dynamic_cast<TMemo*>(c) ||
                           dynamic_cast<TListBox*>(c) || dynamic_cast<TComboBox*>(c) ||
                           dynamic_cast<TTreeView*>(c) || dynamic_cast<TButtonControl*>(c) ||
                           dynamic_cast<TButton*>(c);
        if (!input && !c->OnClick && !c->OnDblClick && !c->OnMouseDown) continue;
        if (!c->isVisible() || c->width() <= 0 || c->height() <= 0) continue;
        // Reachable when a click lands on it somewhere: an 8 x 8 grid of points is tried.
        bool reachable = false;
        for (int i = 1; i <= 8 && !reachable; ++i)
            for (int j = 1; j <= 8 && !reachable; ++j) {
                const QPoint p(c->width() * i / 9, c->height() * j / 9);
                QWidget* hit = form->childAt(c->mapTo(form, p));
                reachable = hit == c || c->isAncestorOf(hit);
            }
        if (!reachable) covered.push_back(c->Name());
    }
    return covered;
}

QWidget* ScreenTest::ClickOn(QWidget* w, QPoint local) {
    const QPoint p = w->mapTo(w->window(), local);
    return ClickAt(static_cast<TForm*>(w->window()), p.x(), p.y());
}
