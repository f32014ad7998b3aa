#pragma once
// CFreeTilePatience: the patience games played on a layout of face-up tiles
// of which only the free ones may be taken (a pyramid, three peaks, three
// rock piles), with a face-down stock turned onto a waste. The player spells
// one word at a time from free tiles and the waste's top tile, taking only a
// letter that keeps the word the beginning of a dictionary word, and scores
// it with the check button; a letter bin shows the letters still in play.
//
// The game supplies what differs: the cells its deal uses and its free rule
// (passed to Lay, from its constructor), where everything stands
// (PlacePieces), what a word is worth (WordPoints) and when the layout is
// cleared (IsFinished). Everything else is played here: a click on the
// stock turns a tile (free) or, with the stock empty, turns the waste back
// over at the recycle penalty and forgets the undo history; a click on the
// empty waste draws from the stock at the recycle penalty; a right-button
// release anywhere turns the stock; a click on a word tile sends it and
// those after it back; a click right of the word plays the waste's top.
#include <string>

#include "framework/Game.h"
#include "framework/StockWaste.h"
#include "framework/TextBoard.h"
#include "framework/TileLayout.h"
#include "framework/WordPile.h"

class CFreeTilePatience : public CGame, public CWordSource {
public:
    CFreeTilePatience(const CGameContext& context, int rows, int columns);

    // Hints: the words the free tiles and the waste's top spell now.
    bool HasHints() const override { return true; }
    CWordSource* WordSource() override { return this; }
    // Enter scores the word, as the check button does.
    void OnEnterKey() override { TryScoreWord(); }

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    void AfterMove() override;
    // Every tile lies in a cell of the deal's pattern, and the letter bin
    // shows exactly the letters still in play.
    bool CheckRules(std::string& why) override;

    // The check button, or a double click off the tiles.
    bool TryScoreWord();
    // A click on the stock, or any right-button release.
    void TurnStock();
    // A click on the waste, or right of the word.
    void PlayWaste();

    // The pieces, for the tests and the driver's tools.
    CTileLayout& Cells() { return m_cells; }
    CStockWaste& StockWaste() { return m_stockWaste; }
    CWordPile& Word() { return m_word; }
    CTextBoard& LetterBin() { return m_letterBin; }

protected:
    // Deals `letters`: each cell that `used` names, row by row, takes the
    // last letter left, the rest go to the stock (the last on top); `isFree`
    // is the free rule. Registers the pieces in drawing order.
    void Lay(CStr letters, CTileLayout::CellTest used, CTileLayout::CellTest isFree);
    virtual int WordPoints(int length) const = 0;

    // The finder's view (WordFinder.h): a free tile, or the waste's top.
    void NextTakes(std::vector<int>& piles) const override;
    char Lift(int pile) override { return LiftTop(pile); }
    void PutBack(int pile, char letter) override { PutTop(pile, letter); }
    int WordValue(const CStr& word, std::span<const int>) override { return WordPoints(word.GetLength()); }
    CStr WordSoFar() const override { return m_word.Letters(); }
    const CTileButton& ScoreButton() const override { return m_word.check; }

    CTileLayout m_cells;
    CStockWaste m_stockWaste;
    CWordPile m_word;
    CTextBoard m_letterBin;

private:
    CTileLayout::CellTest m_used;
};
