#include "framework/StockWaste.h"

#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/Shell.h"
#include "resources/StringIds.h"

namespace {
}  // namespace

CStockWaste::CStockWaste(CGame& game) : m_game(game)
{
    // The stock shows only backs; the waste shows faces; both squared on one spot.
    stock.Configure(kPileEmptyMarker | 0x2, kFanSquared);
    waste.Configure(kPileEmptyMarker | kPileAllFaceUp, kFanSquared);
}

void CStockWaste::Place(int stockX, int stockY, int wasteX, int wasteY)
{
    stock.SetPosition(stockX, stockY);
    waste.SetPosition(wasteX, wasteY);
}

CStockWaste::TurnResult CStockWaste::Turn()
{
    if (!stock.IsEmpty()) {
        m_game.PlaySound(kSoundTileMoved);
        m_game.MoveTile(&stock, &waste, CGame::kFlyFaceDown);
        return kTurned;
    }
    if (waste.IsEmpty()) {
        m_game.PlaySound(kSoundRefused);
        return kRefused;
    }
    CHandScore& hand = m_game.Hand();
    hand.score -= hand.recyclePenalty;
    // Top tile first, so the stock is back in the order it was dealt.
    while (!waste.IsEmpty())
        stock.Push(waste.PopTop());
    m_game.PlaySound(kSoundTileMoved);
    m_game.UndoStack().Clear();
    return kRecycled;
}

bool CStockWaste::PlayWasteOnto(CTilePile& pile)
{
    if (waste.IsEmpty()) {
        m_game.PlaySound(kSoundRefused);
        return false;
    }
    m_game.PlaySound(kSoundTileMoved);
    CHandScore& hand = m_game.Hand();
    hand.score -= hand.playPenalty;
    m_game.MoveTile(&waste, &pile, CGame::kFlyFaceUp);
    return true;
}

bool CStockWaste::IsStockHit(int x, int y) const { return stock.HitTest(m_game.TileSet(), x, y) >= 0; }

bool CStockWaste::IsWasteHit(int x, int y) const
{
    return !waste.IsEmpty() && waste.HitTest(m_game.TileSet(), x, y) >= 0;
}

void CStockWaste::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    stock.Draw(buffer, tiles);
    waste.Draw(buffer, tiles);
}

void CStockWaste::ListPiles(std::vector<const CTilePile*>& piles) const
{
    piles.push_back(&stock);
    piles.push_back(&waste);
}

void CStockWaste::AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const
{
    tooltips.AddTool(stock.Rect(tiles), kStrDrawPileTooltip, kStrDrawPileTooltip);
    tooltips.AddTool(waste.Rect(tiles), kStrWastePileTooltip, kStrWastePileTooltip);
}

std::string CStockWaste::Describe() const { return stock.Describe("stock") + waste.Describe("waste"); }
