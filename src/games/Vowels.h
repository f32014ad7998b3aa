#pragma once
// Vowel Strength: 35 consonants in five stacks of seven, only the top tile of
// each face up, and five small piles of four vowels each. Spell one word at a
// time from the face-up consonants and the vowels, keeping the word the
// beginning of some dictionary word; each consonant of a scored word earns
// 50 points, each vowel taken costs 25 (for good, even when undone). The hand
// is over when the consonant stacks are empty.
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CVowels : public CWordPileGame {
public:
    static constexpr int kStacks = 5;
    static constexpr char kVowels[] = "aeiou";

    explicit CVowels(const CGameContext& context);

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    bool IsFinished() override { return AllEmpty(m_stacks); }

    // The piles, for the tests.
    CTilePile& Stack(int i) { return m_stacks[i]; }
    CTilePile& VowelPile(int i) { return m_vowelPiles[i]; }

private:
    void PlacePieces(int width, int height) override;
    // Vowels leave play with a word but score nothing; the bin lists only consonants.
    CStr BinLetters(const CStr& letters) const override;
    CStr TableLetters() const override { return LettersOf(m_stacks); }
    // The finder's view: a vowel pile's top (at its price) or a stack's lowest tile.
    void NextTakes(std::vector<int>& piles) const override
    {
        TopsOf(m_vowelPiles, piles);
        TopsOf(m_stacks, piles);
    }
    int WordValue(const CStr& word, std::span<const int> takes) override;

    CTilePile m_stacks[kStacks];
    CTilePile m_vowelPiles[kStacks];
};
