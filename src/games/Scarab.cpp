#include "games/Scarab.h"

#include <algorithm>
#include <cstdio>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Resources.h"
#include "framework/Shell.h"

namespace {
constexpr int kBagTiles = 75;
constexpr int kLetterPoints = 10;
constexpr int kRedrawCost = 150;
constexpr int kAllTilesBonus = 100;
constexpr int kCentre = CScarab::kSize / 2;
constexpr char kDouble = 'O', kTriple = 'P', kScarabMark = '~';

// The bonus square under (row, column) as dealt, the scarab aside.
char BonusMarker(int row, int column)
{
    const int last = CScarab::kSize - 1;
    const bool edgeRow = row == 0 || row == last, edgeColumn = column == 0 || column == last;
    if (edgeRow && edgeColumn)
        return kTriple;
    if ((edgeRow && column == kCentre) || (edgeColumn && row == kCentre))
        return kDouble;
    if ((row == 3 || row == last - 3) && (column == 3 || column == last - 3))
        return kDouble;
    return 0;
}

int Multiplier(char marker)
{
    return marker == kDouble ? 2 : marker == kTriple ? 3 : marker == kScarabMark ? 4 : 1;
}
}  // namespace

CScarab::CScarab(const CGameContext& context) : CGame(context)
{
    SetTableSize(kSize, 16);
    m_hand.gameAmount1 = kLetterPoints;
    m_hand.penaltyPoints = kRedrawCost;
    m_scorePanel.showTiles = 1;
    m_scorePanel.HideTimeLine();

    m_bag.Configure(kPileHidden | kPileAllFaceUp, kFanSquared);
    m_bag.tiles = DealLetters(kSupplyBag, kBagTiles, kDealFixQu);
    m_rack.Configure(kPileAllFaceUp, kFanRight);
    m_rack.slotCount = kRackSlots;
    m_rack.tiles = m_bag.RemoveTop(kRackSlots);
    m_hand.tileCount = m_bag.Length();
    for (int r = 0; r < kSize; ++r)
        for (int c = 0; c < kSize; ++c)
            m_board.Cell(r, c).marker = BonusMarker(r, c);
    m_board.Cell(m_scarabRow, m_scarabColumn).marker = kScarabMark;

    AddPart(m_board);
    AddPile(m_rack, "rack");
    AddPile(m_bag, "bag");
    AddButton(m_redrawButton, "redraw", kStrRedrawTooltip);
    AddButton(m_scoreButton, "score", kStrCheckTooltip);
}

void CScarab::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - kSize * w) / 2;
    const int rackTop = 3 * (h / 4) + kSize * h + 10;
    m_board.Place(left, 10, m_tileSet);
    m_rack.SetPosition(left, rackTop);
    m_bag.SetPosition(left + 12 * w, rackTop);  // refills fly from here
    m_scorePanel.SetRect(rackTop, left + 8 * w, rackTop + 2 * h, left + 11 * w);
    m_redrawButton.SetPosition(left + 7 * w + w / 4, rackTop + h / 4);
    m_scoreButton.SetPosition(left + 12 * w, rackTop + h / 4);
}

// ---------------------------------------------------------------------------
// Mouse

void CScarab::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    m_scoreButton.state = m_redrawButton.state = kButtonRaised;  // a press whose release went elsewhere
    const int cell = m_board.CellAt(m_tileSet, POINT{x, y});
    if (cell >= 0 && m_placed[static_cast<std::size_t>(cell)] && !m_board.Cell(cell).IsEmpty()) {
        m_liftCell = cell;  // it stays in the turn until it lands elsewhere
        BeginDrag(&m_board.Cell(cell), 1, x, y);
        return;
    }
    const int k = m_rack.HitTest(m_tileSet, x, y);
    if (k >= 0 && k < m_rack.Length()) {
        BeginDrag(&m_rack, m_rack.Length() - k, x, y);  // lifts tile k alone
        return;
    }
    for (CTileButton* button : {&m_scoreButton, &m_redrawButton})
        if (button->HitTest(x, y)) {
            button->state = kButtonPressed;
            break;
        }
}

void CScarab::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    for (CTileButton* button : {&m_scoreButton, &m_redrawButton})
        if (button->IsPressed()) {
            button->state = kButtonRaised;
            if (button == &m_scoreButton) {
                ScoreTurn();
            } else if (!m_bag.IsEmpty()) {
                if (Ask(kStrRedrawQuestion, kStrWarningCaption, MB_OKCANCEL | MB_ICONWARNING) == IDOK)
                    RedrawRack();
            } else if (Ask(kStrResignQuestion, kStrConfirmCaption, MB_YESNO | MB_ICONQUESTION) == IDYES &&
                       !IsHandOver()) {
                EndHand(kEndFinished);
            }
            return;
        }
    if (m_dragging) {
        if (m_dragMoved)
            DropDraggedTiles();
        else
            CancelDrag();
    }
}

