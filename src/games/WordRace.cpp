#include "games/WordRace.h"

#include <algorithm>

#include "framework/LetterSupply.h"

namespace {
WordHuntOptions Options()
{
    WordHuntOptions options;
    options.wordBinTooltip = 0;  // the cancel, undo and score buttons only
    options.doubleClickButtons = true;
    return options;
}
}  // namespace

CWordRace::CWordRace(const CGameContext& context) : CWordHunt(context, kSide, kSide, Options())
{
    SetTableSize(6, 6);
    m_foundWords.SetFirst("");  // no source word: any word of the nine letters scores once
    // Common letters, fixed for Q-U and balanced; the first place takes the last one.
    LayOutLetters(DealLetters(kSupplyCommon, kSide * kSide, kDealFixQu | kDealBalanced), true);
    SetCountDown(kSeconds);
}

void CWordRace::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int gapX = w / 8, gapY = h / 8;
    const int stepX = w + gapX;
    const int gridWidth = kSide * stepX - gapX, gridHeight = kSide * (gapY + h) - gapY;
    const int left = (width - 6 * w) / 2;
    const int wordTop = std::min(5 * h, height - (2 * h + 10));
    const int panelLeft = left + w / 2 + gridWidth;
    const int panelBottom = std::max(1, wordTop - h / 2 - 10);
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c)
            Place(r, c).SetPosition(left + c * stepX, 10 + r * (h + gapY));
    m_foundWords.SetRect(10, panelLeft, panelBottom + 10, left + 6 * w);
    m_scorePanel.SetRect(9 * h / 8 + wordTop, left, wordTop + 2 * h, left + 2 * w);
    m_word.Place(left, wordTop, panelLeft, gapY + h + 10);
    PlaceButtons(left + gridWidth / 2 - 5 * w / 4, h / 4 + gridHeight + 10);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrWordSpeedHowTo1, 2}, {kStrWordSpeedHowTo2, 5}, {kStrWordSpeedHowTo3, 4},
    {kStrWordSpeedHowTo4, 7}, {kStrWordSpeedHowTo5, 4}, {kStrWordSpeedHowTo6, 5}, {kStrWordSpeedHowTo7, 5},
    {kStrWordSpeedHowTo8, 4}, {kStrPlayButtonLine, 5}};
}  // namespace

extern const GameDescriptor kWordRaceGame{22, "WordRace", kStrWordSpeedName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CWordRace>, {kStrWordSpeedDescription, 484, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
