#include "games/WordMelt.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kStarCount = 7;
constexpr int kStarCost = 25;

// The wall of a cell: 0 for the outer ring, 3 for the centre.
int WallOf(int row, int column)
{
    const int last = CWordMelt::kSide - 1;
    return std::min({row, last - row, column, last - column});
}
}  // namespace

CWordMelt::CWordMelt(const CGameContext& context)
    : CWordPileGame(context), m_stars(*this, context.dictionary, m_word)
{
    SetTableSize(9, 13);
    m_hand.playPenalty = kStarCost;

    CStr letters = DealLetters(kSupplyCommon, kCells, kDealFixQu | kDealBalanced);
    m_letterBin.SetText(letters, kTextLetterBin);
    // Cell 0 takes the last letter of the deal, cell 48 the first.
    for (CTilePile& cell : m_cells) {
        cell.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
        cell.Push(letters.PopLast());
    }
    m_stars.Deal(kStarCount);

    AddPart(m_frames);
    AddGrid(m_cells, kSide, "row");
    AddPart(m_word);
    AddPart(m_stars);
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
}

void CWordMelt::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int q = w / 4, pitch = w + q;
    const int left = (width + q - kSide * pitch) / 2;
    const int top = 5 * h / 2 + 10;
    const auto cellX = [&](int column) { return left + column * pitch; };
    const auto cellY = [&](int row) { return top + row * (h + h / 4); };
    for (int i = 0; i < kCells; ++i)
        m_cells[i].SetPosition(cellX(i % kSide), cellY(i / kSide));
    // Each wall's frame runs in the gap around its ring of tiles.
    for (int k = 0; k < kWalls; ++k) {
        const int far = kSide - 1 - k;
        m_frames.rects[k] = {cellX(k) - h / 4 + h / 32, cellY(k) - w / 4 + w / 32, cellX(far) - h / 32 + pitch,
                             cellY(far) - w / 32 + h + h / 4};
    }
    m_stars.Place(left, 10);
    m_letterBin.SetRect(10, left + 2 * w, 2 * h + 10, cellX(kSide - 1) + pitch);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    m_word.Place(left - q, 6 * (h / 4) - 3 * h / 8 + 11 * h + 10, left + 3 * w, 10);
}

void CWordMelt::CWallFrames::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    for (const RECT& r : rects)
        tiles.DrawFrame(buffer, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool CWordMelt::IsReachable(int row, int column) const
{
    const int wall = WallOf(row, column);
    if (wall == 0)
        return true;
    // Every cell of the wall around must be empty.
    for (int i = 0; i < kCells; ++i)
        if (WallOf(i / kSide, i % kSide) == wall - 1 && !m_cells[i].IsEmpty())
            return false;
    return true;
}

void CWordMelt::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    for (int i = 0; i < kCells; ++i) {
        if (m_cells[i].HitTest(m_tileSet, x, y) < 0)
            continue;
        if (IsReachable(i / kSide, i % kSide) && !m_cells[i].IsEmpty()) {
            TakeIntoWord(m_cells[i]);
            return;
        }
        PlaySound(kSoundRefused);
    }
    if (m_stars.HitTest(x, y)) {
        UseStar();
        return;
    }
    return PressWordOrButton(x, y);
}

void CWordMelt::OnLButtonDblClk(int x, int y, unsigned keys)
{
    const int cell = PileAt(m_cells, x, y);
    return DoubleClick(x, y, keys, cell >= 0 && !m_cells[cell].IsEmpty());
}

void CWordMelt::OnRButtonDown(int, int, unsigned) {}

void CWordMelt::OnRButtonUp(int, int, unsigned)
{
    UseStar();
}

void CWordMelt::OnEnterKey()
{
    if (m_word.check.visible)
        TryScoreWord();
    else
        UseStar();
}

void CWordMelt::OnBackspaceKey()
{
    if (CanUndo())
        Undo();
}

void CWordMelt::OnEscapeKey()
{
    // The whole word goes back, as far as the undo history reaches.
    for (int left = m_undo.Count(); CanUndo() && left > 0; --left)
        Undo();
}

void CWordMelt::OnChar(int ch)
{
    if (ch == ' ')
        return OnEnterKey();
    const char letter = ToLowerChar(static_cast<char>(ch));
    if (letter < 'a' || letter > 'z')
        return;
    // The first reachable cell, in index order, showing that letter.
    for (int i = 0; i < kCells; ++i) {
        if (!m_cells[i].IsEmpty() && m_cells[i].Top() == letter && IsReachable(i / kSide, i % kSide)) {
            TakeIntoWord(m_cells[i]);
            break;
        }
    }
}

void CWordMelt::UseStar()
{
    m_stars.Use([this] { return TryScoreWord(); });
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrWallsOfJerichoHowTo1, 2}, {kStrWallsOfJerichoHowTo2, 4},
    {kStrWallsOfJerichoHowTo3, 4}, {kStrWallsOfJerichoHowTo4, 5}, {kStrWallsOfJerichoHowTo5, 3},
    {kStrWallsOfJerichoHowTo6, 4}, {kStrWallsOfJerichoHowTo7, 5}, {kStrWallsOfJerichoHowTo8, 4},
    {kStrWallsOfJerichoHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kWordMeltGame{14, "WordMelt", kStrWallsOfJerichoName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CWordMelt>, {kStrWallsOfJerichoDescription, 398, kStrDifficultyModerate, kStrScoreFixedPointsPerLetter}};
