#include "games/Gravity.h"

#include <algorithm>
#include <iterator>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/FallingWell.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kMaxStack = 8;
constexpr int kQueueLength = 9;
constexpr int kLaunchThirds = 25;  // the pads lie 25 thirds of a tile below the stacks' top
constexpr int kRefill = 100;
constexpr int kDecorTiles = 25;

// Where each level of words cleared ends, and the random target lengths after it.
constexpr int kLevelEnds[] = {1, 15, 27, 37, 46, 54};

// A draw of the generator scaled to [0, high), as CRandom::InRange scales it.
int Scaled(int draw, int high)
{
    const int value = static_cast<int>(draw * (1.0 / 32767.0) * high);
    return value == high ? 0 : value;
}
}  // namespace

CGravity::CGravity(const CGameContext& context) : CGame(context)
{
    SetTableSize(6, 11);
    m_hand.gameAmount1 = 5;
    m_hand.secondsFactor = 0;  // the hand only ends by losing: no speed bonus
    m_scorePanel.HideTimeLine();
    for (int i = 0; i < kColumns; ++i) {
        m_stacks[i].Configure(kPileAllFaceUp | kPileEmptyMarker, kFanDown);
        m_targets[i].Configure(kPileAllFaceUp | kPileNegative, kFanSquared);
        m_pads[i].Configure(kPileAllFaceUp, kFanSquared);
        m_pads[i].Push(kGlyphBlank);
    }
    m_queue.Configure(kPileHidden, kFanSquared);
    m_rising.Configure(kPileAllFaceUp, kFanSquared);
    for (int i = 0; i < kQueueLength; ++i)
        m_queue.Push(NextLetter());
    for (CTilePile& target : m_targets)
        target.Push(NextTarget());
    // The blank tiles along the launch line are drawn from the generator
    // once: a resize places them again from the same draws, so the letters
    // still to come stay the same.
    for (int& draw : m_decorRandom)
        draw = m_random.Next();

    for (int i = 0; i < kColumns; ++i) {
        AddPile(m_stacks[i], "stack" + std::to_string(i));
        AddPile(m_targets[i], "target" + std::to_string(i), kStrTargetTooltip);
    }
    AddPile(m_queue, "queue");
}

void CGravity::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int gap = w / 3;
    m_pitch = w + gap;
    m_left = (width + gap - kColumns * m_pitch) / 2;
    m_stackTop = h + 10;
    const int launchY = m_stackTop + kLaunchThirds * h / 3;
    for (int i = 0; i < kColumns; ++i) {
        const int x = m_left + i * m_pitch;
        m_stacks[i].SetPosition(x, m_stackTop);
        m_targets[i].SetPosition(x, 5);
        m_pads[i].SetPosition(x, launchY);
    }
    m_queue.SetPosition(m_left, launchY);  // hidden: where cleared words go
    m_rising.SetPosition(m_left + m_column * m_pitch, m_stackTop + m_thirds * h / 3);
    const int panelTop = h / 3 + launchY + h;
    m_scorePanel.SetRect(panelTop, m_left, panelTop + h, m_left + 2 * w);
}

void CGravity::DrawTable()
{
    DrawLaunchLine();
    RedrawPile(m_rising);
}

void CGravity::DrawLaunchLine()
{
    const int w = m_tileSet.TileWidth();
    const int s = std::max((kColumns * m_pitch - m_pitch + w) / kDecorTiles, 1);
    const int launchY = m_pads[0].y;
    for (int k = 0; k < kDecorTiles; ++k) {
        const int x = m_left + k * s + Scaled(m_decorRandom[2 * k], s) - w / 2;
        const int y = launchY - 3 + Scaled(m_decorRandom[2 * k + 1], 10);
        m_tileSet.DrawGlyph(m_backBuffer, kGlyphBlank, std::max(x, 0), y, kGlyphFaceUp, kGlyphBlank);
    }
    for (CTilePile& pad : m_pads)
        RedrawPile(pad);
}

// ---------------------------------------------------------------------------
// Letters and targets

char CGravity::NextLetter()
{
    if (m_random.InRange(100, 0) < m_bombChance)
        return kGlyphBomb;
    return TakeLetter(*this, m_letters, kSupplyWords, kRefill);
}

char CGravity::NextTarget()
{
    for (int level = 1; level <= static_cast<int>(std::size(kLevelEnds)); ++level)
        if (m_wordsCleared < kLevelEnds[level - 1]) {
            m_bombChance = 2 * level;
            return static_cast<char>(64 + level + 1);
        }
    m_bombChance = 10;
    const int length = 2 + m_random.InRange(4, 0) + m_random.InRange(4, 0);
    return static_cast<char>(64 + length);
}

// ---------------------------------------------------------------------------
// The rising letter

void CGravity::OnTimer(unsigned timerId)
{
    // The one-second clock moves the letter; the clock line itself stands still.
    if (timerId != kClockTimerId || IsHandOver())
        return;
    ++m_elapsedTicks;
    Tick();
}

bool CGravity::IsFinished() { return m_stacks[m_column].Length() > kMaxStack; }

void CGravity::Launch()
{
    if (EndHandIfFinished() || IsHandOver())
        return;
    m_active = true;
    MoveRising(m_column, kLaunchThirds);  // placed before it holds the letter: nothing to erase
    m_rising.Push(m_queue.PopTop());
    RedrawPile(m_rising);
    const char next = NextLetter();
    m_queue.PushBottom(next);
    TilesJoinedPlay(CStr(std::string(1, next)));
}

