#include "framework/GridPath.h"

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

std::unique_ptr<CUndoRecord> CGridPath::Record(CTilePile* from, CTilePile* to, int count) const
{
    if (!from || !to)
        return nullptr;
    const int row = m_last < 0 ? -1 : m_last / m_columns, column = m_last < 0 ? -1 : m_last % m_columns;
    return std::make_unique<CUndoRecordEx>(from, to, count, row, column);
}

void CGridPath::Restore(const CUndoRecord* newest)
{
    if (const auto* record = dynamic_cast<const CUndoRecordEx*>(newest))
        m_last = record->value1 < 0 || record->value2 < 0 ? -1 : record->value1 * m_columns + record->value2;
}

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
