#include "QuietScreens.h"

#include "home/Intro.h"
#include "home/Screens.h"
#include "platform/Dialogs.h"

void StartQuietScreens() {
    InstallDialogHooks(DialogHooks{.message = [](const AnsiString&) {},
                                   .dialog = [](const AnsiString&, TMsgDlgType, int) { return 1; },
                                   .input = {},
                                   .openUrl = [](const AnsiString&) {},
                                   .modal = [](TForm&) {}});
    CreateScreens();
    CompleteScreens();
    StartForm->ShowForm();   // start-up: data folder, connections, learner
}

void StopQuietScreens() {
    DestroyScreens();
    ClearDialogHooks();
}
