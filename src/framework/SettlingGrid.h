#pragma once
// CSettlingGrid: a grid of one-tile cells, row 0 at the top, that settles
// after every word (Cave In, Implosion, Tower of Babble, Avalanche). Settle
// lets every column's tiles fall to its bottom, keeping their order, each
// tile flying to its new cell; a tile the game says cannot fall (a bomb)
// leaves play instead. The cells left empty above are then refilled while
// the game's source gives letters: each new letter joins play at the top
// cell of its column and falls from there to its place (without a flight
// when its place is the top cell itself). CloseToward slides whole columns
// into emptied ones toward a middle column; Rise lifts every column a row,
// a new letter entering at the bottom and a tile pushed out of row 0 going
// to the column's spill pile. Every move is reported to `moved` (from cell,
// to cell), so a game can follow a tile that falls with its column (a face
// tile); a tile that leaves the grid is reported with `to` -1.
//
// The game owns the cells (registered as a grid) and one CSettlingGrid over
// them; the undo history is cleared afterwards, since a settled grid is not undone.
#include <functional>
#include <span>

#include "framework/TilePile.h"

class CGame;

class CSettlingGrid {
public:
    // The next letter to fall in, or 0 when the source is dry.
    using Source = std::function<char()>;

    CSettlingGrid(CGame& game, std::span<CTilePile> cells, int columns)
        : m_game(game), m_cells(cells), m_columns(columns), m_rows(static_cast<int>(cells.size()) / columns)
    {
    }

    CTilePile& Cell(int row, int column) { return m_cells[static_cast<std::size_t>(row * m_columns + column)]; }
    const CTilePile& Cell(int row, int column) const
    {
        return m_cells[static_cast<std::size_t>(row * m_columns + column)];
    }
    bool ColumnEmpty(int column) const;

    // Falls and refills, column by column from the left.
    void Settle(const Source& source, const std::function<bool(char)>& cannotFall = {});
    // Each column whose bottom cell is empty takes the whole next column
    // that holds tiles, working outwards from `middle`, so the columns close
    // up around it.
    void CloseToward(int middle);
    // Lifts every column whose incoming pile holds a letter by one row; that
    // letter enters the bottom cell. True when a tile left row 0 for `spill`.
    bool Rise(std::span<CTilePile> incoming, std::span<CTilePile> spill);

    std::function<void(int from, int to)> moved;

private:
    void Move(int from, int to);

    CGame& m_game;
    std::span<CTilePile> m_cells;
    int m_columns;
    int m_rows;
};
