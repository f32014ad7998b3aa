#include "games/Lochness.h"

#include "framework/LetterSupply.h"

namespace {
constexpr int kStackHeight = 7;
constexpr int kStarCount = 10;
constexpr int kStarCost = 25;
}  // namespace

CLochness::CLochness(const CGameContext& context)
    : CSevenStacksGame(context), m_stars(*this, context.dictionary, m_word)
{
    m_hand.playPenalty = kStarCost;

    CStr letters = DealLetters(kSupplyStandard, 49, kDealFixQu | kDealBalanced);
    m_letterBin.SetText(letters, kTextLetterBin);
    // Only the lowest tile of each stack shows its letter; when it is taken
    // the tile above turns face up, and Undo turns it down again.
    DealStacks(m_stacks, letters, kStackHeight, 1, kPileAboveFaceDown | kPileEmptyMarker | kPileCompactFaceDown);
    m_stars.Deal(kStarCount);

    AddPart(m_stars);
    AddPart(m_word);
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
}

void CLochness::UseHelper()
{
    m_stars.Use([this] { return TryScoreWord(); });
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrLochNessHowTo1, 2}, {kStrLochNessHowTo2, 4}, {kStrLochNessHowTo3, 5},
    {kStrLochNessHowTo4, 3}, {kStrLochNessHowTo5, 4}, {kStrLochNessHowTo6, 5}, {kStrLochNessHowTo7, 5},
    {kStrLochNessHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kLochnessGame{3, "Lochness", kStrLochNessName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CLochness>, {kStrLochNessDescription, 399, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
