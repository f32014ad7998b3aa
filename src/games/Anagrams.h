#pragma once
// Anagrammer: the fourteen letters of one random fourteen-letter word lie in
// two rows of seven places. The player drags them into three word rows, each
// of which must always begin a word; a checkmark beside a row shows when it
// spells one. When every place is empty and every row that holds tiles
// spells a word, the rows score by their length (four and five letters earn
// the most) and the hand is won.
#include <vector>

#include "framework/Game.h"
#include "framework/TilePile.h"
#include "framework/WordStacks.h"

class CAnagrams : public CGame {
public:
    static constexpr int kColumns = 7;
    static constexpr int kPlaces = 2 * kColumns;
    static constexpr int kWordRows = 3;

    explicit CAnagrams(const CGameContext& context);
    // Hints: the moves of its word stacks, best first.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override { return m_words.FindMoves(false, m_places); }

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    bool Undo() override;
    // Scores the three rows when the hand is done: call it once per drop.
    bool IsFinished() override;
    void AfterMove() override;

private:
    void PlacePieces(int width, int height) override;
    void DropOnPlaces();

    CTilePile m_places[kPlaces];  // row 0, then row 1
    CTilePile m_rows[kWordRows];
    CWordStacks m_words{*this, m_rows, 1256};
};
