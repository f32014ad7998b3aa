#pragma once
// Jumble: one random seven-letter word lies on a rack of seven tiles, in
// order. In 90 seconds the player spells as many different words as possible
// from those letters; each scored word's tiles go back to their places, so
// every word of the hand uses the same seven letters. The source word itself
// stands in the word bin from the start and never scores.
#include "framework/WordHunt.h"

class CJumble : public CWordHunt {
public:
    static constexpr int kLetters = 7;
    static constexpr int kSeconds = 90;

    explicit CJumble(const CGameContext& context);
    // The same letters all hand: its end shows the words missed.
    bool KeepsItsLetters() const override { return true; }

private:
    void PlacePieces(int width, int height) override;
};
