#pragma once
// Bubbles: single letters, now and then a bomb, fall into a well five tiles
// wide and ten deep. Words across or down through a landed letter light up
// and vanish at the next step (5 points a letter), the tiles above sliding
// down; a bomb clears the block around it. Words start at two letters and
// must be a letter longer at every level. The hand ends when the column the
// next letter enters is full to the top.
#include "framework/LetterDrop.h"

class CBubbles : public CLetterDropGame {
public:
    void HandValues(CHandRecord& record) override;
    explicit CBubbles(const CGameContext& context);

    bool CheckRules(std::string& why) override;
    CTilePile& MinimumTile() { return m_minimum; }

protected:
    char NextLetter() override;
    bool AfterLanding(int row, int column) override;
    void PlayLandingSound(int row, int column) override;
    void ClearWaiting() override;
    void PlacePieces(int width, int height) override;

private:
    CStr m_letters;  // waiting to join the queue, taken from the end
    CTilePile m_minimum;  // the digit tile of the shortest word that counts
    int m_minWordLength = 2;
    int m_bombChance = 1;  // in a hundred
    int m_clearings = 0;
    int m_removed = 0;  // letters taken out by words
};
