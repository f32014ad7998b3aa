#pragma once
// What happens when a hand is over, after the game has added its end-of-hand
// bonus: the hand goes into the statistics, a score above the tenth entry of
// the high-score list asks for the player's name, and the Game Over dialog
// asks what comes next.
#include "framework/Window.h"

struct HuntSummary;

// Plays sound 423 and runs the high-score dialog in name-entry mode when
// `score` beats the tenth entry; otherwise plays sound 238. True when the
// dialog was shown.
bool CheckHighScore(HWND window, int score, unsigned gameNameId);

// Records the hand, checks the high score (unless the hand may not enter
// the table: a hint was shown) and runs Game Over. Returns the
// menu command the player chose: New Hand (32778), Choose Game (32785),
// Replay Hand (32793) or Quit (105); the shell posts it.
int FinishHand(HWND window, int reason, int score, int scorePossible, unsigned gameNameId,
               bool mayEnterTable = true, const HuntSummary* hunt = nullptr);

// The command a Game Over choice stands for.
int GameOverCommand(int choice);
