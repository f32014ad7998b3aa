#pragma once
// Loch Ness: 49 letter tiles in seven stacks of seven, only the lowest tile
// of each stack face up. Spell one word at a time from the face-up tiles,
// keeping the word the beginning of some dictionary word; a complete word
// scores by the square of its length. Ten smart stars give a free letter at
// 25 points each. The hand is over when every stack is empty.
#include "framework/SmartStars.h"
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CLochness : public CWordPileGame {
public:
    static constexpr int kStacks = 7;

    explicit CLochness(const CGameContext& context);

    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    bool IsFinished(HWND) override { return AllEmpty(m_stacks); }

    // The piles, for the tests.
    CTilePile& Stack(int i) { return m_stacks[i]; }
    CSmartStars& Stars() { return m_stars; }

private:
    void PlacePieces(int width, int height) override;
    void UseStar(HWND hwnd);
    // Star letters score nothing and were never in the letter bin.
    CStr ScoringLetters(const CStr& tiles) override { return m_stars.TakeStarLetters(tiles); }
    CStr BinLetters(const CStr& letters) const override { return m_stars.WithoutStarLetters(letters); }
    // A word scores by the square of its letters from the stacks.
    int WordPoints(const CStr& letters) const override { return m_scorePanel.WordScore(letters.GetLength()); }
    CStr TableLetters() const override { return LettersOf(m_stacks); }

    CTilePile m_stacks[kStacks];
    CSmartStars m_stars;
};
