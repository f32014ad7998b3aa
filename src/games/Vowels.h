#pragma once
// Vowel Strength: 35 consonants in five stacks of seven, only the top tile of
// each face up, and five small piles of four vowels each. Spell one word at a
// time from the face-up consonants and the vowels, keeping the word the
// beginning of some dictionary word; each consonant of a scored word earns
// 50 points, each vowel taken costs 25 (for good, even when undone). The hand
// is over when the consonant stacks are empty.
#include "framework/Game.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordPile.h"

class CVowels : public CGame {
public:
    static constexpr int kStacks = 5;
    static constexpr char kVowels[] = "aeiou";

    explicit CVowels(const CGameContext& context);

    int DeductPenalty(HWND hwnd) override;
    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    bool IsFinished(HWND hwnd) override;
    void AfterMove(HWND hwnd, int flag) override;
    // The letter bin shows exactly the consonants still on the table.
    bool CheckRules(std::string& why) override;

    // The piles, for the tests.
    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTilePile& VowelPile(int i) { return m_vowelPiles[i]; }
    CWordPile& Word() { return m_word; }
    CTextBoard& LetterBin() { return m_letterBin; }

private:
    void PlacePieces(int width, int height) override;
    void TakeTile(HWND hwnd, CTilePile& from, bool vowel);
    static int PileAt(const CTilePile* piles, int count, const CTileSet& tiles, int x, int y);
    bool TryScoreWord(HWND hwnd);
    bool ScoreWord(CTilePile& pile, HWND hwnd);

    CTilePile m_stacks[kStacks];
    CTilePile m_vowelPiles[kStacks];
    CWordPile m_word;
    CTextBoard m_letterBin;
};
