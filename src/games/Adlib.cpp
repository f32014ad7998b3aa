#include "games/Adlib.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kLetterPoints = 40;
constexpr int kAllTilesBonus = 250;
constexpr int kSeconds = 120;
constexpr int kSecondsFactor = 5;
}  // namespace

CAdlib::CAdlib(const CGameContext& context) : CGame(context)
{
    SetTableSize(10, 10);
    m_hand.gameAmount1 = kLetterPoints;
    m_hand.secondsFactor = kSecondsFactor;
    m_hand.clockValue = kSeconds;
    m_hand.clockStep = -1;
    m_scorePanel.showTime = 1;

    // The top rack takes the last seven letters of the deal, the side rack the first seven.
    CStr letters = DealLetters(kSupplyStandard, 2 * kRackSlots, kDealFixQu | kDealBalanced);
    for (CSlotPile* rack : {&m_topRack, &m_sideRack}) {
        rack->Configure(kPileAllFaceUp, rack == &m_topRack ? kFanRight : kFanDown);
        rack->slotCount = kRackSlots;
        const int n = std::min(kRackSlots, letters.GetLength());
        rack->tiles = letters.Right(n);
        letters.DropLast(n);
    }
    AddPart(m_grid);
    AddPile(m_topRack, "topRack");
    AddPile(m_sideRack, "sideRack");
    AddButton(m_check, "check", kStrFinishTooltip);
}

void CAdlib::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - 10 * w) / 2;
    const int below = 3 * (h / 4) + kSize * h + 10;
    m_grid.Place(left, 10, m_tileSet);
    m_topRack.SetPosition(left, below);
    m_sideRack.SetPosition(left + kSize * w + w / 2, 10);
    m_scorePanel.SetRect(below, left + kSize * w + w / 2, below + h, left + 10 * w);
    m_check.SetPosition(left + 8 * w, below + 5 * h / 4);
}

// ---------------------------------------------------------------------------
// Mouse

void CAdlib::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    m_check.state = kButtonRaised;  // a press whose release went elsewhere is forgotten
    const int cell = m_grid.CellAt(m_tileSet, POINT{x, y});
    if (cell >= 0 && !m_grid.Cell(cell).IsEmpty()) {
        BeginDrag(&m_grid.Cell(cell), 1, x, y);
        return;
    }
    for (CSlotPile* rack : {&m_topRack, &m_sideRack}) {
        const int k = rack->HitTest(m_tileSet, x, y);
        if (k >= 0 && k < rack->Length()) {
            BeginDrag(rack, rack->Length() - k, x, y);  // lifts tile k alone
            return;
        }
    }
    if (m_check.HitTest(x, y))
        m_check.state = kButtonPressed;
}

void CAdlib::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    if (m_check.IsPressed()) {
        m_check.state = kButtonRaised;
        Finish();
    } else if (m_dragging) {
        if (m_dragMoved)
            DropDraggedTiles();
        else
            CancelDrag();
    }
}

void CAdlib::OnLButtonDblClk(int x, int y, unsigned keys)
{
    const int cell = m_grid.CellAt(m_tileSet, POINT{x, y});
    if (cell >= 0 && !m_grid.Cell(cell).IsEmpty())
        return OnLButtonDown(x, y, keys);
    if (Finish())
        return;
    return OnLButtonDown(x, y, keys);
}

void CAdlib::OnRButtonDown(int, int, unsigned) {}

void CAdlib::DropDraggedTiles()
{
    // A full rack refuses the tile; the other one always has room.
    CTilePile* target = m_grid.DropTarget(m_tileSet, DragImageCentre(*this), {&m_topRack, &m_sideRack});
    if (!target) {
        CancelDrag();
        return;
    }
    if (target != &m_topRack && target != &m_sideRack)
        PlaySound(kSoundTileMoved);
    EndDrag(target);
    AfterMove();
}

// ---------------------------------------------------------------------------
// The crossword

