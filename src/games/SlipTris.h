#pragma once
// Tetris (Slippery): Tetris (Sticky) with loose shapes. On landing each
// tile slides on down its own column, the box's bottom row first, until it
// rests on a tile or on the bottom; the letters come from random words.
#include "games/Tetris.h"

class CSlipTris : public CTetris {
public:
    explicit CSlipTris(const CGameContext& context);

protected:
    std::vector<CellAt> Settle(int row) override;
};
