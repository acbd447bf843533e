// The dialog service: hooks replace every dialog; modal screens run inside the hook.
#include <functional>
#include <string>
#include <vector>

#include <QTimer>
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Forms.h"

namespace {

using Texts = std::vector<AnsiString>;

class DialogsTest : public ::testing::Test {
protected:
    void TearDown() override { ClearDialogHooks(); }
};

// Empty hooks answer the defaults and never show a real dialog (which would block here);
// the screen tests record every dialog through hooks.
TEST_F(DialogsTest, EmptyHooksAnswerTheDefaults) {
    InstallDialogHooks(DialogHooks{});
    ShowMessage("silence");
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::Warning, mbOK | mbCancel), mrOk);
    EXPECT_EQ(InputBox("c", "p", Utf8ToAnsi("défaut")), Utf8ToAnsi("défaut"));
    TForm form("Options");
    form.ShowModal();   // shown, then closed by the service
    EXPECT_FALSE(form.Visible());
}

TEST_F(DialogsTest, ModalScreenClosedOnShowOrFailingInsideEndsCleanly) {
    int hookCalls = 0;
    Texts messages;
    DialogHooks hooks;
    hooks.message = [&](const AnsiString& t) { messages.push_back(t); };
    hooks.modal = [&](TForm&) {
        ++hookCalls;
        throw EDatabaseError("base introuvable");
    };
    InstallDialogHooks(hooks);

    TForm closing("Historique");
    int closes = 0;
    closing.OnShow = [&](TObject*) { closing.Close(); };
    closing.OnClose = [&](TObject*) { ++closes; };
    EXPECT_EQ(closing.ShowModal(), mrCancel);
    EXPECT_EQ(hookCalls, 0);   // never shown
    EXPECT_EQ(closes, 1);

    TForm failing("MainFormEXO");
    failing.OnShow = [&](TObject*) { if (failing.Modal()) failing.ShowModal(); };   // already modal: refused
    failing.ShowModal();
    EXPECT_EQ(messages, (Texts{"Cannot make a visible window modal", "base introuvable"}));
    EXPECT_FALSE(failing.Visible());
}

TEST(RealModal, ShowModalWithoutHooksRunsANestedLoopUntilClose) {
    ClearDialogHooks();
    TForm form("Options");
    std::vector<std::string> events;
    form.OnShow = [&](TObject*) {
        events.push_back("show");
        QTimer::singleShot(0, &form, [&] {   // inside the nested loop, as a user's click
            events.push_back(form.Visible() && form.Modal() ? "inside" : "wrong");
            form.SetModalResult(mrOk);
            form.Close();
        });
    };
    form.OnClose = [&](TObject*) { events.push_back("close"); };
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "inside", "close"}));
    EXPECT_FALSE(form.Modal());
    EXPECT_EQ(form.windowModality(), Qt::NonModal);
}

}  // namespace
