#include "framework/FallingWell.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/HandRecord.h"
#include "framework/GameIds.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"
#include "framework/TileSet.h"

char TakeLetter(CGame& game, CStr& letters, LetterSupply supply, int count)
{
    if (letters.IsEmpty()) {
        letters = game.DealLetters(supply, count);
        letters.Shuffle(game.Random());
    }
    if (letters.IsEmpty())
        return DistStandard[static_cast<std::size_t>(game.Random().InRange(static_cast<int>(DistStandard.size()), 0))];
    return letters.PopLast();
}

bool SwapWithNext(CTilePile& inAir, CTilePile& queue)
{
    if (inAir.IsEmpty() || queue.Length() < 2)
        return false;
    const char a = inAir.PopTop();
    const char b = queue.PopTop();
    const char c = queue.PopTop();
    queue.Push(a);
    queue.Push(c);
    inAir.Push(b);
    return true;
}

CFallingWell::CFallingWell(int rows, int columns, std::string name)
    : m_rows(rows), m_columns(columns), m_name(std::move(name)), m_cells(static_cast<std::size_t>(rows * columns))
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            Cell(r, c).Configure(kPileAllFaceUp, kFanSquared);
            Cell(r, c).tag = r;
        }
}

bool CFallingWell::IsLit(int row, int column) const
{
    return IsOccupied(row, column) && (Cell(row, column).displayFlags & kPileNegative) != 0;
}

bool CFallingWell::AnyLit() const
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (IsLit(r, c))
                return true;
    return false;
}

bool CFallingWell::IsRowLit(int row) const
{
    for (int c = 0; c < m_columns; ++c)
        if (!IsLit(row, c))
            return false;
    return true;
}

void CFallingWell::Place(int left, int top, int tileWidth, int tileHeight)
{
    m_left = left;
    m_top = top;
    m_w = std::max(tileWidth, 1);
    m_h = std::max(tileHeight, 1);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            Cell(r, c).SetPosition(CellX(c), CellY(r));
}

int CFallingWell::FirstTile(int column) const
{
    for (int r = 0; r < m_rows; ++r)
        if (IsOccupied(r, column))
            return r;
    return m_rows;
}

int CFallingWell::RestingRow(int column) const
{
    const int first = FirstTile(column);
    return first < m_rows ? first - 1 : m_rows - 1;
}

int CFallingWell::LandingRow(int column, int thirds) const
{
    const int first = FirstTile(column);
    // An empty column's floor is the top of its bottom row: the letter lands
    // there and its flight carries it the rest of the way.
    const int floor = first < m_rows ? first : m_rows - 1;
    if (thirds + kThirds < floor * kThirds)
        return -1;
    return first < m_rows ? first - 1 : m_rows - 1;
}

int CFallingWell::GapAbove(int column, int thirds) const
{
    const int first = FirstTile(column);
    return first < m_rows ? first * kThirds - (thirds + kThirds) : m_rows * kThirds;
}

void CFallingWell::Light(int line, int first, int last, bool across)
{
    for (int i = first; i <= last; ++i) {
        CTilePile& cell = across ? Cell(line, i) : Cell(i, line);
        cell.displayFlags |= kPileNegative;
    }
}

bool CFallingWell::HighlightWords(int row, int column, int minLength, const CDictionary* dictionary,
                                  WordsFound* found)
{
    if (!InWell(row, column) || !IsOccupied(row, column) || !dictionary)
        return false;
    bool any = false;
    for (const bool across : {true, false}) {
        const int at = across ? column : row;
        const int size = across ? m_columns : m_rows;
        auto occupied = [&](int i) { return across ? IsOccupied(row, i) : IsOccupied(i, column); };
        int low = at, high = at;  // the run of tiles through the cell
        while (low > 0 && occupied(low - 1))
            --low;
        while (high + 1 < size && occupied(high + 1))
            ++high;
        int spanFirst = size, spanLast = -1;
        for (int a = low; a <= at; ++a)
            for (int b = std::max(at, a + minLength - 1); b <= high; ++b) {
                std::string letters;
                for (int i = a; i <= b; ++i)
                    letters += across ? Cell(row, i).Top() : Cell(i, column).Top();
                if (dictionary->IsWord(letters.c_str())) {
                    if (found) {
                        found->length[across ? 0 : 1] += b - a + 1;
                        found->letters[across ? 0 : 1] += letters;
                    }
                    spanFirst = std::min(spanFirst, a);
                    spanLast = std::max(spanLast, b);
                }
            }
        if (spanLast >= 0) {
            Light(across ? row : column, spanFirst, spanLast, across);
            any = true;
        }
    }
    return any;
}

void CFallingWell::MoveDown(int fromRow, int toRow, int column)
{
    CTilePile& from = Cell(fromRow, column);
    CTilePile& to = Cell(toRow, column);
    if (from.IsEmpty() || !to.IsEmpty())
        return;
    to.displayFlags = from.displayFlags;
    from.displayFlags &= ~kPileNegative;
    to.tiles = from.RemoveAll();
}

CStr CFallingWell::RemoveRow(int row)
{
    CStr taken;
    for (int c = 0; c < m_columns; ++c) {
        Cell(row, c).displayFlags &= ~kPileNegative;
        taken += Cell(row, c).RemoveAll();
    }
    for (int k = row; k >= 1; --k)
        for (int c = 0; c < m_columns; ++c)
            MoveDown(k - 1, k, c);
    return taken;
}

