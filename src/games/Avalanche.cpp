#include "games/Avalanche.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kOxygenSeconds = 120;
constexpr int kPointsPerSecond = 50;
constexpr int kStartCell = 9 * CAvalanche::kColumns + 2;
constexpr char kGlyphClimber = '|';
constexpr char kGlyphClimberWon = ')';
}  // namespace

CAvalanche::CAvalanche(const CGameContext& context)
    : CGridWordGame(context, m_cave, kColumns), m_digging(*this, m_cave, kColumns, kGlyphClimber)
{
    // Wide enough for the score panel and the word beside the mountain.
    SetTableSize(12, 11, 40);  // the button row clear of the bottom edge
    m_hand.clockValue = kOxygenSeconds;
    m_hand.clockStep = -1;
    m_scorePanel.timeFormatId = kStrOxygenFormat;
    m_scorePanel.showScore = 0;
    m_scorePanel.showTime = 1;
    m_hand.secondsFactor = kPointsPerSecond;

    // Each cell but the climber's takes the last letter of the deal; the
    // letters left over wait in the reserve, its last the next to fall in.
    CStr letters = DealLetters(kSupplyWords, 100, kDealFixQu | kDealBalanced);
    for (int i = 0; i < kColumns * kRows; ++i)
        if (i != kStartCell && !letters.IsEmpty())
            m_cave[i].Push(letters.PopLast());
    m_reserve = letters;
    m_digging.Start(kStartCell);
    m_grid.moved = [this](int from, int to) { m_digging.Follow(from, to); };

    m_word.checkFollowsWord = false;
    RegisterParts(kStrCancelTooltip);
    AddPart(m_digging);
    m_word.word.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanDown);
}

void CAvalanche::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    // The frame reaches a quarter tile above the cells: it stays in the window.
    const int top = std::max(20, h / 4 + kWindowEdge);
    const int left = (width - kColumns * w - 1) / 2;
    for (int i = 0; i < kColumns * kRows; ++i)
        m_cave[i].SetPosition(left + i % kColumns * w, top + i / kColumns * h);
    const int sideX = left + kColumns * w + w / 2;
    // The found words are kept but not shown: the score panel has their place.
    m_scorePanel.SetRect(top, sideX, top + h, sideX + 3 * w);
    m_word.Place(sideX, top + h, sideX + 8 * w, top + h);
    const int buttonY = kRows * h + h / 2 + top;
    PlaceCancel(left + 5 * w / 4, buttonY);
    m_word.undo.SetPosition(left + 2 * w, buttonY);
    m_word.check.SetPosition(left + 13 * w / 4, buttonY);
    m_frame = {left - w / 4, top - h / 4, left + (kColumns - 1) * w + 5 * w / 4, top + (kRows - 1) * h + 5 * h / 4};
}

void CAvalanche::DrawTable() { m_tileSet.DrawFrame(m_backBuffer, m_frame.left, m_frame.top, m_frame.Width(), m_frame.Height()); }

void CAvalanche::TakeCell(int cell)
{
    if (!m_digging.CanTake(cell)) {
        PlaySound(kSoundRefused);  // no room to move there
        return;
    }
    if (!m_word.CanExtend(m_cave[cell].Top()))
        return;  // no word goes on this way: refused without a sound
    if (TakeIntoWord(m_cave[cell]))
        m_digging.MoveFace(cell);
}

void CAvalanche::NextTakes(std::vector<int>& piles) const
{
    CGridWordGame::NextTakes(piles);
    const int first = PileIndex(&m_cave[0]);
    std::erase_if(piles, [&](int pile) { return !m_digging.CanTake(pile - first); });
}

char CAvalanche::Lift(int pile)
{
    const char letter = CGridWordGame::Lift(pile);
    m_digging.LookAt(pile - PileIndex(&m_cave[0]));
    return letter;
}

void CAvalanche::PutBack(int pile, char letter)
{
    m_digging.LookBack(pile - PileIndex(&m_cave[0]));
    CGridWordGame::PutBack(pile, letter);
}

bool CAvalanche::Undo()
{
    m_digging.Restore(m_undo.Peek());  // the climber's cell, before the base pops the record
    return CGridWordGame::Undo();
}

std::optional<CUndoRecord> CAvalanche::CreateUndoRecord(CTilePile* from, CTilePile* to, int count)
{
    return m_digging.Record(CGame::CreateUndoRecord(from, to, count));
}

void CAvalanche::AfterWordScored()
{
    CGridWordGame::AfterWordScored();  // the mountain settles, the climber with it
    if (!IsFinished())
        return;
    m_won = true;
    m_digging.Celebrate(kGlyphClimberWon);
}

bool CAvalanche::IsFinished()
{
    if (m_digging.Face() / kColumns == 0)
        return true;
    for (int c = 0; c < kColumns; ++c) {
        bool dug = true;
        for (int r = 0; r < kRows && dug; ++r)
            dug = Cell(r, c).IsEmpty() || r * kColumns + c == m_digging.Face();
        if (dug)
            return true;
    }
    return false;
}

bool CAvalanche::OnTimeUp()
{
    TryScoreWord();  // a word still in hand is scored, and may still win
    return IsHandOver();
}

void CAvalanche::OnGameOver()
{
    // The oxygen left pays only for a hand won.
    if (m_won)
        m_hand.AddTimeBonus();
}

void CAvalanche::HandValues(CHandRecord& record)
{
    CGridWordGame::HandValues(record);
    record(m_won);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrAvalancheHowTo1, 2}, {kStrAvalancheHowTo2, 6}, {kStrAvalancheHowTo3, 5},
    {kStrAvalancheHowTo4, 4}, {kStrAvalancheHowTo5, 6}, {kStrAvalancheHowTo6, 5}, {kStrAvalancheHowTo7, 6},
    {kStrAvalancheHowTo8, 5}, {kStrAvalancheHowTo9, 5}, {kStrPlayButtonLine, 5}};
}  // namespace

extern const GameDescriptor kAvalancheGame{26, "Avalanche", kStrAvalancheName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CAvalanche>, {kStrAvalancheDescription, 407, kStrDifficultyDifficult, kStrScoreMorePointsByFinishing}};
