#pragma once
// Rock Piles: the 33 tiles of Tri Peaks' three piles, nine more in the
// stock, worked from the top: a tile is free once the two tiles resting on
// it in the row above are gone, so at the deal only the three summits are.
// A scored word of n letters earns 5 x n x n points; clearing the piles down
// to the bottom row wins, with a doubled bonus for speed.
#include "framework/FreeTilePatience.h"

class CRockPiles : public CFreeTilePatience {
public:
    explicit CRockPiles(const CGameContext& context);
    // The bottom row is empty (everything above went first) and no word is left unscored.
    bool IsFinished() override;

private:
    void PlacePieces(int width, int height) override;
    int WordPoints(int length) const override { return m_hand.WordScore(length); }
};
