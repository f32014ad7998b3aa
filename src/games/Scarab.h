#pragma once
// Le Scarab: 75 tiles drawn from a bag of 98, a rack of seven and a 13 x 13
// board. Each turn lays rack tiles in one row or one column so that they
// join the tiles already there (the first turn covers the centre), every
// run of two or more letters they touch being a word. The turn scores 10
// points a letter of its main word and of every cross word through a new
// tile, each word multiplied by the bonus squares its new tiles cover
// (x2, x3, and x4 for the scarab), and 100 more for all seven tiles. The
// rack is then refilled and the scarab jumps to another empty square. A new
// rack costs 150 points; once the bag is empty the same button resigns. The
// hand is over when bag and rack are both empty. There is no undo.
#include <array>
#include <memory>

#include "framework/Game.h"
#include "framework/LetterBoard.h"
#include "framework/TilePile.h"

class CScarab : public CGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kSize = 13;
    static constexpr int kRackSlots = 7;

    explicit CScarab(const CGameContext& context);

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnGameOver() override;
    bool CanUndo() const override { return false; }
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile*, CTilePile*, int) override { return std::nullopt; }
    void CancelDrag() override;
    bool IsFinished() override;
    void AfterMove() override;
    bool CheckRules(std::string& why) override;
    std::string DescribeState() const override;

    // What the tiles placed this turn score; 0 when the turn cannot be scored.
    int EvaluateTurn() const;
    // Scores the turn, refills the rack and moves the scarab; false when the turn does not score.
    bool ScoreTurn();
    // The rack's tiles go back into the bag for as many new ones, at 150 points.
    void RedrawRack();

    // For the tests: the board, and whether a tile on it was placed this turn.
    CLetterBoard& Board() { return m_board; }
    bool& Placed(int row, int column) { return m_placed[static_cast<std::size_t>(m_board.Index(row, column))]; }
    const CTileButton& ScoreButton() const { return m_scoreButton; }
    const CTileButton& RedrawButton() const { return m_redrawButton; }

private:
    void PlacePieces(int width, int height) override;
    void DropDraggedTiles();
    // The lifted tile has landed on `cell` (-1: on the rack).
    void Landed(int cell);
    void MoveScarab();
    void DrawButtons();

    CLetterBoard m_board{kSize, kSize, "row"};
    CTilePile m_bag;
    CSlotPile m_rack;
    CTileButton m_scoreButton{0, kButtonAccept};
    CTileButton m_redrawButton{1, kButtonCancel};
    std::array<bool, kSize * kSize> m_placed{};
    int m_scarabRow = kSize / 2;
    int m_scarabColumn = kSize / 2;
    int m_liftCell = -1;  // the square a tile in the air was lifted from
};
