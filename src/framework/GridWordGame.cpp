#include "framework/GridWordGame.h"

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

CGridWordGame::CGridWordGame(const CGameContext& context, std::span<CTilePile> cells, int columns)
    : CWordPileGame(context), m_cells(cells), m_columns(columns), m_path(cells, columns, true),
      m_grid(*this, cells, columns)
{
    m_keepsLetterBin = false;  // the cells are the game's members, not built yet
    m_found.SetFirst("");
}

void CGridWordGame::RegisterParts(unsigned cancelTooltip, FoundWords found)
{
    m_keepsFound = found == kListFoundWords;
    for (CTilePile& cell : m_cells)
        cell.Configure(kPileAllFaceUp, kFanSquared);
    AddGrid(m_cells, m_columns, "row");
    AddPart(m_word);
    AddPart(m_path);
    AddCancelButton(cancelTooltip);
    if (m_keepsFound)
        AddWordList(m_found, "found");
}

void CGridWordGame::DealCells(CStr& letters, int firstCell)
{
    for (std::size_t i = static_cast<std::size_t>(firstCell); i < m_cells.size(); ++i)
        m_cells[i].Push(letters.PopLast());
}

bool CGridWordGame::SomeColumnEmpty() const
{
    for (int c = 0; c < m_columns; ++c)
        if (m_grid.ColumnEmpty(c))
            return true;
    return false;
}

bool CGridWordGame::BottomRowBroken() const
{
    for (std::size_t i = m_cells.size() - static_cast<std::size_t>(m_columns); i < m_cells.size(); ++i)
        if (m_cells[i].IsEmpty())
            return true;
    return false;
}

bool CGridWordGame::Undo()
{
    m_path.Restore(m_undo.Peek());  // the newest record, before the base pops it
    return CGame::Undo();
}

std::optional<CUndoRecord> CGridWordGame::CreateUndoRecord(CTilePile* from, CTilePile* to, int count)
{
    return m_path.Record(CGame::CreateUndoRecord(from, to, count));
}

void CGridWordGame::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    const int cell = PileAt(m_cells, x, y);
    if (cell >= 0 && !m_cells[static_cast<std::size_t>(cell)].IsEmpty()) {
        if (m_path.Touches(cell))
            TakeCell(cell);
        else
            PlaySound(kSoundRefused);
        return;
    }
    if (m_word.ClickWordTile(x, y))
        return;
    if (m_word.PressButtonAt(x, y) || PressOwnButton(x, y))
        return;
    PressCancelAt(x, y);
}

void CGridWordGame::TakeCell(int cell)
{
    CTilePile& pile = m_cells[static_cast<std::size_t>(cell)];
    if (!m_word.CanExtend(pile.Top()))
        return;  // no word goes on this way: refused without a sound
    if (TakeIntoWord(pile))
        m_path.Extend(cell);
}

void CGridWordGame::OnLButtonUp(int x, int y, unsigned keys)
{
    CWordPileGame::OnLButtonUp(x, y, keys);  // released what it held, or nothing
    ReleaseOwnButton();
}

void CGridWordGame::OnLButtonDblClk(int x, int y, unsigned keys)
{
    const int cell = PileAt(m_cells, x, y);
    const bool onButton = m_cancel.HitTest(x, y);
    return DoubleClick(x, y, keys, onButton || (cell >= 0 && !m_cells[static_cast<std::size_t>(cell)].IsEmpty()));
}

void CGridWordGame::OnEnterKey()
{
    if (m_word.check.visible)
        TryScoreWord();
}

void CGridWordGame::OnBackspaceKey()
{
    if (CanUndo())
        Undo();
}

CStr CGridWordGame::ScoringLetters(const CStr& tiles)
{
    if (m_keepsFound) {
        m_found.AddWord(tiles);
        m_found.Draw(m_backBuffer, m_tileSet);
    }
    return tiles;
}

int CGridWordGame::WordPoints(const CStr& letters) const { return m_hand.WordScore(letters.GetLength()); }

void CGridWordGame::AfterWordScored()
{
    m_path.Clear();
    SettleGrid();
}

void CGridWordGame::SettleGrid()
{
    m_grid.Settle([this]() -> char { return m_reserve.IsEmpty() ? 0 : m_reserve.PopLast(); });
}

std::string CGridWordGame::DescribeState() const
{
    return CWordPileGame::DescribeState() + "reserve: \"" + m_reserve.str() + "\"\n";
}

bool CGridWordGame::CheckRules(std::string& why)
{
    for (int c = 0; c < m_columns; ++c) {
        bool tileAbove = false;
        for (int r = 0; r < Rows(); ++r) {
            const CTilePile& cell = m_grid.Cell(r, c);
            if (cell.Length() > CellCapacity(r * m_columns + c)) {
                why = "cell " + std::to_string(r) + " " + std::to_string(c) + " holds two tiles";
                return false;
            }
            if (cell.IsEmpty() && tileAbove && m_word.IsEmpty()) {
                why = "a tile hangs above the empty cell " + std::to_string(r) + " " + std::to_string(c);
                return false;
            }
            tileAbove = tileAbove || !cell.IsEmpty();
        }
    }
    return true;
}

void CGridWordGame::HandValues(CHandRecord& record)
{
    CWordPileGame::HandValues(record);
    record(m_reserve, m_found);
}
