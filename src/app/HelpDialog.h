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
// read (the caller says so). The window belongs to `owner` (the main window):
// asked for from a modal dialog over it, it lives with the dialog while the
// dialog is up and goes back to `owner` when the dialog closes, so it stays
// open after the chooser's Play.
bool ShowHelpWindow(HWND owner, const std::string& path, const std::string& anchor);

// The shipped help page ("Help.htm") at the section of game `gameId` (its
// registry subkey, lower case), or at the top for 0; a box over `owner` says
// so when the page is missing.
void ShowGameHelp(HWND owner, int gameId);
