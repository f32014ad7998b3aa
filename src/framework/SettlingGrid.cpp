#include "framework/SettlingGrid.h"

#include "framework/Game.h"

bool CSettlingGrid::ColumnEmpty(int column) const
{
    for (int row = 0; row < m_rows; ++row)
        if (!Cell(row, column).IsEmpty())
            return false;
    return true;
}

void CSettlingGrid::Move(int from, int to)
{
    m_game.MoveTile(&m_cells[static_cast<std::size_t>(from)], &m_cells[static_cast<std::size_t>(to)], CGame::kFlyFaceUp);
    if (moved)
        moved(from, to);
}

void CSettlingGrid::Settle(const Source& source, const std::function<bool(char)>& cannotFall)
{
    for (int column = 0; column < m_columns; ++column) {
        // Fall: t is the lowest empty cell, s the nearest tile above it.
        int t = m_rows - 1;
        for (int s = m_rows - 1; s >= 0; --s) {
            CTilePile& upper = Cell(s, column);
            if (upper.IsEmpty())
                continue;
            if (s == t) {
                --t;
                continue;
            }
            if (cannotFall && cannotFall(upper.Top())) {
                CStr gone;
                gone.AppendChar(upper.PopTop());
                m_game.TilesLeftPlay(gone);
                if (moved)
                    moved(s * m_columns + column, -1);
                continue;
            }
            Move(s * m_columns + column, t * m_columns + column);
            --t;
        }
        // Refill from the top while the source lasts.
        for (; t >= 0; --t) {
            const char letter = source ? source() : 0;
            if (!letter)
                break;
            CStr joined;
            joined.AppendChar(letter);
            m_game.TilesJoinedPlay(joined);
            Cell(0, column).AppendString(joined);
            if (t > 0)
                Move(column, t * m_columns + column);
        }
    }
    m_game.UndoStack().Clear();
}

void CSettlingGrid::CloseToward(int middle)
{
    for (int side : {-1, 1}) {
        for (int c = middle; c >= 0 && c < m_columns; c += side) {
            if (!Cell(m_rows - 1, c).IsEmpty())
                continue;
            int k = c + side;
            while (k >= 0 && k < m_columns && Cell(m_rows - 1, k).IsEmpty())
                k += side;
            if (k < 0 || k >= m_columns)
                break;
            for (int row = 0; row < m_rows; ++row)
                if (!Cell(row, k).IsEmpty())
                    Move(row * m_columns + k, row * m_columns + c);
        }
    }
    m_game.UndoStack().Clear();
}

bool CSettlingGrid::Rise(std::span<CTilePile> incoming, std::span<CTilePile> spill)
{
    bool overflowed = false;
    for (int c = 0; c < m_columns; ++c) {
        if (incoming[static_cast<std::size_t>(c)].IsEmpty())
            continue;
        for (int row = 0; row < m_rows; ++row) {
            CTilePile& cell = Cell(row, c);
            if (cell.IsEmpty())
                continue;
            CTilePile& above = row == 0 ? spill[static_cast<std::size_t>(c)] : Cell(row - 1, c);
            overflowed = overflowed || row == 0;
            above.Push(cell.PopTop());
            if (moved)
                moved(row * m_columns + c, row == 0 ? -1 : (row - 1) * m_columns + c);
        }
        CTilePile& bottom = Cell(m_rows - 1, c);
        bottom.Push(incoming[static_cast<std::size_t>(c)].PopTop());
    }
    m_game.UndoStack().Clear();
    return overflowed;
}
