#pragma once
// What the chooser and the shell show of the games: names, descriptions and
// "How to play" lines, all from the games' descriptors (the texts are string
// resources, the previews bitmap resources).
#include <span>

#include "framework/GameDescriptor.h"
#include "resources/StringIds.h"

// What the chooser shows while no game is selected.
inline constexpr unsigned kNoSelectionDescriptionId = kStrNoSelectionDescription;
inline constexpr unsigned kNoSelectionDifficultyId = kStrDifficultyModerate;
inline constexpr unsigned kNoSelectionScoringId = kStrNoSelectionScoring;

// Index of the game in the chooser's list (OfferedGames), or -1.
int CatalogueIndex(int gameId);

// Display name and description of any game that has them, offered or not
// (e.g. 29 "Implosion"); 0 when there is none.
unsigned GameNameId(int gameId);
unsigned GameDescriptionId(int gameId);

// "How to play" lines: each shown for its seconds, in order, then from the start.
inline constexpr int kMaxInstructionLines = 25;
inline constexpr unsigned kPlayButtonLineId = kStrPlayButtonLine;  // every list ends with it

// The lines of a game. Ids without a game (the title screen) get the single
// line 226 for 60 seconds.
std::span<const InstructionLine> InstructionLines(int gameId);
