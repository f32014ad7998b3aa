#include "framework/GridPath.h"

#include <cstdlib>

bool CGridPath::Touches(int cell) const
{
    if (m_last < 0)
        return true;
    return std::abs(cell / m_columns - m_last / m_columns) <= 1 && std::abs(cell % m_columns - m_last % m_columns) <= 1;
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
