#pragma once
// CLetterDropGame: the base of the games in which single letters fall into
// a well (CFallingWell) one at a time. It owns the well, the letter in the
// air and the queue of coming letters, and plays what these games share:
// each fall step moves the letter down a third of a tile; Left and Right
// steer it (refused into a wall or into a stack it would overlap, landing
// at once beside a stack level with its lower edge), Down drops it, Up and
// Space swap it for the next letter (the swapped one comes back after one
// letter); a landing scores the first game-defined amount and asks the
// game (AfterLanding) whether tiles now wait to go, which they do on the
// next fall step (ClearWaiting) before the next letter enters, where the
// last one landed. The hand ends, finished, when that column is full to the
// top. Keys do nothing while no letter falls, the mouse never does
// anything, and nothing is undone. A hand that ends inside a step or a
// landing does nothing more.
//
// A game derives from it, deals its queue in its constructor with
// FillQueue, sets the well's ladder, answers NextLetter (every letter drawn
// after the deal joins play here), AfterLanding and ClearWaiting, and passes
// the tiles its rules take out to TilesLeftPlay. The queue is a hidden-below
// pile: only its top, the next letter, shows.
#include "framework/FallingGame.h"

class CLetterDropGame : public CFallingGame {
public:
    static constexpr int kQueueLength = 9;

    CLetterDropGame(const CGameContext& context, int rows, int columns, int spawnColumn);

    void OnArrowLeft() override { Steer(-1); }
    void OnArrowRight() override { Steer(+1); }
    void OnArrowDown() override;
    void OnArrowUp() override { Swap(); }
    void OnSpaceKey() override { Swap(); }
    bool IsFinished() override;
    std::string DescribeState() const override;
    bool CheckRules(std::string& why) override;
    void HandValues(CHandRecord& record) override;

    CTilePile& Queue() { return m_queue; }
    CTilePile& Falling() { return m_falling; }
    int Column() const { return m_column; }
    int Height() const { return m_thirds; }
    int Landings() const { return m_landings; }

protected:
    // The next letter of the supply (drawn after the deal: it joins play).
    virtual char NextLetter() = 0;
    // After a letter landed in (row, column): true when tiles now wait to
    // be taken out on the next step.
    virtual bool AfterLanding(int row, int column) = 0;
    // Takes out the waiting tiles.
    virtual void ClearWaiting() = 0;
    // The sound of a letter landing in (row, column), before AfterLanding.
    virtual void PlayLandingSound(int row, int column);

    // The well and the queue beside it; the game places its panel after.
    void PlacePieces(int width, int height) override;
    void FillQueue();

    CTilePile m_queue;
    CTilePile m_falling;  // the letter in the air, drawn at its height

private:
    void Step() override;
    void Spawn();
    void Land(int row);
    int Steer(int dx);
    int Swap();
    // Moves the falling letter to the column and height.
    void MoveFalling(int column, int thirds);

    int m_column;
    int m_spawnColumn;
    int m_thirds = 0;
    bool m_active = false;
    int m_clearDelay = 0;
    int m_landings = 0;
};
