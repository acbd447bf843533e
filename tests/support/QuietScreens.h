#pragma once
// The program's screens for a benchmark: dialogs answered silently (OK, default input,
// modal screens closed at once), the eight screens created, the start-up run in the
// working directory.
void StartQuietScreens();
// Deletes the screens and restores real dialogs.
void StopQuietScreens();
