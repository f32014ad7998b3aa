#pragma once
// CLetterBoard: the crossword games' board, rows x columns of square cells
// without gaps, each holding at most one letter tile, and the rule those
// games judge a board by: every run of two or more letters, across or down,
// must be a word. The game owns one as a member and registers it as a part;
// the board draws its cells (an empty cell shows its marker, a bonus
// square's glyph, when it has one), describes them one line per row
// (`name0: "ab.O."`: the letter, '.' for an empty cell, the marker for an
// empty marked cell), lists them for the tile account (markers are not
// tiles) and checks that no cell holds two tiles. The game places it, moves
// tiles onto and off its cells with the base's drag and drop (CellAt finds
// the cell under a dropped tile) and decides what the runs are worth:
// RunsThrough collects each run of two or more letters through the cells it
// is given once, and ScoreRuns adds the game's value of every run, or gives
// -1 as soon as one run is not a dictionary word.
//
// DropTarget says where a tile in the air lands on such a table: one of the
// racks of framed slots the game keeps its tiles in, at the slot it covers
// (unless the rack is full), or the empty cell under it.
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/TilePile.h"
#include "framework/WinTypes.h"

class CDictionary;

// One run of letters: its first cell, its direction and how many cells it spans.
struct LetterRun {
    int row = 0;
    int column = 0;
    bool across = true;
    int length = 0;
    bool operator==(const LetterRun&) const = default;
};

// A cell of the board: an empty one shows its marker instead of the empty slot.
class CBoardCell : public CTilePile {
public:
    void Draw(CBackBuffer& buffer, const CTileSet& tileSet) override;
    void AddLook(std::string& look) const override
    {
        CTilePile::AddLook(look);
        look += marker;
    }
    void Values(CHandRecord& record) override;
    char marker = 0;
};

class CLetterBoard : public CGamePart {
public:
    CLetterBoard(int rows, int columns, std::string name);

    // Cell (0, 0) at (left, top), the others a tile apart.
    void Place(int left, int top, const CTileSet& tileSet);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    int Index(int row, int column) const { return row * m_columns + column; }
    bool IsInside(int row, int column) const;
    CBoardCell& Cell(int index) { return m_cells[static_cast<std::size_t>(index)]; }
    const CBoardCell& Cell(int index) const { return m_cells[static_cast<std::size_t>(index)]; }
    CBoardCell& Cell(int row, int column) { return Cell(Index(row, column)); }
    const CBoardCell& Cell(int row, int column) const { return Cell(Index(row, column)); }
    // The letter on the cell; 0 when it is empty or off the board.
    char Letter(int row, int column) const;
    // The cell under the point, or -1 off the board.
    int CellAt(const CTileSet& tileSet, POINT point) const;
    // The cells holding a tile, in reading order.
    std::vector<int> FilledCells() const;

    // The longest unbroken line of tiles through the cell in that direction
    // (length 0 when the cell is empty), and its letters.
    LetterRun RunThrough(int row, int column, bool across) const;
    CStr Letters(const LetterRun& run) const;
    bool Contains(const LetterRun& run, int row, int column) const;
    // Every run of two or more letters through one of `cells`, each once,
    // the across runs of each cell before its down run.
    std::vector<LetterRun> RunsThrough(std::span<const int> cells) const;
    // The sum of `value` over the runs, or -1 when one of them is not a word.
    int ScoreRuns(std::span<const LetterRun> runs, const CDictionary* dictionary,
                  const std::function<int(const LetterRun&)>& value) const;
    // Whether the tiles form one group joined across and down (false when there are none).
    bool IsOneGroup() const;
    // Where a tile whose image is centred on `centre` lands: a rack it is
    // over with room left (its insertion point set to the slot), else the
    // empty cell under it; null when neither takes it.
    CTilePile* DropTarget(const CTileSet& tileSet, POINT centre, std::initializer_list<CSlotPile*> racks);

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    bool DrawsPilesApart() const override { return true; }
    void DrawPile(std::size_t index, CBackBuffer& buffer, const CTileSet& tiles) override;
    bool CheckInvariants(std::string& why) const override;

private:
    int m_rows;
    int m_columns;
    std::string m_name;
    std::vector<CBoardCell> m_cells;
    int m_left = 0;
    int m_top = 0;
};
