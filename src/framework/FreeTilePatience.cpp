#include "framework/FreeTilePatience.h"

#include "framework/BackBuffer.h"
#include "framework/Shell.h"
#include "resources/StringIds.h"


CFreeTilePatience::CFreeTilePatience(const CGameContext& context, int rows, int columns)
    : CGame(context), m_cells(*this, rows, columns, "cells"), m_stockWaste(*this), m_word(*this, context.dictionary)
{
}

void CFreeTilePatience::Lay(CStr letters, CTileLayout::CellTest used, CTileLayout::CellTest isFree)
{
    m_letterBin.SetText(letters, kTextLetterBin);
    m_stockWaste.stock.tiles = m_cells.Deal(letters, used);
    m_used = std::move(used);
    m_cells.SetFreeTest(std::move(isFree));
    AddPart(m_cells);
    AddPart(m_word);
    AddPart(m_stockWaste);
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
}

// ---------------------------------------------------------------------------
// Mouse

void CFreeTilePatience::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    if (m_stockWaste.IsStockHit(x, y)) {
        TurnStock();
        return;
    }
    if (m_stockWaste.waste.HitTest(m_tileSet, x, y) >= 0) {  // its empty slot too
        PlayWaste();
        return;
    }
    const int cell = m_cells.FreeTileAt(x, y);
    if (cell >= 0) {
        m_cells.TakeOnto(cell, m_word);
        return;
    }
    if (m_word.ClickWordTile(x, y) || m_word.PressButtonAt(x, y))
        return;
    // Well right of the word, on its row: the waste's top letter joins it.
    if (!m_stockWaste.waste.IsEmpty() && m_word.word.HitTest(m_tileSet, x, y) == kHitRight &&
        x > m_word.word.NextTileX(m_tileSet) + m_tileSet.TileWidth()) {
        PlayWaste();
        return;
    }
}

void CFreeTilePatience::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    m_word.OnButtonUp([this] { TryScoreWord(); });
}

void CFreeTilePatience::OnLButtonDblClk(int x, int y, unsigned keys)
{
    if (m_cells.IsTileAt(x, y) || m_word.IsOverButton(x, y) || m_stockWaste.IsStockHit(x, y) ||
        m_stockWaste.waste.HitTest(m_tileSet, x, y) >= 0)
        return OnLButtonDown(x, y, keys);
    if (TryScoreWord())
        return;
    return OnLButtonDown(x, y, keys);
}

void CFreeTilePatience::OnRButtonDown(int, int, unsigned) {}

void CFreeTilePatience::OnRButtonUp(int, int, unsigned)
{
    TurnStock();
}

// ---------------------------------------------------------------------------
// Moves

void CFreeTilePatience::TurnStock()
{
    if (m_stockWaste.IsEmpty())
        return;
    m_stockWaste.Turn();
    AfterMove();
}

void CFreeTilePatience::PlayWaste()
{
    CTilePile& waste = m_stockWaste.waste;
    if (!waste.IsEmpty()) {
        if (!m_word.CanExtend(waste.Top()))
            return;  // refused without a sound
        m_stockWaste.PlayWasteOnto(m_word.word);
    } else if (!m_stockWaste.stock.IsEmpty()) {
        // Drawing through the empty waste costs what turning it back does.
        m_hand.score -= m_hand.recyclePenalty;
        m_stockWaste.Turn();
    } else {
        return;
    }
    AfterMove();
}

bool CFreeTilePatience::TryScoreWord()
{
    return m_word.ScoreWord(&m_letterBin, [this](CStr& letters) { return WordPoints(letters.GetLength()); });
}

void CFreeTilePatience::AfterMove()
{
    m_word.UpdateButtons();
    RefreshTooltips();
}

// ---------------------------------------------------------------------------
// The word finder

void CFreeTilePatience::NextTakes(std::vector<int>& piles) const
{
    const int first = PileIndex(&m_cells.cells[0]);
    for (int r = 0; r < m_cells.Rows(); ++r)
        for (int c = 0; c < m_cells.Columns(); ++c)
            if (m_cells.IsFree(r, c) && IsAlpha(m_cells.Cell(r, c).Top()))
                piles.push_back(first + m_cells.Index(r, c));
    if (!m_stockWaste.waste.IsEmpty() && IsAlpha(m_stockWaste.waste.Top()))
        piles.push_back(PileIndex(&m_stockWaste.waste));
}

// ---------------------------------------------------------------------------
// Self-checks

bool CFreeTilePatience::CheckRules(std::string& why)
{
    for (int r = 0; r < m_cells.Rows(); ++r)
        for (int c = 0; c < m_cells.Columns(); ++c)
            if (m_cells.HasTile(r, c) && !m_used(r, c)) {
                why = "a tile lies in the unused cell " + std::to_string(r) + "," + std::to_string(c);
                return false;
            }
    CStr inPlay = m_cells.Letters();
    inPlay += m_stockWaste.stock.tiles;
    inPlay += m_stockWaste.waste.tiles;
    inPlay += m_word.word.tiles;
    inPlay += m_word.sink.tiles;
    return m_letterBin.ShowsLetters(inPlay, why);
}
