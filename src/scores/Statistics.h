#pragma once
// Running statistics of every game's hands, kept in the statistics key of the
// game constructed last: latest, average, best and worst score (each with the
// score the hand made possible) and the counts of finished, resigned and
// replayed hands. Values are written at once; nothing is cached.
#include <string>

// Records a hand that ended (kEndFinished, kEndTimeUp), was abandoned
// (kEndAbandoned; CountSkippedHand has been called first) or is being
// replayed (kEndReplayed: only "GamesReplayed" changes).
void RecordHand(int reason, int score, int scorePossible);
// "GamesSkipped" += 1: a running hand abandoned with New Hand or Choose Game.
void CountSkippedHand();
// Zeroes the counts, averages, best and worst; the latest score stays.
void ResetStatistics();

// The eight fields of the Statistics and Game Over dialogs, formatted.
struct StatisticsText {
    std::string latest, average, best, worst;
    std::string played, resigned, finished, replayed;
};
StatisticsText FormatStatistics();
