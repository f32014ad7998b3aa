#pragma once
// Free Cell: the letters of four random 13-letter words are shuffled and dealt
// face up onto eight stacks. One tile moves at a time: onto a stack only when
// some ending of the stack's letters then spells a word, onto an empty free
// cell always. A tile that is the next unspelled letter of a target word is
// scored into the foundation (10 points). Spelling all four words wins.
#include <iterator>

#include "framework/Foundation.h"
#include "framework/Game.h"
#include "framework/TilePile.h"

class CFreeCell : public CGame {
public:
    static constexpr int kStacks = 8;
    static constexpr int kCells = 4;
    static constexpr int kWordLength = 13;

    explicit CFreeCell(const CGameContext& context);

    void OnSettingsChanged() override;
    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    bool IsFinished() override;
    // Hints: scoring a tile first, then a tile that grows a word on a
    // stack, then a tile parked in a free cell.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override;
    void AddTooltips() override;

private:
    void PlacePieces(int width, int height) override;
    void DropDraggedTile();
    // Whether some ending of the pile's letters followed by `letter` is a word.
    bool CanAdd(const CTilePile& pile, char letter) const;
    // Sends the top tile of `pile` to the first empty free cell; false when all are full.
    bool MoveToFreeCell(CTilePile& pile);
    bool IsFreeCell(const CTilePile& pile) const { return &pile >= std::begin(m_cells) && &pile < std::end(m_cells); }

    CTilePile m_stacks[kStacks];
    CTilePile m_cells[kCells];
    CFoundation m_foundation{*this};
};
