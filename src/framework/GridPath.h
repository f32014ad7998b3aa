#pragma once
// The path a word traces through a grid of one-tile cells (Griddle, and the
// collapsing grids that build on it): the first letter may come from any
// cell, each next one must touch the cell of the letter before it, across,
// down or diagonally. The path remembers only that last cell, whose tile is
// in the word, so the cell is empty; with no last cell (a new word, or a
// jump) the next letter may again come from anywhere. A bridging path (the
// collapsing grids) also lets the next letter come from any row of a column
// beyond a run of wholly empty columns that begins at the last cell's own:
// columns emptied while the word is spelled join the cells on their sides.
//
// The game owns one CGridPath over its cells and registers it as a part (it
// draws nothing, describes the last cell as `pathEnd: row column` or
// `pathEnd: none`, and checks that the last cell is empty). It asks Touches
// before taking a cell's tile, calls Extend after, and Clear when a word is
// scored or a jump frees the next letter. Undo gives the last cell back: the
// game's CreateUndoRecord returns Record, and its Undo calls Restore with the
// newest record before the base Undo.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/TilePile.h"
#include "framework/UndoRecord.h"

class CGridPath : public CGamePart {
public:
    CGridPath(std::span<CTilePile> cells, int columns, bool bridging = false)
        : m_cells(cells), m_columns(columns), m_bridging(bridging)
    {
    }

    // Whether a letter may be taken from `cell` now: any cell when the path
    // has no last cell, otherwise one of the eight around the last cell (or,
    // bridging, a cell across empty columns).
    bool Touches(int cell) const;
    void Extend(int cell) { m_last = cell; }
    void Clear() { m_last = -1; }
    int Last() const { return m_last; }

    // For the word finder: the cells (registered piles from `first` on)
    // whose letter may come next (a glyph is no letter); a look
    // from `cell` on, and back to where the path was.
    void NextCells(int first, std::vector<int>& piles) const;
    void LookFrom(int cell)
    {
        m_looks.push_back(m_last);
        m_last = cell;
    }
    void LookBack()
    {
        m_last = m_looks.back();
        m_looks.pop_back();
    }

    // An undo record of a move that also keeps the last cell as it was.
    std::optional<CUndoRecord> Record(std::optional<CUndoRecord> move) const;
    // Gives back the last cell kept in `newest` (the record about to be undone).
    void Restore(const CUndoRecord* newest);

    void Draw(CBackBuffer&, const CTileSet&) override {}
    std::string Describe() const override;
    // The last cell is empty: its tile is in the word.
    bool CheckInvariants(std::string& why) const override;
    void Values(CHandRecord& record) override;

private:
    std::span<CTilePile> m_cells;
    int m_columns;
    bool m_bridging;
    int m_last = -1;
    std::vector<int> m_looks;  // the finder's way back

    bool ColumnEmpty(int column) const;
};
