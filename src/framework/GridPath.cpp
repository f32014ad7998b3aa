#include "framework/GridPath.h"
#include "framework/HandRecord.h"

#include <cstdlib>

bool CGridPath::Touches(int cell) const
{
    if (m_last < 0)
        return true;
    const int column = cell % m_columns, last = m_last % m_columns;
    if (std::abs(cell / m_columns - m_last / m_columns) <= 1 && std::abs(column - last) <= 1)
        return true;
    if (!m_bridging || column == last)
        return false;
    // Every column from the last cell's own up to the one before the target
    // (or from the one after the target up to the last cell's) is empty.
    const int from = column > last ? last : column + 1, to = column > last ? column - 1 : last;
    for (int c = from; c <= to; ++c)
        if (!ColumnEmpty(c))
            return false;
    return true;
}

bool CGridPath::ColumnEmpty(int column) const
{
    for (std::size_t i = static_cast<std::size_t>(column); i < m_cells.size(); i += static_cast<std::size_t>(m_columns))
        if (!m_cells[i].IsEmpty())
            return false;
    return true;
}

namespace {
constexpr char kPathRecord = 'P';  // value1, value2: the last cell's row and column before the move
}

std::optional<CUndoRecord> CGridPath::Record(std::optional<CUndoRecord> move) const
{
    if (move) {
        move->kind = kPathRecord;
        move->value1 = m_last < 0 ? -1 : m_last / m_columns;
        move->value2 = m_last < 0 ? -1 : m_last % m_columns;
    }
    return move;
}

void CGridPath::Restore(const CUndoRecord* newest)
{
    if (!newest || newest->kind != kPathRecord)
        return;
    const int cell = newest->value1 * m_columns + newest->value2;
    m_last = newest->value1 < 0 || newest->value2 < 0 || cell >= static_cast<int>(m_cells.size()) ? -1 : cell;
}

void CGridPath::Values(CHandRecord& record) { record.Bounded(m_last, -1, static_cast<int>(m_cells.size()) - 1); }

std::string CGridPath::Describe() const
{
    if (m_last < 0)
        return "pathEnd: none\n";
    return "pathEnd: " + std::to_string(m_last / m_columns) + " " + std::to_string(m_last % m_columns) + "\n";
}

bool CGridPath::CheckInvariants(std::string& why) const
{
    if (m_last < 0)
        return true;
    if (m_last >= static_cast<int>(m_cells.size())) {
        why = "the path ends outside the grid at cell " + std::to_string(m_last);
        return false;
    }
    if (m_cells[static_cast<std::size_t>(m_last)].IsEmpty())
        return true;
    why = "the path ends on cell " + std::to_string(m_last) + ", which still holds a tile";
    return false;
}

void CGridPath::NextCells(int first, std::vector<int>& piles) const
{
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        if (!m_cells[i].IsEmpty() && IsAlpha(m_cells[i].Top()) && Touches(static_cast<int>(i)))
            piles.push_back(first + static_cast<int>(i));
}