void CScarab::OnLButtonDblClk(int x, int y, unsigned keys)
{
    // A tile placed this turn goes back to the rack.
    const int cell = m_board.CellAt(m_tileSet, POINT{x, y});
    if (cell >= 0 && m_placed[static_cast<std::size_t>(cell)] && !m_board.Cell(cell).IsEmpty() &&
        m_rack.Length() < kRackSlots) {
        MoveTile(&m_board.Cell(cell), &m_rack, kFlyFaceUp);
        m_placed[static_cast<std::size_t>(cell)] = false;
        AfterMove();
        return;
    }
    if (ScoreTurn())
        return;
    return OnLButtonDown(x, y, keys);
}

void CScarab::OnRButtonDown(int, int, unsigned) {}

void CScarab::CancelDrag()
{
    CGame::CancelDrag();  // a tile lifted from the board goes back, still in the turn
    m_liftCell = -1;
}

void CScarab::DropDraggedTiles()
{
    const POINT centre = DragImageCentre(*this);
    CTilePile* target = m_board.DropTarget(m_tileSet, centre, {&m_rack});
    if (!target) {
        CancelDrag();
        return;
    }
    const int cell = target == &m_rack ? -1 : m_board.CellAt(m_tileSet, centre);
    if (cell >= 0)
        PlaySound(kSoundTileMoved);
    EndDrag(target);
    Landed(cell);
    AfterMove();
}

void CScarab::Landed(int cell)
{
    if (m_liftCell >= 0)
        m_placed[static_cast<std::size_t>(m_liftCell)] = false;
    if (cell >= 0)
        m_placed[static_cast<std::size_t>(cell)] = true;
    m_liftCell = -1;
}

// ---------------------------------------------------------------------------
// The turn

int CScarab::EvaluateTurn() const
{
    std::vector<int> placed;
    for (const int cell : m_board.FilledCells())
        if (m_placed[static_cast<std::size_t>(cell)])
            placed.push_back(cell);
    if (placed.empty())
        return 0;
    // All in one row (a single tile counts as a row) or all in one column.
    const int row = placed.front() / kSize, column = placed.front() % kSize;
    const bool across = std::all_of(placed.begin(), placed.end(), [&](int cell) { return cell / kSize == row; });
    if (!across && !std::all_of(placed.begin(), placed.end(), [&](int cell) { return cell % kSize == column; }))
        return 0;
    // The main word runs through all of them: earlier tiles fill any gap.
    const LetterRun main = m_board.RunThrough(row, column, across);
    if (!m_board.Contains(main, placed.back() / kSize, placed.back() % kSize))
        return 0;
    std::vector<LetterRun> words;
    // A lone tile's one-letter word counts when the dictionary has it.
    if (main.length >= 2 || (m_pDictionary && m_pDictionary->IsWord(m_board.Letters(main).c_str())))
        words.push_back(main);
    // The turn must join earlier tiles, or on the first turn cover the centre.
    bool joins = main.length > static_cast<int>(placed.size()) || m_board.Contains(main, kCentre, kCentre);
    for (const int cell : placed) {
        const LetterRun cross = m_board.RunThrough(cell / kSize, cell % kSize, !across);
        if (cross.length >= 2) {
            words.push_back(cross);
            joins = true;
        }
    }
    if (!joins || words.empty())
        return 0;
    // A word is multiplied by the bonus squares its new tiles cover.
    const int total = m_board.ScoreRuns(words, m_pDictionary, [this](const LetterRun& run) {
        int multiplier = 1;
        for (int i = 0; i < run.length; ++i) {
            const int cell = m_board.Index(run.row + (run.across ? 0 : i), run.column + (run.across ? i : 0));
            if (m_placed[static_cast<std::size_t>(cell)])
                multiplier *= Multiplier(m_board.Cell(cell).marker);
        }
        return run.length * m_hand.gameAmount1 * multiplier;
    });
    if (total <= 0)
        return 0;
    return static_cast<int>(placed.size()) == kRackSlots ? total + kAllTilesBonus : total;
}

bool CScarab::ScoreTurn()
{
    if (m_dragging || IsHandOver())
        return false;
    const int points = EvaluateTurn();
    if (points <= 0)
        return false;
    PlaySound(kSoundScored);
    // The turn's tiles stay for good, and the squares under them count no more.
    for (int i = 0; i < kSize * kSize; ++i)
        if (m_placed[static_cast<std::size_t>(i)]) {
            m_placed[static_cast<std::size_t>(i)] = false;
            m_board.Cell(i).marker = 0;
        }
    m_hand.AddWordPoints(points);
    const int n = std::min(kRackSlots - m_rack.Length(), m_bag.Length());
    if (n > 0) {
        BeginDrag(&m_bag, n, m_bag.x, m_bag.y);
        EndDrag(&m_rack);
    }
    m_hand.tileCount = m_bag.Length();
    MoveScarab();
    AfterMove();
    EndHandIfFinished();
    return true;
}

