#pragma once
// Tower of Babble: a tower of letter tiles five columns wide that rises from
// below. Spell a word along touching tiles (or across emptied columns) and
// score it: 5 x length x length. Its tiles leave the tower, the tiles above
// fall, emptied columns close up toward the middle, and the whole tower rises
// by a row, a new letter entering at the bottom of every column. The Advance
// button raises the tower at will for 125 points. A bomb, clicked with no
// word in progress, clears itself and its four neighbours across and down.
// The hand ends when a rise pushes a tile out of the top.
#include "framework/GridWordGame.h"

class CCollapse : public CGridWordGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kColumns = 5;
    static constexpr int kRows = 9;
    static constexpr int kAdvancePoints = 125;

    explicit CCollapse(const CGameContext& context);

    bool IsFinished() override { return m_overflowed; }
    void OnGameOver() override;
    void AfterMove() override;
    std::string DescribeState() const override;
    bool CheckRules(std::string& why) override;

    CTileButton& Advance() { return m_advance; }
    CTilePile& Incoming(int column) { return m_incoming[column]; }

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_frame); }
    bool PressOwnButton(int x, int y) override;
    bool ReleaseOwnButton() override;
    void TakeCell(int cell) override;
    void AfterWordScored() override;
    // Falls (a bomb that would fall is gone instead) and closes toward the middle.
    void SettleGrid() override;
    void Rise();
    char NextLetter();

    CTilePile m_tower[kColumns * kRows];
    CTilePile m_spill[kColumns];
    CTilePile m_incoming[kColumns];
    CTileButton m_advance{0, kButtonLightning};
    bool m_advanceHeld = false;
    bool m_overflowed = false;
    int m_wordsScored = 0;
    int m_bombChance = 3;  // per cent
    CStr m_running;        // the running deal of new letters
    RECT m_frame{};
};
