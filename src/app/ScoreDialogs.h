#pragma once
// The dialogs of the scores subsystem, as the shell sees them. Each one is
// modal over `parent` and shows the values of the game constructed last;
// `gameNameId` is the string id of that game's display name (0: none yet).
#include "framework/Window.h"

struct HuntSummary;

// Statistics (menu): the numbers, OK, Cancel, Reset Stats.
void ShowStatisticsDialog(HWND parent, unsigned gameNameId);

// Game Over (end of a hand): returns the player's choice, kPlayAgain,
// kDifferentGame, kReplayHand or kQuit (Escape and closing mean kQuit).
enum GameOverChoice : int { kDifferentGame = 1, kQuit = 2, kPlayAgain = 4, kReplayHand = 7 };
int RunGameOverDialog(HWND parent, unsigned gameNameId, const HuntSummary* hunt = nullptr);

// High scores: in view mode (menu) or in name-entry mode with the new score
// (end of a hand). Returns 1 when OK saved the list, 2 otherwise.
int RunHighScoreDialog(HWND parent, bool entryMode, int pendingScore, unsigned gameNameId);