void CScarab::MoveScarab()
{
    CBoardCell& from = m_board.Cell(m_scarabRow, m_scarabColumn);
    if (from.IsEmpty())
        from.marker = BonusMarker(m_scarabRow, m_scarabColumn);  // the square it hid shows again
    if (static_cast<int>(m_board.FilledCells().size()) == kSize * kSize)
        return;
    do {
        m_scarabRow = m_random.InRange(kSize, 0);
        m_scarabColumn = m_random.InRange(kSize, 0);
    } while (!m_board.Cell(m_scarabRow, m_scarabColumn).IsEmpty());
    m_board.Cell(m_scarabRow, m_scarabColumn).marker = kScarabMark;
}

void CScarab::RedrawRack()
{
    if (m_rack.IsEmpty() || m_dragging)
        return;
    const int n = m_rack.Length();
    m_bag.AppendString(m_rack.tiles);
    m_rack.tiles = CStr();
    m_bag.tiles.Shuffle(m_random);
    BeginDrag(&m_bag, n, m_bag.x, m_bag.y);
    EndDrag(&m_rack);
    m_hand.score -= m_hand.penaltyPoints;
    AfterMove();
}

bool CScarab::IsFinished() { return m_bag.IsEmpty() && m_rack.IsEmpty(); }

void CScarab::AfterMove()
{
    m_scoreButton.visible = EvaluateTurn() > 0 ? 1 : 0;
    m_redrawButton.visible = m_rack.IsEmpty() ? 0 : 1;
    RefreshTooltips();
}

void CScarab::OnGameOver() {}  // no speed bonus

// ---------------------------------------------------------------------------
// Description and self-checks

std::string CScarab::DescribeState() const
{
    std::string text = CGame::DescribeState();
    text += "scarab: " + std::to_string(m_scarabRow) + " " + std::to_string(m_scarabColumn) + "\n";
    std::string placed;
    for (int i = 0; i < kSize * kSize; ++i)
        if (m_placed[static_cast<std::size_t>(i)])
            placed += " " + std::to_string(i / kSize) + "," + std::to_string(i % kSize);
    return text + "placed:" + (placed.empty() ? " none" : placed) + "\n";
}

bool CScarab::CheckRules(std::string& why)
{
    char text[160];
    int inTurn = m_rack.Length() + (m_dragging ? m_dragPile.Length() : 0);
    for (int i = 0; i < kSize * kSize; ++i) {
        const CBoardCell& cell = m_board.Cell(i);
        const bool placed = m_placed[static_cast<std::size_t>(i)];
        const char* fault = nullptr;
        if (placed && cell.IsEmpty() && !(m_dragging && i == m_liftCell))
            fault = "is in the turn without a tile";
        else if (!placed && !cell.IsEmpty() && cell.marker)
            fault = "keeps its bonus under an earlier turn's tile";
        else if (cell.IsEmpty() && (i == m_board.Index(m_scarabRow, m_scarabColumn)) != (cell.marker == kScarabMark))
            fault = "is wrong about the scarab";
        if (fault) {
            std::snprintf(text, sizeof text, "square %d,%d %s", i / kSize, i % kSize, fault);
            why = text;
            return false;
        }
        inTurn += placed && !cell.IsEmpty() ? 1 : 0;
    }
    if (inTurn > kRackSlots) {
        why = std::to_string(inTurn) + " tiles on the rack, in the air and placed this turn";
        return false;
    }
    if (m_hand.tileCount != m_bag.Length()) {
        why = "the tile count " + std::to_string(m_hand.tileCount) + " is not the bag's " +
              std::to_string(m_bag.Length());
        return false;
    }
    return true;
}

void CScarab::HandValues(CHandRecord& record)
{
    CGame::HandValues(record);
    record(m_bag, m_scarabRow, m_scarabColumn, m_liftCell, m_placed);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrLeScarabHowTo1, 2}, {kStrLeScarabHowTo2, 5}, {kStrLeScarabHowTo3, 4},
    {kStrLeScarabHowTo4, 7}, {kStrLeScarabHowTo5, 7}, {kStrLeScarabHowTo6, 6}, {kStrLeScarabHowTo7, 5},
    {kStrPlayButtonLine, 4}};
}  // namespace

extern const GameDescriptor kScarabGame{19, "Scarab", kStrLeScarabName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CScarab>, {kStrLeScarabDescription, 410, kStrDifficultyModerate, kStrScorePointsForEachLetter}};
