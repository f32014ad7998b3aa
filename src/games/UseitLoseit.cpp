#include "games/UseitLoseit.h"

#include "framework/LetterSupply.h"

namespace {
// No keyboard and no tooltips.
WordHuntOptions Options()
{
    WordHuntOptions options;
    options.cancelTooltip = 0;
    options.wordBinTooltip = 0;
    options.buttonTooltips = false;
    options.typing = false;
    options.doubleClickButtons = true;
    return options;
}
}  // namespace

CUseitLoseit::CUseitLoseit(const CGameContext& context) : CWordHunt(context, 1, kLetters, Options())
{
    SetTableSize(kLetters + 1, 6);  // half a tile clear of either edge
    // One random word, in order; it stands in the word bin and never scores.
    const CStr word = DealLetters(kSupplyOneWord, kLetters);
    m_foundWords.SetFirst(word);
    LayOutLetters(word, false);
    SetCountDown(kSeconds);
}

void CUseitLoseit::ReturnTiles(const CStr& word)
{
    // The letters left on the rack are lost; the word is the new rack.
    for (CTilePile& place : m_rack)
        DiscardPlace(place);
    for (int k = 0; k < word.GetLength() && k < kLetters; ++k)
        FillPlace(Place(0, k), word[k]);
    // The game ends when there are no more words: none new in the new rack.
    if (m_pDictionary && FindMoves().empty())
        EndHand(kEndFinished);
}

void CUseitLoseit::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - kLetters * w) / 2;
    for (int k = 0; k < kLetters; ++k)
        Place(0, k).SetPosition(left + k * w, 10);
    m_foundWords.SetRect(10 + 4 * h, left, height - 10, left + kLetters * w);
    m_scorePanel.SetRect(9 * h / 8 + 2 * h + 10, left, 10 + 4 * h, left + 2 * w);
    m_word.Place(left, 2 * h + 10, left, 10);
    PlaceButtons(left, h / 4 + h + 10);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrUseItOrLoseItHowTo1, 2}, {kStrUseItOrLoseItHowTo2, 5},
    {kStrUseItOrLoseItHowTo3, 4}, {kStrUseItOrLoseItHowTo4, 6}, {kStrUseItOrLoseItHowTo5, 6},
    {kStrUseItOrLoseItHowTo6, 7}, {kStrUseItOrLoseItHowTo7, 5}, {kStrUseItOrLoseItHowTo8, 5},
    {kStrUseItOrLoseItHowTo9, 5}, {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kUseitLoseitGame{30, "UseitLoseit", kStrUseItOrLoseItName, GameNeeds::Dictionary,
    kHowToPlay, MakeGame<CUseitLoseit>, {kStrUseItOrLoseItDescription}};
