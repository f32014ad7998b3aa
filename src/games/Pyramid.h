#pragma once
// Pyramid: 36 letter tiles face up in a pyramid of eight rows, eight more
// face down in the stock. A tile is free once both tiles below it are gone;
// the bottom row is free from the start. Each letter of a scored word earns
// 26 points; emptying the pyramid wins, with a bonus for speed.
#include "framework/FreeTilePatience.h"

class CPyramid : public CFreeTilePatience {
public:
    static constexpr int kRows = 8;

    explicit CPyramid(const CGameContext& context);
    // The apex is gone and no word is left unscored.
    bool IsFinished() override;

private:
    void PlacePieces(int width, int height) override;
    int WordPoints(int length) const override { return length * m_hand.gameAmount2; }
};