void CGravity::MoveRising(int column, int thirds)
{
    if (!m_rising.IsEmpty()) {
        ErasePile(m_rising);
        if (m_thirds + 3 >= kLaunchThirds)  // it was over the launch line: draw that again
            DrawLaunchLine();
    }
    m_column = column;
    m_thirds = std::max(thirds, 0);
    m_rising.SetPosition(m_left + column * m_pitch, m_stackTop + m_thirds * m_tileSet.TileHeight() / 3);
    RedrawPile(m_rising);
}

void CGravity::Tick()
{
    if (!m_active) {
        Launch();
        if (!m_active)
            return;
    }
    MoveRising(m_column, m_thirds - 1);
    if (m_thirds <= NextTileHeight(m_column))
        Attach();
}

int CGravity::Steer(int dx)
{
    if (!m_active)
        return 0;
    const int column = m_column + dx;
    // Into a wall, or beside a stack already reaching below the letter: nothing happens.
    if (column < 0 || column >= kColumns || m_thirds < NextTileHeight(column))
        return 1;
    MoveRising(column, m_thirds);
    if (m_thirds == NextTileHeight(column))
        Attach();
    return 1;
}

void CGravity::OnArrowUp()
{
    if (!m_active)
        return;
    Attach();
}

int CGravity::Trade()
{
    if (!m_active || !SwapWithNext(m_rising, m_queue))
        return 0;
    RedrawPile(m_rising);
    return 1;
}

void CGravity::Attach()
{
    CTilePile& stack = m_stacks[m_column];
    m_active = false;
    MoveTile(&m_rising, &stack, kFlyFaceUp);
    if (m_thirds + 3 >= kLaunchThirds)
        DrawLaunchLine();
    ++m_attached;
    m_hand.score += m_hand.gameAmount1;
    if (stack.Top() == kGlyphBomb) {
        PlaySound(kSoundPenalty);
        TilesLeftPlay(stack.RemoveAll());
    } else if (TryClearStack(m_column, m_targets[m_column].Top() - 64)) {
        TilesLeftPlay(m_targets[m_column].tiles);
        m_targets[m_column].tiles = CStr(std::string(1, NextTarget()));
        TilesJoinedPlay(m_targets[m_column].tiles);
    }
    Launch();
}

bool CGravity::TryClearStack(int column, int minLength)
{
    CTilePile& stack = m_stacks[column];
    for (int n = stack.Length(); n >= std::max(minLength, 1); --n) {
        const CStr word = stack.tiles.Right(n);
        if (!m_pDictionary || !m_pDictionary->IsWord(word))
            continue;
        PlaySound(kSoundScored);
        ++m_wordsCleared;
        TilesLeftPlay(stack.RemoveTop(n));
        m_wordPoints += m_hand.WordScore(n);
        m_hand.AddWordPoints(m_hand.WordScore(n));
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Description and self-checks

std::string CGravity::DescribeState() const
{
    return CGame::DescribeState() + m_rising.Describe("rising") + "rise: column=" + std::to_string(m_column) +
           " height=" + std::to_string(m_thirds) + "/3 " + (m_active ? "rising" : "waiting") +
           " words=" + std::to_string(m_wordsCleared) + " bombs=" + std::to_string(m_bombChance) + "%\n";
}

void CGravity::ListPiles(std::vector<const CTilePile*>& piles) const
{
    CGame::ListPiles(piles);
    piles.push_back(&m_rising);  // drawn by the game, over its pad
}

bool CGravity::CheckRules(std::string& why)
{
    if (m_rising.Length() != (m_active ? 1 : 0) || m_queue.Length() != kQueueLength) {
        why = "the letters in the air and to come: " + m_rising.Describe("rising") + m_queue.Describe("queue");
        return false;
    }
    // 5 points a letter attached, plus the words' scores, plus the speed
    // bonus once the hand is over; nothing else.
    int expected = m_attached * m_hand.gameAmount1 + m_wordPoints;
    if (IsHandOver() && m_elapsedTicks < m_hand.parSeconds)
        expected += (m_hand.parSeconds - m_elapsedTicks) * m_hand.secondsFactor;
    if (m_hand.score != expected) {
        why = "the score is " + std::to_string(m_hand.score) + ", attached letters and words make " +
              std::to_string(expected);
        return false;
    }
    for (int i = 0; i < kColumns; ++i)
        if (m_stacks[i].Length() > kMaxStack + 1) {
            why = "stack " + std::to_string(i) + " holds " + std::to_string(m_stacks[i].Length()) + " tiles";
            return false;
        }
    return true;
}

void CGravity::HandValues(CHandRecord& record)
{
    CGame::HandValues(record);
    record(m_pads, m_queue, m_rising, m_letters, m_column, m_thirds, m_active, m_wordsCleared, m_bombChance, m_wordPoints, m_attached, m_decorRandom);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrAntiGravityHowTo1, 2}, {kStrAntiGravityHowTo2, 4},
    {kStrAntiGravityHowTo3, 4}, {kStrAntiGravityHowTo4, 5}, {kStrAntiGravityHowTo5, 5}, {kStrAntiGravityHowTo6, 4},
    {kStrAntiGravityHowTo7, 4}, {kStrAntiGravityHowTo8, 4}, {kStrAntiGravityHowTo9, 5}, {kStrAntiGravityHowTo10, 5},
    {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kGravityGame{23, "Gravity", kStrAntiGravityName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CGravity>, {kStrAntiGravityDescription, 394, kStrDifficultyModerate, kStrScoreSignificantlyMorePointsFor}};
