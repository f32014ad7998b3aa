#include "games/Collapse.h"

#include <algorithm>

#include "framework/FallingWell.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kDealt = 90;
}  // namespace

CCollapse::CCollapse(const CGameContext& context) : CGridWordGame(context, m_tower, kColumns)
{
    SetTableSize(8, 13);
    m_scorePanel.HideTimeLine();
    // Rows 8, 7 and 6 take the last 15 letters, cell (8, 0) the very last;
    // the next five wait below the columns. The rest of the deal is not used:
    // new letters come from a running deal of their own.
    CStr letters = DealLetters(kSupplyStandard, kDealt, kDealFixQu | kDealBalanced);
    for (int row = kRows - 1; row >= kRows - 3; --row)
        for (int c = 0; c < kColumns; ++c)
            m_tower[row * kColumns + c].Push(letters.PopLast());
    for (CTilePile& pile : m_incoming) {
        pile.Configure(kPileHidden, kFanSquared);
        pile.Push(letters.PopLast());
    }
    for (CTilePile& pile : m_spill)
        pile.Configure(kPileAllFaceUp, kFanSquared);
    m_advance.visible = 1;

    m_word.checkFollowsWord = false;
    RegisterParts(kStrCancelTooltip, kNoFoundWordsList);
    AddGrid(m_spill, kColumns, "spill");
    AddGrid(m_incoming, kColumns, "incoming");
    AddButton(m_advance, "advance", kStrAdvanceTooltip);
}

void CCollapse::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - kColumns * w) / 2;
    // A row's height lower than the tower's own rows, so that the spill row
    // above it stays inside the window.
    const int top = h + h / 4 + 20;
    for (int i = 0; i < kColumns * kRows; ++i)
        m_tower[i].SetPosition(left + i % kColumns * w, top + i / kColumns * h);
    for (int c = 0; c < kColumns; ++c) {
        m_spill[c].SetPosition(left + c * w, top - h);
        m_incoming[c].SetPosition(left + c * w, top + kRows * h + h / 4);
    }
    const int wordTop = 5 * h / 4 + kRows * h + top;
    m_word.Place(left, wordTop, left + 8 * w, wordTop);
    const int panelLeft = left + 5 * w + 5 * w / 8;
    m_scorePanel.SetRect(top + h / 8, panelLeft, top + h / 8 + 2 * h, panelLeft + 2 * w);
    m_frame = {left - h / 4, top - h / 4, left + (kColumns - 1) * w + 13 * w / 8, top + (kRows - 1) * h + 9 * h / 8};
    const int y0 = wordTop - 6 * h / 8;
    PlaceCancel(left + 5 * w / 2 - 5 * w / 4, y0);
    m_word.undo.SetPosition(left + 5 * w / 2 - w / 2, y0);
    m_word.check.SetPosition(left + 5 * w / 2 + 3 * w / 4, y0);
    m_advance.SetPosition(m_frame.left - 7 * w / 8, m_frame.top + 2 * h / 8);
}

void CCollapse::DrawTable()
{
    m_tileSet.DrawRule(m_backBuffer, m_frame.left, m_frame.top, m_frame.Width());
    m_tileSet.DrawRule(m_backBuffer, m_frame.left, m_frame.bottom, m_frame.Width());
}

bool CCollapse::PressOwnButton(int x, int y)
{
    if (!m_advance.visible || !m_advance.HitTest(x, y))
        return false;
    m_advanceHeld = true;
    ShowButton(m_advance, kButtonPressed);
    return true;
}

bool CCollapse::ReleaseOwnButton()
{
    if (!m_advanceHeld)
        return false;
    m_advanceHeld = false;
    ShowButton(m_advance, kButtonRaised);
    // Only while it still may: never with a word in progress, never after the end.
    if (!m_advance.visible || !m_word.IsEmpty() || m_overflowed)
        return true;
    m_hand.score += kAdvancePoints;
    Rise();
    AfterMove();
    EndHandIfFinished();
    return true;
}

