#include "framework/ShapeDrop.h"

#include "resources/StringIds.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

CShapeDropGame::CShapeDropGame(const CGameContext& context, int rows, int columns, int box, int spawnColumn,
                               int stepsPerRow)
    : CFallingGame(context, rows, columns),
      m_box(box),
      m_steps(stepsPerRow),
      m_spawnColumn(spawnColumn),
      m_preview(static_cast<std::size_t>(box * box)),
      m_shape(static_cast<std::size_t>(box * box)),
      m_column(spawnColumn)
{
    SetTableSize(columns + 4, rows + 1);
    for (CTilePile& pile : m_preview)
        pile.Configure(kPileAllFaceUp, kFanSquared);
    for (CTilePile& pile : m_shape)
        pile.Configure(kPileAllFaceUp, kFanSquared);
    AddGrid(m_preview, box, "preview");
    AddGrid(m_shape, box, "shape");  // over the well
}

void CShapeDropGame::DealFirstShape()
{
    std::vector<char> cells(m_preview.size(), 0);
    DealShape(cells);
    for (std::size_t k = 0; k < cells.size(); ++k)
        m_preview[k].tiles = cells[k] ? CStr(std::string(1, cells[k])) : CStr();
}

void CShapeDropGame::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    m_well.Place((width - 7 * w / 2 - m_well.Columns() * w) / 2, h / 2 + 10, w, h);
    for (int i = 0; i < m_box; ++i)
        for (int j = 0; j < m_box; ++j)
            Preview(i, j).SetPosition(SideX() + j * w, m_well.CellY(i));
    PlaceShape();
}

void CShapeDropGame::PlaceShape()
{
    const int h = m_tileSet.TileHeight();
    const int drop = m_flightY >= 0 ? m_flightY : m_height * h / m_steps;
    for (int i = 0; i < m_box; ++i)
        for (int j = 0; j < m_box; ++j)
            Box(i, j).SetPosition(m_well.CellX(m_column + j), m_well.CellY(i) + drop);
}

void CShapeDropGame::AddTooltips()
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    m_tooltips.AddToolAt(Preview(0, 0).x, Preview(0, 0).y, m_box * w, m_box * h, kStrPreviewTooltip, kStrPreviewTooltip);
}

// ---------------------------------------------------------------------------
// Time

void CShapeDropGame::Step()
{
    if (m_clearDelay > 0 && --m_clearDelay == 0) {
        PlaySound(kSoundScored);
        ClearWaiting();
        PlaceShape();
        m_well.CheckLevel(*this, ++m_clearings);
        if (IsHandOver())
            return;
    }
    if (m_clearDelay > 0)
        return;
    if (!m_active) {
        Spawn();
        if (!m_active || IsHandOver())
            return;
    }
    ++m_height;
    PlaceShape();
    if (const int row = RestRow(m_height); row != kFalls)
        Land(row);
}

// ---------------------------------------------------------------------------
// The shape in the air

std::vector<char> CShapeDropGame::Cells() const
{
    std::vector<char> cells(m_shape.size(), 0);
    for (std::size_t k = 0; k < cells.size(); ++k)
        cells[k] = m_shape[k].IsEmpty() ? 0 : m_shape[k].Top();
    return cells;
}

bool CShapeDropGame::Fits(const std::vector<char>& cells, int row, int column) const
{
    for (int i = 0; i < m_box; ++i)
        for (int j = 0; j < m_box; ++j) {
            if (!cells[Index(i, j)])
                continue;
            const int r = row + i, c = column + j;
            if (r < 0 || r >= m_well.Rows() || c < 0 || c >= m_well.Columns() || m_well.IsOccupied(r, c))
                return false;
        }
    return true;
}

bool CShapeDropGame::FitsHere(const std::vector<char>& cells, int column) const
{
    return Fits(cells, m_height / m_steps, column) && Fits(cells, (m_height + m_steps - 1) / m_steps, column);
}

int CShapeDropGame::RestRow(int height) const
{
    const std::vector<char> cells = Cells();
    int lowest = 0;
    for (std::size_t k = 0; k < cells.size(); ++k)
        if (cells[k])
            lowest = static_cast<int>(k) / m_box;
    // The lowest tile level with the top of the bottom row: it rests there.
    if (height + lowest * m_steps >= (m_well.Rows() - 1) * m_steps)
        return m_well.Rows() - 1 - lowest;
    // Not room in the first row at or below its top: it rests on the row above.
    const int row = (height + m_steps - 1) / m_steps;
    return Fits(cells, row, m_column) ? kFalls : row - 1;
}

bool CShapeDropGame::Playing() const { return m_active && !m_blocked && !IsHandOver(); }

bool CShapeDropGame::IsFinished() { return m_blocked; }

