#include "framework/LetterBoard.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/HandRecord.h"

namespace {
// Where a tile dropped with its image centred on `centre` joins the slot
// rack: the slot it covers most, after the rack's last tile at the most; -1
// when the point is not over the rack's slots.
int RackInsertIndex(const CSlotPile& rack, const CTileSet& tileSet, POINT centre)
{
    const int w = tileSet.TileWidth(), h = tileSet.TileHeight();
    if (w <= 0 || h <= 0)
        return -1;
    const bool across = (rack.fan & kFanRight) != 0;
    const int along = across ? centre.x - rack.x : centre.y - rack.y;
    const int beside = across ? centre.y - rack.y : centre.x - rack.x;
    const int step = across ? w : h;
    if (along < 0 || along >= std::max(rack.slotCount, 1) * step || beside < 0 || beside >= (across ? h : w))
        return -1;
    return std::min(along / step, rack.Length());
}
}  // namespace

void CBoardCell::Draw(CBackBuffer& buffer, const CTileSet& tileSet)
{
    if (!IsEmpty() || !marker) {
        CTilePile::Draw(buffer, tileSet);
        return;
    }
    GetRect(tileSet);
    tileSet.DrawGlyph(buffer, marker, x, y, kGlyphFaceUp, kGlyphBlank);
}

void CBoardCell::Values(CHandRecord& record)
{
    CTilePile::Values(record);
    record(marker);
}

CLetterBoard::CLetterBoard(int rows, int columns, std::string name)
    : m_rows(rows), m_columns(columns), m_name(std::move(name)), m_cells(static_cast<std::size_t>(rows * columns))
{
    for (CBoardCell& cell : m_cells)
        cell.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
}

void CLetterBoard::Place(int left, int top, const CTileSet& tileSet)
{
    m_left = left;
    m_top = top;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            Cell(r, c).SetPosition(left + c * tileSet.TileWidth(), top + r * tileSet.TileHeight());
}

bool CLetterBoard::IsInside(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

char CLetterBoard::Letter(int row, int column) const
{
    if (!IsInside(row, column) || Cell(row, column).IsEmpty())
        return 0;
    return Cell(row, column).Top();
}

int CLetterBoard::CellAt(const CTileSet& tileSet, POINT point) const
{
    const int w = tileSet.TileWidth(), h = tileSet.TileHeight();
    if (w <= 0 || h <= 0 || point.x < m_left || point.y < m_top)
        return -1;
    const int column = (point.x - m_left) / w, row = (point.y - m_top) / h;
    return IsInside(row, column) ? Index(row, column) : -1;
}

std::vector<int> CLetterBoard::FilledCells() const
{
    std::vector<int> cells;
    for (int i = 0; i < m_rows * m_columns; ++i)
        if (!Cell(i).IsEmpty())
            cells.push_back(i);
    return cells;
}

LetterRun CLetterBoard::RunThrough(int row, int column, bool across) const
{
    if (!Letter(row, column))
        return LetterRun{row, column, across, 0};
    const int dr = across ? 0 : 1, dc = across ? 1 : 0;
    while (Letter(row - dr, column - dc))
        row -= dr, column -= dc;
    LetterRun run{row, column, across, 0};
    while (Letter(row, column))
        row += dr, column += dc, ++run.length;
    return run;
}

CStr CLetterBoard::Letters(const LetterRun& run) const
{
    CStr letters;
    for (int i = 0; i < run.length; ++i)
        letters.AppendChar(run.across ? Letter(run.row, run.column + i) : Letter(run.row + i, run.column));
    return letters;
}

bool CLetterBoard::Contains(const LetterRun& run, int row, int column) const
{
    if (run.across)
        return row == run.row && column >= run.column && column < run.column + run.length;
    return column == run.column && row >= run.row && row < run.row + run.length;
}

std::vector<LetterRun> CLetterBoard::RunsThrough(std::span<const int> cells) const
{
    std::vector<LetterRun> runs;
    for (const int cell : cells)
        for (const bool across : {true, false}) {
            const LetterRun run = RunThrough(cell / m_columns, cell % m_columns, across);
            if (run.length >= 2 && std::find(runs.begin(), runs.end(), run) == runs.end())
                runs.push_back(run);
        }
    return runs;
}

int CLetterBoard::ScoreRuns(std::span<const LetterRun> runs, const CDictionary* dictionary,
                            const std::function<int(const LetterRun&)>& value) const
{
    int total = 0;
    for (const LetterRun& run : runs) {
        if (!dictionary || !dictionary->IsWord(Letters(run).c_str()))
            return -1;
        total += value(run);
    }
    return total;
}

bool CLetterBoard::IsOneGroup() const
{
    const std::vector<int> filled = FilledCells();
    if (filled.empty())
        return false;
    std::vector<bool> reached(m_cells.size(), false);
    std::vector<int> open{filled.front()};
    reached[static_cast<std::size_t>(filled.front())] = true;
    std::size_t count = 0;
    while (!open.empty()) {
        const int cell = open.back();
        open.pop_back();
        ++count;
        const int row = cell / m_columns, column = cell % m_columns;
        const int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& [dr, dc] : steps) {
            if (!Letter(row + dr, column + dc))
                continue;
            const std::size_t next = static_cast<std::size_t>(Index(row + dr, column + dc));
            if (!reached[next]) {
                reached[next] = true;
                open.push_back(static_cast<int>(next));
            }
        }
    }
    return count == filled.size();
}

CTilePile* CLetterBoard::DropTarget(const CTileSet& tileSet, POINT centre, std::initializer_list<CSlotPile*> racks)
{
    for (CSlotPile* rack : racks) {
        const int k = RackInsertIndex(*rack, tileSet, centre);
        if (k < 0)
            continue;
        if (rack->Length() >= rack->slotCount)
            return nullptr;  // a full rack refuses it
        rack->SetInsertAt(k);
        return rack;
    }
    const int cell = CellAt(tileSet, centre);
    return cell >= 0 && Cell(cell).IsEmpty() ? &Cell(cell) : nullptr;
}

void CLetterBoard::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    for (CBoardCell& cell : m_cells)
        cell.Draw(buffer, tiles);
}

std::string CLetterBoard::Describe() const
{
    std::string text;
    for (int r = 0; r < m_rows; ++r) {
        std::string row;
        for (int c = 0; c < m_columns; ++c) {
            const CBoardCell& cell = Cell(r, c);
            row += !cell.IsEmpty() ? cell.Top() : cell.marker ? cell.marker : '.';
        }
        text += m_name + std::to_string(r) + ": \"" + row + "\"\n";
    }
    return text;
}

void CLetterBoard::DrawPile(std::size_t index, CBackBuffer& buffer, const CTileSet& tiles)
{
    m_cells[index].Draw(buffer, tiles);
}

void CLetterBoard::ListPiles(std::vector<const CTilePile*>& piles) const
{
    for (const CBoardCell& cell : m_cells)
        piles.push_back(&cell);
}

bool CLetterBoard::CheckInvariants(std::string& why) const
{
    for (int i = 0; i < m_rows * m_columns; ++i)
        if (Cell(i).Length() > 1) {
            why = m_name + " cell " + std::to_string(i / m_columns) + "," + std::to_string(i % m_columns) +
                  " holds " + std::to_string(Cell(i).Length()) + " tiles";
            return false;
        }
    return true;
}
