#pragma once
// Spelunker: the cave variant of Worm Hole. A miner digs through a 15 x 15
// cave of letters that stay face down until the miner's torch comes within
// one cell of them. Four diamonds lie on letters somewhere in the cave; a
// diamond the miner could take is collected by a click, and collecting every
// diamond wins the hand, as does eating the whole cave.
#include "games/WormHole.h"

class CSpelunker : public CWormHole {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kSide = 15;

    explicit CSpelunker(const CGameContext& context);

    bool Undo() override;
    bool IsFinished() override;
    bool CheckRules(std::string& why) override;
    std::string DescribeState() const override;

    // The pieces, for the tests.
    CTilePile& Diamonds() { return m_diamonds; }
    int DiamondsPlaced() const { return m_placed; }

private:
    void TakeCell(int cell) override;
    void PlacePieces(int width, int height) override;
    CStr TableLetters() const override;
    // Whether the cell is face up: it holds a diamond, or the torch has shone
    // on it (it lies within one of the miner or of a cell the miner dug out).
    bool IsLit(int cell) const;
    // Turns each cell face up or down as IsLit says.
    void Light();

    CTilePile m_diamonds;  // collected
    int m_placed = 0;
};
