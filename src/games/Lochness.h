#pragma once
// Loch Ness: 49 letter tiles in seven stacks of seven, only the lowest tile
// of each stack face up. Spell one word at a time from the face-up tiles,
// keeping the word the beginning of some dictionary word; a complete word
// scores by the square of its length. Ten smart stars give a free letter at
// 25 points each. The hand is over when every stack is empty.
#include "framework/Game.h"
#include "framework/SmartStars.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordPile.h"

class CLochness : public CGame {
public:
    static constexpr int kStacks = 7;

    explicit CLochness(const CGameContext& context);

    int DeductPenalty(HWND hwnd) override;
    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    bool IsFinished(HWND hwnd) override;
    void AfterMove(HWND hwnd, int flag) override;
    // The letter bin shows exactly the letters on the table that came from the deal.
    bool CheckRules(std::string& why) override;

    // The piles, for the tests.
    CTilePile& Stack(int i) { return m_stacks[i]; }
    CSmartStars& Stars() { return m_stars; }
    CWordPile& Word() { return m_word; }
    CTextBoard& LetterBin() { return m_letterBin; }

private:
    void PlacePieces(int width, int height) override;
    void TakeTile(HWND hwnd, int stack);
    int StackAt(int x, int y) const;
    bool TryScoreWord(HWND hwnd);
    bool ScoreWord(CTilePile& pile, HWND hwnd);

    CTilePile m_stacks[kStacks];
    CWordPile m_word;
    CSmartStars m_stars;
    CTextBoard m_letterBin;
};
