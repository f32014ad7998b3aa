#include "framework/TileLayout.h"

#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/Shell.h"
#include "framework/WordPile.h"

CTileLayout::CTileLayout(CGame& game, int rows, int columns, std::string name)
    : cells(static_cast<std::size_t>(rows * columns)), m_game(game), m_rows(rows), m_columns(columns),
      m_name(std::move(name))
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            Cell(r, c).Configure(kPileAllFaceUp, kFanSquared);
            Cell(r, c).tag = r;
        }
}

CStr CTileLayout::Deal(CStr letters, const CellTest& used)
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns && !letters.IsEmpty(); ++c)
            if (used(r, c))
                Cell(r, c).Push(letters.PopLast());
    return letters;
}

bool CTileLayout::HasTile(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns && !Cell(row, column).IsEmpty();
}

bool CTileLayout::IsFree(int row, int column) const
{
    return HasTile(row, column) && (!m_isFree || m_isFree(row, column));
}

bool CTileLayout::IsRowEmpty(int row) const
{
    for (int c = 0; c < m_columns; ++c)
        if (HasTile(row, c))
            return false;
    return true;
}

bool CTileLayout::IsEmpty() const
{
    for (const CTilePile& cell : cells)
        if (!cell.IsEmpty())
            return false;
    return true;
}

CStr CTileLayout::Letters() const
{
    CStr letters;
    for (const CTilePile& cell : cells)
        letters += cell.tiles;
    return letters;
}

int CTileLayout::FreeTileAt(int x, int y) const
{
    const CTileSet& tiles = m_game.TileSet();
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const CTilePile& cell = cells[static_cast<std::size_t>(i)];
        if (cell.IsEmpty() || cell.HitTest(tiles, x, y) < 0)
            continue;
        if (IsFree(i / m_columns, i % m_columns))
            return i;
        m_game.PlaySound(kSoundRefused);
    }
    return -1;
}

bool CTileLayout::IsTileAt(int x, int y) const
{
    for (const CTilePile& cell : cells)
        if (!cell.IsEmpty() && cell.HitTest(m_game.TileSet(), x, y) >= 0)
            return true;
    return false;
}

bool CTileLayout::TakeOnto(int index, CWordPile& word)
{
    CTilePile& cell = cells[static_cast<std::size_t>(index)];
    if (cell.IsEmpty() || !word.CanExtend(cell.Top())) {
        m_game.PlaySound(kSoundRefused);
        return false;
    }
    m_game.PlaySound(kSoundTileMoved);
    m_game.MoveTile(&cell, &word.word, CGame::kFlyFaceDown);
    m_game.AfterMove();
    return true;
}

void CTileLayout::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    for (CTilePile& cell : cells)
        cell.Draw(buffer, tiles);
}

std::string CTileLayout::Describe() const
{
    std::string text;
    for (int r = 0; r < m_rows; ++r) {
        std::string row;
        for (int c = 0; c < m_columns; ++c)
            row += HasTile(r, c) ? Cell(r, c).Top() : '.';
        text += m_name + std::to_string(r) + ": \"" + row + "\"\n";
    }
    return text;
}

void CTileLayout::ListPiles(std::vector<const CTilePile*>& piles) const
{
    for (const CTilePile& cell : cells)
        piles.push_back(&cell);
}

bool CTileLayout::CheckInvariants(std::string& why) const
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CTilePile& cell = cells[i];
        if (cell.Length() > 1 || cell.faceDownCount != 0) {
            why = m_name + " cell " + std::to_string(i) + " holds " + cell.Describe("cell");
            return false;
        }
    }
    return true;
}
