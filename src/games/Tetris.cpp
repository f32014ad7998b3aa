#include "games/Tetris.h"

#include "framework/LetterSupply.h"

namespace {
constexpr int kRows = 13;
constexpr int kColumns = 8;
constexpr int kBox = 3;
constexpr int kSpawnColumn = 3;
constexpr int kStepsPerRow = 3;
constexpr int kMinWordLength = 3;
constexpr int kPointsPerLetter = 5;
constexpr int kRefill = 104;
constexpr int kLadder[] = {7, 14, 21, 35, 42, 49};  // clearings; no step at 28
constexpr unsigned kFasterNotice = 420;
// The shapes in their boxes, row-major.
constexpr const char* kShapes[] = {
    "..." ".##" "...",
    "..." "###" "...",
    ".#." ".##" "...",
    "..." ".#." "..#",
};
}  // namespace

CTetris::CTetris(const CGameContext& context) : CTetris(context, kSupplyRich, kRefill) {}

CTetris::CTetris(const CGameContext& context, LetterSupply supply, int refill)
    : CShapeDropGame(context, kRows, kColumns, kBox, kSpawnColumn, kStepsPerRow), m_supply(supply), m_refill(refill)
{
    m_hand.gameAmount2 = kPointsPerLetter;
    m_well.SetLadder(kLadder, kFasterNotice, true);
    DealFirstShape();
}

void CTetris::PlacePieces(int width, int height)
{
    CShapeDropGame::PlacePieces(width, height);
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int panelTop = m_well.CellY(0) + h / 4 + 3 * h;
    m_scorePanel.SetRect(panelTop, SideX() + w, panelTop + 2 * h, SideX() + 4 * w);
}

void CTetris::DealShape(std::span<char> cells)
{
    const char* shape = kShapes[m_random.InRange(4, 0)];
    for (std::size_t k = 0; k < cells.size(); ++k)
        if (shape[k] == '#') {
            m_random.InRange(100, 0);  // drawn for every letter, though no special tiles fall here
            cells[k] = TakeLetter(*this, m_letters, m_supply, m_refill);
        }
}

int CTetris::AfterLanding(const std::vector<CellAt>& cells)
{
    // Each search records its words when they are longer in all than the
    // best of this landing so far, after those already recorded: a word
    // found again beside a longer one is recorded, and scored, twice.
    for (const auto& [row, column] : cells) {
        CFallingWell::WordsFound found;
        m_well.HighlightWords(row, column, kMinWordLength, m_pDictionary, &found);
        if (found.length[0] > m_bestRow) {
            m_bestRow = found.length[0];
            m_rowWords += found.letters[0];
        }
        if (found.length[1] > m_bestColumn) {
            m_bestColumn = found.length[1];
            m_columnWords += found.letters[1];
        }
    }
    if (!m_well.AnyLit())
        return 0;
    PlaceShape();
    return (m_bestColumn + 2 * m_well.Level() + m_bestRow) / 9 + 2;
}

void CTetris::ClearWaiting()
{
    TilesLeftPlay(m_well.RemoveLit());
    const int letters = static_cast<int>(m_rowWords.size() + m_columnWords.size());
    m_recorded += letters;
    m_hand.AddWordPoints(letters * m_hand.gameAmount2);
    m_bestRow = m_bestColumn = 0;
    m_rowWords.clear();
    m_columnWords.clear();
}

bool CTetris::CheckRules(std::string& why)
{
    if (!CShapeDropGame::CheckRules(why))
        return false;
    // A point a landed tile and five a recorded letter, nothing else.
    const int expected = Landed() + m_recorded * kPointsPerLetter;
    if (m_hand.score != expected) {
        why = "the score is " + std::to_string(m_hand.score) + ", landings and words make " +
              std::to_string(expected);
        return false;
    }
    return true;
}

void CTetris::HandValues(CHandRecord& record)
{
    CShapeDropGame::HandValues(record);
    record(m_supply, m_refill, m_letters, m_bestRow, m_bestColumn, m_rowWords, m_columnWords, m_recorded);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrTetrisStickyHowTo1, 2}, {kStrTetrisStickyHowTo2, 4},
    {kStrTetrisStickyHowTo3, 5}, {kStrTetrisStickyHowTo4, 4}, {kStrTetrisStickyHowTo5, 7}, {kStrTetrisStickyHowTo6, 6},
    {kStrTetrisStickyHowTo7, 6}, {kStrTetrisStickyHowTo8, 6}, {kStrTetrisStickyHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kTetrisGame{16, "Tetris", kStrTetrisStickyName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CTetris>, {kStrTetrisStickyDescription, 425, kStrDifficultyModerate, kStrScorePointsEachTimeLetter}};
