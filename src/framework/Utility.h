#pragma once
// Small window helpers: the title suffix and the system error box.
#include <cerrno>

#include "framework/Window.h"

// Sets the title to "<old title> - <string resource>"; nothing for id 0.
void AppendToTitle(HWND hwnd, unsigned stringId);
// Shows the system's text for `error` (an errno value) in a box captioned
// "Quirkwood Software" with the information icon, over the main window.
void ShowLastError(int error = errno);
