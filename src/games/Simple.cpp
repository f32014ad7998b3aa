#include "games/Simple.h"

#include <algorithm>

#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr unsigned kStackFlags = kPileEmptyMarker | kPileAboveFaceDown | kPileCompactFaceDown;
}  // namespace

CSimple::CSimple(const CGameContext& context) : CGame(context)
{
    SetTableSize(9, 11);
    CStr letters = DealLetters(kSupplyCommon, kStacks * kStackHeight, kDealFixQu | kDealBalanced);
    m_letterBin.SetText(letters, kTextLetterBin);
    // Stack 0 takes the last seven letters of the deal, stack 6 the first seven.
    for (int i = 0; i < kStacks; ++i) {
        CTilePile& stack = m_stacks[i];
        stack.Configure(kStackFlags, kFanDown);
        stack.tag = i;
        stack.tiles = letters.Right(kStackHeight);
        letters.DropLast(kStackHeight);
        stack.faceDownCount = std::max(0, stack.Length() - 1);
        AddPile(stack, "stack" + std::to_string(i));
    }
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
    AddPart(m_words);
    m_words.UpdateFlags();
}

void CSimple::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int gap = w / 4, pitch = w + gap;
    const int left = (width + gap - kStacks * pitch) / 2;
    for (int i = 0; i < kStacks; ++i) {
        m_stacks[i].SetPosition(left + i * pitch, 3 * h + 10);
        m_stacks[i].maxSpan = 7 * h;  // a longer word tightens above the score
        m_words.PlaceFlag(i, left + i * pitch + w / 4, 3 * h + 10 - 3 * h / 4);
    }
    m_letterBin.SetRect(10, left, 2 * h + 10, left + kStacks * pitch - gap);
    m_words.sink.SetPosition(left + w, 10);
    m_scorePanel.SetRect(10 * h + 10 + h / 4, left, 11 * h + 10 + h / 4, left + pitch + w);
}

// ---------------------------------------------------------------------------
// Mouse

void CSimple::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    if (m_words.LiftAt(x, y))
        return;
    m_words.PressFlagAt(x, y);
}

void CSimple::OnLButtonUp(int x, int y, unsigned keys)
{
    const int flag = m_words.ReleaseFlag();
    if (flag >= 0) {
        ReleaseMouse();
        ScoreStack(flag, 0);
        return;
    }
    if (m_dragging && m_dragMoved) {
        ReleaseMouse();
        DropDraggedTiles();
        return;
    }
    return CGame::OnLButtonUp(x, y, keys);
}

void CSimple::OnLButtonDblClk(int x, int y, unsigned keys)
{
    if (m_dragging)
        CancelDrag();
    // The tile clicked and those above it score when they spell a word.
    for (int i = 0; i < kStacks; ++i) {
        const CTilePile& stack = m_stacks[i];
        const int k = stack.IsEmpty() ? -1 : stack.HitTest(m_tileSet, x, y);
        if (k >= 0 && m_words.IsWord(i, stack.Length() - k)) {
            ScoreStack(i, stack.Length() - k);
            return;
        }
    }
    return OnLButtonDown(x, y, keys);
}

void CSimple::DropDraggedTiles()
{
    if (m_words.DropDragged() != CWordStacks::kMissed)
        return;
    // A word dragged onto the letter bin scores from there.
    const CDragImage& image = m_dragImage;
    const RECT imageRect{image.X(), image.Y(), image.X() + image.Width(), image.Y() + image.Height()};
    if (Overlaps(imageRect, m_letterBin.frameRect) && !m_words.ScoreLifted().IsEmpty()) {
        EndHandIfFinished();
        return;
    }
    CancelDrag();
}

// ---------------------------------------------------------------------------
// Rules

void CSimple::ScoreStack(int stack, int count)
{
    if (m_words.ScoreStack(stack, count).IsEmpty())
        return;
    EndHandIfFinished();
}

void CSimple::AfterMove() { m_words.UpdateFlags(); }

bool CSimple::IsFinished()
{
    return std::all_of(std::begin(m_stacks), std::end(m_stacks), [](const CTilePile& p) { return p.IsEmpty(); });
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrSimpleStacksHowTo1, 2}, {kStrSimpleStacksHowTo2, 4},
    {kStrSimpleStacksHowTo3, 4}, {kStrSimpleStacksHowTo4, 3}, {kStrSimpleStacksHowTo5, 5}, {kStrSimpleStacksHowTo6, 4},
    {kStrSimpleStacksHowTo7, 5}, {kStrSimpleStacksHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kSimpleGame{7, "Simple", kStrSimpleStacksName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CSimple>, {kStrSimpleStacksDescription, 397, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
