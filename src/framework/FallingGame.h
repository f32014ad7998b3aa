#pragma once
// CFallingGame: the base of the games whose tiles fall into a well on the
// fall timer (single letters, shapes). It owns the well (CFallingWell, a
// registered part) and plays what all of them share: the one-second clock
// stands still and only fall steps count as time; each tick of the fall
// timer is one Step of the game; Pause stops the fall timer and Resume
// starts it again; once the hand is over nothing steps any more. The mouse
// does nothing and nothing is undone. The score panel shows no time line,
// scores the first game amount a landing and pays no speed bonus.
//
// A game derives from it, places and fills the well, and answers Step.
#include "framework/FallingWell.h"
#include "framework/Game.h"

class CFallingGame : public CGame {
public:
    CFallingGame(const CGameContext& context, int rows, int columns);

    void OnTimer(unsigned timerId) override;
    void OnPause() override;
    void OnResume() override;
    void OnMouseMove(int, int, unsigned) override {}
    void OnLButtonDown(int, int, unsigned) override {}
    void OnLButtonUp(int, int, unsigned) override {}
    void OnLButtonDblClk(int, int, unsigned) override {}
    bool CanUndo() const override { return false; }
    bool Undo() override { return false; }
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile*, CTilePile*, int) override { return std::nullopt; }

    CFallingWell& Well() { return m_well; }
    bool PlaysAgainstTime() const override { return true; }
    // A hand read back with its fall under way falls on.
    void HandValues(CHandRecord& record) override;

protected:
    // One tick of the fall timer (the hand is not over).
    virtual void Step() = 0;
    // The x of the side column right of the well.
    int SideX() const { return m_well.Right() + m_tileSet.TileWidth() / 2; }

    CFallingWell m_well;
};
