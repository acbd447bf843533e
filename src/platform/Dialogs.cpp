// Message boxes, the input box, web links and modal screens, real or hooked.
#include "Dialogs.h"

#include <memory>

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "Forms.h"

namespace {

std::unique_ptr<DialogHooks> hooks;

QString Title() {
    if (Application && Application->MainForm()) {
        QString t = Application->MainForm()->windowTitle();
        if (!t.isEmpty()) return t;
    }
    return QApplication::applicationName();
}

QString TypeTitle(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning: return ToQString(Utf8ToAnsi("Avertissement"));
    case TMsgDlgType::Error: return ToQString(Utf8ToAnsi("Erreur"));
    case TMsgDlgType::Information: return ToQString(Utf8ToAnsi("Information"));
    case TMsgDlgType::Confirmation: return ToQString(Utf8ToAnsi("Confirmation"));
    default: return Title();
    }
}

QMessageBox::Icon TypeIcon(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning: return QMessageBox::Warning;
    case TMsgDlgType::Error: return QMessageBox::Critical;
    case TMsgDlgType::Information: return QMessageBox::Information;
    case TMsgDlgType::Confirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

void InstallDialogHooks(const DialogHooks& h) { hooks = std::make_unique<DialogHooks>(h); }
void ClearDialogHooks() { hooks.reset(); }
bool DialogHooksInstalled() { return hooks != nullptr; }

void ShowMessage(const AnsiString& text) {
    if (hooks) {
        if (hooks->message) {
            auto h = hooks->message;
            h(text);
        }
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, Title(), ToQString(text), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText("OK");
    box.exec();
}

int MessageDlg(const AnsiString& text, TMsgDlgType type, int buttons) {
    if (hooks) {
        if (!hooks->dialog) return mrOk;
        auto h = hooks->dialog;
        return h(text, type, buttons);
    }
    QMessageBox box(TypeIcon(type), TypeTitle(type), ToQString(text));
    struct Choice { int flag; QMessageBox::StandardButton button; const char* caption; int result; };
    const Choice choices[] = {
        {mbYes, QMessageBox::Yes, "Oui", mrYes},
        {mbNo, QMessageBox::No, "Non", mrNo},
        {mbOK, QMessageBox::Ok, "OK", mrOk},
        {mbCancel, QMessageBox::Cancel, "Annuler", mrCancel},
    };
    if ((buttons & (mbYes | mbNo | mbOK | mbCancel)) == 0) buttons = mbOK;
    for (const Choice& c : choices)
        if (buttons & c.flag) box.addButton(c.button)->setText(c.caption);
    // Escape answers Cancel, else No, else OK, as a closed dialog does.
    if (buttons & mbCancel) box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & mbNo) box.setEscapeButton(QMessageBox::No);
    else if (buttons & mbOK) box.setEscapeButton(QMessageBox::Ok);
    int pressed = box.exec();
    for (const Choice& c : choices)
        if (pressed == c.button) return c.result;
    return mrCancel;
}

AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& def) {
    if (hooks) {
        if (!hooks->input) return def;
        auto h = hooks->input;
        return h(caption, prompt, def);
    }
    QInputDialog box;
    box.setWindowTitle(ToQString(caption));
    box.setLabelText(ToQString(prompt));
    box.setTextValue(ToQString(def));
    box.setOkButtonText("OK");
    box.setCancelButtonText(ToQString(Utf8ToAnsi("Annuler")));
    return box.exec() == QDialog::Accepted ? FromQString(box.textValue()) : def;
}

void OpenUrl(const AnsiString& url) {
    if (hooks) {
        if (hooks->openUrl) {
            auto h = hooks->openUrl;
            h(url);
        }
        return;
    }
    QDesktopServices::openUrl(QUrl(ToQString(url)));
}

DialogHooks RecordingHooks(RecordedDialogs& record,
                           std::map<AnsiString, std::function<void(TForm&)>> scripts) {
    DialogHooks h;
    h.message = [&record](const AnsiString& text) { record.messages.push_back(text); };
    h.dialog = [&record](const AnsiString& text, TMsgDlgType, int) {
        record.messages.push_back(text);
        return static_cast<int>(mrOk);
    };
    h.input = [](const AnsiString&, const AnsiString&, const AnsiString& def) { return def; };
    h.openUrl = [&record](const AnsiString& url) { record.urls.push_back(url); };
    h.modal = [&record, scripts](TForm& form) {
        record.modalForms.push_back(form.Name());
        auto it = scripts.find(form.Name());
        if (it != scripts.end() && it->second) it->second(form);
    };
    return h;
}

int DialogService::RunModal(TForm& form) {
    // A screen already shown modally has its loop running: a second one would never end.
    if (form.Modal()) throw Exception("Cannot make a visible window modal");
    QPointer<TControl> alive(&form);
    if (!form.isHidden()) form.hide();
    form.BeginModal();
    const int closes = form.closeCount_;
    form.Notify(form.OnShow);
    if (!alive) return mrCancel;
    if (form.closeCount_ != closes) {   // closed by its show handler
        form.EndModal();
        return form.ModalResult();
    }

    if (hooks) {
        form.show();
        if (hooks->modal) {
            auto h = hooks->modal;
            RunHandler([&] { h(form); });
        }
        if (!alive) return mrCancel;
        if (form.Visible()) form.Close();
        if (!alive) return mrCancel;
        form.EndModal();
        return form.ModalResult();
    }

    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    BringToTop(&form);
    QEventLoop loop;
    form.loop_ = &loop;
    if (form.Visible()) loop.exec(QEventLoop::DialogExec);
    if (!alive) return mrCancel;
    form.loop_ = nullptr;
    if (form.Visible()) form.hide();   // the application loop ended first
    form.setWindowModality(Qt::NonModal);
    form.EndModal();
    return form.ModalResult();
}
