#include "games/Elegance.h"

#include <algorithm>

#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr unsigned kStackFlags = kPileEmptyMarker | kPileAboveFaceDown | kPileCompactFaceDown;
}  // namespace

CElegance::CElegance(const CGameContext& context) : CGame(context)
{
    SetTableSize(9, 11);
    CStr letters = DealLetters(kSupplySevenWords, kStacks * kWordLength);
    letters.Shuffle(m_random);
    m_letterBin.bold = 1;
    m_letterBin.SetText(letters, kTextLetterBin);
    // Stack i takes the last i + 1 letters left, only its top tile face up.
    for (int i = 0; i < kStacks; ++i) {
        CTilePile& stack = m_stacks[i];
        stack.Configure(kStackFlags, kFanDown);
        stack.tag = i;
        const int n = std::min(i + 1, letters.GetLength());
        stack.tiles = letters.Right(n);
        letters.DropLast(n);
        stack.faceDownCount = std::max(0, n - 1);
        AddPile(stack, "stack" + std::to_string(i));
    }
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
    AddPart(m_words);
    m_words.UpdateFlags();
}

void CElegance::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int gap = w / 4, pitch = w + gap;
    const int rowWidth = kStacks * pitch - gap;
    const int left = (width - rowWidth) / 2;
    for (int i = 0; i < kStacks; ++i) {
        m_stacks[i].SetPosition(left + i * pitch, 3 * h + 10);
        m_stacks[i].maxSpan = 7 * h;  // a longer word tightens above the score
        m_words.PlaceFlag(i, left + i * pitch + w / 4, 3 * h + 10 - 3 * h / 4);
    }
    m_letterBin.SetRect(10, left, 2 * h + 10, left + rowWidth);
    m_words.sink.SetPosition(left + w, 10);
    const int panelTop = h / 4 + 10 * h + 10;
    m_scorePanel.SetRect(panelTop, left, panelTop + h, left + pitch + w);
}

void CElegance::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    if (m_words.LiftAt(x, y))
        return;
    m_words.PressFlagAt(x, y);  // a flag only shows it was pressed
}

void CElegance::OnLButtonUp(int x, int y, unsigned keys)
{
    m_words.ReleaseFlag();
    if (!m_dragging || !m_dragMoved)
        return CGame::OnLButtonUp(x, y, keys);
    ReleaseMouse();
    const CWordStacks::DropResult result = m_words.DropDragged();
    if (result == CWordStacks::kMissed)
        CancelDrag();
    else if (result == CWordStacks::kDropped)
        EndHandIfFinished();
}

void CElegance::OnRButtonDown(int, int, unsigned) {}

void CElegance::OnRButtonUp(int, int, unsigned)
{
    PlaySound(kSoundRefused);
}

void CElegance::AfterMove() { m_words.UpdateFlags(); }

bool CElegance::IsFinished()
{
    for (int i = 0; i < kStacks; ++i)
        if (m_stacks[i].IsEmpty() || m_stacks[i].faceDownCount > 0 || !m_words.IsWord(i))
            return false;
    for (int i = 0; i < kStacks; ++i)
        m_words.ScoreStack(i, 0);
    return true;
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrEleganceHowTo1, 2}, {kStrEleganceHowTo2, 4}, {kStrEleganceHowTo3, 4},
    {kStrEleganceHowTo4, 3}, {kStrEleganceHowTo5, 5}, {kStrEleganceHowTo6, 4}, {kStrEleganceHowTo7, 4},
    {kStrPlayButtonLine, 5}};
}  // namespace

extern const GameDescriptor kEleganceGame{15, "Elegance", kStrEleganceName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CElegance>, {kStrEleganceDescription, 401, kStrDifficultyDifficult, kStrScoreFixedPointsPerLetter}};
