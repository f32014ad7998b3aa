#include "games/Pyramid.h"

#include "framework/LetterSupply.h"

CPyramid::CPyramid(const CGameContext& context) : CFreeTilePatience(context, kRows, kRows)
{
    SetTableSize(10, 13);
    // Row r (0 the apex) uses columns 0 to r: the apex takes the deal's last
    // letter, the bottom row letters 16 down to 9, the stock the first eight.
    Lay(
        DealLetters(kSupplyStandard, 44, kDealFixQu | kDealBalanced), [](int row, int column) { return column <= row; },
        [this](int row, int column) {
            return row == kRows - 1 || (!m_cells.HasTile(row + 1, column) && !m_cells.HasTile(row + 1, column + 1));
        });
}

void CPyramid::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int step = w + w / 4;
    const int pyramidWidth = kRows * step - w / 4;
    const int left = (width - pyramidWidth) / 2;
    m_stockWaste.Place(left, 10, left + step, 10);
    for (int r = 0; r < kRows; ++r)  // each row centred under the one above
        for (int c = 0; c <= r; ++c)
            m_cells.Cell(r, c).SetPosition((width - r * step - w) / 2 + c * step, 5 * h / 2 + 10 + r * h);
    m_letterBin.SetRect(10, left + 3 * w, 2 * h + 10, left + pyramidWidth);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 3 * w);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    m_word.Place(left, 3 * (h / 4) + 11 * h + 10, left + 4 * w, 10);
}

bool CPyramid::IsFinished() { return m_cells.Cell(0, 0).IsEmpty() && m_word.IsEmpty(); }

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrPyramidHowTo1, 2}, {kStrPyramidHowTo2, 4}, {kStrPyramidHowTo3, 4},
    {kStrPyramidHowTo4, 3}, {kStrPyramidHowTo5, 4}, {kStrPyramidHowTo6, 5}, {kStrPyramidHowTo7, 5},
    {kStrPyramidHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kPyramidGame{4, "Pyramid", kStrPyramidName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CPyramid>, {kStrPyramidDescription, 404, kStrDifficultyDifficult, kStrScoreFixedPointsPerLetter}};
