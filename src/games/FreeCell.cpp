#include "games/FreeCell.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr unsigned kFirstFreeCellTool = 1240;
}  // namespace

CFreeCell::CFreeCell(const CGameContext& context) : CGame(context)
{
    SetTableSize(9, 12);  // eight columns and the gaps between them
    CStr letters = DealLetters(kSupplyFourWords, 4 * kWordLength);
    m_foundation.SetWords(letters);
    letters.Shuffle(m_random);

    // From stack 7 down, each stack takes its share of what is left: stacks
    // 7 to 4 get six tiles, stacks 3 to 0 seven.
    for (int i = kStacks - 1; i >= 0; --i) {
        CTilePile& stack = m_stacks[i];
        stack.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanDown);
        stack.tag = i;
        const int n = letters.GetLength() / (i + 1);
        stack.tiles = letters.Right(n);
        letters.DropLast(n);
        stack.faceDownCount = std::max(0, n - 1);  // drawn face up all the same
    }
    for (int i = 0; i < kStacks; ++i)
        AddPile(m_stacks[i], "stack" + std::to_string(i));
    for (int j = 0; j < kCells; ++j) {
        m_cells[j].Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
        AddPile(m_cells[j], "cell" + std::to_string(j));
    }
    AddPart(m_foundation);
}

void CFreeCell::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int pitch = w + 10;
    const int left = (width - (8 * w + 70)) / 2;
    for (int j = 0; j < kCells; ++j)
        m_cells[j].SetPosition(left + j * pitch, 10);
    for (int i = 0; i < kStacks; ++i) {
        m_stacks[i].SetPosition(left + i * pitch, 3 * h + 10);
        m_stacks[i].maxSpan = height - (3 * h + 10) - kWindowEdge;  // a tall stack tightens
    }
    const int targets = left + 3 * pitch + 2 * w;
    m_foundation.Place(10, targets, 3 * h, left + 8 * w + 70, targets, 10);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
}

void CFreeCell::AddTooltips()
{
    for (int j = 0; j < kCells; ++j)
        m_tooltips.AddTool(m_cells[j].Rect(m_tileSet), kStrFreeCellTooltip, kFirstFreeCellTool + j);
}

void CFreeCell::OnSettingsChanged()
{
    m_foundation.ApplyColorSettings();
    CGame::OnSettingsChanged();
}

// ---------------------------------------------------------------------------
// Mouse

void CFreeCell::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    // Wherever a stack is clicked, only its top tile moves.
    const auto lift = [&](CTilePile& pile) {
        if (pile.IsEmpty() || pile.HitTest(m_tileSet, x, y) < 0)
            return false;
        BeginDrag(&pile, 1, x, y);
        return true;
    };
    for (CTilePile& stack : m_stacks)
        if (lift(stack))
            return;
    for (CTilePile& cell : m_cells)
        if (lift(cell))
            return;
}

void CFreeCell::OnLButtonUp(int x, int y, unsigned keys)
{
    if (m_dragging && m_dragMoved) {
        ReleaseMouse();
        DropDraggedTile();
        return;
    }
    return CGame::OnLButtonUp(x, y, keys);
}

void CFreeCell::DropDraggedTile()
{
    const POINT centre = DragImageCentre(*this);
    const char letter = m_dragPile.Top();
    const int target = FindDropTarget(m_tileSet, m_stacks, centre);
    if (target >= 0) {
        CTilePile& stack = m_stacks[target];
        if (&stack == m_pDragSource || (!stack.IsEmpty() && !CanAdd(stack, letter))) {
            CancelDrag();
            return;
        }
        PlaySound(kSoundTileMoved);
        EndDrag(&stack);
        return;
    }
    for (CTilePile& cell : m_cells) {
        if (cell.HitTest(m_tileSet, centre.x, centre.y) < 0)
            continue;
        if (&cell == m_pDragSource || !cell.IsEmpty()) {
            CancelDrag();
            return;
        }
        PlaySound(kSoundTileMoved);
        EndDrag(&cell);
        return;
    }
    if (!m_foundation.DropDragged())
        CancelDrag();
}

