// The entry routine: creates the eight screens once and runs the message loop until
// the home screen, the main window, closes.
#include <thread>

#include <QApplication>
#include <fontconfig/fontconfig.h>

#include "home/Screens.h"
#include "platform/Forms.h"

int main(int argc, char** argv) {
    // The font configuration loads while the connection to the window system opens, so
    // that the first text measured need not wait for it.
    std::thread fonts([] { FcInit(); });
    QApplication qt(argc, argv);
    fonts.join();
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
