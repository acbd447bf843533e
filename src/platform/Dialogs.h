#pragma once
// Message boxes, message dialogs, the input box and modal screens go through one
// replaceable service: the program shows real dialogs; a test installs hooks that
// record the messages, script the answers and act inside a modal screen.
#include <functional>
#include <map>
#include <vector>

#include "Text.h"

class TForm;

enum class TMsgDlgType { Warning, Error, Information, Confirmation, Custom };
enum TMsgDlgBtn { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };

// Plain message box with one OK button.
void ShowMessage(const AnsiString& text);
// Message dialog; returns the modal result of the button pressed (mrOk, mrYes...).
int MessageDlg(const AnsiString& text, TMsgDlgType type, int buttons);
// The standard input box; returns the default when cancelled.
AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& def);
// Opens a web address in the desktop's browser; the result is not reported.
void OpenUrl(const AnsiString& url);

struct DialogHooks {
    // Each hook, when set, replaces the real dialog.
    std::function<void(const AnsiString& text)> message;
    std::function<int(const AnsiString& text, TMsgDlgType type, int buttons)> dialog;
    std::function<AnsiString(const AnsiString& caption, const AnsiString& prompt, const AnsiString& def)> input;
    std::function<void(const AnsiString& url)> openUrl;
    // Called with a modal screen after it is shown (OnShow has run); when it returns
    // and the screen is still open, the service closes it.
    std::function<void(TForm& form)> modal;
};

// Installs hooks (replacing any earlier ones); ClearDialogHooks restores real dialogs.
void InstallDialogHooks(const DialogHooks& hooks);
void ClearDialogHooks();
bool DialogHooksInstalled();

// Test hooks that record everything and answer mrOk; modal screens run the given
// per-class script if any. Messages, dialogs and URLs are kept in order.
struct RecordedDialogs {
    std::vector<AnsiString> messages;     // ShowMessage and MessageDlg texts, in order
    std::vector<AnsiString> urls;
    std::vector<AnsiString> modalForms;   // names of the forms shown modally
};
// Hooks recording into record (which must outlive them): messages and dialogs answer
// mrOk, the input box its default; a modal screen runs scripts[its name] if present.
DialogHooks RecordingHooks(RecordedDialogs& record,
                           std::map<AnsiString, std::function<void(TForm& form)>> scripts = {});

class DialogService {
public:
    static int RunModal(TForm& form);
};
