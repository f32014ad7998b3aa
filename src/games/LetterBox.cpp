#include "games/LetterBox.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kMiddle = 15;  // positions from here on start in the right set
constexpr unsigned kFreeCellToolId = 1240;
}  // namespace

CLetterBox::CLetterBox(const CGameContext& context)
    : CGame(context), m_box(*this, kRows, kPositions, "box"), m_word(*this, context.dictionary)
{
    SetTableSize(kPositions / 2 + 2, kRows / 2 + 4);  // room for the frame at either side
    for (int a = 0; a < kRows; ++a)
        for (int b = kMiddle; b < kPositions; ++b)
            m_box.Cell(a, b).displayFlags |= kRightSet;
    // Tile columns every other position in rows 4 to 10, staggered, with a
    // gap of two tile widths in the middle: 25 tiles at the left, 24 at the right.
    for (int a = 4; a <= 10; ++a)
        for (int b = 0; b < kPositions; b += 2)
            if ((b <= 12 || b >= 18) && (b / 2 + a) % 2 == 0) {
                const char letter = NextLetter();
                if (letter)
                    m_box.Cell(a, b).Push(letter);
            }
    // A left-set tile is covered by left-set tiles half a tile above and
    // below it one tile further in; a right-set tile likewise.
    m_box.SetFreeTest([this](int a, int b) { return IsFree(a, b); });
    for (CTilePile& cell : m_freeCells)
        cell.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);

    AddPart(m_box);
    for (int k = 0; k < kFreeCells; ++k)
        AddPile(m_freeCells[k], "free" + std::to_string(k));
    AddPart(m_word);
}

char CLetterBox::NextLetter()
{
    if (m_supply.IsEmpty()) {
        m_supply = DealLetters(kSupplyWords, 465);  // random words, about 465 letters
        m_supply.Shuffle(m_random);
    }
    return m_supply.IsEmpty() ? '\0' : m_supply.PopLast();
}

bool CLetterBox::HoldsSet(int row, int position, bool right) const
{
    return m_box.HasTile(row, position) && IsRight(row, position) == right;
}

bool CLetterBox::SetNear(int row, int position1, int position2, bool right) const
{
    for (int a = row - 1; a <= row + 1; ++a)
        if (HoldsSet(a, position1, right) || HoldsSet(a, position2, right))
            return true;
    return false;
}

bool CLetterBox::IsFree(int a, int b) const
{
    const bool right = IsRight(a, b);
    const int inward = right ? b - 2 : b + 2;
    return !HoldsSet(a - 1, inward, right) && !HoldsSet(a + 1, inward, right);
}

// ---------------------------------------------------------------------------
// Layout and painting

void CLetterBox::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int gridWidth = (w / 2) * (kPositions + 1);
    const int left = (width - gridWidth) / 2;
    const int top = h / 2 + 10;
    const int strip = (kRows / 2 + 2) * h + 10;
    const int cellsX = gridWidth / 2 - 3 * (w / 4) + width / 2 - 3 * w;
    for (int a = 0; a < kRows; ++a)
        for (int b = 0; b < kPositions; ++b)
            m_box.Cell(a, b).SetPosition(left + b * (w / 2), top + a * (h / 2));
    for (int k = 0; k < kFreeCells; ++k)
        m_freeCells[k].SetPosition(cellsX + k * (w / 4 + w), strip);
    const CTilePile& last = m_box.Cell(kRows - 1, kPositions - 1);
    m_frame = RECT{left - w / 4, top - h / 4, last.x + 5 * w / 4, last.y + 5 * h / 4};
    m_scorePanel.SetRect(strip + h / 4, cellsX - 2 * w, strip + h / 4 + h, cellsX);
    // The word below the box, its undo button below it.
    m_word.Place(left, strip, cellsX + 5 * w, strip, cellsX - 2 * w - w / 4);  // a long word stays clear of the score
    m_word.undo.SetPosition(left, strip + 5 * h / 4);
}

void CLetterBox::DrawTable()
{
    m_tileSet.DrawFrame(m_backBuffer, m_frame.left, m_frame.top, m_frame.right - m_frame.left,
                        m_frame.bottom - m_frame.top);
}

void CLetterBox::AddTooltips()
{
    for (int k = 0; k < kFreeCells; ++k)
        m_tooltips.AddTool(m_freeCells[k].Rect(m_tileSet), kStrFreeCellTooltip, kFreeCellToolId + k);
}

// ---------------------------------------------------------------------------
// Mouse

void CLetterBox::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    for (int k = 0; k < kFreeCells; ++k)
        if (m_freeCells[k].HitTest(m_tileSet, x, y) >= 0) {  // its empty slot too
            PlayFreeCell(k);
            return;
        }
    const int cell = m_box.FreeTileAt(x, y);
    if (cell >= 0) {
        m_box.TakeOnto(cell, m_word);
        return;
    }
    if (!m_word.ClickWordTile(x, y))
        m_word.PressButtonAt(x, y);
}

void CLetterBox::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    m_word.OnButtonUp([this] { TryScoreWord(); });
}

