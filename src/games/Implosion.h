#pragma once
// Implosion: a 6 x 6 grid of letter tiles, open at the top, with 72 more
// letters hidden in a stock. Spell a word along neighbouring tiles (or across
// emptied columns) and score it: 5 x length x length. Its tiles leave the
// grid, the tiles above fall and the stock's letters drop in from the top
// while they last. The hand ends, with the speed bonus, as soon as a column
// is empty.
#include "framework/GridWordGame.h"

class CImplosion : public CGridWordGame {
public:
    static constexpr int kSide = 6;

    explicit CImplosion(const CGameContext& context);

    bool IsFinished() override { return SomeColumnEmpty(); }
    void OnGameOver() override;

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_frame); }

    CTilePile m_tiles[kSide * kSide];
    RECT m_frame{};
};