void CFreeCell::OnLButtonDblClk(int x, int y, unsigned keys)
{
    if (m_dragging)
        CancelDrag();
    // A stack's top tile scores when a target word wants it, and otherwise
    // goes to a free cell.
    for (CTilePile& stack : m_stacks) {
        if (stack.IsEmpty() || stack.HitTest(m_tileSet, x, y) < 0)
            continue;
        if (m_foundation.ScoreTopTile(stack) || MoveToFreeCell(stack))
            return;
        PlaySound(kSoundRefused);
    }
    for (CTilePile& cell : m_cells) {
        if (cell.IsEmpty() || cell.HitTest(m_tileSet, x, y) < 0)
            continue;
        if (m_foundation.ScoreTopTile(cell))
            return;
        PlaySound(kSoundRefused);
    }
    return OnLButtonDown(x, y, keys);
}

void CFreeCell::OnRButtonDown(int x, int y, unsigned)
{
    if (m_dragging)
        return;
    for (CTilePile& stack : m_stacks) {
        if (stack.IsEmpty() || stack.HitTest(m_tileSet, x, y) < 0)
            continue;
        if (MoveToFreeCell(stack))
            return;
        PlaySound(kSoundRefused);
    }
}

// ---------------------------------------------------------------------------
// Rules

bool CFreeCell::MoveToFreeCell(CTilePile& pile)
{
    const auto cell =
        std::find_if(std::begin(m_cells), std::end(m_cells), [](const CTilePile& c) { return c.IsEmpty(); });
    if (cell == std::end(m_cells) || pile.IsEmpty())
        return false;
    PlaySound(kSoundTileMoved);
    MoveTile(&pile, cell, kFlyFaceDown);
    return true;
}

bool CFreeCell::CanAdd(const CTilePile& pile, char letter) const
{
    if (!m_pDictionary)
        return false;
    CStr text = pile.tiles;
    text.AppendChar(letter);
    for (int start = 0; start < text.GetLength(); ++start)
        if (m_pDictionary->IsWord(text.Mid(start, text.GetLength())))
            return true;
    return false;
}

std::vector<CMove> CFreeCell::FindMoves()
{
    std::vector<CMove> moves;
    m_foundation.AddScoringMoves(m_stacks, 100, moves);
    m_foundation.AddScoringMoves(m_cells, 100, moves);
    const auto add = [&](const CTilePile& from, const CTilePile& to, int progress) {
        CMove move;
        move.from = PileIndex(&from);
        move.count = 1;
        move.to = PileIndex(&to);
        move.points = progress;
        moves.push_back(std::move(move));
    };
    const auto sources = [&](auto&& each) {
        for (const CTilePile& pile : m_stacks)
            each(pile);
        for (const CTilePile& pile : m_cells)
            each(pile);
    };
    sources([&](const CTilePile& from) {
        if (from.IsEmpty())
            return;
        for (const CTilePile& to : m_stacks)
            // A lone tile gains nothing on an empty stack, unless it leaves a free cell.
            if (&to != &from && (to.IsEmpty() ? from.Length() > 1 || IsFreeCell(from) : CanAdd(to, from.Top())))
                add(from, to, to.IsEmpty() ? 5 : 30);
    });
    // One free cell is as good as another: the first empty one.
    const auto cell = std::find_if(std::begin(m_cells), std::end(m_cells), [](const CTilePile& c) { return c.IsEmpty(); });
    if (cell != std::end(m_cells))
        for (const CTilePile& from : m_stacks)
            if (!from.IsEmpty())
                add(from, *cell, 1);
    RankByProgress(moves);
    return moves;
}

bool CFreeCell::IsFinished()
{
    const auto empty = [](const CTilePile& p) { return p.IsEmpty(); };
    return std::all_of(std::begin(m_stacks), std::end(m_stacks), empty) &&
           std::all_of(std::begin(m_cells), std::end(m_cells), empty);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrFreeCellHowTo1, 2}, {kStrFreeCellHowTo2, 4}, {kStrFreeCellHowTo3, 5},
    {kStrFreeCellHowTo4, 4}, {kStrFreeCellHowTo5, 4}, {kStrFreeCellHowTo6, 4}, {kStrFreeCellHowTo7, 5},
    {kStrFreeCellHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kFreeCellGame{8, "FreeCell", kStrFreeCellName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CFreeCell>, {kStrFreeCellDescription, 402, kStrDifficultyEasy, kStrScoreFixedPointsPerLetter}};
