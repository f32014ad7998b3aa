#pragma once
// Quillo's Quotes: the next quotation of the list is shown, and at the first
// press of a mouse button its letters are masked and, shuffled, become a
// face-down deck. Tiles turned from the deck onto the waste go onto five
// rows; a tile may join a row that is not empty only when the row's letters
// then end in the beginning of a word of the quotation still hidden. When a
// row ends in such a whole word, its tiles leave the row, the word is
// uncovered and scores 26 points a letter. Using up every letter wins.
// Holding the button on the quotation peeks at it, at 25 points a press.
#include "framework/Game.h"
#include "framework/StockWaste.h"
#include "framework/TilePile.h"

class CQuilloQuotes : public CGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kRows = 5;

    explicit CQuilloQuotes(const CGameContext& context);
    // Hints: a tile that uncovers a word first, then one that grows the
    // beginning of a hidden word, then one onto an empty row.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override;

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    // A row that now ends in a hidden word of the quotation gives it up.
    bool IsFinishedAfterDrop(CTilePile* target) override;
    bool IsFinished() override;
    void AddTooltips() override;
    std::string DescribeState() const override;
    CStr TilesOutsidePiles() const override;

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void AddTableLook(std::string& look) const override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_quoteRect); }
    void Deal();
    void TurnTile();
    void DropDraggedTile();
    // Whether the row's letters followed by `letter` end in the beginning of a hidden word.
    bool CanJoin(const CTilePile& row, char letter) const;
    int RowAt(int x, int y) const;

    CTilePile m_rows[kRows];
    CStockWaste m_deck{*this};
    CTilePile m_done;
    CStr m_undealt;  // the shuffled letters until the first press
    bool m_dealt = false;
    bool m_peeking = false;
    RECT m_quoteRect{};
};
