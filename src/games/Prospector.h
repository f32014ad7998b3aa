#pragma once
// Prospector: one random ten-letter word and 120 seconds to mine shorter
// words out of it, taking the letters in the order they stand. Picking a
// letter throws away every letter still standing to its left; scoring a
// word puts the whole long word back.
#include "framework/WordHunt.h"

class CProspector : public CWordHunt {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kLetters = 10;
    static constexpr int kSeconds = 120;

    explicit CProspector(const CGameContext& context);
    // The same letters all hand: its end shows the words missed.
    bool KeepsItsLetters() const override { return true; }
    bool IsFinished() override;
    // The word's letters came from places left to right, and every place
    // left of the last pick is empty.
    bool CheckRules(std::string& why) override;
    std::string DescribeState() const override;

private:
    void PlacePieces(int width, int height) override;
    void PickTile(int row, int column) override;
    // Letters are taken in the order they stand: only right of the last pick.
    bool CanPick(int row, int column) const override;
    void ReturnTiles(const CStr& word) override;

    CStr m_source;  // the long word, kept for the whole hand
};
