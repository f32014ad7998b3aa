#pragma once
// The game chooser, "Welcome to Glyphery!": the catalogue with each game's
// description, preview, difficulty and scoring.
#include "framework/Window.h"

enum : int { kChooserPlay = 1, kChooserQuit = 2 };

// Runs the chooser modally over `owner`. Play (or a double click) stores the
// chosen game in CurrentGame and its name string id in `gameNameId` and returns
// 1; with no game selected both keep their values. Quit, Escape or closing the
// window returns 2. Help shows the help page at the highlighted game's section
// (see ShowGameHelp) and keeps the chooser up.
int RunChooserDialog(HWND owner, unsigned& gameNameId);
