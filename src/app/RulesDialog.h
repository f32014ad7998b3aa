#pragma once
// "How to play...": the current game's instruction lines, one at a time, each
// for its number of seconds, cycling until the dialog is closed.
#include <functional>

#include "framework/Window.h"

enum : int { kRulesPlay = 1, kRulesClosed = 2 };

// (current text id, out seconds) -> next text id, as the game's GetNextInstruction.
using NextInstructionFn = std::function<unsigned(unsigned currentId, int& seconds)>;

// Runs the dialog modally over `owner`. Play stores the check box
// "&Show this dialog every time" in ShowRulesDlg and returns 1; Escape or
// closing the window returns 2 and leaves ShowRulesDlg alone.
int RunRulesDialog(HWND owner, const NextInstructionFn& nextInstruction);
