#pragma once
// Simple Stacks: 49 letters on seven stacks of seven, only the top tile of
// each face up. Runs of tiles move between stacks, but the face-up letters of
// a stack that is not empty must always begin a word. A stack whose face-up
// letters spell a word shows a checkmark; clicking it (or double-clicking the
// word's first tile, or dragging the word onto the letter bin) scores the word
// (5 x length x length) and uncovers the next tile. Clearing every stack wins.
#include "framework/Game.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordStacks.h"

class CSimple : public CGame {
public:
    static constexpr int kStacks = 7;
    static constexpr int kStackHeight = 7;

    explicit CSimple(const CGameContext& context);
    // Hints: the moves of its word stacks, best first.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override { return m_words.FindMoves(true); }

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    bool IsFinished() override;
    void AfterMove() override;

    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTextBoard& LetterBin() { return m_letterBin; }
    const CWordStacks& Words() const { return m_words; }

private:
    void PlacePieces(int width, int height) override;
    void DropDraggedTiles();
    void ScoreStack(int stack, int count);

    CTilePile m_stacks[kStacks];
    CTextBoard m_letterBin;
    CWordStacks m_words{*this, m_stacks, 1256, &m_letterBin};
};
