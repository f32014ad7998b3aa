#pragma once
// Cave In: a cave of letter tiles 4 columns wide and 6 rows deep. Spell a
// word along touching tiles (or across columns already dug out) and score it
// with the tick: 5 x length x length. Its tiles leave the cave, the tiles
// above fall, and 48 hidden letters cave in from the top while they last.
// The hand is won when a column of the cave is empty, with the speed bonus.
#include "framework/GridWordGame.h"

class CCavein : public CGridWordGame {
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 6;

    explicit CCavein(const CGameContext& context);

    bool IsFinished() override { return SomeColumnEmpty(); }
    void OnGameOver() override;

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_frame); }

    CTilePile m_cave[kColumns * kRows];
    RECT m_frame{};
};
