#include "games/SlipTris.h"

#include <algorithm>

#include "framework/LetterSupply.h"

namespace {
constexpr int kBox = 3;
constexpr int kRefill = 8;  // letters of random words at a time
}  // namespace

CSlipTris::CSlipTris(const CGameContext& context) : CTetris(context, kSupplyWords, kRefill) {}

std::vector<CShapeDropGame::CellAt> CSlipTris::Settle(int row)
{
    // The bottom row of the box first, so an upper tile comes to rest on
    // one of its own shape that slid below it.
    std::vector<std::pair<int, CellAt>> placed;  // by the cell's place in the box
    for (int i = kBox - 1; i >= 0; --i)
        for (int j = 0; j < kBox; ++j) {
            if (Box(i, j).IsEmpty())
                continue;
            int r = row + i;
            const int c = Column() + j;
            while (r + 1 < m_well.Rows() && !m_well.IsOccupied(r + 1, c))
                ++r;
            m_well.Cell(r, c).tiles = Box(i, j).RemoveAll();
            placed.push_back({i * kBox + j, {r, c}});
        }
    // The word search goes in the box's row-major order.
    std::sort(placed.begin(), placed.end());
    std::vector<CellAt> cells;
    for (const auto& [k, cell] : placed)
        cells.push_back(cell);
    return cells;
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrTetrisSlipperyHowTo1, 2}, {kStrTetrisSlipperyHowTo2, 4},
    {kStrTetrisSlipperyHowTo3, 5}, {kStrTetrisSlipperyHowTo4, 4}, {kStrTetrisSlipperyHowTo5, 7},
    {kStrTetrisSlipperyHowTo6, 6}, {kStrTetrisSlipperyHowTo7, 6}, {kStrTetrisSlipperyHowTo8, 6},
    {kStrTetrisSlipperyHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kSlipTrisGame{39, "SlipTris", kStrTetrisSlipperyName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CSlipTris>, {kStrTetrisSlipperyDescription, 429, kStrDifficultyModerate, kStrScorePointsEachTimeLetter}};
