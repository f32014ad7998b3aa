#include "games/Jumble.h"

#include "framework/LetterSupply.h"

CJumble::CJumble(const CGameContext& context) : CWordHunt(context, 1, kLetters)
{
    SetTableSize(12, 5);
    // One random word, neither fixed for Q-U nor balanced: it must stay a word.
    const CStr word = DealLetters(kSupplyOneWord, kLetters);
    m_foundWords.SetFirst(word);
    // Laid out as it is spelled, not shuffled.
    for (int i = 0; i < kLetters && i < word.GetLength(); ++i)
        Place(0, i).Push(word[i]);
    SetCountDown(kSeconds);
}

void CJumble::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int panelWidth = 7 * w / 2;
    const int left = (width - panelWidth - kLetters * w) / 2;
    const int wordTop = height - (2 * h + 10);
    const int panelLeft = w / 2 + left + kLetters * w;
    for (int i = 0; i < kLetters; ++i)
        Place(0, i).SetPosition(left + i * w, 10);
    m_word.Place(left, wordTop, panelLeft, h / 8 + h + 10, panelLeft - w / 8);
    m_foundWords.SetRect(10, panelLeft, wordTop + 2 * h, panelLeft + panelWidth);
    m_scorePanel.SetRect(9 * h / 8 + wordTop, left, wordTop + 2 * h, left + 2 * w);
    PlaceButtons(left + panelWidth - 5 * w / 4, h / 4 + h + 10);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrJumbleHowTo1, 2}, {kStrJumbleHowTo2, 5}, {kStrJumbleHowTo3, 4},
    {kStrJumbleHowTo4, 6}, {kStrJumbleHowTo5, 6}, {kStrJumbleHowTo6, 7}, {kStrJumbleHowTo7, 5},
    {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kJumbleGame{20, "Jumble", kStrJumbleName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CJumble>, {kStrJumbleDescription, 413, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
