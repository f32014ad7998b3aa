#pragma once
// Avalanche: the climber is buried at the bottom of a mountain of letters 5
// columns wide and 10 rows deep, with 120 seconds of oxygen. Each letter dug
// out joins the word and the climber moves into its hole; a letter may be
// dug when a cell beside it is empty or the climber stands next to it. A
// scored word earns nothing but lets the mountain settle, the climber
// falling with the letters under it, and new letters slide in from the top
// while the reserve lasts. Reaching the top row or clearing a column wins
// the hand, and the oxygen left pays 50 points a second.
#include "framework/Digging.h"
#include "framework/GridWordGame.h"

class CAvalanche : public CGridWordGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kColumns = 5;
    static constexpr int kRows = 10;

    explicit CAvalanche(const CGameContext& context);

    bool Undo() override;
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;
    // No keyboard play.
    void OnEnterKey() override {}
    void OnEscapeKey() override {}
    void OnBackspaceKey() override {}
    bool OnTimeUp() override;
    void OnGameOver() override;
    bool IsFinished() override;

    CDigging& Digging() { return m_digging; }

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_frame); }
    void TakeCell(int cell) override;
    // The finder's view: a cell the path reaches and the climber may move into.
    void NextTakes(std::vector<int>& piles) const override;
    char Lift(int pile) override;
    void PutBack(int pile, char letter) override;
    void AfterWordScored() override;
    int WordPoints(const CStr&) const override { return 0; }
    int CellCapacity(int cell) const override { return m_won && cell == m_digging.Face() ? 2 : 1; }

    CTilePile m_cave[kColumns * kRows];
    CDigging m_digging;
    RECT m_frame{};
    bool m_won = false;
};
