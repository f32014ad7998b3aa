#include "app/EndOfHand.h"

#include "framework/Shell.h"
#include "scores/HighScores.h"
#include "app/ScoreDialogs.h"
#include "scores/Statistics.h"

namespace {
constexpr unsigned kSoundHandOver = 238;
constexpr unsigned kSoundHighScore = 423;
}  // namespace

bool CheckHighScore(HWND window, int score, unsigned gameNameId)
{
    if (score <= HighScoreThreshold()) {
        PlaySoundIfEnabled(kSoundHandOver);
        return false;
    }
    PlaySoundIfEnabled(kSoundHighScore);
    RunHighScoreDialog(window, true, score, gameNameId);
    return true;
}

int GameOverCommand(int choice)
{
    switch (choice) {
    case kPlayAgain: return 32778;
    case kDifferentGame: return 32785;
    case kReplayHand: return 32793;
    default: return 105;
    }
}

int FinishHand(HWND window, int reason, int score, int scorePossible, unsigned gameNameId, bool mayEnterTable,
               const HuntSummary* hunt)
{
    RecordHand(reason, score, scorePossible);
    if (mayEnterTable)
        CheckHighScore(window, score, gameNameId);
    else
        PlaySoundIfEnabled(kSoundHandOver);
    return GameOverCommand(RunGameOverDialog(window, gameNameId, hunt));
}
