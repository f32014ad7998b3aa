#pragma once
// CFallingWell: the well the keyboard games drop letters into, with its fall
// timer and its levels. The game owns one as a member and registers it as a
// part; it draws the tile-edge frame and its cells (row 0 at the top, one
// tile a cell, a highlighted cell drawn negative with the display flag
// 0x400, which moves with its tile), describes itself one line per row
// (`well3: "ab.cd" lit="##..."`) and a line with the level, the count it
// rose by and the fall timer (`level: 1 count=7 interval=600 timer=on`),
// lists its cells and checks that none holds more than one tile and no
// empty cell is lit. A falling piece's height is counted in thirds of a
// tile below the top of row 0, never in pixels, so a tick moves it exactly
// one third whatever the tile size and a resize cannot shift it off its
// rows. The game passes every OnTimer to OnTimer here (true: a fall step is
// due), and calls StartTimer and StopTimer from OnResume and OnPause: the
// timer (706) runs only while the hand is being played, and the first tick
// of the one-second clock starts it if it is not running. After a landing
// HighlightWords lights the words through a cell; RemoveRow, RemoveLit and
// Blast take tiles out and let what lies above drop. CheckLevel raises the
// level when the count reaches the next step of the game's ladder, showing
// the level notice between two Pause commands and, with the speed-up on,
// shortening the fall interval. Tiles that leave the well are returned: the
// game passes them to TilesLeftPlay.
#include <span>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/LetterSupply.h"
#include "framework/TilePile.h"
#include "framework/Window.h"

class CGame;

class CDictionary;
class CGame;

// The next letter for the air: the last of `letters`, which is refilled
// first, when empty, with `count` letters of `supply` (LetterSupply.h),
// shuffled. A word list with no words of the lengths drawn gives a letter
// of the standard distribution instead of nothing.
char TakeLetter(CGame& game, CStr& letters, LetterSupply supply, int count);

// The letter in the air (A) traded for the next one: with B on top of the
// queue and C under it, B is in the air afterwards, C is next and A follows
// it. False, changing nothing, when the queue holds fewer than two letters.
bool SwapWithNext(CTilePile& inAir, CTilePile& queue);

class CFallingWell : public CGamePart {
public:
    static constexpr int kThirds = 3;         // fall steps to a row
    static constexpr int kFirstInterval = 850;  // ms between fall steps at level 0

    CFallingWell(int rows, int columns, std::string name = "well");

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    CTilePile& Cell(int row, int column) { return m_cells[Index(row, column)]; }
    const CTilePile& Cell(int row, int column) const { return m_cells[Index(row, column)]; }
    std::span<CTilePile> Cells() { return m_cells; }
    bool IsOccupied(int row, int column) const { return !Cell(row, column).IsEmpty(); }
    bool IsLit(int row, int column) const;
    bool AnyLit() const;
    // Every cell of the row holds a lit tile.
    bool IsRowLit(int row) const;

    // Cell (r, c) at (left + c w, top + r h); the frame a quarter tile outside.
    void Place(int left, int top, int tileWidth, int tileHeight);
    int CellX(int column) const { return m_left + column * m_w; }
    int CellY(int row) const { return m_top + row * m_h; }
    // The pixel top of a piece `thirds` thirds of a tile below row 0.
    int HeightY(int thirds) const { return m_top + thirds * m_h / kThirds; }
    int Right() const { return m_left + m_columns * m_w; }

    // The first row of the column holding a tile, Rows() when it is empty.
    int FirstTile(int column) const;
    // Where a piece dropped in the column comes to rest.
    int RestingRow(int column) const;
    // The row a letter whose top is `thirds` below row 0 lands in, or -1
    // while it still falls: it lands when its lower edge reaches the top of
    // the column's first tile, or (an empty column) of the bottom row.
    int LandingRow(int column, int thirds) const;
    // Thirds between the letter's lower edge and the column's first tile
    // (negative: the letter would overlap it); a large number when empty.
    int GapAbove(int column, int thirds) const;

    // What one search found, across [0] and down [1]: the total length of
    // the words through the cell and their letters, one after another.
    struct WordsFound {
        int length[2] = {0, 0};
        std::string letters[2];
    };
    // Lights the span of the words of `minLength` letters or more that run
    // across and down through the cell; true when one was found. Every word
    // found goes into `found` when given (a word inside a longer one too).
    bool HighlightWords(int row, int column, int minLength, const CDictionary* dictionary,
                        WordsFound* found = nullptr);

    // Moves the tile of (fromRow, column) with its highlight to (toRow, column).
    void MoveDown(int fromRow, int toRow, int column);
    // Takes the row's tiles out; everything above drops one row.
    CStr RemoveRow(int row);
    // Takes every lit tile out, top row first; the tiles above each drop one row.
    CStr RemoveLit();
    // Empties rows row-1..row+1 of columns column-1..column+1 (inside the
    // well); the tiles above drop by the rows actually emptied, never onto a tile.
    CStr Blast(int row, int column);

    // The fall timer.
    bool OnTimer(CGame& game, unsigned timerId);
    void StartTimer(CGame& game);
    void StopTimer(CGame& game);
    bool IsTimerRunning() const { return m_timerRunning; }
    int Interval() const { return m_interval; }
    // The interval of level 0 (set before the hand starts).
    void SetFirstInterval(int ms) { m_interval = ms; }

    // The levels: ladder[i] is the count from which level i + 1 begins.
    void SetLadder(std::span<const int> ladder, unsigned noticeId, bool speedUp);
    // True when the count raised the level (the notice has been shown).
    bool CheckLevel(CGame& game, int count);
    int Level() const { return m_level; }

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    bool DrawsPilesApart() const override { return true; }
    void DrawPile(std::size_t index, CBackBuffer& buffer, const CTileSet& tiles) override;
    void BackdropRegions(const CTileSet& tiles, std::vector<RECT>& regions) const override;
    void DrawBackdrop(CBackBuffer& buffer, const CTileSet& tiles) override;
    // The well's frame, around its cells and the falling piece.
    void Surrounds(const CTileSet& tiles, std::vector<RECT>& regions) const override;
    bool CheckInvariants(std::string& why) const override;
    void Values(CHandRecord& record) override;

private:
    std::size_t Index(int row, int column) const { return static_cast<std::size_t>(row * m_columns + column); }
    bool InWell(int row, int column) const { return row >= 0 && row < m_rows && column >= 0 && column < m_columns; }
    // Lights cells first..last of row (across) or column `line`.
    void Light(int line, int first, int last, bool across);

    int m_rows;
    int m_columns;
    std::string m_name;
    std::vector<CTilePile> m_cells;
    int m_left = 0;
    int m_top = 0;
    int m_w = 1;
    int m_h = 1;
    int m_interval = kFirstInterval;
    bool m_timerRunning = false;
    std::span<const int> m_ladder;
    unsigned m_noticeId = 0;
    bool m_speedUp = false;
    int m_level = 0;
    int m_count = 0;
};
