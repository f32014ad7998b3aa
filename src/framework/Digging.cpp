#include "framework/Digging.h"
#include "framework/HandRecord.h"

#include <cstdlib>

#include "framework/BackBuffer.h"
#include "framework/Game.h"

void CDigging::Start(int cell)
{
    CTilePile& pile = m_cells[static_cast<std::size_t>(cell)];
    pile.tiles = CStr();
    pile.Push(m_faceGlyph);
    pile.faceDownCount = 0;
    m_face = cell;
}

bool CDigging::Empty(int row, int column) const
{
    if (row < 0 || column < 0 || row >= Rows() || column >= m_columns)
        return false;
    return m_cells[static_cast<std::size_t>(row * m_columns + column)].IsEmpty();
}

bool CDigging::CanTake(int cell) const
{
    if (cell < 0 || cell >= static_cast<int>(m_cells.size()) || cell == m_face)
        return false;
    const int row = cell / m_columns, column = cell % m_columns;
    if (Empty(row - 1, column) || Empty(row + 1, column) || Empty(row, column - 1) || Empty(row, column + 1))
        return true;
    const int dr = std::abs(row - m_face / m_columns), dc = std::abs(column - m_face % m_columns);
    return dr + dc == 1;
}

void CDigging::MoveFace(int cell)
{
    if (cell == m_face || m_face < 0)
        return;
    CTilePile& from = m_cells[static_cast<std::size_t>(m_face)];
    CTilePile& to = m_cells[static_cast<std::size_t>(cell)];
    to.Push(from.PopTop());
    to.faceDownCount = 0;
    from.faceDownCount = 0;
    m_face = cell;
}

void CDigging::LookAt(int cell)
{
    const int from = m_face >= 0 ? m_cells[static_cast<std::size_t>(m_face)].faceDownCount : 0;
    m_looks.push_back({m_face, from, m_cells[static_cast<std::size_t>(cell)].faceDownCount});
    MoveFace(cell);
}

void CDigging::LookBack(int cell)
{
    const Look look = m_looks.back();
    m_looks.pop_back();
    if (look.face == m_face)
        return;  // the face did not move
    CTilePile& from = m_cells[static_cast<std::size_t>(look.face)];
    CTilePile& to = m_cells[static_cast<std::size_t>(cell)];
    from.Push(to.PopTop());
    from.faceDownCount = look.fromDown;
    to.faceDownCount = look.toDown;
    m_face = look.face;
}

bool CDigging::OnlyFaceLeft() const
{
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        if (static_cast<int>(i) != m_face && !m_cells[i].IsEmpty())
            return false;
    return true;
}

void CDigging::Celebrate(char glyph)
{
    if (m_face < 0)
        return;
    m_cells[static_cast<std::size_t>(m_face)].Push(glyph);
    m_game.UndoStack().Clear();  // a won hand takes nothing back
    m_game.TilesJoinedPlay(CStr(std::string(1, glyph)));
}

namespace {
constexpr char kDigRecord = 'D';  // value1: the face's cell before the move
}

std::optional<CUndoRecord> CDigging::Record(std::optional<CUndoRecord> move) const
{
    if (move) {
        move->kind = kDigRecord;
        move->value1 = m_face;
    }
    return move;
}

void CDigging::Restore(const CUndoRecord* newest)
{
    const int cells = static_cast<int>(m_cells.size());
    if (!newest || newest->kind != kDigRecord)
        return;
    const int face = newest->value1;
    if (face == m_face || face < 0 || face >= cells || m_face < 0 || m_face >= cells)
        return;
    CTilePile& from = m_cells[static_cast<std::size_t>(m_face)];
    CTilePile& to = m_cells[static_cast<std::size_t>(face)];
    if (from.IsEmpty() || from.Top() != m_faceGlyph || !to.IsEmpty())
        return;
    to.Push(from.PopTop());
    to.faceDownCount = 0;
    m_face = face;
}

void CDigging::Values(CHandRecord& record) { record.Bounded(m_face, -1, static_cast<int>(m_cells.size()) - 1); }

std::string CDigging::Describe() const
{
    if (m_face < 0)
        return "face: none\n";
    return "face: " + std::to_string(m_face / m_columns) + " " + std::to_string(m_face % m_columns) + "\n";
}

bool CDigging::CheckInvariants(std::string& why) const
{
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        const CStr& tiles = m_cells[i].tiles;
        const bool here = static_cast<int>(i) == m_face;
        for (int k = 0; k < tiles.GetLength(); ++k) {
            if (tiles[k] == m_faceGlyph && !(here && k == 0)) {
                why = "a face tile lies in cell " + std::to_string(i) + ", away from the face's cell";
                return false;
            }
        }
        if (here && (tiles.IsEmpty() || tiles[0] != m_faceGlyph)) {
            why = "the face's cell " + std::to_string(i) + " does not hold the face tile";
            return false;
        }
    }
    return true;
}
