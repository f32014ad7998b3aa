#pragma once
// Elegance: the letters of seven random four-letter words, shuffled, lie on
// seven stacks of one to seven tiles, only each top tile face up. Runs of
// tiles move between stacks, but the face-up letters of a stack that is not
// empty must always begin a word. When every tile is face up and every stack
// spells a word, the seven words score (5 x length x length each) and the
// hand is won.
#include "framework/Game.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordStacks.h"

class CElegance : public CGame {
public:
    static constexpr int kStacks = 7;
    static constexpr int kWordLength = 4;

    explicit CElegance(const CGameContext& context);
    // Hints: the moves of its word stacks, best first.
    bool HasHints() const override { return true; }
    std::vector<CMove> FindMoves() override { return m_words.FindMoves(false); }

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    // Scores the seven words when the hand is done: call it once per drop.
    bool IsFinished() override;
    void AfterMove() override;

    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTextBoard& LetterBin() { return m_letterBin; }

private:
    void PlacePieces(int width, int height) override;

    CTilePile m_stacks[kStacks];
    CTextBoard m_letterBin;
    CWordStacks m_words{*this, m_stacks, 1256, &m_letterBin};
};
