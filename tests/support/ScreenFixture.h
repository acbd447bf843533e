#pragma once
// A test fixture with the program's screens: a temporary data folder as the working
// directory, the eight screens created as the entry routine creates them, and dialog
// hooks that record every message, dialog, web address and modal screen.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The data folder of the test (the working directory while the test runs).
    std::unique_ptr<TempDataFolder> data;

    // What the dialog hooks saw, in order.
    std::vector<AnsiString> messages;     // ShowMessage texts
    std::vector<AnsiString> dialogs;      // MessageDlg texts
    std::vector<AnsiString> urls;         // addresses given to OpenUrl
    std::vector<AnsiString> modalForms;   // names of the screens shown modally
    std::vector<AnsiString> inputs;       // prompts of the input box

    // Scripted answers of the input box (the default once they run out); MessageDlg
    // answers mrOk.
    std::deque<AnsiString> inputAnswers;

    // Runs inside every modal screen after it is shown; when it returns and the screen
    // is still open, the screen is closed. Default: nothing (the screen just closes).
    std::function<void(TForm&)> onModal;

    // Runs the home screen's start-up sequence as the message loop does when it first
    // shows the main window.
    void RunStartup();

    // Writes the learner file of the data folder (Windows-1252, CR LF).
    void WriteLearnerFile(const std::vector<std::string>& utf8Lines);
    void RemoveLearnerFile();
    std::string DataPath(const std::string& name) const;

    // Puts a text in an edit as the user types it, characters that Windows-1252 has no
    // code for included.
    static void TypeText(TEdit* edit, const char* utf8);
    // Real mouse events, delivered as the window system delivers them.
    static void SendEnter(QWidget* w);
    static void SendLeave(QWidget* w);
    static void SendClick(QWidget* w);
    static void SendDoubleClick(QWidget* w);
    // Moves over and clicks the control found at a point of its form (in form
    // coordinates), as a user's click at that point would; returns what was hit.
    static QWidget* ClickAt(TForm* form, int x, int y);
    // The same at a point of a widget (in its own coordinates).
    static QWidget* ClickOn(QWidget* w, QPoint local);
    // The controls a shown screen shows that no click reaches (other controls lie over
    // all of them), by name: commands, and inputs, lists and trees.
    static std::vector<AnsiString> CoveredControls(TForm* form);
};

// A learner line as the program holds it (Windows-1252).
AnsiString Ansi(const char* utf8);
