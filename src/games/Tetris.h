#pragma once
// Tetris (Sticky): rigid shapes of two or three letter tiles fall into a
// well eight tiles wide and thirteen deep. Words of three letters or more
// across or down through a landed tile light up and go after a short
// delay; the tiles above each one move down a row. A point a landed tile,
// five a letter of a recorded word; more clearings, faster shapes.
// Tetris (Slippery) plays the same way with loose shapes (SlipTris.cpp).
#include "framework/ShapeDrop.h"

class CTetris : public CShapeDropGame {
public:
    void HandValues(CHandRecord& record) override;
    explicit CTetris(const CGameContext& context);

    bool CheckRules(std::string& why) override;
    int Recorded() const { return m_recorded; }

protected:
    // The letters come from `supply`, `refill` at a time.
    CTetris(const CGameContext& context, LetterSupply supply, int refill);

    void DealShape(std::span<char> cells) override;
    int AfterLanding(const std::vector<CellAt>& cells) override;
    void ClearWaiting() override;
    void PlacePieces(int width, int height) override;

private:
    LetterSupply m_supply;
    int m_refill;
    CStr m_letters;  // waiting to be dealt into shapes, taken from the end
    int m_bestRow = 0;
    int m_bestColumn = 0;
    std::string m_rowWords;
    std::string m_columnWords;
    int m_recorded = 0;  // letters of the words scored so far
};
