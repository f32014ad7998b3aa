#pragma once
// Digging through a grid of one-tile cells behind a face tile (Worm Hole,
// Spelunker, Avalanche): the face stands in one cell and moves into each
// cell whose tile the player takes, and the cell it leaves stays empty. A
// cell may be taken when one of its four neighbours across or down inside
// the grid is empty, or when it lies across or down next to the face; the
// face's own cell never. Undo takes back the letter and the face's move
// together: the record of the letter's move keeps the face's cell, and the
// face goes back there before the letter returns to the cell it left.
//
// The game owns one CDigging over its cells and registers it as a part (it
// draws nothing of its own, the face being a tile of its cell; it describes
// the face's cell as `face: row column` and checks that the face tile lies
// at the bottom of its cell and in no other cell). Start puts the face tile
// in its first cell. The game asks CanTake before taking a cell's top tile
// and calls MoveFace after it took one. Its CreateUndoRecord returns Record,
// and its Undo calls Restore with the newest record before the base Undo.
// A game whose grid settles passes its moves to Follow.
// A tile laid on the face when the hand is won (Celebrate) stays above it.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/TilePile.h"
#include "framework/UndoRecord.h"
#include "framework/Window.h"

class CGame;

class CDigging : public CGamePart {
public:
    CDigging(CGame& game, std::span<CTilePile> cells, int columns, char faceGlyph)
        : m_game(game), m_cells(cells), m_columns(columns), m_faceGlyph(faceGlyph)
    {
    }

    // The deal: the face tile goes into `cell`, alone and face up.
    void Start(int cell);
    int Face() const { return m_face; }
    int Rows() const { return static_cast<int>(m_cells.size()) / m_columns; }
    int Columns() const { return m_columns; }

    // Whether the tile of `cell` may be taken now (the cell's contents aside).
    bool CanTake(int cell) const;
    // The face moves into `cell`, just emptied by a take, and both cells are
    // drawn again.
    void MoveFace(int cell);
    // A settling grid moved the tile of `from` to `to` (-1: out of the
    // grid): when that was the face tile, the face follows it.
    void Follow(int from, int to)
    {
        if (from == m_face && to >= 0)
            m_face = to;
    }
    // For the word finder: the face moves into `cell` for a look (MoveFace),
    // and back out of it.
    void LookAt(int cell);
    void LookBack(int cell);
    // No cell holds a tile but the face's.
    bool OnlyFaceLeft() const;
    // Lays `glyph` on the face (the hand is won) and draws the cell; the
    // tile joins play, and nothing can be undone.
    void Celebrate(char glyph);

    // An undo record of a move that also keeps the face's cell as it is.
    std::optional<CUndoRecord> Record(std::optional<CUndoRecord> move) const;
    // Puts the face back in the cell kept in `newest` (the record about to be undone).
    void Restore(const CUndoRecord* newest);

    void Draw(CBackBuffer&, const CTileSet&) override {}
    std::string Describe() const override;
    bool CheckInvariants(std::string& why) const override;
    void Values(CHandRecord& record) override;

private:
    bool Empty(int row, int column) const;

    CGame& m_game;
    std::span<CTilePile> m_cells;
    int m_columns;
    char m_faceGlyph;
    int m_face = -1;
    struct Look {
        int face;
        int fromDown;
        int toDown;
    };
    std::vector<Look> m_looks;  // the finder's way back
};
