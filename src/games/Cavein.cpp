#include "games/Cavein.h"

#include <algorithm>

#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
}  // namespace

CCavein::CCavein(const CGameContext& context) : CGridWordGame(context, m_cave, kColumns)
{
    SetTableSize(8, 9);
    // Cell 0 takes the last of the 72 letters; the first 48 stay hidden, the
    // last of them the next to cave in.
    CStr letters = DealLetters(kSupplyCommon, 72, kDealFixQu | kDealBalanced);
    DealCells(letters);
    m_reserve = letters;
    m_word.checkFollowsWord = false;
    RegisterParts(kStrCancelTooltip);
}

void CCavein::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    // The frame reaches a quarter tile above the cells: it stays in the window.
    const int top = std::max(20, h / 4 + kWindowEdge);
    const int left = (width - kColumns * w - 1) / 2;
    for (int i = 0; i < kColumns * kRows; ++i)
        m_cave[i].SetPosition(left + i % kColumns * w, top + i / kColumns * h);
    const int wordY = 5 * h / 4 + kRows * h + top;
    m_word.Place(left, wordY, left + 8 * w, wordY);
    const int buttonY = kRows * h + h / 2 + top;
    PlaceCancel(left + 3 * w / 4, buttonY);
    m_word.undo.SetPosition(left + 3 * w / 2, buttonY);
    m_word.check.SetPosition(left + 2 * w + 3 * w / 4, buttonY);
    m_found.SetRect(top, left + 4 * w + w / 2, wordY - h / 2, left + 6 * w + w / 2);
    m_scorePanel.SetRect(wordY + 9 * h / 8, left, wordY + 2 * h, left + 2 * w);
    m_frame = {left - w / 4, top - h / 4, left + (kColumns - 1) * w + 5 * w / 4, top + (kRows - 1) * h + 5 * h / 4};
}

void CCavein::DrawTable() { m_tileSet.DrawFrame(m_backBuffer, m_frame.left, m_frame.top, m_frame.Width(), m_frame.Height()); }

void CCavein::OnGameOver()
{
    if (!BottomRowBroken())
        return;  // abandoned, not dug through: no bonus
    CGame::OnGameOver();
    PlaySound(kSoundHandOver);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrCaveInHowTo1, 2}, {kStrCaveInHowTo2, 4}, {kStrCaveInHowTo3, 5},
    {kStrCaveInHowTo4, 3}, {kStrCaveInHowTo5, 7}, {kStrCaveInHowTo6, 5}, {kStrCaveInHowTo7, 6}, {kStrCaveInHowTo8, 5},
    {kStrCaveInHowTo9, 5}, {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kCaveinGame{25, "Cavein", kStrCaveInName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CCavein>, {kStrCaveInDescription, 408, kStrDifficultyModerate, kStrScoreSignificantlyMorePointsFor}};
