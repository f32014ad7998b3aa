#pragma once
// The game catalogue: the games the chooser offers, in the order of its list
// (which is never re-sorted), the games that are played only through a stored
// game number, and every game's "How to play" lines. All texts are string
// resources; previews are bitmap resources.
#include <cstdint>
#include <span>

#include "framework/GameRow.h"

struct CatalogueRow {
    int gameId;
    unsigned nameId;         // display name
    unsigned descriptionId;  // the chooser's description text
    unsigned previewId;      // preview bitmap
    unsigned difficultyId;   // 468..472
    unsigned scoringId;      // scoring summary
};

inline constexpr int kCatalogueSize = 31;

// Difficulty words.
enum : unsigned {
    kDifficultyEasy = 468,
    kDifficultyModerate = 469,
    kDifficultyDifficult = 470,
    kDifficultyVeryDifficult = 471,
    kDifficultyChallenging = 472,
};

// What the chooser shows while no game is selected.
inline constexpr unsigned kNoSelectionDescriptionId = 163;
inline constexpr unsigned kNoSelectionDifficultyId = kDifficultyModerate;
inline constexpr unsigned kNoSelectionScoringId = 476;

// The 31 rows in list order.
std::span<const CatalogueRow> Catalogue();
// The row of a game, or null for a game without a row (9, 12, 18, 24, 27-30,
// 33, 35, and anything outside 1..41).
const CatalogueRow* FindCatalogueRow(int gameId);
// Index of the game's row in the list, or -1.
int CatalogueIndex(int gameId);

// Display name and description of any game that has them, catalogued or not
// (e.g. 29 "Implosion"); 0 when there is none.
unsigned GameNameId(int gameId);
unsigned GameDescriptionId(int gameId);

// "How to play" lines: each shown for its seconds, in order, then from the start.
inline constexpr int kMaxInstructionLines = 25;
inline constexpr unsigned kPlayButtonLineId = 226;  // every list ends with it

// The lines of a game. Games without their own list (the bare game 9, 12, 18
// and the title screen) get the single line 226 for 60 seconds.
std::span<const InstructionLine> InstructionLines(int gameId);
