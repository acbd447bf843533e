#pragma once
// The eight screens of the program, created once in a fixed order, and the frame
// every secondary screen shares.
#include "platform/Forms.h"

// Creates the eight screens through the application object, in order: home screen
// (the main window), exercise player, identification, options, history, goodbye
// screen, games, input box. Each lands in its global pointer. What the first window
// does not show (the last six screens, the parts of the home screen and the player
// shown later) is built when the loop is first idle, or before a screen is shown
// modally or takes input, whichever comes first.
void CreateScreens();
// Builds at once what CreateScreens left for later (every screen whole).
void CompleteScreens();
// Deletes the screens and clears their global pointers (tests create them anew).
void DestroyScreens();

// The frame of a screen: colour of every screen and the `Border` shape around it.
TShape* AddScreenBorder(TForm* form);
// A title label centred across the top of a screen.
TLabel* AddScreenTitle(TForm* form, const AnsiString& caption);
// A text command (hand cursor, cream, yellow while hovered) that closes its screen;
// a negative left centres it.
TLabel* AddCloseCommand(TForm* form, const AnsiString& name, const AnsiString& caption,
                        int left, int top);
