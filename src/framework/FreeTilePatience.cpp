#include "framework/FreeTilePatience.h"

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

namespace {
constexpr unsigned kLetterBinTooltip = 614;
}  // namespace

CFreeTilePatience::CFreeTilePatience(const CGameContext& context, int rows, int columns)
    : CGame(context), m_cells(*this, rows, columns, "cells"), m_stockWaste(*this), m_word(*this, context.dictionary)
{
}

void CFreeTilePatience::Lay(CStr letters, CTileLayout::CellTest used, CTileLayout::CellTest isFree)
{
    m_letterBin.SetText(letters, false, true);
    m_stockWaste.stock.tiles = m_cells.Deal(letters, used);
    m_used = std::move(used);
    m_cells.SetFreeTest(std::move(isFree));
    AddPart(m_cells);
    AddPart(m_word);
    AddPart(m_stockWaste);
    AddBoard(m_letterBin, "letterBin", kLetterBinTooltip);
}

// ---------------------------------------------------------------------------
// Mouse

int CFreeTilePatience::OnLButtonDown(HWND hwnd, int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    hwnd->SetCapture();
    if (m_stockWaste.IsStockHit(x, y)) {
        TurnStock(hwnd);
        return 1;
    }
    if (m_stockWaste.waste.HitTest(m_tileSet, x, y) >= 0) {  // its empty slot too
        PlayWaste(hwnd);
        return 1;
    }
    const int cell = m_cells.FreeTileAt(x, y);
    if (cell >= 0) {
        m_cells.TakeOnto(hwnd, cell, m_word);
        return 1;
    }
    if (m_word.ClickWordTile(hwnd, x, y) || m_word.PressButtonAt(hwnd, x, y))
        return 1;
    // Well right of the word, on its row: the waste's top letter joins it.
    if (!m_stockWaste.waste.IsEmpty() && m_word.word.HitTest(m_tileSet, x, y) == kHitRight &&
        x > m_word.word.NextTileX(m_tileSet) + m_tileSet.TileWidth()) {
        PlayWaste(hwnd);
        return 1;
    }
    return 0;
}

int CFreeTilePatience::OnLButtonUp(HWND hwnd, int, int, unsigned)
{
    hwnd->ReleaseCapture();
    return m_word.OnButtonUp(hwnd, [this, hwnd] { TryScoreWord(hwnd); }) ? 1 : 0;
}

int CFreeTilePatience::OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys)
{
    if (m_cells.IsTileAt(x, y) || m_word.IsOverButton(x, y) || m_stockWaste.IsStockHit(x, y) ||
        m_stockWaste.waste.HitTest(m_tileSet, x, y) >= 0)
        return OnLButtonDown(hwnd, x, y, keys);
    if (TryScoreWord(hwnd))
        return 1;
    return OnLButtonDown(hwnd, x, y, keys);
}

int CFreeTilePatience::OnRButtonDown(HWND, int, int, unsigned) { return 0; }

int CFreeTilePatience::OnRButtonUp(HWND hwnd, int, int, unsigned)
{
    TurnStock(hwnd);
    return 1;
}

// ---------------------------------------------------------------------------
// Moves

void CFreeTilePatience::TurnStock(HWND hwnd)
{
    if (m_stockWaste.IsEmpty())
        return;
    m_stockWaste.Turn(hwnd);
    AfterMove(hwnd, 1);
}

void CFreeTilePatience::PlayWaste(HWND hwnd)
{
    CTilePile& waste = m_stockWaste.waste;
    if (!waste.IsEmpty()) {
        if (!m_word.CanExtend(waste.Top()))
            return;  // refused without a sound
        m_stockWaste.PlayWasteOnto(hwnd, m_word.word);
    } else if (!m_stockWaste.stock.IsEmpty()) {
        // Drawing through the empty waste costs what turning it back does.
        m_scorePanel.score -= m_scorePanel.recyclePenalty;
        m_stockWaste.Turn(hwnd);
        m_backBuffer.Open(hwnd);
        DrawScorePanel();
        m_backBuffer.Close();
    } else {
        return;
    }
    AfterMove(hwnd, 1);
}

bool CFreeTilePatience::TryScoreWord(HWND hwnd)
{
    return m_word.ScoreWord(hwnd, &m_letterBin, [this](CStr& letters) { return WordPoints(letters.GetLength()); });
}

void CFreeTilePatience::AfterMove(HWND hwnd, int flag)
{
    m_word.UpdateButtons(hwnd, flag != 0);
    RefreshTooltips();
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
