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

    int OnTimer(HWND hwnd, unsigned timerId) override;
    int OnPause(HWND hwnd) override;
    int OnResume(HWND hwnd) override;
    int OnMouseMove(HWND, int, int, unsigned) override { return 1; }
    int OnLButtonDown(HWND, int, int, unsigned) override { return 1; }
    int OnLButtonUp(HWND, int, int, unsigned) override { return 1; }
    int OnLButtonDblClk(HWND, int, int, unsigned) override { return 1; }
    bool CanUndo() const override { return false; }
    int Undo(HWND) override { return 0; }
    std::unique_ptr<CUndoRecord> CreateUndoRecord(CTilePile*, CTilePile*, int) override { return nullptr; }

    CFallingWell& Well() { return m_well; }

protected:
    // One tick of the fall timer (the hand is not over).
    virtual void Step(HWND hwnd) = 0;
    // The x of the side column right of the well.
    int SideX() const { return m_well.Right() + m_tileSet.TileWidth() / 2; }

    CFallingWell m_well;
};
