#pragma once
// Golf: 42 letter tiles face up in seven stacks of six. Spell one word at a
// time from the lowest tile of any stack, keeping the word the beginning of
// some dictionary word; a complete word scores 23 points a letter. Four
// bombs throw away a word that leads nowhere, at 25 points each. The hand is
// over when every stack is empty.
#include "framework/Game.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordPile.h"

class CGolf : public CGame {
public:
    static constexpr int kStacks = 7;

    explicit CGolf(const CGameContext& context);

    int DeductPenalty(HWND hwnd) override;
    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    bool IsFinished(HWND hwnd) override;
    void AfterMove(HWND hwnd, int flag) override;
    // Golf's own rule: the letter bin shows exactly the letters still on the table.
    bool CheckRules(std::string& why) override;

    // The check button, or a double click on empty space.
    bool TryScoreWord(HWND hwnd);
    // A click on the bomb pile, or any right-button release.
    void UseBomb(HWND hwnd);

    // The piles, for the tests and the driver's tools.
    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTilePile& Bombs() { return m_bombs; }
    CWordPile& Word() { return m_word; }
    CTextBoard& LetterBin() { return m_letterBin; }

private:
    void PlacePieces(int width, int height) override;
    void TakeTile(HWND hwnd, int stack);
    int StackAt(int x, int y) const;

    CTilePile m_stacks[kStacks];
    CTilePile m_bombs;
    CWordPile m_word;
    CTextBoard m_letterBin;
};
