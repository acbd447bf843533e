// The entry routine: creates the eight screens once and runs the message loop until
// the home screen, the main window, closes.
#include <QApplication>

#include "home/Screens.h"
#include "platform/Forms.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    try {
        Application->Initialize();
        CreateScreens();
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(&e);
    } catch (...) {
        // Anything else shows as a framework exception with no message.
        Application->ShowException(nullptr);
    }
    return 0;
}
