#pragma once
// Klondike: the letters of four random 13-letter words are shuffled and dealt
// onto seven tableau piles (only each pile's top tile face up) and a draw
// pile. Tiles move between piles by drag and drop, but a run may join a
// non-empty pile only when the pile's face-up letters then spell a word. A
// tile that is the next unspelled letter of one of the four target words is
// scored into the foundation (10 points). Spelling all four words wins.
#include <string>

#include "framework/Foundation.h"
#include "framework/Game.h"
#include "framework/StockWaste.h"
#include "framework/TilePile.h"

class CKlondike : public CGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kPiles = 7;
    static constexpr int kWordLength = 13;

    explicit CKlondike(const CGameContext& context);

    void OnSettingsChanged() override;
    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    bool IsFinished() override;
    // Hints: scoring a tile first, then a move that uncovers a face-down
    // tile, then the waste's top played, then any other run that spells a word.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override;

    // Decides where tiles that were dragged and released after moving go.
    virtual void DropDraggedTiles();
    // Moves the top tile of `pile` into the foundation.
    virtual void ScoreTile(CTilePile& pile);

private:
    void PlacePieces(int width, int height) override;
    void DrawFromStock();
    void MoveWasteToPile(int pile);
    // Whether the pile's face-up letters followed by `letters` spell a word.
    bool SpellsWordOn(const CTilePile& pile, const CStr& letters) const;

    CTilePile m_tableau[kPiles];
    CStockWaste m_stockWaste{*this};
    CFoundation m_foundation{*this};
    bool m_suppressNextButtonUp = false;
};
