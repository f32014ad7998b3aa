#include "games/Implosion.h"

#include <algorithm>

#include "framework/LetterSupply.h"

CImplosion::CImplosion(const CGameContext& context) : CGridWordGame(context, m_tiles, kSide)
{
    SetTableSize(11, 10);
    // Cell 0 takes letter 108, cell 35 letter 73; letters 1 to 72 are the
    // stock, letter 72 the next to drop in.
    CStr letters = DealLetters(kSupplyCommon, 108, kDealFixQu | kDealBalanced);
    DealCells(letters);
    m_reserve = letters;
    m_word.buttonTooltips = false;  // this game shows no tooltips
    RegisterParts(0);
}

void CImplosion::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    // The frame reaches a quarter tile above the cells: it stays in the window.
    const int top = std::max(20, h / 4 + kWindowEdge);
    const int left = (width - kSide * w - 1) / 2;
    for (int i = 0; i < kSide * kSide; ++i)
        m_tiles[i].SetPosition(left + i % kSide * w, top + i / kSide * h);
    const int wordTop = 5 * h / 4 + kSide * h + top;
    const int listLeft = left + w / 2 + kSide * w;
    m_found.SetRect(top, listLeft, wordTop - h / 2, listLeft + 3 * w);
    m_word.Place(left, wordTop, left + 8 * w, wordTop);
    m_scorePanel.SetRect(wordTop + 9 * h / 8, left, wordTop + 2 * h, left + 2 * w);
    const int buttonY = 4 * h / 8 + kSide * h + top;
    PlaceCancel(left + 3 * w - 5 * w / 4, buttonY);
    m_word.undo.SetPosition(left + 3 * w - w / 2, buttonY);
    m_frame = {left - w / 4, top - h / 4, left + (kSide - 1) * w + 5 * w / 4, top + (kSide - 1) * h + 5 * h / 4};
}

void CImplosion::DrawTable()
{
    m_tileSet.DrawOpenFrame(m_backBuffer, m_frame.left, m_frame.top, m_frame.Width(), m_frame.Height());
}

void CImplosion::OnGameOver()
{
    if (BottomRowBroken())  // only a hand ended by an emptied column earns the speed bonus
        CGame::OnGameOver();
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrImplosionHowTo1, 2}, {kStrImplosionHowTo2, 4}, {kStrImplosionHowTo3, 5},
    {kStrImplosionHowTo4, 3}, {kStrImplosionHowTo5, 7}, {kStrImplosionHowTo6, 5}, {kStrImplosionHowTo7, 6},
    {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kImplosionGame{29, "Implosion", kStrImplosionName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CImplosion>, {kStrImplosionDescription}};
