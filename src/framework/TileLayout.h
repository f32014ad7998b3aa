#pragma once
// CTileLayout: letter tiles laid out in cells of which only the free ones may
// be taken (a pyramid, three peaks, two sets closing in inside a box). The
// layout is a grid of rows x columns cells, each a pile holding at most one
// face-up tile. The game says which cells its deal fills, where each cell
// stands on screen, and which tiles are free: the free test it supplies is
// asked only about cells that hold a tile. The layout draws its cells in
// index order (row by row), describes them one line per row with '.' for an
// unused or empty cell, finds the free tile under a point (a covered tile hit
// on the way is refused with a sound, and the search goes on, since cells may
// overlap on screen), and takes a free tile onto the word being spelled when
// the word can still grow into a dictionary word.
//
// The game owns one CTileLayout as a member, registers it as a part, places
// its cells and calls FreeTileAt and TakeOnto from its own mouse handlers.
#include <functional>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/Str.h"
#include "framework/TilePile.h"
#include "framework/Window.h"

class CGame;
class CWordPile;

class CTileLayout : public CGamePart {
public:
    using CellTest = std::function<bool(int row, int column)>;

    CTileLayout(CGame& game, int rows, int columns, std::string name);

    // The game's rule for a cell holding a tile: may it be taken now?
    void SetFreeTest(CellTest isFree) { m_isFree = std::move(isFree); }

    // Each cell for which `used` holds, row by row, takes the last letter
    // left of `letters`, which is cut off; returns the letters left over.
    CStr Deal(CStr letters, const CellTest& used);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    int Index(int row, int column) const { return row * m_columns + column; }
    CTilePile& Cell(int row, int column) { return cells[static_cast<std::size_t>(Index(row, column))]; }
    const CTilePile& Cell(int row, int column) const { return cells[static_cast<std::size_t>(Index(row, column))]; }
    // Whether the cell holds a tile; a cell outside the grid holds none.
    bool HasTile(int row, int column) const;
    // Holds a tile and the game's free test passes.
    bool IsFree(int row, int column) const;
    bool IsRowEmpty(int row) const;
    bool IsEmpty() const;
    // Every tile in the layout, row by row.
    CStr Letters() const;

    // The index of the first free tile under (x, y), in index order; every
    // covered tile hit before it plays the refusal sound. -1 when none.
    int FreeTileAt(int x, int y) const;
    // Whether any tile lies under (x, y).
    bool IsTileAt(int x, int y) const;
    // Takes the tile of cell `index` onto the word (recorded for Undo) when
    // the word followed by its letter still begins a dictionary word, and
    // updates the game (AfterMove); otherwise plays the refusal sound. True
    // when the tile was taken.
    bool TakeOnto(int index, CWordPile& word);

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    // No cell holds more than one tile, and none a face-down one.
    bool CheckInvariants(std::string& why) const override;

    std::vector<CTilePile> cells;

private:
    CGame& m_game;
    int m_rows;
    int m_columns;
    std::string m_name;
    CellTest m_isFree;
};
