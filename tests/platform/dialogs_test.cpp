// The dialog service: hooks replace every dialog; modal screens run inside the hook.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QTimer>
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Forms.h"

namespace {

class DialogsTest : public ::testing::Test {
protected:
    void TearDown() override { ClearDialogHooks(); }
};

TEST_F(DialogsTest, HooksReceiveEveryDialogAndScriptTheAnswers) {
    std::vector<std::string> seen;
    DialogHooks hooks;
    hooks.message = [&](const AnsiString& t) { seen.push_back("message:" + t); };
    hooks.dialog = [&](const AnsiString& t, TMsgDlgType type, int buttons) {
        seen.push_back("dialog:" + t);
        EXPECT_EQ(type, TMsgDlgType::Confirmation);
        EXPECT_EQ(buttons, mbYes | mbNo);
        return static_cast<int>(mrNo);
    };
    hooks.input = [&](const AnsiString& caption, const AnsiString& prompt, const AnsiString& def) {
        seen.push_back("input:" + caption + "/" + prompt + "/" + def);
        return AnsiString("12");
    };
    hooks.openUrl = [&](const AnsiString& url) { seen.push_back("url:" + url); };
    EXPECT_FALSE(DialogHooksInstalled());
    InstallDialogHooks(hooks);
    EXPECT_TRUE(DialogHooksInstalled());

    ShowMessage(Utf8ToAnsi("Aucun exercice restant pour ce chapitre"));
    EXPECT_EQ(MessageDlg("Quitter ?", TMsgDlgType::Confirmation, mbYes | mbNo), mrNo);
    EXPECT_EQ(InputBox("Titre", "Nombre", "0"), "12");
    OpenUrl("https://example.org/");
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "message:" + Utf8ToAnsi("Aucun exercice restant pour ce chapitre"),
                        "dialog:Quitter ?", "input:Titre/Nombre/0", "url:https://example.org/"}));

    ClearDialogHooks();
    EXPECT_FALSE(DialogHooksInstalled());
}

TEST_F(DialogsTest, EmptyHooksRecordNothingAndNeverShowARealDialog) {
    InstallDialogHooks(DialogHooks{});
    ShowMessage("silence");   // a real box would block this headless test
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::Warning, mbOK | mbCancel), mrOk);
    EXPECT_EQ(InputBox("c", "p", Utf8ToAnsi("défaut")), Utf8ToAnsi("défaut"));
    OpenUrl("https://example.org/");

    // A modal screen is still shown and closed.
    TForm form("Options");
    int shows = 0, closes = 0;
    form.OnShow = [&](TObject*) { ++shows; };
    form.OnClose = [&](TObject*) { ++closes; };
    form.ShowModal();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form.Visible());
}

TEST_F(DialogsTest, RecordingHooksKeepMessagesUrlsAndModalScreensInOrder) {
    RecordedDialogs record;
    TForm inner("EnterText", 620, 100);
    bool innerShownInScript = false;
    std::map<AnsiString, std::function<void(TForm&)>> scripts;
    scripts["Jeu"] = [&](TForm&) {
        ShowMessage("dans le jeu");
        inner.ShowModal();   // a modal screen opened from a modal screen
    };
    scripts["EnterText"] = [&](TForm& f) { innerShownInScript = f.Visible(); };
    InstallDialogHooks(RecordingHooks(record, scripts));

    TForm outer("Jeu");
    ShowMessage("avant");
    EXPECT_EQ(MessageDlg("question", TMsgDlgType::Confirmation, mbYes | mbNo), mrOk);
    outer.ShowModal();
    OpenUrl("https://example.org/");
    EXPECT_EQ(InputBox("c", "p", "d"), "d");

    EXPECT_EQ(record.messages, (std::vector<AnsiString>{"avant", "question", "dans le jeu"}));
    EXPECT_EQ(record.modalForms, (std::vector<AnsiString>{"Jeu", "EnterText"}));
    EXPECT_EQ(record.urls, (std::vector<AnsiString>{"https://example.org/"}));
    EXPECT_TRUE(innerShownInScript);
    EXPECT_FALSE(outer.Visible());
    EXPECT_FALSE(inner.Visible());
}

TEST_F(DialogsTest, ModalScreenClosedByItsShowHandlerIsNotShown) {
    int hookCalls = 0;
    DialogHooks hooks;
    hooks.modal = [&](TForm&) { ++hookCalls; };
    InstallDialogHooks(hooks);
    TForm form("Historique");
    int closes = 0;
    form.OnShow = [&](TObject*) { form.Close(); };
    form.OnClose = [&](TObject*) { ++closes; };
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(hookCalls, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form.Visible());
}

TEST_F(DialogsTest, ExceptionInsideAModalScreenIsShownAndTheScreenCloses) {
    std::vector<AnsiString> messages;
    DialogHooks hooks;
    hooks.message = [&](const AnsiString& t) { messages.push_back(t); };
    hooks.modal = [](TForm&) { throw EDatabaseError("base introuvable"); };
    InstallDialogHooks(hooks);
    TForm form("MainFormEXO");
    form.ShowModal();
    EXPECT_EQ(messages, (std::vector<AnsiString>{"base introuvable"}));
    EXPECT_FALSE(form.Visible());

    Application->ShowException(nullptr);
    EXPECT_EQ(messages.back(), "");
}

}  // namespace

namespace {

TEST(RealModal, ShowModalWithoutHooksRunsANestedLoopUntilClose) {
    ClearDialogHooks();
    TForm form("Options");
    std::vector<std::string> events;
    form.OnShow = [&](TObject*) {
        events.push_back("show");
        // Runs inside the nested loop, as a user's click would.
        QTimer::singleShot(0, &form, [&] {
            events.push_back(form.Visible() && form.Modal() ? "inside" : "wrong");
            form.SetModalResult(mrOk);
            form.Close();
        });
    };
    form.OnClose = [&](TObject*) { events.push_back("close"); };
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "inside", "close"}));
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());
    EXPECT_EQ(form.windowModality(), Qt::NonModal);
}

}  // namespace
