#pragma once
// Loch Ness: 49 letter tiles in seven stacks of seven, only the lowest tile
// of each stack face up. Spell one word at a time from the face-up tiles,
// keeping the word the beginning of some dictionary word; a complete word
// scores by the square of its length. Ten smart stars give a free letter at
// 25 points each. The hand is over when every stack is empty.
#include "framework/SevenStacks.h"
#include "framework/SmartStars.h"

class CLochness : public CSevenStacksGame {
public:
    explicit CLochness(const CGameContext& context);

    // For the tests.
    CSmartStars& Stars() { return m_stars; }

private:
    void PlaceHelper(int left, int top) override { m_stars.Place(left, top); }
    bool HelperAt(int x, int y) const override { return m_stars.HitTest(x, y); }
    void UseHelper() override;
    // Star letters score nothing and were never in the letter bin.
    CStr ScoringLetters(const CStr& tiles) override { return m_stars.TakeStarLetters(tiles); }
    CStr BinLetters(const CStr& letters) const override { return m_stars.WithoutStarLetters(letters); }
    // A word scores by the square of its letters from the stacks.
    int WordPoints(const CStr& letters) const override { return m_hand.WordScore(letters.GetLength()); }

    CSmartStars m_stars;
};
