#pragma once
// CGridWordGame: the collapsing grids (Cave In, Implosion, Tower of Babble).
// A word is spelled by clicking cells of a grid of one-tile cells: the first
// letter anywhere, each next one touching the last or across wholly empty
// columns (a bridging CGridPath), and only while the word still begins a
// dictionary word (a letter that would not is refused without a sound; a
// cell out of reach is refused with one). The word pile's check and undo
// buttons, a cancel button that sends the whole word back, Enter (score),
// Backspace (one letter back) and Escape (the whole word back) serve the
// word; a scored word earns the word factor x length x length, joins the
// found-words list, clears the path and lets the grid settle (SettleGrid:
// by default the columns fall and refill from the hidden reserve, whose
// last letter is the next to fall in; refilled letters join play).
//
// The game deals its cells and reserve, calls RegisterParts once in its
// constructor (grid "row", word pile, path, cancel button, found list),
// places the pieces including PlaceCancel and m_found, and says when it is
// finished. The self-check: no cell holds two tiles, and with no word being
// spelled no tile hangs above an empty cell.
#include <span>
#include <string>

#include "framework/GridPath.h"
#include "framework/SettlingGrid.h"
#include "framework/TileButton.h"
#include "framework/WordListPanel.h"
#include "framework/WordPileGame.h"

class CGridWordGame : public CWordPileGame {
public:
    void HandValues(CHandRecord& record) override;
    bool Undo() override;
    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int, int, unsigned) override {}
    void OnRButtonUp(int, int, unsigned) override {}
    void OnEnterKey() override;
    void OnBackspaceKey() override;
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;
    std::string DescribeState() const override;
    bool CheckRules(std::string& why) override;

    CTilePile& Cell(int row, int column) { return m_grid.Cell(row, column); }
    // The finder's view: a cell the path reaches.
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

    CStr& Reserve() { return m_reserve; }
    int Rows() const { return static_cast<int>(m_cells.size()) / m_columns; }
    int Columns() const { return m_columns; }

protected:
    CGridWordGame(const CGameContext& context, std::span<CTilePile> cells, int columns);

    // Whether the game keeps a list of the words found.
    enum FoundWords { kListFoundWords, kNoFoundWordsList };
    void RegisterParts(unsigned cancelTooltip, FoundWords found = kListFoundWords);
    // Deals the cells in index order, each taking the last letter left of
    // `letters`, which is cut off.
    void DealCells(CStr& letters, int firstCell = 0);
    // Some column holds no tile at all.
    bool SomeColumnEmpty() const;
    // Some cell of the bottom row is empty.
    bool BottomRowBroken() const;
    // The press on a button of the game's own (true when one was hit) and
    // its release (true when one was held).
    virtual bool PressOwnButton(int, int) { return false; }
    virtual bool ReleaseOwnButton() { return false; }
    // A click on a cell holding a tile that the path may take.
    virtual void TakeCell(int cell);
    virtual void SettleGrid();
    // How many tiles a cell may hold (a face tile crowned when the hand is won holds two).
    virtual int CellCapacity(int) const { return 1; }

    CStr ScoringLetters(const CStr& tiles) override;
    int WordPoints(const CStr& letters) const override;
    void AfterWordScored() override;
    CStr TableLetters() const override { return LettersOf(m_cells); }

    std::span<CTilePile> m_cells;
    int m_columns;
    CGridPath m_path;
    CSettlingGrid m_grid;
    CWordListPanel m_found{true};
    CStr m_reserve;  // never drawn; its last letter falls in next
    bool m_keepsFound = true;
};
