#include "games/WormHole.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kStarCount = 7;
constexpr int kStarCost = 25;
constexpr char kGlyphWorm = '|';
constexpr char kGlyphWormWon = ')';
}  // namespace

CWormHole::CWormHole(const CGameContext& context, int side, unsigned letterBinTooltip)
    : CWordPileGame(context), m_side(side), m_cells(static_cast<std::size_t>(side * side)),
      m_stars(*this, context.dictionary, m_word), m_digging(*this, m_cells, side, kGlyphWorm)
{
    SetTableSize(side + 2, side + 5);
    m_hand.playPenalty = kStarCost;

    const int cells = side * side, centre = cells / 2;
    CStr letters = DealLetters(kSupplyCommon, cells - 1, kDealFixQu | kDealBalanced);
    m_letterBin.SetText(letters, kTextLetterBin);
    // Cell 0 takes the last letter of the deal; the worm has the centre.
    for (int i = 0; i < cells; ++i) {
        m_cells[static_cast<std::size_t>(i)].Configure(kPileAllFaceUp, kFanSquared);
        if (i != centre)
            m_cells[static_cast<std::size_t>(i)].Push(letters.PopLast());
    }
    m_digging.Start(centre);
    m_stars.Deal(kStarCount);

    AddGrid(m_cells, side, "row");
    AddPart(m_digging);
    AddPart(m_word);
    AddPart(m_stars);
    AddBoard(m_letterBin, "letterBin", letterBinTooltip);
}

void CWormHole::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int left = (width - m_side * w) / 2;
    const int top = 5 * h / 2 + 10;
    for (int i = 0; i < m_side * m_side; ++i)
        Cell(i / m_side, i % m_side).SetPosition(left + i % m_side * w, top + i / m_side * h);
    const int far = m_side - 1;
    m_frame = RECT{left - w / 4, top - h / 4, left + far * w + 5 * w / 4, top + far * h + 5 * h / 4};
    m_stars.Place(left, 10);
    m_letterBin.SetRect(10, left + 2 * w, 2 * h + 10, left + m_side * w);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
    // The word a tile and a quarter below the grid; the sink lies inside the
    // letter bin, so eaten words seem to fly into it.
    m_word.Place(left, 3 * (h / 4) + (m_side + 3) * h + 10, left + 3 * w, 10);
}

void CWormHole::DrawTable()
{
    // The apple's skin, and its stalk on top.
    m_tileSet.DrawFrame(m_backBuffer, m_frame.left, m_frame.top, m_frame.right - m_frame.left,
                        m_frame.bottom - m_frame.top);
    const RECT stalk = Stalk();
    m_tileSet.DrawFramePiece(m_backBuffer, 0x8, stalk.left, stalk.top);
}

bool CWormHole::Undo()
{
    m_digging.Restore(m_undo.Peek());
    return CGame::Undo();
}

std::optional<CUndoRecord> CWormHole::CreateUndoRecord(CTilePile* from, CTilePile* to, int count)
{
    return m_digging.Record(CGame::CreateUndoRecord(from, to, count));
}

void CWormHole::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    if (m_stars.HitTest(x, y)) {
        UseStar();
        return;
    }
    const int cell = PileAt(m_cells, x, y);
    if (cell >= 0 && !m_cells[static_cast<std::size_t>(cell)].IsEmpty() && m_digging.CanTake(cell)) {
        TakeCell(cell);
        return;
    }
    if (cell >= 0)
        PlaySound(kSoundRefused);
    return PressWordOrButton(x, y);
}

void CWormHole::OnLButtonDblClk(int x, int y, unsigned keys)
{
    const int cell = PileAt(m_cells, x, y);
    return DoubleClick(x, y, keys, cell >= 0 && !m_cells[static_cast<std::size_t>(cell)].IsEmpty());
}

void CWormHole::OnRButtonUp(int, int, unsigned)
{
    UseStar();
}

void CWormHole::TakeCell(int cell)
{
    if (TakeIntoWord(m_cells[static_cast<std::size_t>(cell)]))
        m_digging.MoveFace(cell);
}

void CWormHole::NextTakes(std::vector<int>& piles) const
{
    const int first = PileIndex(&m_cells[0]);
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i].FaceUpCount() > 0 && IsAlpha(m_cells[i].Top()) && m_digging.CanTake(static_cast<int>(i)))
            piles.push_back(first + static_cast<int>(i));
}

char CWormHole::Lift(int pile)
{
    const char letter = LiftTop(pile);
    m_digging.LookAt(pile - PileIndex(&m_cells[0]));
    return letter;
}

void CWormHole::PutBack(int pile, char letter)
{
    m_digging.LookBack(pile - PileIndex(&m_cells[0]));
    PutTop(pile, letter);
}

void CWormHole::UseStar()
{
    m_stars.Use([this] { return TryScoreWord(); });
}

void CWormHole::AfterWordScored()
{
    if (IsFinished())
        m_digging.Celebrate(kGlyphWormWon);
}

CStr CWormHole::TableLetters() const
{
    CStr letters;
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        if (static_cast<int>(i) != m_digging.Face())
            letters += m_cells[i].tiles;
    return letters;
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrWormHoleHowTo1, 2}, {kStrWormHoleHowTo2, 4}, {kStrWormHoleHowTo3, 4},
    {kStrWormHoleHowTo4, 5}, {kStrWormHoleHowTo5, 3}, {kStrWormHoleHowTo6, 4}, {kStrWormHoleHowTo7, 5},
    {kStrWormHoleHowTo8, 4}, {kStrWormHoleHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kWormHoleGame{11, "WormHole", kStrWormHoleName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CWormHole>, {kStrWormHoleDescription, 405, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
