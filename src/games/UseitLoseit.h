#pragma once
// Use It or Lose It: one random nine-letter word and 90 seconds. Every scored
// word becomes the new rack: the letters not used in it are thrown away.
#include "framework/WordHunt.h"

class CUseitLoseit : public CWordHunt {
public:
    static constexpr int kLetters = 9;
    static constexpr int kSeconds = 90;

    explicit CUseitLoseit(const CGameContext& context);
    bool IsFinished() override { return false; }  // only the clock ends a hand

private:
    void PlacePieces(int width, int height) override;
    void ReturnTiles(const CStr& word) override;
};
