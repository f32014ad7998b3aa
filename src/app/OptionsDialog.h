#pragma once
// "Game Options": sound, clock, restart-last-game, tile design, background
// pattern and the two colours.
#include "framework/WinTypes.h"
#include "framework/Window.h"

enum : int { kOptionsChanged = 1, kOptionsUnchanged = 2 };

// Runs the dialog modally over `owner` (whose colour depth decides whether
// the rich designs are offered). OK with a change copies the choices into the
// settings and returns 1; the caller then has the game rebuild its look. OK
// without a change, Cancel or Escape return 2 and change nothing.
int RunOptionsDialog(HWND owner);

// The custom colours of the colour dialog, kept for the run (16 entries, all 0
// at start).
COLORREF* OptionsCustomColors();
