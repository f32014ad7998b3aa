#include "games/Griddle.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kLightningCount = 6;
constexpr int kLightningCost = 50;
}  // namespace

CGriddle::CGriddle(const CGameContext& context) : CWordPileGame(context)
{
    SetTableSize(9, 12);
    m_hand.playPenalty = kLightningCost;

    CStr letters = DealLetters(kSupplyCommon, kCells, kDealFixQu | kDealBalanced);
    m_letterBin.SetText(letters, kTextLetterBin);
    // Cell 0 takes the last letter of the deal, cell 48 the first.
    for (CTilePile& cell : m_cells) {
        cell.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
        cell.Push(letters.PopLast());
    }
    m_lightning.Configure(kPileAllFaceUp | kPileEmptyMarker | kPileCompactFaceDown, kFanRight);
    m_lightning.tiles = std::string(kLightningCount, kGlyphLightning);
    m_lightning.faceDownCount = kLightningCount - 1;

    AddGrid(m_cells, kSide, "row");
    AddPile(m_lightning, "lightning", kStrLightningTooltip);
    AddPart(m_word);
    AddPart(m_path);
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
}

void CGriddle::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int left = (width - kSide * w) / 2;
    const int gridTop = 5 * h / 2 + 10;
    for (int i = 0; i < kCells; ++i)
        m_cells[i].SetPosition(left + i % kSide * w, gridTop + i / kSide * h);
    m_lightning.SetPosition(left, 10);
    m_letterBin.SetRect(10, left + 5 * w / 2, 2 * h + 10, left + kSide * w);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    m_word.Place(left, 3 * (h / 4) + 10 * h + 10, left + 5 * w / 2 + w, 10);
}

bool CGriddle::Undo()
{
    m_path.Restore(m_undo.Peek());
    return CGame::Undo();
}

std::optional<CUndoRecord> CGriddle::CreateUndoRecord(CTilePile* from, CTilePile* to, int count)
{
    return m_path.Record(CGame::CreateUndoRecord(from, to, count));
}

void CGriddle::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    if (m_lightning.HitTest(m_tileSet, x, y) >= 0) {
        UseLightning();
        return;
    }
    const int cell = PileAt(m_cells, x, y);
    if (cell >= 0) {
        PickCell(cell);
        return;
    }
    return PressWordOrButton(x, y);
}

void CGriddle::OnLButtonDblClk(int x, int y, unsigned keys)
{
    // The first click of a double click on a tile took it; the second,
    // landing on the now empty cell, scores the word when it is complete.
    const int cell = PileAt(m_cells, x, y);
    return DoubleClick(x, y, keys, cell >= 0 && !m_cells[cell].IsEmpty());
}

void CGriddle::OnRButtonDown(int, int, unsigned) {}

void CGriddle::OnRButtonUp(int, int, unsigned)
{
    UseLightning();
}

void CGriddle::PickCell(int cell)
{
    // A lightning tile left in the grid is no letter: a word beginning with
    // it would pass every dictionary test.
    if (!m_path.Touches(cell) || m_cells[cell].Top() == kGlyphLightning) {
        PlaySound(kSoundRefused);
        return;
    }
    if (TakeIntoWord(m_cells[cell]))
        m_path.Extend(cell);
}

void CGriddle::UseLightning()
{
    if (m_lightning.IsEmpty() || m_path.Last() < 0) {
        PlaySound(kSoundRefused);
        return;
    }
    PlaySound(kSoundTileMoved);
    // The bolt fills the last letter's cell; Undo takes it back, not its cost.
    MoveTile(&m_lightning, &m_cells[m_path.Last()], kFlyFaceDown);
    m_path.Clear();
    m_hand.score -= m_hand.playPenalty;
    AfterMove();
}

CStr CGriddle::TableLetters() const
{
    CStr letters;
    for (const CTilePile& cell : m_cells)
        if (!cell.IsEmpty() && cell.Top() != kGlyphLightning)
            letters += cell.tiles;
    return letters;
}

void CGriddle::HandValues(CHandRecord& record)
{
    CWordPileGame::HandValues(record);
    record(m_lightning);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrGriddleHowTo1, 2}, {kStrGriddleHowTo2, 5}, {kStrGriddleHowTo3, 4},
    {kStrGriddleHowTo4, 7}, {kStrGriddleHowTo5, 4}, {kStrGriddleHowTo6, 5}, {kStrGriddleHowTo7, 5},
    {kStrGriddleHowTo8, 4}, {kStrPlayButtonLine, 4}};
}  // namespace

extern const GameDescriptor kGriddleGame{6, "Griddle", kStrGriddleName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CGriddle>, {kStrGriddleDescription, 400, kStrDifficultyVeryDifficult, kStrScoreFixedPointsPerLetter}};
