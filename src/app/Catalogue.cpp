#include "app/Catalogue.h"

#include "app/GameFactory.h"
#include "app/HowToPlay.h"

#include <utility>

#include <algorithm>
#include <iterator>

namespace {
// {GameId, name, description, preview, difficulty, scoring}, in the chooser's order.
constexpr CatalogueRow kRows[] = {
    {21, 183, 196, 406, 469, 477},  // Anagrammer
    {23, 224, 225, 394, 469, 474},  // Anti-Gravity
    {26, 416, 404, 407, 470, 475},  // Avalanche
    {25, 415, 403, 408, 469, 474},  // Cave In
    {17, 180, 193, 409, 469, 473},  // Cross Ways
    {34, 425, 413, 460, 470, 589},  // Dead Lines
    {15, 177, 190, 401, 470, 473},  // Elegance
    {8, 150, 159, 402, 468, 473},   // Free Cell
    {10, 172, 185, 412, 468, 474},  // Gobble
    {5, 148, 157, 395, 469, 473},   // Golf
    {6, 151, 160, 400, 471, 473},   // Griddle
    {1, 145, 154, 403, 470, 473},   // Quillo's Quotes
    {20, 182, 195, 413, 468, 474},  // Jumble
    {2, 146, 155, 396, 468, 473},   // Klondike
    {19, 181, 194, 410, 469, 478},  // Le Scarab
    {40, 544, 555, 470, 469, 474},  // Letter Box
    {3, 147, 156, 399, 468, 474},   // Loch Ness
    {31, 421, 409, 415, 468, 474},  // Prospector
    {4, 149, 158, 404, 470, 473},   // Pyramid
    {37, 541, 552, 427, 469, 590},  // Rock Piles
    {7, 152, 161, 397, 468, 474},   // Simple Stacks
    {16, 178, 191, 425, 469, 588},  // Tetris (Sticky)
    {39, 543, 554, 429, 469, 588},  // Tetris (Slippery)
    {38, 542, 553, 428, 468, 589},  // Tetris (Classic)
    {41, 545, 556, 479, 469, 474},  // Tower of Babble
    {36, 426, 414, 426, 469, 473},  // Tri Peaks
    {32, 422, 410, 417, 470, 473},  // Unscramble
    {13, 176, 189, 411, 469, 473},  // Vowel Strength
    {14, 173, 186, 398, 469, 473},  // Walls of Jericho
    {22, 184, 197, 484, 468, 474},  // Word Speed
    {11, 174, 187, 405, 468, 474},  // Worm Hole
};
static_assert(std::size(kRows) == kCatalogueSize);

// Games that exist but are not offered; {GameId, name, description}.
struct UnlistedGame {
    int gameId;
    unsigned nameId;
    unsigned descriptionId;
};
constexpr UnlistedGame kUnlisted[] = {
    {29, 419, 407},  // Implosion
    {30, 420, 408},  // Use It or Lose It
    {33, 423, 411},  // Spelunker
    {35, 424, 0},    // Bubbles
};

}  // namespace

std::span<const CatalogueRow> Catalogue() { return kRows; }

int CatalogueIndex(int gameId)
{
    for (int i = 0; i < kCatalogueSize; ++i)
        if (kRows[i].gameId == gameId)
            return i;
    return -1;
}

const CatalogueRow* FindCatalogueRow(int gameId)
{
    const int i = CatalogueIndex(gameId);
    return i < 0 ? nullptr : &kRows[i];
}

// A game's name and description, from its row or else from the games the
// list does not offer; 0 for neither.
static std::pair<unsigned, unsigned> GameTexts(int gameId)
{
    if (const CatalogueRow* row = FindCatalogueRow(gameId))
        return {row->nameId, row->descriptionId};
    for (const UnlistedGame& g : kUnlisted)
        if (g.gameId == gameId)
            return {g.nameId, g.descriptionId};
    return {0, 0};
}

unsigned GameNameId(int gameId) { return GameTexts(gameId).first; }
unsigned GameDescriptionId(int gameId) { return GameTexts(gameId).second; }

std::span<const InstructionLine> InstructionLines(int gameId)
{
    const GameFactoryRow* row = FindGameFactoryRow(gameId);
    return row ? row->howToPlay : std::span<const InstructionLine>(kHowToPlayBare);
}
