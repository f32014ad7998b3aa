#pragma once
// Anti-Gravity: five stacks hang from the top of the window and letters rise
// one at a time from below, a third of a tile a second. Steer each into a
// column; it sticks to the bottom of that stack. When the bottom letters of
// a stack spell a word at least as long as the number above it, they fall
// away (5 x length x length points); a bomb wipes out its stack. The hand
// ends when a stack grows past eight tiles.
#include "framework/Game.h"
#include "framework/TilePile.h"

class CGravity : public CGame {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kColumns = 5;

    explicit CGravity(const CGameContext& context);

    void OnTimer(unsigned timerId) override;
    void OnArrowLeft() override { Steer(-1); }
    void OnArrowRight() override { Steer(+1); }
    void OnArrowUp() override;
    void OnArrowDown() override { Trade(); }
    void OnSpaceKey() override { Trade(); }
    bool CanUndo() const override { return false; }
    bool Undo() override { return false; }
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile*, CTilePile*, int) override { return std::nullopt; }
    bool IsFinished() override;
    std::string DescribeState() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    bool CheckRules(std::string& why) override;

    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTilePile& Target(int i) { return m_targets[i]; }
    CTilePile& Queue() { return m_queue; }
    CTilePile& Rising() { return m_rising; }
    int Column() const { return m_column; }

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    // The blank tiles along the launch line and the pads.
    void DrawLaunchLine();
    char NextLetter();
    char NextTarget();
    void Launch();
    void Tick();
    void Attach();
    // The longest word of at least minLength letters at the stack's bottom end falls away.
    bool TryClearStack(int column, int minLength);
    int Steer(int dx);
    int Trade();
    // The height, in thirds of a tile below the stacks' top, where the
    // stack would take its next tile.
    int NextTileHeight(int column) const { return m_stacks[column].Length() * 3; }
    void MoveRising(int column, int thirds);

    CTilePile m_stacks[kColumns];
    CTilePile m_targets[kColumns];  // each stack's shortest word, a digit tile
    CTilePile m_pads[kColumns];
    CTilePile m_queue;   // the coming letters, hidden; new ones join at the bottom
    CTilePile m_rising;  // the letter in the air
    CStr m_letters;
    int m_column = 4;
    int m_thirds = 0;  // the rising letter's top, in thirds of a tile below the stacks' top
    bool m_active = false;
    int m_wordsCleared = 0;
    int m_bombChance = 10;
    int m_wordPoints = 0;   // earned by cleared words
    int m_attached = 0;     // letters that joined a stack
    int m_decorRandom[50]{};  // drawn once: the blank tiles along the launch line
    int m_stackTop = 0;
    int m_left = 0;
    int m_pitch = 0;
};
