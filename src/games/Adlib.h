#pragma once
// Cross Ways: fourteen letters on two racks of seven and 120 seconds to
// build a crossword with them on a 7 x 7 grid. The crossword is worth 40
// points a letter of every run of two or more letters across and down,
// counted once per run, plus 250 when both racks are empty, but only while
// its tiles form one group and every such run is a word; otherwise nothing.
// The score always shows that value. The checkmark (or a double click off
// the grid's tiles) ends the hand with it, and every second left is worth 5
// points more. There is no undo.
#include <memory>

#include "framework/Game.h"
#include "framework/LetterBoard.h"
#include "framework/TilePile.h"

class CAdlib : public CGame {
public:
    static constexpr int kSize = 7;
    static constexpr int kRackSlots = 7;

    explicit CAdlib(const CGameContext& context);
    // Hints: a rack tile onto the grid where the crossword gains the most;
    // with none, the first tile of a two-letter word the crossword can take.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override;

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnGameOver() override;
    bool CanUndo() const override { return false; }
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile*, CTilePile*, int) override { return std::nullopt; }
    void AfterMove() override;
    bool OnTimeUp() override;
    // The score is always what the crossword is worth.
    bool CheckRules(std::string& why) override;

    // What the tiles on the grid are worth now (0 when they do not count).
    int CrosswordValue() const;
    // Scores the crossword and ends the hand; false when it is worth nothing.
    bool Finish();

private:
    void PlacePieces(int width, int height) override;
    void DropDraggedTiles();

    CLetterBoard m_grid{kSize, kSize, "row"};
    CSlotPile m_topRack;
    CSlotPile m_sideRack;
    CTileButton m_check{0, kButtonAccept};
};
