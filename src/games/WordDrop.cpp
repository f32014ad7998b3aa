#include "games/WordDrop.h"

#include "framework/BackBuffer.h"
#include "framework/FallingWell.h"
#include "framework/LetterSupply.h"

namespace {
constexpr int kRows = 10;
constexpr int kColumns = 7;
constexpr int kFirstColumn = 4;
constexpr int kMinWordLength = 3;
constexpr int kPointsPerLetter = 9;  // of a dead line: 63 a line
constexpr int kRefill = 7;
constexpr int kLadder[] = {7, 14, 21, 35, 42, 49};  // dead lines; no step at 28
constexpr unsigned kFasterNotice = 420;
}  // namespace

CWordDrop::CWordDrop(const CGameContext& context) : CLetterDropGame(context, kRows, kColumns, kFirstColumn)
{
    m_hand.gameAmount2 = kPointsPerLetter;
    m_well.SetLadder(kLadder, kFasterNotice, true);
    FillQueue();
    // The preview tooltip goes over the next letter, where the player looks.
    AddPile(m_queue, "queue", kStrPreviewTooltip);
}

void CWordDrop::PlacePieces(int width, int height)
{
    CLetterDropGame::PlacePieces(width, height);
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int panelTop = m_well.CellY(0) + 5 * h / 4;
    m_scorePanel.SetRect(panelTop, SideX(), panelTop + h, SideX() + 2 * w);
}

char CWordDrop::NextLetter()
{
    m_random.InRange(100, 0);  // drawn for every letter, though no bombs fall here
    return TakeLetter(*this, m_letters, kSupplyWords, kRefill);
}

bool CWordDrop::AfterLanding(int row, int column)
{
    m_well.HighlightWords(row, column, kMinWordLength, m_pDictionary);
    for (int r = 0; r < kRows; ++r)
        if (m_well.IsRowLit(r))
            return true;
    return false;
}

void CWordDrop::ClearWaiting()
{
    // From the bottom up; a row that died is tested again, holding the row above it now.
    for (int r = kRows - 1; r >= 0;) {
        if (!m_well.IsRowLit(r)) {
            --r;
            continue;
        }
        const CStr taken = m_well.RemoveRow(r);
        TilesLeftPlay(taken);
        m_hand.AddWordPoints(taken.GetLength() * m_hand.gameAmount2);
        m_well.CheckLevel(*this, ++m_lines);
    }
}

bool CWordDrop::CheckRules(std::string& why)
{
    if (!CLetterDropGame::CheckRules(why))
        return false;
    // A point a landing and 63 a dead line, nothing else.
    const int expected = Landings() + m_lines * kColumns * kPointsPerLetter;
    if (m_hand.score != expected) {
        why = "the score is " + std::to_string(m_hand.score) + ", landings and dead lines make " +
              std::to_string(expected);
        return false;
    }
    return true;
}

void CWordDrop::HandValues(CHandRecord& record)
{
    CLetterDropGame::HandValues(record);
    record(m_letters, m_lines);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrDeadLinesHowTo1, 2}, {kStrDeadLinesHowTo2, 4}, {kStrDeadLinesHowTo3, 5},
    {kStrDeadLinesHowTo4, 7}, {kStrDeadLinesHowTo5, 5}, {kStrDeadLinesHowTo6, 6}, {kStrDeadLinesHowTo7, 6},
    {kStrDeadLinesHowTo8, 6}, {kStrDeadLinesHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kWordDropGame{34, "WordDrop", kStrDeadLinesName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CWordDrop>, {kStrDeadLinesDescription, 460, kStrDifficultyDifficult, kStrScoreFixedNumberOfPoints}};
