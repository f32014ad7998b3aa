#pragma once
// Griddle: 49 letter tiles in a 7 x 7 grid. Spell one word at a time: the
// first letter may be any tile, each next one must touch the one before it
// (diagonals too), and the word must stay the beginning of some dictionary
// word. A complete word scores 26 points a letter and leaves the grid. Six
// lightning tiles let the next letter come from anywhere, at 50 points each;
// the lightning tile stays in the grid in the last letter's place. The hand
// is over when no letter is left in the grid.
#include "framework/Game.h"
#include "framework/GridPath.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordPile.h"

class CGriddle : public CGame {
public:
    static constexpr int kSide = 7;
    static constexpr int kCells = kSide * kSide;

    explicit CGriddle(const CGameContext& context);

    int Undo(HWND hwnd) override;
    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    bool IsFinished(HWND hwnd) override;
    std::unique_ptr<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;
    void AfterMove(HWND hwnd, int flag) override;
    // The letter bin shows exactly the letters on the table.
    bool CheckRules(std::string& why) override;

    // The piles, for the tests.
    CTilePile& Cell(int row, int column) { return m_cells[row * kSide + column]; }
    CTilePile& Lightning() { return m_lightning; }
    CWordPile& Word() { return m_word; }
    CTextBoard& LetterBin() { return m_letterBin; }

private:
    void PlacePieces(int width, int height) override;
    void PickCell(HWND hwnd, int cell);
    void UseLightning(HWND hwnd);
    bool TryScoreWord(HWND hwnd);
    bool ScoreWord(CTilePile& pile, HWND hwnd);

    CTilePile m_cells[kCells];
    CTilePile m_lightning;
    CWordPile m_word;
    CGridPath m_path{m_cells, kSide};
    CTextBoard m_letterBin;
};
