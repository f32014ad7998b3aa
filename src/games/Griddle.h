#pragma once
// Griddle: 49 letter tiles in a 7 x 7 grid. Spell one word at a time: the
// first letter may be any tile, each next one must touch the one before it
// (diagonals too), and the word must stay the beginning of some dictionary
// word. A complete word scores 26 points a letter and leaves the grid. Six
// lightning tiles let the next letter come from anywhere, at 50 points each;
// the lightning tile stays in the grid in the last letter's place. The hand
// is over when no letter is left in the grid.
#include "framework/GridPath.h"
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CGriddle : public CWordPileGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kSide = 7;
    static constexpr int kCells = kSide * kSide;

    explicit CGriddle(const CGameContext& context);

    bool Undo() override;
    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    bool IsFinished() override { return TableLetters().IsEmpty(); }
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;

    // The piles, for the tests.
    CTilePile& Cell(int row, int column) { return m_cells[row * kSide + column]; }
    CTilePile& Lightning() { return m_lightning; }

private:
    void PlacePieces(int width, int height) override;
    void PickCell(int cell);
    void UseLightning();
    void AfterWordScored() override { m_path.Clear(); }  // the next word may start anywhere
    // The finder's view: a letter the path reaches.
    void NextTakes(std::vector<int>& piles) const override { m_path.NextCells(PileIndex(&m_cells[0]), piles); }
    char Lift(int pile) override
    {
        m_path.LookFrom(pile - PileIndex(&m_cells[0]));
        return LiftTop(pile);
    }
    void PutBack(int pile, char letter) override
    {
        PutTop(pile, letter);
        m_path.LookBack();
    }
    // The letters in the grid; a lightning tile is none.
    CStr TableLetters() const override;

    CTilePile m_cells[kCells];
    CTilePile m_lightning;
    CGridPath m_path{m_cells, kSide};
};
