#pragma once
// The help window: the shipped help page ("Help.htm") in a window of the
// program's own, so help opens whether or not the desktop has a browser. One
// window for the run; opening it again shows it at the section asked for. The
// contents list and the page's links move within the page; links to other
// sites go to the desktop's browser.
#include <string>

#include "framework/Window.h"

// Shows the page at `path` scrolled to the section with id `anchor` (the top
// for "" or an id the page does not have). False when the page cannot be
// read (the caller says so).
bool ShowHelpWindow(HWND owner, const std::string& path, const std::string& anchor);
