#include "games/TrueTris.h"


namespace {
constexpr int kRows = 21;
constexpr int kColumns = 10;
constexpr int kBox = 5;
constexpr int kSpawnColumn = 4;
constexpr int kStepsPerRow = 2;
constexpr int kFirstInterval = 750;
constexpr int kPointsPerTile = 10;  // of a removed row: 100 a row
constexpr int kLadder[] = {7, 14, 21, 35, 42, 49};  // clearings; no step at 28
constexpr unsigned kFasterNotice = 420;
// The shapes in their boxes, row-major; every tile of shape s shows the digit s + 1.
constexpr const char* kShapes[] = {
    "....." "..##." ".##.." "....." ".....",
    "....." ".##.." "..##." "....." ".....",
    "....." "....." ".####" "....." ".....",
    "....." "...#." ".###." "....." ".....",
    "....." "....." ".###." "...#." ".....",
    "....." "..##." "..##." "....." ".....",
    "....." "..#.." ".###." "....." ".....",
};
constexpr char kFirstDigit = 'A';
}  // namespace

CTrueTris::CTrueTris(const CGameContext& context)
    : CShapeDropGame(context, kRows, kColumns, kBox, kSpawnColumn, kStepsPerRow)
{
    m_hand.gameAmount2 = kPointsPerTile;
    m_well.SetFirstInterval(kFirstInterval);
    m_well.SetLadder(kLadder, kFasterNotice, true);
    DealFirstShape();
}

void CTrueTris::PlacePieces(int width, int height)
{
    CShapeDropGame::PlacePieces(width, height);
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int panelTop = m_well.CellY(0) + 3 * h / 4 + 6 * h;
    m_scorePanel.SetRect(panelTop, SideX(), panelTop + 2 * h, SideX() + 3 * w);
}

void CTrueTris::DealShape(std::span<char> cells)
{
    const int s = m_random.InRange(7, 0);
    for (std::size_t k = 0; k < cells.size(); ++k)
        if (kShapes[s][k] == '#')
            cells[k] = static_cast<char>(kFirstDigit + s);
}

int CTrueTris::AfterLanding(const std::vector<CellAt>& cells)
{
    for (const auto& [row, column] : cells) {
        bool full = true;
        for (int c = 0; c < kColumns; ++c)
            full = full && m_well.IsOccupied(row, c);
        for (int c = 0; full && c < kColumns; ++c)
            m_well.Cell(row, c).displayFlags |= kPileNegative;
    }
    if (!m_well.AnyLit())
        return 0;
    PlaceShape();
    return 1;  // the full rows go on the next step
}

void CTrueTris::ClearWaiting()
{
    const CStr taken = m_well.RemoveLit();
    TilesLeftPlay(taken);
    m_removed += taken.GetLength();
    m_hand.AddWordPoints(taken.GetLength() * m_hand.gameAmount2);
}

bool CTrueTris::CheckRules(std::string& why)
{
    if (!CShapeDropGame::CheckRules(why))
        return false;
    // A point a landed tile and ten a removed one, nothing else.
    const int expected = Landed() + m_removed * kPointsPerTile;
    if (m_hand.score != expected) {
        why = "the score is " + std::to_string(m_hand.score) + ", landings and rows make " +
              std::to_string(expected);
        return false;
    }
    return true;
}

void CTrueTris::HandValues(CHandRecord& record)
{
    CShapeDropGame::HandValues(record);
    record(m_removed);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrTetrisClassicHowTo1, 2}, {kStrTetrisClassicHowTo2, 4},
    {kStrTetrisClassicHowTo3, 5}, {kStrTetrisClassicHowTo4, 4}, {kStrTetrisClassicHowTo5, 7},
    {kStrTetrisClassicHowTo6, 6}, {kStrTetrisClassicHowTo7, 6}, {kStrTetrisClassicHowTo8, 6},
    {kStrTetrisClassicHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kTrueTrisGame{38, "TrueTris", kStrTetrisClassicName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CTrueTris>, {kStrTetrisClassicDescription, 428, kStrDifficultyEasy, kStrScoreFixedNumberOfPoints}};
