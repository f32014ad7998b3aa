#pragma once
// Tri Peaks: 33 letter tiles face up as three overlapping peaks in five rows,
// nine more face down in the stock. A tile is free once both tiles of the row
// below that cover it are gone; the bottom row is free from the start. Each
// letter of a scored word earns 20 points; taking the three summits (the top
// two rows) wins, with a doubled bonus for speed.
#include "framework/FreeTilePatience.h"

class CTriPeaks : public CFreeTilePatience {
public:
    static constexpr int kRows = 5;
    static constexpr int kColumns = 13;

    explicit CTriPeaks(const CGameContext& context);
    // The cells the peaks use (Rock Piles deals the same ones): row 0 is the
    // top, and each row lies half a column step right of the row below it.
    static bool IsPeakCell(int row, int column);
    // The top two rows are empty and no word is left unscored.
    bool IsFinished() override;

private:
    void PlacePieces(int width, int height) override;
    int WordPoints(int length) const override { return length * m_hand.gameAmount2; }
};