std::vector<CMove> CAdlib::FindMoves()
{
    std::vector<CMove> moves;
    if (!m_pDictionary)
        return moves;
    const int now = CrosswordValue();
    // What the crossword is worth with these letters laid on these empty cells.
    const auto worth = [&](std::initializer_list<std::pair<int, char>> laid) {
        for (const auto& [cell, letter] : laid)
            m_grid.Cell(cell).tiles.AppendChar(letter);
        const int value = CrosswordValue();
        for (const auto& [cell, letter] : laid)
            m_grid.Cell(cell).tiles.PopLast();
        return value;
    };
    const auto add = [&](const CSlotPile& rack, int slot, int cell, int gain) {
        CMove move;
        move.from = PileIndex(&rack);
        move.count = rack.Length() - slot;  // a slot pile lifts the one tile at length - count
        move.to = PileIndex(&m_grid.Cell(cell));
        move.points = gain;
        moves.push_back(std::move(move));
    };
    const CSlotPile* racks[] = {&m_topRack, &m_sideRack};
    constexpr int kCells = kSize * kSize;
    for (const CSlotPile* rack : racks)
        for (int slot = 0; slot < rack->Length(); ++slot)
            if (IsAlpha(rack->tiles[slot]))
                for (int cell = 0; cell < kCells; ++cell)
                    if (m_grid.Cell(cell).IsEmpty())
                        if (const int value = worth({{cell, rack->tiles[slot]}}); value > now)
                            add(*rack, slot, cell, value - now);
    if (moves.empty()) {
        // No single tile adds a word: two that spell one, side by side or one above the other.
        for (const CSlotPile* rack : racks)
            for (int slot = 0; slot < rack->Length(); ++slot)
                for (const CSlotPile* other : racks)
                    for (int second = 0; second < other->Length(); ++second) {
                        const char a = rack->tiles[slot], b = other->tiles[second];
                        if ((rack == other && slot == second) || !IsAlpha(a) || !IsAlpha(b) ||
                            m_pDictionary->IsWord(std::string{a, b}.c_str()) == 0)
                            continue;
                        for (int cell = 0; cell < kCells; ++cell)
                            for (const int step : {1, kSize}) {
                                const int next = cell + step;
                                if (next >= kCells || (step == 1 && next % kSize == 0) || !m_grid.Cell(cell).IsEmpty() ||
                                    !m_grid.Cell(next).IsEmpty())
                                    continue;
                                if (const int value = worth({{cell, a}, {next, b}}); value > now)
                                    add(*rack, slot, cell, value - now);
                            }
                    }
    }
    RankByProgress(moves);
    // One hint for each tile and cell: the best word it begins.
    std::vector<CMove> best;
    for (CMove& move : moves)
        if (std::none_of(best.begin(), best.end(), [&](const CMove& b) {
                return b.from == move.from && b.count == move.count && b.to == move.to;
            }))
            best.push_back(std::move(move));
    return best;
}

int CAdlib::CrosswordValue() const
{
    if (!m_grid.IsOneGroup())
        return 0;
    const std::vector<int> filled = m_grid.FilledCells();
    const int total = m_grid.ScoreRuns(m_grid.RunsThrough(filled), m_pDictionary, [this](const LetterRun& run) {
        return run.length * m_hand.gameAmount1;
    });
    if (total <= 0)
        return 0;
    return m_topRack.IsEmpty() && m_sideRack.IsEmpty() ? total + kAllTilesBonus : total;
}

void CAdlib::AfterMove()
{
    const int value = CrosswordValue();
    m_check.visible = value > 0 ? 1 : 0;
    m_hand.score = value;
    RefreshTooltips();
}

bool CAdlib::Finish()
{
    if (IsHandOver())
        return false;
    if (m_dragging)  // the clock ran out with a tile in the air: it goes home first
        CancelDrag();
    const int value = CrosswordValue();
    if (value <= 0)
        return false;
    AfterMove();
    EndHand(kEndFinished);
    return true;
}

bool CAdlib::OnTimeUp()
{
    Finish();
    return IsHandOver();  // the base ends the hand as timed out otherwise
}

void CAdlib::OnGameOver()
{
    // Only a crossword that counts earns the seconds left.
    if (m_hand.score != 0)
        m_hand.AddTimeBonus();
}

bool CAdlib::CheckRules(std::string& why)
{
    for (const CSlotPile* rack : {&m_topRack, &m_sideRack})
        if (rack->Length() > kRackSlots) {
            why = "a rack holds " + std::to_string(rack->Length()) + " tiles";
            return false;
        }
    if (!m_dragging && !IsHandOver() && m_hand.score != CrosswordValue()) {
        why = "the score " + std::to_string(m_hand.score) + " is not the crossword's value " +
              std::to_string(CrosswordValue());
        return false;
    }
    return true;
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrCrossWaysHowTo1, 2}, {kStrCrossWaysHowTo2, 6}, {kStrCrossWaysHowTo3, 6},
    {kStrCrossWaysHowTo4, 5}, {kStrCrossWaysHowTo5, 5}, {kStrCrossWaysHowTo6, 7}, {kStrCrossWaysHowTo7, 6},
    {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kAdlibGame{17, "Adlib", kStrCrossWaysName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CAdlib>, {kStrCrossWaysDescription, 409, kStrDifficultyModerate, kStrScoreFixedPointsPerLetter}};