void CShapeDropGame::Spawn()
{
    if (IsHandOver())
        return;
    m_column = m_spawnColumn;
    m_height = 0;
    m_active = true;
    std::vector<char> cells(m_preview.size(), 0);
    DealShape(cells);
    CStr joined;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        m_shape[k].tiles = m_preview[k].RemoveAll();
        if (cells[k]) {
            m_preview[k].Push(cells[k]);
            joined += std::string(1, cells[k]).c_str();
        }
    }
    TilesJoinedPlay(joined);
    m_blocked = !Fits(Cells(), 0, m_column);
    PlaceShape();
    EndHandIfFinished();
}

std::vector<CShapeDropGame::CellAt> CShapeDropGame::Settle(int row)
{
    std::vector<CellAt> cells;
    for (int i = 0; i < m_box; ++i)
        for (int j = 0; j < m_box; ++j)
            if (!Box(i, j).IsEmpty()) {
                m_well.Cell(row + i, m_column + j).tiles = Box(i, j).RemoveAll();
                cells.emplace_back(row + i, m_column + j);
            }
    return cells;
}

void CShapeDropGame::Land(int row)
{
    if (row < 0) {
        // No room even in the top rows: the hand is over, nothing lands above the well.
        m_blocked = true;
        EndHandIfFinished();
        return;
    }
    m_active = false;
    // The shape flies straight down to its row in ten steps of 10 ms.
    const int h = m_tileSet.TileHeight(), fromY = m_height * h / m_steps;
    for (int k = 1; k <= 10; ++k) {
        m_flightY = fromY + (row * h - fromY) * k / 10;
        PlaceShape();
        ShowAndWait(10);
    }
    m_flightY = -1;
    const std::vector<CellAt> cells = Settle(row);
    m_landed += static_cast<int>(cells.size());
    m_hand.score += static_cast<int>(cells.size()) * m_hand.gameAmount1;
    m_column = m_spawnColumn;
    m_height = 0;
    PlaceShape();
    PlaySound(kSoundTileMoved);
    m_clearDelay = AfterLanding(cells);
    if (IsHandOver())
        return;
    if (m_clearDelay == 0)
        Spawn();
}

int CShapeDropGame::Move(int dx)
{
    if (!Playing())
        return 0;
    if (!FitsHere(Cells(), m_column + dx))
        return 1;
    m_column += dx;
    PlaceShape();
    return 1;
}

int CShapeDropGame::Rotate()
{
    if (!Playing())
        return 0;
    const std::vector<char> cells = Cells();
    std::vector<char> turned(cells.size(), 0);
    for (int i = 0; i < m_box; ++i)
        for (int j = 0; j < m_box; ++j)
            turned[Index(i, j)] = cells[Index(j, m_box - 1 - i)];
    for (const int dx : {0, +1, -1}) {
        if (!FitsHere(turned, m_column + dx))
            continue;
        m_column += dx;
        for (std::size_t k = 0; k < turned.size(); ++k)
            m_shape[k].tiles = turned[k] ? CStr(std::string(1, turned[k])) : CStr();
        PlaceShape();
        break;
    }
    return 1;
}

void CShapeDropGame::OnArrowDown()
{
    if (!Playing())
        return;
    int row = kFalls;
    for (int height = m_height; (row = RestRow(height)) == kFalls; ++height) {
    }
    Land(row);
}


// ---------------------------------------------------------------------------
// Description and self-checks

std::string CShapeDropGame::DescribeState() const
{
    return CGame::DescribeState() + "drop: column=" + std::to_string(m_column) + " height=" +
           std::to_string(m_height) + "/" + std::to_string(m_steps) + " " + (m_active ? "falling" : "waiting") +
           " delay=" + std::to_string(m_clearDelay) + " clearings=" + std::to_string(m_clearings) +
           " landed=" + std::to_string(m_landed) + "\n";
}

bool CShapeDropGame::CheckRules(std::string& why)
{
    const std::vector<char> cells = Cells();
    const bool empty = std::all_of(cells.begin(), cells.end(), [](char c) { return c == 0; });
    if (empty == m_active) {
        why = m_active ? "a shape falls without tiles" : "tiles wait in the box while no shape falls";
        return false;
    }
    if (m_active && !m_blocked && !FitsHere(cells, m_column)) {
        why = "the falling shape overlaps the stack or leaves the well at column " + std::to_string(m_column);
        return false;
    }
    if (std::all_of(m_preview.begin(), m_preview.end(), [](const CTilePile& p) { return p.IsEmpty(); })) {
        why = "the preview is empty";
        return false;
    }
    for (const auto* piles : {&m_shape, &m_preview})
        for (const CTilePile& pile : *piles)
            if (pile.Length() > 1) {
                why = "a box cell holds " + std::to_string(pile.Length()) + " tiles";
                return false;
            }
    return true;
}

void CShapeDropGame::HandValues(CHandRecord& record)
{
    CFallingGame::HandValues(record);
    record(m_column, m_height, m_flightY, m_active, m_blocked, m_clearDelay, m_clearings, m_landed);
}
