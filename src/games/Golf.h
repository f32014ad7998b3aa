#pragma once
// Golf: 42 letter tiles face up in seven stacks of six. Spell one word at a
// time from the lowest tile of any stack, keeping the word the beginning of
// some dictionary word; a complete word scores 23 points a letter. Four
// bombs throw away a word that leads nowhere, at 25 points each. The hand is
// over when every stack is empty.
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CGolf : public CWordPileGame {
public:
    static constexpr int kStacks = 7;

    explicit CGolf(const CGameContext& context);

    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    bool IsFinished(HWND) override { return AllEmpty(m_stacks); }

    // A click on the bomb pile, or any right-button release.
    void UseBomb(HWND hwnd);

    // The piles, for the tests and the driver's tools.
    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTilePile& Bombs() { return m_bombs; }

private:
    void PlacePieces(int width, int height) override;
    CStr TableLetters() const override { return LettersOf(m_stacks); }

    CTilePile m_stacks[kStacks];
    CTilePile m_bombs;
};
