#pragma once
// Word Speed: nine random letters on a 3 x 3 grid and 60 seconds to spell as
// many different words from them as possible. Any letter may be used in any
// order; a scored word's tiles go back to their places, so every word of the
// hand uses the same nine letters.
#include "framework/WordHunt.h"

class CWordRace : public CWordHunt {
public:
    static constexpr int kSide = 3;
    static constexpr int kSeconds = 60;

    explicit CWordRace(const CGameContext& context);

private:
    void PlacePieces(int width, int height) override;
};
