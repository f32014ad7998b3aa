#pragma once
// The system error box.
#include <cerrno>
#include <string>

#include "framework/Window.h"

// Shows the system's text for `error` (an errno value) in a box captioned
// "Quirkwood Software" with the information icon, over the main window.
void ShowLastError(int error = errno);
// The same, naming the file it happened to: "PATH: text".
void ShowFileError(const std::string& path, int error);
