#include "framework/LetterDrop.h"

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

CLetterDropGame::CLetterDropGame(const CGameContext& context, int rows, int columns, int spawnColumn)
    : CFallingGame(context, rows, columns), m_column(spawnColumn), m_spawnColumn(spawnColumn)
{
    SetTableSize(columns + 1, rows + 1);
    m_queue.Configure(kPileAllFaceUp, kFanSquared);
    m_falling.Configure(kPileAllFaceUp, kFanSquared);
    AddPile(m_falling, "falling");
}

void CLetterDropGame::FillQueue()
{
    for (int i = 0; i < kQueueLength; ++i)
        m_queue.Push(NextLetter());
}

void CLetterDropGame::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    m_well.Place((width - m_well.Columns() * w) / 2 - w / 2, h / 2 + 10, w, h);
    m_queue.SetPosition(SideX(), m_well.CellY(0));
    m_falling.SetPosition(m_well.CellX(m_column), m_well.HeightY(m_thirds));
}

// ---------------------------------------------------------------------------
// Time

void CLetterDropGame::Step()
{
    if (m_clearDelay > 0 && --m_clearDelay < 1) {
        PlaySound(kSoundScored);
        ClearWaiting();
        m_clearDelay = 0;
        if (IsHandOver())
            return;
    }
    if (m_clearDelay > 0)
        return;
    if (!m_active) {
        Spawn();
        if (!m_active)
            return;
    }
    MoveFalling(m_column, m_thirds + 1);
    if (const int row = m_well.LandingRow(m_column, m_thirds); row >= 0)
        Land(row);
}

// ---------------------------------------------------------------------------
// The letter in the air

bool CLetterDropGame::IsFinished() { return m_well.IsOccupied(0, m_spawnColumn); }

void CLetterDropGame::Spawn()
{
    if (EndHandIfFinished() || IsHandOver() || m_queue.IsEmpty())
        return;
    m_column = m_spawnColumn;
    m_active = true;
    MoveFalling(m_column, 0);  // placed before it holds the letter: nothing to erase
    m_falling.Push(m_queue.PopTop());
    const char next = NextLetter();
    m_queue.PushBottom(next);
    TilesJoinedPlay(CStr(std::string(1, next)));
}

void CLetterDropGame::MoveFalling(int column, int thirds)
{
    m_column = column;
    m_thirds = thirds;
    m_falling.SetPosition(m_well.CellX(column), m_well.HeightY(thirds));
}

void CLetterDropGame::PlayLandingSound(int, int) { PlaySound(kSoundTileMoved); }

void CLetterDropGame::Land(int row)
{
    m_active = false;
    MoveTile(&m_falling, &m_well.Cell(row, m_column), kFlyFaceUp);
    m_spawnColumn = m_column;
    ++m_landings;
    m_hand.score += m_hand.gameAmount1;
    PlayLandingSound(row, m_column);
    const bool waiting = AfterLanding(row, m_column);
    if (IsHandOver())
        return;
    if (waiting)
        m_clearDelay = 1;
    else
        Spawn();
}

int CLetterDropGame::Steer(int dx)
{
    if (!m_active)
        return 0;
    const int column = m_column + dx;
    // Into a wall, or into a stack the letter would overlap: nothing happens.
    if (column < 0 || column >= m_well.Columns())
        return 1;
    const int gap = m_well.GapAbove(column, m_thirds);
    if (gap < 0)
        return 1;
    MoveFalling(column, m_thirds);
    if (gap == 0)  // level with the stack's top: it lands there at once
        Land(m_well.FirstTile(column) - 1);
    return 1;
}

void CLetterDropGame::OnArrowDown()
{
    if (!m_active)
        return;
    Land(m_well.RestingRow(m_column));
}

int CLetterDropGame::Swap()
{
    if (!m_active || !SwapWithNext(m_falling, m_queue))
        return 0;
    return 1;
}


// ---------------------------------------------------------------------------
// Description and self-checks

std::string CLetterDropGame::DescribeState() const
{
    return CGame::DescribeState() + "drop: column=" + std::to_string(m_column) + " height=" +
           std::to_string(m_thirds) + "/3 " + (m_active ? "falling" : "waiting") +
           " delay=" + std::to_string(m_clearDelay) + " next column=" + std::to_string(m_spawnColumn) + " landed=" + std::to_string(m_landings) + "\n";
}

bool CLetterDropGame::CheckRules(std::string& why)
{
    if (m_falling.Length() != (m_active ? 1 : 0)) {
        why = "the letter in the air: " + m_falling.Describe("falling");
        return false;
    }
    if (m_active && m_well.GapAbove(m_column, m_thirds) < 0) {
        why = "the falling letter overlaps the stack of column " + std::to_string(m_column);
        return false;
    }
    if (m_queue.Length() != kQueueLength) {
        why = "the queue holds " + std::to_string(m_queue.Length()) + " letters";
        return false;
    }
    return true;
}

void CLetterDropGame::HandValues(CHandRecord& record)
{
    CFallingGame::HandValues(record);
    record(m_queue, m_column, m_spawnColumn, m_thirds, m_active, m_clearDelay, m_landings);
}