void CLetterBox::OnLButtonDblClk(int x, int y, unsigned keys)
{
    if (m_box.IsTileAt(x, y) || m_word.IsOverButton(x, y))
        return OnLButtonDown(x, y, keys);
    if (TryScoreWord())
        return;
    return OnLButtonDown(x, y, keys);
}

// Parks a free tile in the first empty free cell: no sound, no cost, and
// the sets stay where they are.
void CLetterBox::OnRButtonDown(int x, int y, unsigned)
{
    int k = 0;
    while (k < kFreeCells && !m_freeCells[k].IsEmpty())
        ++k;
    if (k == kFreeCells) {
        if (m_box.IsTileAt(x, y))
            PlaySound(kSoundRefused);
        return;
    }
    const int cell = m_box.FreeTileAt(x, y);
    if (cell < 0)
        return;
    MoveTile(&m_box.cells[static_cast<std::size_t>(cell)], &m_freeCells[k], kFlyFaceDown);
    AfterMove();
    EndHandIfFinished();
}

void CLetterBox::PlayFreeCell(int k)
{
    CTilePile& cell = m_freeCells[k];
    if (cell.IsEmpty() || !m_word.CanExtend(cell.Top())) {
        PlaySound(kSoundRefused);
        return;
    }
    PlaySound(kSoundTileMoved);
    MoveTile(&cell, &m_word.word, kFlyFaceDown);
    AfterMove();
}

// ---------------------------------------------------------------------------
// Scoring and the sets closing in

void CLetterBox::NextTakes(std::vector<int>& piles) const
{
    const int first = PileIndex(&m_box.cells[0]);
    for (int r = 0; r < kRows; ++r)
        for (int p = 0; p < kPositions; ++p)
            if (m_box.IsFree(r, p) && IsAlpha(m_box.Cell(r, p).Top()))
                piles.push_back(first + m_box.Index(r, p));
    for (const CTilePile& cell : m_freeCells)
        if (!cell.IsEmpty())
            piles.push_back(PileIndex(&cell));
}

bool CLetterBox::TryScoreWord()
{
    if (!m_word.ScoreWord(nullptr, [this](CStr& letters) { return m_hand.WordScore(letters.GetLength()); }))
        return false;
    // A word that emptied the box has ended the hand: nothing moves after it.
    if (IsHandOver())
        return true;
    const bool moved = MoveSets();
    if (!moved)
        EndHand(kEndFinished);
    return true;
}

void CLetterBox::MoveTileInBox(int row, int from, int to, bool right)
{
    m_box.Cell(row, to).Push(m_box.Cell(row, from).PopTop());
    if (right)
        m_box.Cell(row, to).displayFlags |= kRightSet;
    else
        m_box.Cell(row, to).displayFlags &= ~kRightSet;
}

bool CLetterBox::MoveSets()
{
    // Each tile moves once: the right set is tested against the left set's
    // old places, the left set against the right set's new ones. Tiles
    // moved before a blocked one stay moved.
    for (int a = 0; a < kRows; ++a)
        for (int b = 0; b < kPositions; ++b) {
            if (!HoldsSet(a, b, true))
                continue;
            if (b <= 1 || SetNear(a, b - 1, b - 2, false) || m_box.HasTile(a, b - 1))
                return false;
            MoveTileInBox(a, b, b - 1, true);
        }
    for (int a = 0; a < kRows; ++a)
        for (int b = kPositions - 1; b >= 0; --b) {
            if (!HoldsSet(a, b, false))
                continue;
            if (b >= kPositions - 2 || SetNear(a, b + 1, b + 2, true) || m_box.HasTile(a, b + 1))
                return false;
            MoveTileInBox(a, b, b + 1, false);
        }
    return true;
}

void CLetterBox::OnGameOver()
{
    if (m_box.IsEmpty())
        return CGame::OnGameOver();
}

bool CLetterBox::IsFinished() { return m_box.IsEmpty() && m_word.IsEmpty(); }

void CLetterBox::AfterMove()
{
    m_word.UpdateButtons();
    RefreshTooltips();
}

bool CLetterBox::CheckRules(std::string& why)
{
    for (int a = 0; a < kRows; ++a)
        for (int b = 0; b < kPositions; ++b)
            if (HoldsSet(a, b, true) && (SetNear(a, b - 1, b + 1, false) || SetNear(a, b, b, false))) {
                why = "the right-set tile at " + std::to_string(a) + "," + std::to_string(b) +
                      " overlaps a tile of the left set";
                return false;
            }
    return true;
}

void CLetterBox::HandValues(CHandRecord& record)
{
    CGame::HandValues(record);
    record(m_supply);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrLetterBoxHowTo1, 2}, {kStrLetterBoxHowTo2, 6}, {kStrLetterBoxHowTo3, 6},
    {kStrLetterBoxHowTo4, 4}, {kStrLetterBoxHowTo5, 5}, {kStrLetterBoxHowTo6, 5}, {kStrLetterBoxHowTo7, 5},
    {kStrLetterBoxHowTo8, 6}, {kStrLetterBoxHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kLetterBoxGame{40, "LetterBox", kStrLetterBoxName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CLetterBox>, {kStrLetterBoxDescription, 470, kStrDifficultyModerate, kStrScoreSignificantlyMorePointsFor}};
