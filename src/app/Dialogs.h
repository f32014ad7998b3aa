#pragma once
// The shell's own modal dialogs. Each is a Qt widget in a file of its own;
// callers see only these functions.
#include "framework/Window.h"

// Replay Hand (dialog 416): shows the hand number; Yes reads it back into
// `handNumber` and returns 1, No returns 2.
int RunReplayHandDialog(HWND parent, unsigned& handNumber);

// About Glyphery (dialog 103).
void RunAboutDialog(HWND parent);
