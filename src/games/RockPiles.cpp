#include "games/RockPiles.h"

#include "framework/LetterSupply.h"
#include "games/TriPeaks.h"

namespace {
constexpr int kRows = CTriPeaks::kRows;
constexpr int kColumns = CTriPeaks::kColumns;
}  // namespace

CRockPiles::CRockPiles(const CGameContext& context) : CFreeTilePatience(context, kRows, kColumns)
{
    SetTableSize(15, 10);
    m_hand.secondsFactor = 2;
    // Cells (r - 1, c - 1) and (r - 1, c) rest on cell (r, c).
    Lay(DealLetters(kSupplyStandard, 42, kDealFixQu | kDealBalanced), CTriPeaks::IsPeakCell, [this](int row, int column) {
        return row < 1 || (!m_cells.HasTile(row - 1, column) && !m_cells.HasTile(row - 1, column - 1));
    });
}

void CRockPiles::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int step = w + w / 4;
    const int rowWidth = kColumns * step - w / 4;
    const int left = (width - rowWidth) / 2;
    const int wordX = left + step + 3 * w;
    const int wordTop = 5 * h / 2 + 10;
    m_stockWaste.Place(left + step, 10, left + 2 * step, 10);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            m_cells.Cell(r, c).SetPosition(left + (kRows - 1 - r) * (step / 2) + c * step, 5 * h + 10 + r * h);
    m_letterBin.SetRect(10, wordX, 2 * h + 10, left - step + rowWidth);
    m_scorePanel.SetRect(h + 20, left + step, 3 * h + 20, left + step + 3 * w);
    // The word under the letter bin, its undo button below it.
    m_word.Place(wordX, wordTop, wordX + w, 10);
    m_word.undo.SetPosition(wordX, wordTop + 5 * h / 4);
}

bool CRockPiles::IsFinished() { return m_word.IsEmpty() && m_cells.IsRowEmpty(kRows - 1); }

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrRockPilesHowTo1, 2}, {kStrRockPilesHowTo2, 4}, {kStrRockPilesHowTo3, 4},
    {kStrRockPilesHowTo4, 3}, {kStrRockPilesHowTo5, 4}, {kStrRockPilesHowTo6, 5}, {kStrRockPilesHowTo7, 5},
    {kStrRockPilesHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kRockPilesGame{37, "RockPiles", kStrRockPilesName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CRockPiles>, {kStrRockPilesDescription, 427, kStrDifficultyModerate, kStrScoreMorePointsForLonger}};