CStr CFallingWell::RemoveLit()
{
    CStr taken;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c) {
            if (!IsLit(r, c))
                continue;
            Cell(r, c).displayFlags &= ~kPileNegative;
            taken += Cell(r, c).RemoveAll();
            for (int k = r; k >= 1; --k)
                MoveDown(k - 1, k, c);
        }
    return taken;
}

CStr CFallingWell::Blast(int row, int column)
{
    const int top = std::max(row - 1, 0), bottom = std::min(row + 1, m_rows - 1);
    const int depth = bottom - top + 1;
    CStr taken;
    for (int c = column - 1; c <= column + 1; ++c) {
        if (c < 0 || c >= m_columns)
            continue;
        for (int r = top; r <= bottom; ++r) {
            Cell(r, c).displayFlags &= ~kPileNegative;
            taken += Cell(r, c).RemoveAll();
        }
        // From the bottom up, so every tile's new cell has been emptied first.
        for (int k = bottom; k - depth >= 0; --k)
            MoveDown(k - depth, k, c);
    }
    return taken;
}

bool CFallingWell::OnTimer(CGame& game, unsigned timerId)
{
    if (timerId == kClockTimerId && !m_timerRunning)
        StartTimer(game);
    return timerId == kFallTimerId && m_timerRunning;
}

void CFallingWell::StartTimer(CGame& game)
{
    game.StartTimer(kFallTimerId, m_interval);
    m_timerRunning = true;
}

void CFallingWell::StopTimer(CGame& game)
{
    game.StopTimer(kFallTimerId);
    m_timerRunning = false;
}

void CFallingWell::SetLadder(std::span<const int> ladder, unsigned noticeId, bool speedUp)
{
    m_ladder = ladder;
    m_noticeId = noticeId;
    m_speedUp = speedUp;
}

bool CFallingWell::CheckLevel(CGame& game, int count)
{
    m_count = count;
    int level = 0;
    while (level < static_cast<int>(m_ladder.size()) && count >= m_ladder[static_cast<std::size_t>(level)])
        ++level;
    if (level <= m_level)
        return false;
    game.ShowLevelNotice(m_noticeId);
    m_level = level;
    if (m_speedUp) {
        m_interval -= 250 / level;
        if (m_timerRunning)
            StartTimer(game);
    }
    return true;
}

void CFallingWell::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    DrawBackdrop(buffer, tiles);
    for (CTilePile& cell : m_cells)
        cell.Draw(buffer, tiles);
}

void CFallingWell::DrawBackdrop(CBackBuffer& buffer, const CTileSet& tiles)
{
    tiles.DrawFrame(buffer, m_left - m_w / 4, m_top - m_h / 4, m_columns * m_w + m_w / 2, m_rows * m_h + m_h / 2);
}

// The frame's four bars, each as deep as its pieces (half a tile).
void CFallingWell::BackdropRegions(const CTileSet& tiles, std::vector<RECT>& regions) const
{
    std::vector<RECT> outside;
    Surrounds(tiles, outside);
    const RECT o = outside.front();
    const int w = tiles.TileWidth() / 2, h = tiles.TileHeight() / 2;
    regions.push_back(RECT{o.left, o.top, o.right, o.top + h});
    regions.push_back(RECT{o.left, o.bottom - h, o.right, o.bottom});
    regions.push_back(RECT{o.left, o.top, o.left + w, o.bottom});
    regions.push_back(RECT{o.right - w, o.top, o.right, o.bottom});
}

std::string CFallingWell::Describe() const
{
    std::string text;
    for (int r = 0; r < m_rows; ++r) {
        std::string letters, lit;
        for (int c = 0; c < m_columns; ++c) {
            letters += IsOccupied(r, c) ? Cell(r, c).Top() : '.';
            lit += IsLit(r, c) ? '#' : '.';
        }
        text += m_name + std::to_string(r) + ": \"" + letters + "\" lit=\"" + lit + "\"\n";
    }
    text += "level: " + std::to_string(m_level) + " count=" + std::to_string(m_count) +
            " interval=" + std::to_string(m_interval) + " timer=" + (m_timerRunning ? "on" : "off") + "\n";
    return text;
}

void CFallingWell::Surrounds(const CTileSet&, std::vector<RECT>& regions) const
{
    regions.push_back(RECT{m_left - m_w / 4, m_top - m_h / 4, m_left + m_columns * m_w + m_w / 4,
                           m_top + m_rows * m_h + m_h / 4});
}

void CFallingWell::DrawPile(std::size_t index, CBackBuffer& buffer, const CTileSet& tiles)
{
    m_cells[index].Draw(buffer, tiles);
}

void CFallingWell::Values(CHandRecord& record) { record(m_interval, m_timerRunning, m_level, m_count); }

void CFallingWell::ListPiles(std::vector<const CTilePile*>& piles) const
{
    for (const CTilePile& cell : m_cells)
        piles.push_back(&cell);
}

bool CFallingWell::CheckInvariants(std::string& why) const
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c) {
            const CTilePile& cell = Cell(r, c);
            if (cell.Length() > 1 || (cell.IsEmpty() && (cell.displayFlags & kPileNegative))) {
                why = m_name + " cell " + std::to_string(r) + "," + std::to_string(c) + " holds " +
                      std::to_string(cell.Length()) + " tiles" + (cell.IsEmpty() ? " and is lit" : "");
                return false;
            }
        }
    return true;
}