void CCollapse::TakeCell(int cell)
{
    if (m_tower[cell].Top() != kGlyphBomb) {
        if (m_word.CanExtend(m_tower[cell].Top()))
            CGridWordGame::TakeCell(cell);
        else
            PlaySound(kSoundRefused);  // unlike the caves, the tower says no
        return;
    }
    if (!m_word.IsEmpty()) {
        PlaySound(kSoundRefused);
        return;
    }
    // The bomb and its four neighbours across and down leave the tower.
    const int row = cell / kColumns, column = cell % kColumns;
    const int around[][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& [dr, dc] : around) {
        const int r = row + dr, c = column + dc;
        if (r < 0 || r >= kRows || c < 0 || c >= kColumns || m_tower[r * kColumns + c].IsEmpty())
            continue;
        CTilePile& hit = m_tower[r * kColumns + c];
        TilesLeftPlay(hit.RemoveTop(1));
    }
    PlaySound(kSoundPenalty);
    ShowAndWait(100);
    SettleGrid();
    AfterMove();
}

void CCollapse::AfterWordScored()
{
    ++m_wordsScored;
    m_bombChance = std::max(1, 3 - m_wordsScored / 10);
    CGridWordGame::AfterWordScored();
    Rise();
}

void CCollapse::SettleGrid()
{
    m_grid.Settle({}, [](char tile) { return tile == kGlyphBomb; });
    m_grid.CloseToward(kColumns / 2);
}

void CCollapse::Rise()
{
    m_overflowed = m_grid.Rise(m_incoming, m_spill) || m_overflowed;
    for (CTilePile& pile : m_incoming) {
        CStr letter;
        letter.AppendChar(NextLetter());
        TilesJoinedPlay(letter);
        pile.AppendString(letter);
    }
}

char CCollapse::NextLetter()
{
    if (m_random.InRange(100, 0) < m_bombChance)
        return kGlyphBomb;
    return TakeLetter(*this, m_running, kSupplyStandard, kDealt);
}

void CCollapse::AfterMove()
{
    ShowButtonIf(m_advance, m_word.IsEmpty() && !m_overflowed);
    CGridWordGame::AfterMove();
}

void CCollapse::OnGameOver()
{
    // No speed bonus; a long hand is saluted.
    if (m_wordsScored > 20) {
        PlaySound(kSoundHandOver);
    }
}

std::string CCollapse::DescribeState() const
{
    return CGridWordGame::DescribeState() + "tower: words=" + std::to_string(m_wordsScored) +
           " bombChance=" + std::to_string(m_bombChance) + (m_overflowed ? " overflowed\n" : "\n");
}

bool CCollapse::CheckRules(std::string& why)
{
    if (!CGridWordGame::CheckRules(why))
        return false;
    for (int c = 0; c < kColumns; ++c)
        if (m_incoming[c].Length() != 1) {
            why = "incoming pile " + std::to_string(c) + " holds " + std::to_string(m_incoming[c].Length()) +
                  " letters, not one";
            return false;
        }
    return true;
}

void CCollapse::HandValues(CHandRecord& record)
{
    CGridWordGame::HandValues(record);
    record(m_advance, m_advanceHeld, m_overflowed, m_wordsScored, m_bombChance, m_running);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrTowerOfBabbleHowTo1, 2}, {kStrTowerOfBabbleHowTo2, 4},
    {kStrTowerOfBabbleHowTo3, 5}, {kStrTowerOfBabbleHowTo4, 3}, {kStrTowerOfBabbleHowTo5, 7},
    {kStrTowerOfBabbleHowTo6, 5}, {kStrTowerOfBabbleHowTo7, 6}, {kStrTowerOfBabbleHowTo8, 5},
    {kStrTowerOfBabbleHowTo9, 5}, {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kCollapseGame{41, "Collapse", kStrTowerOfBabbleName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CCollapse>,
    {kStrTowerOfBabbleDescription, 479, kStrDifficultyModerate, kStrScoreSignificantlyMorePointsFor}};
