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
        if (dialogAnswers.empty()) return static_cast<int>(mrOk);
        int answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
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
void SendButton(QWidget* w, QEvent::Type type, Qt::MouseButtons buttons) {
    QPointF local(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent event(type, local, w->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
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
    SendEnter(hit);
    SendClick(hit);
    return hit;
}
