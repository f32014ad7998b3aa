#pragma once
// CSevenStacksGame: Golf and Loch Ness. Seven stacks of letter tiles stand in
// a row; one word at a time is spelled from their lowest tiles on the word
// pile below. Above the stacks sit a helper (Golf's bombs, Loch Ness's smart
// stars), the score panel and the letter bin. A press on the helper, or any
// right-button release, uses it; the hand is over when every stack is empty.
//
// The base registers the stacks first; a game then deals them (DealStacks),
// registers its helper, m_word and m_letterBin, and says how its helper is
// placed, hit and used.
#include "framework/WordPileGame.h"

class CSevenStacksGame : public CWordPileGame {
public:
    static constexpr int kStacks = 7;

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    bool IsFinished() override { return AllEmpty(m_stacks); }

    CTilePile& Stack(int i) { return m_stacks[i]; }

protected:
    explicit CSevenStacksGame(const CGameContext& context);

    // The helper's top left corner is the row's left edge, at the top.
    virtual void PlaceHelper(int left, int top) = 0;
    virtual bool HelperAt(int x, int y) const = 0;
    virtual void UseHelper() = 0;

    CStr TableLetters() const override { return LettersOf(m_stacks); }
    // The lowest tile of any stack may come next.
    void NextTakes(std::vector<int>& piles) const override { TopsOf(m_stacks, piles); }

    CTilePile m_stacks[kStacks];

private:
    void PlacePieces(int width, int height) override;
};
