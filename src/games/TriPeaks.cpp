#include "games/TriPeaks.h"

#include "framework/LetterSupply.h"

CTriPeaks::CTriPeaks(const CGameContext& context) : CFreeTilePatience(context, kRows, kColumns)
{
    SetTableSize(15, 10);
    m_hand.gameAmount2 = 20;  // points a letter
    m_hand.secondsFactor = 2;
    // The summit takes the deal's last letter, the bottom row letters 20
    // down to 10, the stock the first nine. Cell (r, c) is covered by cells
    // (r + 1, c) and (r + 1, c + 1).
    Lay(DealLetters(kSupplyStandard, 42, kDealFixQu | kDealBalanced), IsPeakCell, [this](int row, int column) {
        return row >= kRows - 1 || (!m_cells.HasTile(row + 1, column) && !m_cells.HasTile(row + 1, column + 1));
    });
}

bool CTriPeaks::IsPeakCell(int row, int column)
{
    return column % 4 <= row && column != 0 && column != row + 8 && (row == kRows - 1 || column != 12);
}

void CTriPeaks::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int step = w + w / 4;
    const int rowWidth = kColumns * step - w / 4;
    const int left = (width - rowWidth) / 2;
    m_stockWaste.Place(left + step, 10, left + 2 * step, 10);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            m_cells.Cell(r, c).SetPosition(left + (kRows - 1 - r) * (step / 2) + c * step, 5 * h / 2 + 10 + r * h);
    m_letterBin.SetRect(10, left + step + 3 * w, 2 * h + 10, left - step + rowWidth);
    m_scorePanel.SetRect(h + 20, left + step, 3 * h + 20, left + step + 3 * w);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    m_word.Place(left + step, 3 * (h / 4) + 8 * h + 10, left + step + 4 * w, 10);
}

bool CTriPeaks::IsFinished() { return m_word.IsEmpty() && m_cells.IsRowEmpty(0) && m_cells.IsRowEmpty(1); }

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrTriPeaksHowTo1, 2}, {kStrTriPeaksHowTo2, 4}, {kStrTriPeaksHowTo3, 4},
    {kStrTriPeaksHowTo4, 3}, {kStrTriPeaksHowTo5, 4}, {kStrTriPeaksHowTo6, 5}, {kStrTriPeaksHowTo7, 5},
    {kStrTriPeaksHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kTriPeaksGame{36, "TriPeaks", kStrTriPeaksName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CTriPeaks>, {kStrTriPeaksDescription, 426, kStrDifficultyModerate, kStrScoreFixedPointsPerLetter}};
