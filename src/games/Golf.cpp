#include "games/Golf.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kStackHeight = 6;
constexpr int kPointsPerLetter = 23;
constexpr int kBombCost = 25;
}  // namespace

CGolf::CGolf(const CGameContext& context) : CSevenStacksGame(context)
{
    m_hand.gameAmount2 = kPointsPerLetter;
    m_hand.playPenalty = kBombCost;

    CStr letters = DealLetters(kSupplyCommon, 42, kDealFixQu | kDealBalanced);
    m_letterBin.SetText(letters, kTextLetterBin);
    DealStacks(m_stacks, letters, kStackHeight, 1, kPileAllFaceUp | kPileEmptyMarker);
    m_bombs.Configure(kPileTopFaceUp | kPileEmptyMarker | kPileCompactFaceDown, kFanRight);
    m_bombs.faceDownGlyph = kGlyphBomb;
    m_bombs.AppendText("ZZZZ");
    m_bombs.faceDownCount = 3;

    AddPile(m_bombs, "bombs", kStrBombTooltip);
    AddPart(m_word);
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
}

void CGolf::UseBomb()
{
    if (m_bombs.IsEmpty()) {
        PlaySound(kSoundRefused);
        return;
    }
    if (!m_word.IsEmpty()) {
        PlaySound(kSoundPenalty);
        m_hand.score -= m_hand.playPenalty;
        m_word.TakeTiles(m_bombs, 1);
        const CStr destroyed = m_word.TakeTiles(m_word.word, m_word.word.Length());
        m_letterBin.StrikeLetters(destroyed);
    }
    m_undo.Clear();
    AfterMove();
    EndHandIfFinished();
}

void CGolf::HandValues(CHandRecord& record)
{
    CSevenStacksGame::HandValues(record);
    record(m_bombs);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrGolfHowTo1, 2}, {kStrGolfHowTo2, 4}, {kStrGolfHowTo3, 5},
    {kStrGolfHowTo4, 3}, {kStrGolfHowTo5, 4}, {kStrGolfHowTo6, 5}, {kStrGolfHowTo7, 5}, {kStrGolfHowTo8, 4},
    {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kGolfGame{5, "Golf", kStrGolfName, GameNeeds::Dictionary, kHowToPlay, MakeGame<CGolf>,
    {kStrGolfDescription, 395, kStrDifficultyModerate, kStrScoreFixedPointsPerLetter}};
